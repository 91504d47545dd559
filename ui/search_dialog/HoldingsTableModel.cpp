#include "ui/search_dialog/HoldingsTableModel.h"

#include "model/catalogue/DetailText.h"

#include <numeric>

namespace morvane {

HoldingsTableModel::HoldingsTableModel(QObject* parent)
    : SortedHoldingsModel(holdingsColumnNames(), -1, parent)
{
}

std::vector<int> HoldingsTableModel::orderOf(int column, Qt::SortOrder order) const
{
    if (column >= 0)
        return m_holdings->rowOrder(HoldingsColumn(column), order);
    std::vector<int> found(std::size_t(m_holdings->rowCount()));
    std::iota(found.begin(), found.end(), 0);
    return found;
}

QString HoldingsTableModel::text(int row, int column) const
{
    switch (HoldingsColumn(column)) {
    case HoldingsColumn::Character:
        return m_holdings->character(row);
    case HoldingsColumn::Place:
        return m_holdings->place(row).toString();
    case HoldingsColumn::Item:
        return m_holdings->item(row);
    case HoldingsColumn::Count:
        return m_holdings->countText(row);
    }
    return {};
}

QString HoldingsTableModel::toolTip(int row, int) const
{
    return m_holdings->isUnreadable(row) ? m_holdings->item(row)
                                         : detailDisplayLines(m_holdings->detail(row)).join(u'\n');
}

bool HoldingsTableModel::isNumber(int column) const
{
    return HoldingsColumn(column) == HoldingsColumn::Count;
}

} // namespace morvane
