#include "ui/ListBox.h"

namespace morvane {

ListBox::ListBox(QWidget* parent)
    : UniformListView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

int ListBox::selectedRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void ListBox::selectRow(int row)
{
    setCurrentIndex(row >= 0 ? model()->index(row, 0) : QModelIndex());
}

void ListBox::focusInEvent(QFocusEvent* event)
{
    // Skips QAbstractItemView's habit of making the first row current.
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex& index,
                                                              const QEvent*) const
{
    if (!index.isValid())
        return QItemSelectionModel::NoUpdate;
    return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
}

} // namespace morvane
