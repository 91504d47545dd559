#pragma once

#include "model/holdings/Holdings.h"

#include <QAbstractTableModel>

#include <memory>
#include <vector>

namespace morvane {

// A table over a search's holdings whose rows are shown in an order of row
// numbers. Sorting reorders the numbers, so even a row for every stored
// line sorts at once, and selections stay on their rows. A table says what
// each cell shows; numbers stand right, text left.
class SortedHoldingsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // Shows another search in the order last chosen.
    void setHoldings(std::shared_ptr<const Holdings> holdings);
    // The rows in the order shown.
    const std::vector<int>& shownRows() const { return m_order; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

protected:
    SortedHoldingsModel(QStringList columnNames, int sortColumn, QObject* parent);

    // The rows in a column's order, for holdings that are set.
    virtual std::vector<int> orderOf(int column, Qt::SortOrder order) const = 0;
    // A cell of a row of the holdings (not of the table's order).
    virtual QString text(int row, int column) const = 0;
    virtual QString toolTip(int row, int column) const = 0;
    virtual bool isNumber(int column) const = 0;

    std::shared_ptr<const Holdings> m_holdings;

private:
    // The row shown at the index, or -1.
    int rowAt(const QModelIndex& index) const;

    QStringList m_columnNames;
    std::vector<int> m_order;
    int m_sortColumn;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};

} // namespace morvane
