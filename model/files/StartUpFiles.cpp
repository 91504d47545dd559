#include "model/files/StartUpFiles.h"

#include "model/catalogue/RegisteredItems.h"

namespace morvane {

StartUpFiles readStartUpFiles(const DataFolder& folder)
{
    StartUpFiles files(folder);
    files.recovery = FileTransaction::recover(folder);
    files.seedCatalogue =
        files.catalogue.loadFile(folder.filePath(ItemCatalogue::kSeedFileName), kSeedNullStackSize);
    files.registeredItems = RegisteredItems(folder).loadInto(files.catalogue);
    files.rosterFile = files.roster.load(files.recovery);
    if (!files.roster.names().isEmpty())
        files.firstCharacterStorages = readStorageFiles(folder, files.roster.names().first(), files.recovery);
    return files;
}

} // namespace morvane
