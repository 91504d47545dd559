#pragma once

#include <QString>
#include <QtGlobal>

namespace morvane {

// A storage line as putting an item away builds it: the name, one tab after
// five or more UTF-16 code units or two after four or fewer, then the count.
QString storageLine(const QString& name, const QString& count);

// The count a put writes: "1" for an item of stack size 1, whatever the
// selector shows (which then goes back to "1"), else the selector's count.
bool putsSingleItem(qint16 stackSize);
QString countToPut(qint16 stackSize, const QString& selectedCount);

// A stored line read back for display: the text before the first tab, and
// what follows the tabs. Lines are free text, so either may be empty.
struct StorageLineParts {
    QString name;
    QString count;
    bool hasCount = false; // the line holds a tab
};
StorageLineParts splitStorageLine(const QString& line);

} // namespace morvane
