#include "ui/panels/uniform_list_view.h"

#include <QAccessible>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace tavrik::ui {

UniformListView::UniformListView(QWidget* parent) : QListView(parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(ScrollPerItem);
    verticalScrollBar()->setSingleStep(1);
}

int UniformListView::rows() const {
    return model() ? model()->rowCount(rootIndex()) : 0;
}

// One text line, so that a list sized for n lines of its font shows n rows.
int UniformListView::rowHeight() const {
    return std::max(1, fontMetrics().height());
}

int UniformListView::pageRows() const {
    return std::max(1, viewport()->height() / rowHeight());
}

int UniformListView::firstVisibleRow() const {
    return verticalScrollBar()->value();
}

QRect UniformListView::visualRect(const QModelIndex& index) const {
    if (!index.isValid() || index.parent() != rootIndex()) return {};
    return {0, (index.row() - firstVisibleRow()) * rowHeight(), viewport()->width(), rowHeight()};
}

void UniformListView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!index.isValid()) return;
    const int row = index.row();
    const int first = firstVisibleRow();
    const int page = pageRows();
    switch (hint) {
        case PositionAtTop:
            verticalScrollBar()->setValue(row);
            break;
        case PositionAtBottom:
            verticalScrollBar()->setValue(row - page + 1);
            break;
        case PositionAtCenter:
            verticalScrollBar()->setValue(row - page / 2);
            break;
        case EnsureVisible:
            if (row < first)
                verticalScrollBar()->setValue(row);
            else if (row >= first + page)
                verticalScrollBar()->setValue(row - page + 1);
            break;
    }
}

QModelIndex UniformListView::indexAt(const QPoint& point) const {
    if (!model() || point.y() < 0) return {};
    const int row = firstVisibleRow() + point.y() / rowHeight();
    return row < rows() ? model()->index(row, 0, rootIndex()) : QModelIndex();
}

QModelIndex UniformListView::moveCursor(CursorAction action, Qt::KeyboardModifiers) {
    const int count = rows();
    if (count == 0) return {};
    const int current = currentIndex().isValid() ? currentIndex().row() : -1;
    int row = current;
    switch (action) {
        case MoveUp:
        case MovePrevious:
            row = current - 1;
            break;
        case MoveDown:
        case MoveNext:
            row = current + 1;
            break;
        case MovePageUp:
            row = current - pageRows();
            break;
        case MovePageDown:
            row = current + pageRows();
            break;
        case MoveHome:
            row = 0;
            break;
        case MoveEnd:
            row = count - 1;
            break;
        default:
            break;
    }
    return model()->index(std::clamp(row, 0, count - 1), 0, rootIndex());
}

void UniformListView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags flags) {
    if (!model()) return;
    const QRect area = rect.normalized();
    const int last = rows() - 1;
    const int top = std::max(0, firstVisibleRow() + area.top() / rowHeight());
    const int bottom = std::min(last, firstVisibleRow() + area.bottom() / rowHeight());
    // A press below the last row selects nothing.
    QItemSelection selection;
    if (top <= bottom)
        selection.select(model()->index(top, 0, rootIndex()),
                         model()->index(bottom, 0, rootIndex()));
    selectionModel()->select(selection, flags);
}

QRegion UniformListView::visualRegionForSelection(const QItemSelection& selection) const {
    QRegion region;
    for (const QItemSelectionRange& range : selection) {
        const QRect top = visualRect(model()->index(range.top(), 0, rootIndex()));
        const QRect bottom = visualRect(model()->index(range.bottom(), 0, rootIndex()));
        region += (top | bottom) & viewport()->rect();
    }
    return region;
}

void UniformListView::paintEvent(QPaintEvent* event) {
    if (!model()) return;
    QPainter painter(viewport());
    const int height = rowHeight();
    const int first = firstVisibleRow() + event->rect().top() / height;
    const int last = std::min(rows() - 1, firstVisibleRow() + event->rect().bottom() / height);
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = model()->index(row, 0, rootIndex());
        option.rect = visualRect(index);
        option.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        if (selectionModel() && selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
}

// Rows need no layout: their places follow from their numbers.
void UniformListView::doItemsLayout() {
    QAbstractItemView::doItemsLayout();
}

void UniformListView::updateGeometries() {
    verticalScrollBar()->setPageStep(pageRows());
    verticalScrollBar()->setRange(0, std::max(0, rows() - pageRows()));
    QAbstractItemView::updateGeometries();
}

void UniformListView::rowsInserted(const QModelIndex& parent, int first, int last) {
    QAbstractItemView::rowsInserted(parent, first, last);
    updateGeometries();
    viewport()->update();
}

void UniformListView::rowsAboutToBeRemoved(const QModelIndex& parent, int first, int last) {
    QAbstractItemView::rowsAboutToBeRemoved(parent, first, last);
}

void UniformListView::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                  const QList<int>& roles) {
    QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
}

void UniformListView::scrollContentsBy(int, int) {
    viewport()->update();
}

void UniformListView::resizeEvent(QResizeEvent* event) {
    QAbstractItemView::resizeEvent(event);
}

QSize UniformListView::viewportSizeHint() const {
    return QAbstractItemView::viewportSizeHint();
}

// A screen reader numbers the list's children by row, one column and no
// headers; QListView would number them by its own layout, which stays empty.
void UniformListView::notifyAccessibility(QAccessible::Event type, const QModelIndex& index) {
    if (!QAccessible::isActive() || !index.isValid() || index.parent() != rootIndex()) return;
    QAccessibleEvent event(this, type);
    event.setChild(index.row());
    QAccessible::updateAccessibility(&event);
}

void UniformListView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (hasFocus()) notifyAccessibility(QAccessible::Focus, current);
    QAbstractItemView::currentChanged(current, previous);
}

// A screen reader is told that the current row has the focus, so a list has a
// current row only while it has the keyboard focus; the selected row becomes
// current again when the focus comes back.
void UniformListView::focusInEvent(QFocusEvent* event) {
    if (selectionModel() && !currentIndex().isValid()) {
        const QModelIndexList selected = selectionModel()->selectedIndexes();
        if (!selected.isEmpty())
            selectionModel()->setCurrentIndex(selected.front(), QItemSelectionModel::NoUpdate);
    }
    QListView::focusInEvent(event);
}

void UniformListView::focusOutEvent(QFocusEvent* event) {
    if (selectionModel()) selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
    QListView::focusOutEvent(event);
}

// A click chooses a line and leaves the focus where it was.
void UniformListView::mousePressEvent(QMouseEvent* event) {
    QListView::mousePressEvent(event);
    if (!hasFocus() && selectionModel())
        selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
}

void UniformListView::selectionChanged(const QItemSelection& selected,
                                       const QItemSelection& deselected) {
    notifyAccessibility(QAccessible::SelectionAdd, selected.indexes().value(0));
    notifyAccessibility(QAccessible::SelectionRemove, deselected.indexes().value(0));
    QAbstractItemView::selectionChanged(selected, deselected);
}

}  // namespace tavrik::ui
