#pragma once

#include <QStringList>

namespace morvane {

class Storage;

struct SortedLines {
    QStringList lines;
    QStringList details;
};

// Ascending ordinal order of the UTF-16 code units. Equal lines that carry
// different details end up with exactly the details a plain exchange sort
// (compare each position with every later one, swap when the earlier sorts
// after) would leave them with: players' files have always been sorted so.
SortedLines sortLines(const QStringList& lines, const QStringList& details);

// Sorts the storage's lines with their details; the list ends with no line
// selected, as after any reset.
void sortStorage(Storage& storage);

} // namespace morvane
