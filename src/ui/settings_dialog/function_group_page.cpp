#include "ui/settings_dialog/function_group_page.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <functional>

#include "formula/function_catalogue.h"
#include "settings/function_cells.h"
#include "ui/settings_dialog/dialog_controls.h"

namespace tavrik::ui {

namespace {

constexpr int kMaxGroupNameLength = 12;
constexpr int kVisibleGroups = 3;
constexpr int kGroupColumnWidth = 150;

// The function list holds an empty entry, then one entry per code 101 … 200.
int EntryOfCode(int code) {
    return code <= kNoFunction || code > kLastFunction ? 0 : code - kNoFunction;
}

// In-place editors: an edit for a group name, the function list for a slot.
// Every change goes to the cell at once, so storing the page never misses it.
class FunctionCellDelegate final : public QStyledItemDelegate {
  public:
    FunctionCellDelegate(const QStringList& functions, const QStringList& descriptions,
                         std::function<void(int)> showDescription, QObject* parent)
        : QStyledItemDelegate(parent),
          functions_(functions),
          descriptions_(descriptions),
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
        list->addItems(functions_);
        for (int entry = 0; entry < list->count(); ++entry)
            list->setItemData(entry, descriptions_.value(entry), Qt::ToolTipRole);
        connect(list, &QComboBox::activated, this, [self, list] { emit self->commitData(list); });
        // The entry under the pointer or the keyboard is described below the grid.
        connect(list, &QComboBox::highlighted, this, showDescription_);
        connect(list, &QComboBox::currentIndexChanged, this, showDescription_);
        return list;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        const QString text = index.data().toString();
        if (auto* list = qobject_cast<QComboBox*>(editor))
            list->setCurrentIndex(EntryOfCode(FunctionSlotCode(text.toStdString())));
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
    const QStringList& functions_;
    const QStringList& descriptions_;
    std::function<void(int)> showDescription_;
};

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

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
        functions_, descriptions_, [this](int entry) { describe(descriptions_.value(entry)); },
        grid_));
    description_->setObjectName("stxFuncDescription");
    description_->setWordWrap(true);
    description_->setAccessibleName(QStringLiteral("関数の説明"));
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        const QTableWidgetItem* item = grid_->item(row, column);
        const int code = item ? FunctionSlotCode(item->text().toStdString()) : kNoFunction;
        describe(row == kNameRow ? QString() : descriptions_.value(EntryOfCode(code)));
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
    functions_.clear();
    descriptions_.clear();
    functions_ << QString();
    descriptions_ << QString();
    for (int code = kFirstFunction; code <= kLastFunction; ++code) {
        functions_ << Text(FunctionListText(settings, code));
        descriptions_ << Text(FunctionHelpText(code, settings));
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
            if (!cell->text().isEmpty()) cell->setToolTip(descriptions_.value(EntryOfCode(code)));
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
