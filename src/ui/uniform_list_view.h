// A list view whose rows all have the height of one text line. Any row's
// place follows from its number, so appending rows to a list of millions
// costs what it costs for a short list, and only the visible rows are ever
// read from the model. (QListView lays out every row again on each insert.)
#pragma once

#include <QAbstractItemView>

namespace tavrik::ui {

class UniformListView final : public QAbstractItemView {
  public:
    explicit UniformListView(QWidget* parent = nullptr);

    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;

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
    void scrollContentsBy(int dx, int dy) override;

  private:
    int rows() const;
    // Rows that fit the viewport completely; at least one.
    int pageRows() const;
};

}  // namespace tavrik::ui
