#include "model/StartUpFiles.h"

namespace morvane {

StartUpFiles readStartUpFiles(const DataFolder& folder)
{
    StartUpFiles files(folder);
    files.seedCatalogue = files.catalogue.loadFile(
        folder.filePath(QString::fromLatin1(DataFolder::kSeedCatalogue)), kSeedNullStackSize);
    files.registeredItems = files.catalogue.loadFile(
        folder.filePath(QString::fromLatin1(DataFolder::kRegisteredItems)), kRegisteredNullStackSize);
    files.rosterFile = files.roster.load();
    if (!files.roster.names().isEmpty())
        files.firstCharacterStorages = readStorageFiles(folder, files.roster.names().first());
    return files;
}

} // namespace morvane
