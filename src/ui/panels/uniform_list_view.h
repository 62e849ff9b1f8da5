// A list view whose rows all have the height of one text line. Any row's
// place follows from its number, so appending rows to a list of millions
// costs what it costs for a short list, and only the visible rows are ever
// read from the model.
//
// It is a QListView so that Qt's accessibility layer presents it as a list
// whose rows a screen reader can read, but it keeps none of QListView's own
// layout: QListView lays out every row again on each insert, so every entry
// point into that layout is taken over here and goes straight to
// QAbstractItemView.
#pragma once

#include <QAccessible>
#include <QListView>

namespace tavrik::ui {

class UniformListView final : public QListView {
  public:
    explicit UniformListView(QWidget* parent = nullptr);

    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;
    void doItemsLayout() override;

    int rowHeight() const;
    int firstVisibleRow() const;

  protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override { return 0; }
    int verticalOffset() const override { return firstVisibleRow() * rowHeight(); }
    bool isIndexHidden(const QModelIndex&) const override { return false; }
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags flags) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void paintEvent(QPaintEvent* event) override;
    void updateGeometries() override;
    void rowsInserted(const QModelIndex& parent, int first, int last) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int first, int last) override;
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = {}) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;
    QSize viewportSizeHint() const override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;

  private:
    void notifyAccessibility(QAccessible::Event type, const QModelIndex& index);
    int rows() const;
    // Rows that fit the viewport completely; at least one.
    int pageRows() const;
};

}  // namespace tavrik::ui
