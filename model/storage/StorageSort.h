#pragma once

namespace morvane {

class Storage;

// Sorts the storage's lines with their details in ascending ordinal order of
// the UTF-16 code units. Equal lines that carry different details end up
// with exactly the details a plain exchange sort (compare each position with
// every later one, swap when the earlier sorts after) would leave them with:
// players' files have always been sorted so. The list ends with no line
// selected, as after any reset.
void sortStorage(Storage& storage);

} // namespace morvane
