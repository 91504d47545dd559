#pragma once

#include "ui/search_dialog/SortedHoldingsModel.h"

namespace morvane {

// A search's totals, one row an item: アイテム, 合計, the number of
// characters holding it and their names. Shown at first by item name.
class TotalsTableModel : public SortedHoldingsModel {
    Q_OBJECT

public:
    explicit TotalsTableModel(QObject* parent = nullptr);

private:
    std::vector<int> orderOf(int column, Qt::SortOrder order) const override;
    QString text(int row, int column) const override;
    QString toolTip(int row, int column) const override;
    bool isNumber(int column) const override;
};

} // namespace morvane
