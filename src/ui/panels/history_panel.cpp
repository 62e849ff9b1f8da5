#include "ui/panels/history_panel.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <cstdlib>
#include <set>

#include "engine/calculator.h"
#include "engine/tape.h"
#include "settings/panel_kinds.h"
#include "settings/setting_ranges.h"
#include "ui/platform/panel_font.h"

namespace tavrik::ui {

namespace {

constexpr std::array<const char*, 4> kListNames{"lstHD", "lstHH", "lstHT", "lstHC"};
constexpr std::array<CalcMode, 4> kListModes{CalcMode::Decimal, CalcMode::Mixed, CalcMode::Time,
                                             CalcMode::Date};
// Room for the list's frame and scroll bar beside the digits.
constexpr int kListExtraWidth = 20;

}  // namespace

HistoryPanel::HistoryPanel(QWidget* parent, const History& history, Commands commands)
    : PanelWidget(PanelKind::History, parent),
      history_(history),
      commands_(std::move(commands)),
      search_(new QLineEdit(this)),
      shelf_(std::make_unique<QWidget>()) {
    setObjectName("pnlH");
    search_->setObjectName("edtHFind");
    search_->setAccessibleName(QStringLiteral("履歴の検索"));
    search_->setPlaceholderText(QStringLiteral("検索（Enter で入力、Esc で閉じる）"));
    search_->hide();
    search_->installEventFilter(this);
    connect(search_, &QLineEdit::textEdited, this,
            [this] { findFrom(static_cast<int>(history_.current().lines.size()) - 1, -1); });
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        auto* list = new UniformListView(this);
        list->setObjectName(kListNames[i]);
        list->setAccessibleName(QStringLiteral("履歴リスト"));
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        list->installEventFilter(this);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        // Reached with Tab, where the arrow keys choose a line; a click
        // leaves the focus where it was. The window keeps the typed keys
        // from the list's own search.
        list->setFocusPolicy(Qt::TabFocus);
        models_[i] = new HistoryListModel(history_, kListModes[i], this);
        list->setModel(models_[i]);
        connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [this, list] { selectionChanged(*list); });
        lists_[i] = list;
    }
}

void HistoryPanel::place(const SettingsSet& set) {
    const PanelStyle style = StyleOf(set, PanelKind::History);
    const int pitch = style.pitch;
    pitch_ = scale_.length(pitch);
    const QFont font = PanelFont(style);
    const QFontMetrics metrics(font);
    const int lines = kPanelLinesRange.clamp(
        std::abs(std::clamp(set.LineH, -kPanelLinesRange.max, kPanelLinesRange.max)));
    stretches_ = set.LineH <= 0;
    const int width =
        (style.digits + 2) * metrics.horizontalAdvance(QStringLiteral("8")) + kListExtraWidth;
    const int height = lines * metrics.height() + 3;
    for (UniformListView* list : lists_) {
        list->setFont(scale_.font(font));
        list->setGeometry(scale_.rect(pitch, pitch, width, height));
        applyStyle(*list, style);
    }
    applyStyle(style);
    const QSize outer = scale_.rect(0, 0, width + 2 * pitch, height + 2 * pitch).size();
    builtHeight_ = outer.height();
    resize(outer);
    showHistory();
}

// A display change may come with the grouping switched, which the grand
// totals follow.
unsigned HistoryPanel::shownChanges() const {
    return kHistoryChanged | kModeChanged | kDisplayChanged;
}

void HistoryPanel::show(const Calculator& calc, unsigned changes) {
    const bool wereShown = resultsShown_;
    showResults(calc.currentSet().ResultH ? &calc.values() : nullptr);
    // A new mode, set or grouping may write the grand totals otherwise.
    const bool grouping = calc.values().rules.grouping;
    if (wereShown && resultsShown_ && ((changes & kModeChanged) || grouping != totalsGrouped_))
        for (HistoryListModel* model : models_) model->reread();
    totalsGrouped_ = grouping;
    showHistory();
    // A search belongs to the list it was opened on.
    if ((changes & kModeChanged) && search_->isVisible()) closeSearch();
}

void HistoryPanel::showResults(const ValueContext* values) {
    resultsShown_ = values != nullptr;
    for (HistoryListModel* model : models_) model->showResults(values);
}

void HistoryPanel::restoreHeight() {
    setPanelHeight(builtHeight_);
}

void HistoryPanel::setPanelHeight(int height) {
    resize(width(), height);
    for (UniformListView* list : lists_)
        list->resize(list->width(), std::max(0, height - 2 * pitch_));
}

void HistoryPanel::fitWidth(int width) {
    resize(width, height());
    for (UniformListView* list : lists_)
        list->resize(std::max(0, width - 2 * pitch_), list->height());
}

UniformListView* HistoryPanel::currentList() const {
    return lists_[static_cast<std::size_t>(ModeIndex(history_.currentMode()))];
}

HistoryListModel* HistoryPanel::currentModel() const {
    return models_[static_cast<std::size_t>(ModeIndex(history_.currentMode()))];
}

QWidget* HistoryPanel::mainControl() const {
    return isVisible() ? currentList() : nullptr;
}

void HistoryPanel::showHistory() {
    updating_ = true;
    for (HistoryListModel* model : models_) model->sync();
    UniformListView* current = currentList();
    for (UniformListView* list : lists_) {
        QWidget* place = list == current ? static_cast<QWidget*>(this) : shelf_.get();
        if (list->parentWidget() == place) continue;
        list->setParent(place);
        list->setVisible(list == current);
    }

    const HistoryList& list = history_.current();
    const int rows = current->model()->rowCount();
    if (announcing_ && current == shownList_ && rows > shownRows_)
        announceLines(*current, shownRows_, rows);
    if (list.selected < 0) {
        current->selectionModel()->clear();
        if (rows > shownRows_ || current != shownList_) current->scrollToBottom();
    } else if (list.selected != shownSelected_ || current != shownList_) {
        selectLineRows(*current, list.selected, QItemSelectionModel::ClearAndSelect);
    } else {
        // The user's choice takes in the whole line with its result; and the
        // line is selected again when it was deleted and the next took its place.
        selectLineRows(*current, list.selected, QItemSelectionModel::Select);
    }
    shownList_ = current;
    shownRows_ = rows;
    shownSelected_ = list.selected;
    updating_ = false;
}

void HistoryPanel::showUnannounced(const std::function<void()>& restore) {
    announcing_ = false;
    restore();
    showHistory();
    announcing_ = true;
}

// A screen reader hears the lines a calculation added, as the list's description.
void HistoryPanel::announceLines(UniformListView& list, int first, int end) {
    QStringList lines;
    for (int row = first; row < end; ++row) {
        const QModelIndex index = list.model()->index(row, 0);
        const QString speech = index.data(Qt::AccessibleTextRole).toString();
        lines << (speech.isEmpty() ? index.data().toString() : speech);
    }
    list.setAccessibleDescription(QStringLiteral("新しい行: ") + lines.join(QStringLiteral("、")));
}

// The line's rows (the line and its result) join the selection, or become
// it; the cursor moves to the line unless it is on one of them already.
void HistoryPanel::selectLineRows(UniformListView& list, int line,
                                  QItemSelectionModel::SelectionFlags how) {
    const HistoryListModel& model = *currentModel();
    const int first = model.rowOfLine(line);
    const int last = first + model.rowsOfLine(line) - 1;
    QItemSelectionModel* selection = list.selectionModel();
    bool whole = how == QItemSelectionModel::Select;
    for (int row = first; row <= last && whole; ++row) whole = selection->isRowSelected(row);
    if (whole) return;
    const int cursor = selection->currentIndex().isValid() ? selection->currentIndex().row() : -1;
    if (list.hasFocus() && (cursor < first || cursor > last))
        selection->setCurrentIndex(model.index(first), QItemSelectionModel::NoUpdate);
    selection->select(QItemSelection(model.index(first), model.index(last)), how);
    list.scrollTo(model.index(first));
}

// The core's selection is the line under the cursor, or else the first
// selected; the view keeps the rows the user chose around it.
void HistoryPanel::selectionChanged(const UniformListView& list) {
    if (updating_ || &list != currentList()) return;
    const QItemSelectionModel* selection = list.selectionModel();
    QModelIndex at = selection->currentIndex();
    if (!selection->isSelected(at)) {
        const QModelIndexList rows = selection->selectedIndexes();
        at = rows.isEmpty() ? QModelIndex() : rows.front();
    }
    const int line = at.isValid() ? currentModel()->lineOfRow(at.row()) : -1;
    shownSelected_ = line;
    commands_.select(line);
}

std::vector<int> HistoryPanel::selectedLines() const {
    std::set<int> lines;
    for (const QModelIndex& row : currentList()->selectionModel()->selectedIndexes())
        lines.insert(currentModel()->lineOfRow(row.row()));
    return {lines.begin(), lines.end()};
}

bool HistoryPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return PanelWidget::eventFilter(watched, event);
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (watched == search_) return searchKey(key);
    if (key.matches(QKeySequence::Find)) {
        openSearch();
        return true;
    }
    // With the tape shown, Ctrl+C copies the chosen lines as columns; without
    // it the list copies its current line, as it always has.
    if (resultsShown_ && key.matches(QKeySequence::Copy)) {
        if (!key.isAutoRepeat()) commands_.copyLines(selectedLines());
        return true;
    }
    return false;
}

void HistoryPanel::openSearch() {
    const UniformListView& list = *currentList();
    const int height = search_->sizeHint().height();
    search_->setGeometry(list.x(), list.y() + list.height() - height, list.width(), height);
    search_->setFont(list.font());
    search_->show();
    search_->raise();
    search_->clear();
    search_->setFocus(Qt::ShortcutFocusReason);
}

// The search line's own keys; the rest are its text.
bool HistoryPanel::searchKey(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Escape:
            closeSearch();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (found_ >= 0 && !key.isAutoRepeat()) {
                const int line = found_;
                closeSearch();
                commands_.enterValue(line);
            }
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down: {
            const int step = key.key() == Qt::Key_Up ? -1 : 1;
            if (found_ >= 0) findFrom(found_ + step, step);
            return true;
        }
        default:
            return false;
    }
}

void HistoryPanel::findFrom(int from, int step) {
    const std::string key = TapeSearchKey(search_->text().toStdString());
    const int line = FindTapeLine(history_.current(), key, from, step, resultsShown_);
    search_->setAccessibleDescription(line < 0 && !key.empty() ? QStringLiteral("見つかりません")
                                                               : QString());
    if (line < 0) return;
    found_ = line;
    commands_.select(line);
}

// The list takes the keyboard back, its cursor on the line found.
void HistoryPanel::closeSearch() {
    search_->hide();
    UniformListView& list = *currentList();
    list.setFocus(Qt::OtherFocusReason);
    if (history_.current().selected >= 0)
        selectLineRows(list, history_.current().selected, QItemSelectionModel::ClearAndSelect);
    found_ = -1;
}

}  // namespace tavrik::ui
