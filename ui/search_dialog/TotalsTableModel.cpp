#include "ui/search_dialog/TotalsTableModel.h"

namespace morvane {

TotalsTableModel::TotalsTableModel(QObject* parent)
    : SortedHoldingsModel(totalsColumnNames(), int(TotalsColumn::Item), parent)
{
}

std::vector<int> TotalsTableModel::orderOf(int column, Qt::SortOrder order) const
{
    // The header offers no unsorted order; -1 never comes from it.
    return m_holdings->totalsOrder(TotalsColumn(qMax(column, 0)), order);
}

QString TotalsTableModel::text(int row, int column) const
{
    const Holdings::ItemTotal& total = m_holdings->totals()[std::size_t(row)];
    switch (TotalsColumn(column)) {
    case TotalsColumn::Item:
        return total.item;
    case TotalsColumn::Count:
        return QString::number(total.count);
    case TotalsColumn::CharacterCount:
        return QString::number(total.characterCount);
    case TotalsColumn::Characters:
        return total.characterNames;
    }
    return {};
}

QString TotalsTableModel::toolTip(int row, int column) const
{
    const Holdings::ItemTotal& total = m_holdings->totals()[std::size_t(row)];
    if (TotalsColumn(column) == TotalsColumn::Count && total.uncountedLines > 0)
        return QStringLiteral("個数が数でない %1 行は合計に入っていません").arg(total.uncountedLines);
    // A name may be wider than its column.
    return isNumber(column) ? QString() : text(row, column);
}

bool TotalsTableModel::isNumber(int column) const
{
    return TotalsColumn(column) == TotalsColumn::Count || TotalsColumn(column) == TotalsColumn::CharacterCount;
}

} // namespace morvane
