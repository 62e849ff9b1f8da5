#include "ui/panels/history_panel.h"

#include <QFontMetrics>
#include <cstdlib>

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

HistoryPanel::HistoryPanel(QWidget* parent, const History& history, SelectHandler onSelect)
    : PanelWidget(PanelKind::History, parent),
      history_(history),
      onSelect_(std::move(onSelect)),
      shelf_(std::make_unique<QWidget>()) {
    setObjectName("pnlH");
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        auto* list = new UniformListView(this);
        list->setObjectName(kListNames[i]);
        list->setAccessibleName(QStringLiteral("履歴リスト"));
        list->setSelectionMode(QAbstractItemView::SingleSelection);
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

unsigned HistoryPanel::shownChanges() const {
    return kHistoryChanged | kModeChanged;
}

void HistoryPanel::show(const Calculator&, unsigned) {
    showHistory();
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
    const int rows = static_cast<int>(list.lines.size());
    if (announcing_ && current == shownList_ && rows > shownRows_)
        announceLines(*current, shownRows_, rows);
    QItemSelectionModel* selection = current->selectionModel();
    if (list.selected < 0) {
        selection->clear();
        if (rows > shownRows_ || current != shownList_) current->scrollToBottom();
    } else if (list.selected != shownSelected_ || current != shownList_ ||
               !selection->isRowSelected(list.selected)) {
        // Also when the selected line was deleted and the next took its place.
        const QModelIndex index = current->model()->index(list.selected, 0);
        if (current->hasFocus())
            selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        else
            selection->select(index, QItemSelectionModel::ClearAndSelect);
        current->scrollTo(index);
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
    for (int row = first; row < end; ++row) lines << list.model()->index(row, 0).data().toString();
    list.setAccessibleDescription(QStringLiteral("新しい行: ") + lines.join(QStringLiteral("、")));
}

void HistoryPanel::selectionChanged(const UniformListView& list) {
    if (updating_ || &list != currentList()) return;
    const QModelIndexList rows = list.selectionModel()->selectedIndexes();
    onSelect_(rows.isEmpty() ? -1 : rows.front().row());
}

}  // namespace tavrik::ui
