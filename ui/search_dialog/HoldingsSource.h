#pragma once

#include "model/holdings/HoldingsSearch.h"

namespace morvane {

// What the item search dialog needs of the main window: the data folder,
// the roster and the chosen character's storages as they are now.
class HoldingsSource {
public:
    virtual ~HoldingsSource() = default;

    virtual HoldingsScope holdingsScope() const = 0;
};

} // namespace morvane
