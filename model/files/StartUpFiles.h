#pragma once

#include "model/characters/CharacterRoster.h"
#include "model/files/DataFolder.h"
#include "model/catalogue/ItemCatalogue.h"
#include "model/storage/StorageFiles.h"

#include <optional>

namespace morvane {

// Everything the main window reads from the data folder when it opens, read
// in one go so that it can be read on another thread while the window is
// being built. Nothing here touches a window or a storage.
struct StartUpFiles {
    explicit StartUpFiles(const DataFolder& folder)
        : roster(folder)
    {
    }

    // A save cut short, finished or undone before reading; the first
    // character's files are read as it left them.
    Recovery recovery;
    ItemCatalogue catalogue; // the seed catalogue, then item.dat
    CatalogueFileReport seedCatalogue;
    CatalogueFileReport registeredItems;
    CharacterRoster roster;
    FileResult rosterFile = FileResult::success();
    // The files of the roster's first character, who is chosen at start-up.
    std::optional<StorageFileContents> firstCharacterStorages;
};

StartUpFiles readStartUpFiles(const DataFolder& folder);

} // namespace morvane
