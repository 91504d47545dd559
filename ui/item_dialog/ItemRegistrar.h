#pragma once

#include "model/catalogue/ItemRecord.h"

namespace morvane {

// What the item registration dialog needs of the main window: the number of
// catalogue lines shown now, and a way to add a finished record.
class ItemRegistrar {
public:
    virtual ~ItemRegistrar() = default;

    virtual int catalogueLineCount() const = 0;
    // Adds the item to the catalogue, its list and item.dat. Returns false
    // when the item was not kept; the registrar has told the user why.
    virtual bool registerItem(const ItemRecord& record) = 0;
};

} // namespace morvane
