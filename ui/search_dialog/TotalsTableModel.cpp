#include "ui/search_dialog/TotalsTableModel.h"

#include "ui/ToolTipText.h"

namespace morvane {

TotalsTableModel::TotalsTableModel(QObject* parent)
    : SortedHoldingsModel(int(TotalsColumn::Item), parent)
{
}

std::vector<int> TotalsTableModel::orderOf(int column, Qt::SortOrder order) const
{
    // The header offers no unsorted order; -1 never comes from it.
    return m_holdings->totalsOrder(TotalsColumn(qMax(column, 0)), order);
}

int TotalsTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant TotalsTableModel::data(const QModelIndex& index, int role) const
{
    const int row = rowAt(index);
    if (row < 0)
        return {};
    const Holdings::ItemTotal& total = m_holdings->totals()[std::size_t(row)];
    const auto column = TotalsColumn(index.column());
    const bool number = column == TotalsColumn::Count || column == TotalsColumn::CharacterCount;
    switch (role) {
    case Qt::DisplayRole:
        switch (column) {
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
    case Qt::TextAlignmentRole:
        return QVariant::fromValue((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    case Qt::ToolTipRole:
        if (column == TotalsColumn::Count && total.uncountedLines > 0)
            return QStringLiteral("個数が数でない %1 行は合計に入っていません").arg(total.uncountedLines);
        if (!number)
            return toolTipText(column == TotalsColumn::Item ? total.item : total.characterNames);
        return {};
    default:
        return {};
    }
}

QVariant TotalsTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return SortedHoldingsModel::headerData(section, orientation, role);
    switch (TotalsColumn(section)) {
    case TotalsColumn::Item:
        return QStringLiteral("アイテム");
    case TotalsColumn::Count:
        return QStringLiteral("合計");
    case TotalsColumn::CharacterCount:
        return QStringLiteral("キャラクター数");
    case TotalsColumn::Characters:
        return QStringLiteral("キャラクター");
    }
    return {};
}

} // namespace morvane
