#include "ui/search_dialog/SortedHoldingsModel.h"

#include "ui/ToolTipText.h"

namespace morvane {

SortedHoldingsModel::SortedHoldingsModel(QStringList columnNames, int sortColumn, QObject* parent)
    : QAbstractTableModel(parent)
    , m_columnNames(std::move(columnNames))
    , m_sortColumn(sortColumn)
{
}

void SortedHoldingsModel::setHoldings(std::shared_ptr<const Holdings> holdings)
{
    beginResetModel();
    m_holdings = std::move(holdings);
    m_order = orderOf(m_sortColumn, m_sortOrder);
    endResetModel();
}

int SortedHoldingsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_order.size());
}

int SortedHoldingsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columnNames.size());
}

QVariant SortedHoldingsModel::data(const QModelIndex& index, int role) const
{
    const int row = rowAt(index);
    if (row < 0)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return text(row, index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue((isNumber(index.column()) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    case Qt::ToolTipRole: {
        const QString tip = toolTip(row, index.column());
        return tip.isEmpty() ? QVariant() : QVariant(toolTipText(tip));
    }
    default:
        return {};
    }
}

QVariant SortedHoldingsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_columnNames.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

int SortedHoldingsModel::rowAt(const QModelIndex& index) const
{
    if (!index.isValid() || std::size_t(index.row()) >= m_order.size())
        return -1;
    return m_order[std::size_t(index.row())];
}

void SortedHoldingsModel::sort(int column, Qt::SortOrder order)
{
    m_sortColumn = column;
    m_sortOrder = order;
    if (!m_holdings)
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> sorted = orderOf(column, order);
    std::vector<int> shownAt(sorted.size());
    for (std::size_t k = 0; k < sorted.size(); ++k)
        shownAt[std::size_t(sorted[k])] = int(k);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before)
        after << this->index(shownAt[std::size_t(rowAt(index))], index.column());
    m_order = std::move(sorted);
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

} // namespace morvane
