#pragma once

#include "model/storage/StorageKinds.h"

#include <QGroupBox>

#include <vector>

class QLabel;
class QPushButton;

namespace morvane {

class ListBox;
class Storage;

// What sets one storage's controls apart from another's: the numbers their
// objectNames end in, where the move button sends a line and what the
// buttons say when no line is selected. StorageArea.cpp holds a row for
// each storage kind.
struct StorageAreaRow {
    StorageKind kind;
    StorageKind moveTo;
    int number; // FrameN, LabelN and ListN
    int putButton; // CommandN, in the window's middle column
    int moveButton;
    int takeOutButton;
    int sortButton;
    QStringView nothingToTakeOut;
    QStringView nothingToMove;
};

// One storage on screen: its frame with the count caption, the list of its
// lines and the move, take-out and sort buttons, and the put button the
// window places beside the count selector. The area sorts its storage; the
// rest involves the catalogue, the other storages or the detail panel, so
// the window handles it.
class StorageArea : public QGroupBox {
    Q_OBJECT

public:
    // The put button is one of the parent's own controls.
    StorageArea(StorageKind kind, Storage& storage, QWidget* parent);

    const StorageAreaRow& row() const { return m_row; }
    Storage& storage() const { return m_storage; }
    QPushButton* putButton() const { return m_put; }
    void showCount();
    // The controls in the frame, in reading order.
    std::vector<QWidget*> tabOrder() const;

    // The selected line, or -1.
    int selectedLine() const;
    void selectLine(int line);
    // Takes a line out of the storage with nothing selected first, so the
    // list does not move the selection to a neighbouring line (and show that
    // line's details) on its own.
    void removeLine(int line);

signals:
    void putClicked();
    void moveClicked();
    void takeOutClicked();
    // A line selected by the player or the program, or -1 for none.
    void lineSelected(int line);

private:
    const StorageAreaRow& m_row;
    Storage& m_storage;
    QLabel* m_count = nullptr;
    ListBox* m_list = nullptr;
    QPushButton* m_put = nullptr;
    QPushButton* m_move = nullptr;
    QPushButton* m_takeOut = nullptr;
    QPushButton* m_sort = nullptr;
};

} // namespace morvane
