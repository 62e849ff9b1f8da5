#include "ui/settings_dialog/function_group_page.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "formula/function_catalogue.h"
#include "settings/function_cells.h"
#include "ui/settings_dialog/dialog_controls.h"
#include "ui/settings_dialog/dialog_text.h"

namespace tavrik::ui {

namespace {

constexpr int kMaxGroupNameLength = 12;
constexpr int kVisibleGroups = 3;
constexpr int kGroupColumnWidth = 150;

const QString kNoFunctionMark = QStringLiteral(" （機能なし）");

bool Assigned(const GlobalSettings& settings, int code) {
    return std::find(settings.F.begin(), settings.F.end(), code) != settings.F.end();
}

// In-place editors: an edit for a group name, the function list for a slot.
// Every change goes to the cell at once, so storing the page never misses it.
class FunctionCellDelegate final : public QStyledItemDelegate {
  public:
    FunctionCellDelegate(const FunctionChoices& choices, std::function<void(int)> showDescription,
                         QObject* parent)
        : QStyledItemDelegate(parent),
          choices_(choices),
          showDescription_(std::move(showDescription)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        // Qt makes editor creation const, but the commit signal is not.
        auto* self = const_cast<FunctionCellDelegate*>(this);
        if (index.row() == FunctionGroupPage::kNameRow) {
            auto* edit = Named(new QLineEdit(parent), "edtFunc", QStringLiteral("関数グループ名"));
            edit->setMaxLength(kMaxGroupNameLength);
            connect(edit, &QLineEdit::textEdited, this,
                    [self, edit] { emit self->commitData(edit); });
            return edit;
        }
        auto* list = Named(new QComboBox(parent), "cmbFunc", QStringLiteral("関数"));
        list->addItems(choices_.texts);
        for (int entry = 0; entry < list->count(); ++entry)
            list->setItemData(entry, choices_.descriptions.value(entry), Qt::ToolTipRole);
        connect(list, &QComboBox::activated, this, [self, list] { emit self->commitData(list); });
        // The entry under the pointer or the keyboard is described below the grid.
        connect(list, &QComboBox::highlighted, this, showDescription_);
        connect(list, &QComboBox::currentIndexChanged, this, showDescription_);
        return list;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        const QString text = index.data().toString();
        if (auto* list = qobject_cast<QComboBox*>(editor))
            list->setCurrentIndex(choices_.entryOf(FunctionSlotCode(text.toStdString())));
        else
            static_cast<QLineEdit*>(editor)->setText(text);
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        if (auto* list = qobject_cast<QComboBox*>(editor))
            model->setData(index, list->currentText());
        else
            model->setData(index, static_cast<QLineEdit*>(editor)->text());
    }
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex&) const override {
        editor->setGeometry(option.rect);
    }

  private:
    const FunctionChoices& choices_;
    std::function<void(int)> showDescription_;
};

}  // namespace

int FunctionChoices::entryOf(int code) const {
    const auto found = std::find(codes.begin(), codes.end(), code);
    return found == codes.end() ? 0 : static_cast<int>(found - codes.begin());
}

FunctionGroupPage::FunctionGroupPage(QWidget* parent)
    : QWidget(parent),
      grid_(Named(new QTableWidget(kSlotsPerGroup + 1, kGroups), "sgdFunc",
                  QStringLiteral("関数グループ"))),
      description_(new QLabel(this)) {
    QStringList rows{QStringLiteral("名称")};
    for (char key = 'A'; key < 'A' + kSlotsPerGroup; ++key) rows << QString(QChar(key));
    grid_->setVerticalHeaderLabels(rows);
    for (int column = 0; column < kGroups; ++column) {
        grid_->setHorizontalHeaderItem(column, new QTableWidgetItem(QString::number(column + 1)));
        grid_->setColumnWidth(column, kGroupColumnWidth);
    }
    grid_->setItemDelegate(new FunctionCellDelegate(
        choices_, [this](int entry) { describe(choices_.descriptions.value(entry)); }, grid_));
    description_->setObjectName("stxFuncDescription");
    description_->setWordWrap(true);
    description_->setAccessibleName(QStringLiteral("関数の説明"));
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        const QTableWidgetItem* item = grid_->item(row, column);
        const int code = item ? FunctionSlotCode(item->text().toStdString()) : kNoFunction;
        describe(row == kNameRow ? QString() : choices_.descriptions.value(choices_.entryOf(code)));
    });
    grid_->setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::SelectedClicked |
                           QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    grid_->setTabKeyNavigation(false);
    grid_->setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    grid_->setMinimumWidth(kVisibleGroups * kGroupColumnWidth +
                           grid_->verticalHeader()->sizeHint().width());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addWidget(description_);
}

void FunctionGroupPage::describe(const QString& description) {
    description_->setText(description);
}

void FunctionGroupPage::setFunctionList(const GlobalSettings& settings) {
    choices_ = {{QString()}, {QString()}, {kNoFunction}};
    for (int code = kFirstFunction; code <= kLastFunction; ++code) {
        const bool usable = FindCatalogueEntry(code) != nullptr;
        if (!usable && !Assigned(settings, code)) continue;
        choices_.texts << Text(FunctionListText(settings, code)) +
                              (usable ? QString() : kNoFunctionMark);
        choices_.descriptions << Text(FunctionHelpText(code, settings));
        choices_.codes.push_back(code);
    }
}

void FunctionGroupPage::load(const GlobalSettings& settings) {
    setFunctionList(settings);
    for (int group = 0; group < kGroups; ++group) {
        grid_->setItem(kNameRow, group,
                       new QTableWidgetItem(Text(settings.FName[static_cast<std::size_t>(group)])));
        for (int slot = 0; slot < kSlotsPerGroup; ++slot) {
            const int code = settings.F[static_cast<std::size_t>(group * kSlotsPerGroup + slot)];
            auto* cell = new QTableWidgetItem(Text(FunctionSlotText(settings, code)));
            if (!cell->text().isEmpty())
                cell->setToolTip(choices_.descriptions.value(choices_.entryOf(code)));
            grid_->setItem(slot + 1, group, cell);
        }
    }
}

void FunctionGroupPage::store(GlobalSettings& settings) const {
    const auto text = [this](int row, int column) {
        const QTableWidgetItem* item = grid_->item(row, column);
        return item ? item->text().toStdString() : std::string();
    };
    for (int group = 0; group < kGroups; ++group) {
        settings.FName[static_cast<std::size_t>(group)] = text(kNameRow, group);
        for (int slot = 0; slot < kSlotsPerGroup; ++slot)
            settings.F[static_cast<std::size_t>(group * kSlotsPerGroup + slot)] =
                FunctionSlotCode(text(slot + 1, group));
    }
}

}  // namespace tavrik::ui
