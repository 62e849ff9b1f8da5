#include "ui/settings_dialog/arrangement_list.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "settings/set_arrangement.h"
#include "ui/settings_dialog/dialog_controls.h"

namespace tavrik::ui {

namespace {

constexpr int kLetterRole = Qt::UserRole;

}  // namespace

ArrangementList::ArrangementList(QWidget* parent)
    : QWidget(parent),
      list_(Named(new QListWidget, "clbDisp", QStringLiteral("配置"))),
      up_(Named(new QPushButton(QStringLiteral("↑")), "btnDispUp", QStringLiteral("上へ"))),
      down_(Named(new QPushButton(QStringLiteral("↓")), "btnDispDown", QStringLiteral("下へ"))) {
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(up_);
    buttons->addWidget(down_);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    connect(up_, &QPushButton::clicked, this, [this] { move(-1); });
    connect(down_, &QPushButton::clicked, this, [this] { move(+1); });
}

void ArrangementList::load(const std::string& disp) {
    read_ = disp;
    list_->clear();
    for (const ArrangementLine& line : ArrangementFromDisp(disp)) {
        const std::string_view text = ArrangementLineText(line.letter);
        auto* item = new QListWidgetItem(QString::fromUtf8(text.data(), text.size()), list_);
        item->setData(kLetterRole, QChar(line.letter));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(line.checked ? Qt::Checked : Qt::Unchecked);
    }
}

std::string ArrangementList::disp() const {
    std::vector<ArrangementLine> lines;
    for (int row = 0; row < list_->count(); ++row) {
        const QListWidgetItem* item = list_->item(row);
        lines.push_back({static_cast<char>(item->data(kLetterRole).toChar().toLatin1()),
                         item->checkState() == Qt::Checked});
    }
    return DispToSave(lines, read_);
}

void ArrangementList::move(int step) {
    const int row = list_->currentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= list_->count()) return;
    QListWidgetItem* item = list_->takeItem(row);
    list_->insertItem(target, item);
    list_->setCurrentRow(target);
}

}  // namespace tavrik::ui
