#include "ui/search_dialog/HoldingsTableModel.h"

#include "model/catalogue/DetailText.h"
#include "ui/ToolTipText.h"

#include <numeric>

namespace morvane {

HoldingsTableModel::HoldingsTableModel(QObject* parent)
    : SortedHoldingsModel(-1, parent)
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

int HoldingsTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant HoldingsTableModel::data(const QModelIndex& index, int role) const
{
    const int row = rowAt(index);
    if (row < 0)
        return {};
    const auto column = HoldingsColumn(index.column());
    switch (role) {
    case Qt::DisplayRole:
        switch (column) {
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
    case Qt::TextAlignmentRole:
        return QVariant::fromValue((column == HoldingsColumn::Count ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    case Qt::ToolTipRole: {
        const QString shown = m_holdings->isUnreadable(row)
            ? m_holdings->item(row)
            : detailDisplayLines(m_holdings->detail(row)).join(u'\n');
        return shown.isEmpty() ? QVariant() : QVariant(toolTipText(shown));
    }
    default:
        return {};
    }
}

QVariant HoldingsTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return SortedHoldingsModel::headerData(section, orientation, role);
    switch (HoldingsColumn(section)) {
    case HoldingsColumn::Character:
        return QStringLiteral("キャラクター");
    case HoldingsColumn::Place:
        return QStringLiteral("場所");
    case HoldingsColumn::Item:
        return QStringLiteral("アイテム");
    case HoldingsColumn::Count:
        return QStringLiteral("個数");
    }
    return {};
}

} // namespace morvane
