#pragma once

#include "ui/search_dialog/SortedHoldingsModel.h"

namespace morvane {

// The rows a search found: キャラクター, 場所, アイテム, 個数, with the
// detail as each row's tooltip. Shown at first in the order found.
class HoldingsTableModel : public SortedHoldingsModel {
    Q_OBJECT

public:
    explicit HoldingsTableModel(QObject* parent = nullptr);

private:
    // A column of -1 is the order found.
    std::vector<int> orderOf(int column, Qt::SortOrder order) const override;
    QString text(int row, int column) const override;
    QString toolTip(int row, int column) const override;
    bool isNumber(int column) const override;
};

} // namespace morvane
