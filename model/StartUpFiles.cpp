#include "model/StartUpFiles.h"

namespace morvane {

StartUpFiles readStartUpFiles(const DataFolder& folder)
{
    StartUpFiles files(folder);
    files.seedCatalogue = files.catalogue.loadFile(
        folder.filePath(QString::fromLatin1(DataFolder::kSeedCatalogue)), kSeedNullStackSize);
    files.registeredItems = files.catalogue.loadFile(
        folder.filePath(QString::fromLatin1(DataFolder::kRegisteredItems)), kRegisteredNullStackSize);
    const ReadResult roster = files.roster.load();
    files.rosterStatus = roster.status;
    files.rosterReason = roster.reason;
    if (!files.roster.names().isEmpty())
        files.firstCharacterStorages = readStorageFiles(folder, files.roster.names().first());
    return files;
}

} // namespace morvane
