#pragma once

#include "ui/search_dialog/SortedHoldingsModel.h"

namespace morvane {

// A search's totals, one row an item: アイテム, 合計, the number of
// characters holding it and their names. Shown at first by item name.
class TotalsTableModel : public SortedHoldingsModel {
    Q_OBJECT

public:
    explicit TotalsTableModel(QObject* parent = nullptr);

    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<int> orderOf(int column, Qt::SortOrder order) const override;
};

} // namespace morvane
