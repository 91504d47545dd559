#pragma once

#include <QListView>

class QPainter;

namespace morvane {

// A list view whose rows all have the height of the first, so a row's place
// follows from its number. QListView lays out every row one by one instead,
// which for lists of ten thousand lines costs more than all the rest of
// opening the main window; setUniformItemSizes() and batched layout still
// visit every row. Lines never wrap; a line wider than the list is
// cut short, as in a list box, and the list scrolls by whole rows. Every row
// of the model's root is shown: rows are never hidden.
class UniformListView : public QListView {
    Q_OBJECT

public:
    explicit UniformListView(QWidget* parent = nullptr);

    QRect visualRect(const QModelIndex& index) const override;
    QModelIndex indexAt(const QPoint& point) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void doItemsLayout() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;

private:
    int rowCount() const;
    int rowHeight() const;
    int topRow() const;
    int rowsPerPage() const;
    // The row at a height in the viewport, or -1 when no row is there.
    int rowAtY(int y) const;
    QModelIndex indexOfRow(int row) const;
    void updateScrollBar();
    void paintFocusMark(QPainter& painter, const QModelIndex& current) const;

    mutable int m_rowHeight = 0;
};

} // namespace morvane
