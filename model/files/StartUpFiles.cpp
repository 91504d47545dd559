#include "model/files/StartUpFiles.h"

#include "model/catalogue/RegisteredItems.h"

namespace morvane {

StartUpFiles readStartUpFiles(const DataFolder& folder)
{
    StartUpFiles files(folder);
    files.recovery = FileTransaction::recover(folder.path());
    files.seedCatalogue =
        files.catalogue.loadFile(folder.filePath(ItemCatalogue::kSeedFileName), kSeedNullStackSize);
    files.registeredItems = RegisteredItems(folder).loadInto(files.catalogue);
    files.rosterFile = files.roster.load();
    if (!files.roster.names().isEmpty())
        files.firstCharacterStorages = readStorageFiles(folder, files.roster.names().first());
    return files;
}

} // namespace morvane
