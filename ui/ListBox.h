#pragma once

#include "ui/UniformListView.h"

namespace morvane {

// A list whose selected position is its current row, or none. Unlike a plain
// item view it never makes a row current on its own (on gaining focus) and a
// click can select a row but never deselect it, so the position a handler
// sees is always the highlighted row.
class ListBox : public UniformListView {
    Q_OBJECT

public:
    explicit ListBox(QWidget* parent = nullptr);

    int selectedRow() const;
    void selectRow(int row);

protected:
    void focusInEvent(QFocusEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;
};

} // namespace morvane
