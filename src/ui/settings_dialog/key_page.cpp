#include "ui/settings_dialog/key_page.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "engine/keyboard.h"
#include "settings/key_codes.h"
#include "ui/platform/key_router.h"
#include "ui/settings_dialog/dialog_controls.h"
#include "ui/settings_dialog/dialog_text.h"
#include "ui/settings_dialog/key_leaves.h"

namespace tavrik::ui {

namespace {

// Rows from this one on may be removed when they are the last and empty.
constexpr int kFirstRemovableRow = 2;

bool PassesThrough(int key) {
    switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Escape:
            return true;
        default:
            return false;
    }
}

}  // namespace

KeyCaptureGrid::KeyCaptureGrid(Capture capture, QWidget* parent)
    : QTableWidget(0, kModeColumns, parent), capture_(std::move(capture)) {
    setHorizontalHeaderLabels({QStringLiteral("10進"), QStringLiteral("混合"),
                               QStringLiteral("時間"), QStringLiteral("日付")});
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

void KeyCaptureGrid::keyPressEvent(QKeyEvent* event) {
    if (PassesThrough(event->key())) {
        lastKey_ = 0;  // the arrow keys are recorded as no key: their release captures nothing
        QTableWidget::keyPressEvent(event);
        return;
    }
    if (const std::optional<KeyboardKey> key = keys_.press(*event)) lastKey_ = key->code;
}

void KeyCaptureGrid::keyReleaseEvent(QKeyEvent* event) {
    if (PassesThrough(event->key())) return;
    const std::optional<KeyboardKey> key = keys_.release(*event);
    if (!key || key->code != lastKey_ || KeyModifiersOf(*event) != key->modifiers) return;
    capture_(key->code, key->modifiers & kCtrlKey, key->modifiers & kShiftKey);
}

KeyPage::KeyPage(DialogPrompt prompt, std::function<void(int code)> jumpTo, QWidget* parent)
    : QWidget(parent),
      prompt_(std::move(prompt)),
      jumpTo_(std::move(jumpTo)),
      suppress_(Named(new QCheckBox(QStringLiteral("入力抑制")), "cbxKInput",
                      QStringLiteral("入力抑制"))),
      grid_(Named(new KeyCaptureGrid(
                      [this](int key, bool ctrl, bool shift) { captureKey(key, ctrl, shift); }),
                  "sgdKey", QStringLiteral("キー割当"))),
      addRow_(
          Named(new QPushButton(QStringLiteral("行追加")), "btnKAdd", QStringLiteral("行追加"))),
      name_(Named(new QLabel, "stxKName", QStringLiteral("計算機のキー"))),
      overwrite_(Named(new QRadioButton(QStringLiteral("入力データで上書")), "rbtKUnq1",
                       QStringLiteral("入力データで上書"))),
      jump_(Named(new QRadioButton(QStringLiteral("重複データに移動")), "rbtKUnq3",
                  QStringLiteral("重複データに移動"))),
      message_(Named(new QRadioButton(QStringLiteral("メッセージを表示")), "rbtKUnq2",
                     QStringLiteral("メッセージを表示"))),
      delete_(Named(new QPushButton(QStringLiteral("削除")), "btnKDel", QStringLiteral("削除"))) {
    message_->setChecked(true);
    auto* duplicates = new QGroupBox(QStringLiteral("キー値重複時の動作"));
    auto* duplicateButtons = new QVBoxLayout(duplicates);
    duplicateButtons->addWidget(overwrite_);
    duplicateButtons->addWidget(jump_);
    duplicateButtons->addWidget(message_);

    auto* row = new QHBoxLayout;
    row->addWidget(addRow_);
    row->addWidget(name_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(suppress_);
    layout->addWidget(grid_, 1);
    layout->addLayout(row);
    layout->addWidget(duplicates);
    layout->addWidget(delete_);
    connect(addRow_, &QPushButton::clicked, this, [this] { addRow(); });
    connect(delete_, &QPushButton::clicked, this, [this] { deleteAssignment(); });
}

void KeyPage::load(const GlobalSettings& settings) {
    keys_ = settings.Keys;
    code_ = -1;
    name_->clear();
    grid_->setRowCount(0);
}

void KeyPage::store(GlobalSettings& settings) const {
    settings.Keys = keys_;
    if (code_ >= 0) StoreKeyAssignments(settings.Keys, KeyTableChar(code_), gridRows());
}

void KeyPage::showKey(int code, std::string_view caption) {
    if (code_ >= 0) StoreKeyAssignments(keys_, KeyTableChar(code_), gridRows());
    code_ = code;
    name_->setText(QStringLiteral(" ") + Text(caption));
    const std::vector<KeyRow> rows = KeyAssignmentRows(keys_, KeyTableChar(code));
    grid_->clearContents();
    grid_->setRowCount(static_cast<int>(rows.size()) + 1);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int m = 0; m < kModeColumns; ++m)
            grid_->setItem(r, m, new QTableWidgetItem(QString::fromStdString(rows[r][m])));
    grid_->setCurrentCell(0, 0);
}

std::vector<KeyRow> KeyPage::gridRows() const {
    std::vector<KeyRow> rows;
    for (int r = 0; r < grid_->rowCount(); ++r) {
        KeyRow row;
        for (int m = 0; m < kModeColumns; ++m)
            if (const QTableWidgetItem* item = grid_->item(r, m))
                row[m] = item->text().toStdString();
        rows.push_back(row);
    }
    return rows;
}

void KeyPage::captureKey(int virtualKey, bool ctrl, bool shift) {
    if (suppress_->isChecked() || code_ < 0 || grid_->currentRow() < 0) return;
    const int index = KeyTableIndex(virtualKey, ctrl, shift);
    const QString name = QString::fromStdString(KeyName(index));
    const int row = grid_->currentRow();
    const int column = grid_->currentColumn();
    const QTableWidgetItem* current = grid_->item(row, column);
    if (!current || current->text().compare(name, Qt::CaseInsensitive) != 0) {
        const int owner = CodeOfKeyTableChar(AssignedKeyChar(keys_, index, column));
        if (!overwrite_->isChecked() && owner > 0) {
            if (message_->isChecked())
                prompt_(BoxKind::Warning,
                        QStringLiteral("「") + Text(KeyLeafCaption(owner)) +
                            QStringLiteral("」で使用されています"),
                        false);
            else
                jumpTo_(owner);
            return;
        }
        grid_->setItem(row, column, new QTableWidgetItem(name));
    }
    moveToNextColumn();
}

void KeyPage::moveToNextColumn() {
    grid_->setCurrentCell(grid_->currentRow(), (grid_->currentColumn() + 1) % kModeColumns);
}

void KeyPage::addRow() {
    const int last = grid_->rowCount() - 1;
    bool filled = last < 0;
    for (int m = 0; m < kModeColumns && !filled; ++m)
        if (const QTableWidgetItem* item = grid_->item(last, m)) filled = !item->text().isEmpty();
    if (!filled) return;
    grid_->insertRow(last + 1);
    grid_->setCurrentCell(last + 1, 0);
}

void KeyPage::deleteAssignment() {
    const int row = grid_->currentRow();
    const int column = grid_->currentColumn();
    if (row < 0 || column < 0) return;
    if (QTableWidgetItem* item = grid_->item(row, column)) {
        DeleteKeyAssignment(keys_, item->text().toStdString(), column);
        item->setText(QString());
    }
    if (row < kFirstRemovableRow || row != grid_->rowCount() - 1) return;
    for (int m = 0; m < kModeColumns; ++m)
        if (const QTableWidgetItem* item = grid_->item(row, m); item && !item->text().isEmpty())
            return;
    grid_->removeRow(row);
}

}  // namespace tavrik::ui
