#include "ui/UniformListView.h"

#include "ui/SelectedText.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace morvane {

UniformListView::UniformListView(QWidget* parent)
    : QListView(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

int UniformListView::rowCount() const
{
    return model() ? model()->rowCount(rootIndex()) : 0;
}

int UniformListView::rowHeight() const
{
    if (m_rowHeight > 0)
        return m_rowHeight;
    const QModelIndex first = indexOfRow(0);
    if (!first.isValid())
        return qMax(1, fontMetrics().height()); // not kept: the first row brings its own height
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    m_rowHeight = qMax(1, itemDelegateForIndex(first)->sizeHint(option, first).height());
    return m_rowHeight;
}

// The vertical scroll bar counts rows: its value is the top row.
int UniformListView::topRow() const
{
    return verticalScrollBar()->value();
}

int UniformListView::rowsPerPage() const
{
    return qMax(1, viewport()->height() / rowHeight());
}

int UniformListView::rowAtY(int y) const
{
    if (y < 0)
        return -1;
    const int row = topRow() + y / rowHeight();
    return row < rowCount() ? row : -1;
}

QModelIndex UniformListView::indexOfRow(int row) const
{
    if (!model() || row < 0)
        return {};
    return model()->index(row, modelColumn(), rootIndex());
}

void UniformListView::updateScrollBar()
{
    const int perPage = rowsPerPage();
    QScrollBar* bar = verticalScrollBar();
    bar->setSingleStep(1);
    bar->setPageStep(perPage);
    bar->setRange(0, qMax(0, rowCount() - perPage));
    // The scroll area shows or hides the bar for the new range only on a
    // queued call, after the window has been painted once; re-applying the
    // policy settles it now and spares a second painting.
    if (isVisible())
        setVerticalScrollBarPolicy(verticalScrollBarPolicy());
}

QRect UniformListView::visualRect(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != model() || index.parent() != rootIndex()
        || index.column() != modelColumn())
        return {};
    const int height = rowHeight();
    return QRect(0, (index.row() - topRow()) * height, viewport()->width(), height);
}

QModelIndex UniformListView::indexAt(const QPoint& point) const
{
    if (point.x() < 0 || point.x() >= viewport()->width())
        return {};
    return indexOfRow(rowAtY(point.y()));
}

void UniformListView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    if (!index.isValid() || index.model() != model() || index.parent() != rootIndex())
        return;
    // Rows added since the last layout must be reachable at once.
    updateScrollBar();
    const int row = index.row();
    const int perPage = rowsPerPage();
    int top = topRow();
    switch (hint) {
    case EnsureVisible:
        if (row < top)
            top = row;
        else if (row >= top + perPage)
            top = row - perPage + 1;
        break;
    case PositionAtTop:
        top = row;
        break;
    case PositionAtBottom:
        top = row - perPage + 1;
        break;
    case PositionAtCenter:
        top = row - perPage / 2;
        break;
    }
    verticalScrollBar()->setValue(top);
}

void UniformListView::doItemsLayout()
{
    m_rowHeight = 0;
    // Skips QListView's row-by-row layout; this sets the scroll bar and repaints.
    QAbstractItemView::doItemsLayout();
}

void UniformListView::updateGeometries()
{
    updateScrollBar();
    QAbstractItemView::updateGeometries();
}

void UniformListView::scrollContentsBy(int, int)
{
    viewport()->update();
}

int UniformListView::horizontalOffset() const
{
    return 0;
}

int UniformListView::verticalOffset() const
{
    return topRow() * rowHeight();
}

QModelIndex UniformListView::moveCursor(CursorAction action, Qt::KeyboardModifiers)
{
    const int rows = rowCount();
    if (rows == 0)
        return {};
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return indexOfRow(0);
    const int page = qMax(1, rowsPerPage() - 1);
    int row = current.row();
    switch (action) {
    case MoveUp:
    case MovePrevious:
        --row;
        break;
    case MoveDown:
    case MoveNext:
        ++row;
        break;
    case MovePageUp:
        row -= page;
        break;
    case MovePageDown:
        row += page;
        break;
    case MoveHome:
        row = 0;
        break;
    case MoveEnd:
        row = rows - 1;
        break;
    case MoveLeft:
    case MoveRight:
        break;
    }
    return indexOfRow(qBound(0, row, rows - 1));
}

void UniformListView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command)
{
    if (!selectionModel())
        return;
    const QRect area = rect.normalized();
    QItemSelection selection;
    const int rows = rowCount();
    const int first = rowAtY(qMax(area.top(), 0));
    if (first >= 0 && area.bottom() >= 0 && area.right() >= 0 && area.left() < viewport()->width()) {
        const int bottom = rowAtY(area.bottom());
        const int last = bottom >= 0 ? bottom : rows - 1;
        selection.select(indexOfRow(first), indexOfRow(last));
    }
    selectionModel()->select(selection, command);
}

QRegion UniformListView::visualRegionForSelection(const QItemSelection& selection) const
{
    QRegion region;
    const int top = topRow();
    const int height = rowHeight();
    for (const QItemSelectionRange& range : selection) {
        if (!range.isValid() || range.parent() != rootIndex() || modelColumn() < range.left()
            || modelColumn() > range.right())
            continue;
        const int first = qMax(range.top(), top);
        const int last = qMin(range.bottom(), top + rowsPerPage());
        if (first <= last)
            region += QRect(0, (first - top) * height, viewport()->width(), (last - first + 1) * height);
    }
    return region;
}

void UniformListView::paintEvent(QPaintEvent* event)
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QStyle::State viewState = option.state;
    const bool enabled = viewState & QStyle::State_Enabled;
    const QModelIndex current = currentIndex();
    const bool focus = (hasFocus() || viewport()->hasFocus()) && current.isValid();
    const QItemSelectionModel* selections = selectionModel();

    const QRect area = event->rect();
    const int first = topRow() + qMax(area.top(), 0) / rowHeight();
    const int last = qMin(rowCount() - 1, topRow() + qMax(area.bottom(), 0) / rowHeight());
    QPainter painter(viewport());
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = indexOfRow(row);
        option.rect = visualRect(index);
        option.state = viewState & ~QStyle::State_MouseOver;
        if (selections && selections->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (enabled) {
            const bool itemEnabled = model()->flags(index) & Qt::ItemIsEnabled;
            if (!itemEnabled)
                option.state &= ~QStyle::State_Enabled;
            option.palette.setCurrentColorGroup(itemEnabled ? QPalette::Normal : QPalette::Disabled);
        }
        if (focus && index == current)
            option.state |= QStyle::State_HasFocus;
        itemDelegateForIndex(index)->paint(&painter, option, index);
    }
    if (hasFocus() || viewport()->hasFocus())
        paintFocusMark(painter, current);
}

// The style's own focus frame is faint or missing on a highlighted row, so the
// list with the keyboard marks its current row (or, with none, its first
// place) with a dotted frame in the row's text colour, as list boxes do.
void UniformListView::paintFocusMark(QPainter& painter, const QModelIndex& current) const
{
    const bool onSelection = current.isValid() && selectionModel() && selectionModel()->isSelected(current);
    const QRect row = current.isValid() ? visualRect(current) : QRect(0, 0, viewport()->width(), rowHeight());
    QPen pen(palette().color(QPalette::Active, onSelection ? selectedTextRole(style()) : QPalette::Text));
    pen.setStyle(Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(row.adjusted(0, 0, -1, -1));
}

void UniformListView::focusOutEvent(QFocusEvent* event)
{
    QListView::focusOutEvent(event);
    viewport()->update();
}

} // namespace morvane
