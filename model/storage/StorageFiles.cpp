#include "model/storage/StorageFiles.h"

#include "model/characters/CharacterName.h"
#include "model/storage/Storage.h"
#include "model/text/TextFile.h"

namespace morvane {
namespace {

// Reading stops at the capacity, so a huge file costs no more than a full one.
EncodedLines readCapped(const DataFolder& folder, const QString& fileName, const Recovery& recovery,
                        StorageLoadReport& report)
{
    bool more = false;
    FileContents file = readLeadingLines(folder.filePath(recovery.fileToRead(fileName)), Storage::kCapacity, &more);
    if (!file.result.ok())
        report.unreadableFiles.append(file.result);
    if (more)
        report.truncatedFiles.append(fileName);
    return EncodedLines::fromFileBytes(std::move(file.bytes));
}

} // namespace

QStringList storageFileNames(const QString& character)
{
    QStringList names;
    for (const StorageKindFiles& kind : kStorageKinds)
        names << kind.listFile(character) << kind.detailFile(character);
    return names;
}

StorageFileContents readStorageFiles(const DataFolder& folder, const QString& character,
                                     const std::optional<Recovery>& recovered)
{
    StorageFileContents contents;
    contents.character = character;
    contents.report.unusableName = validateCharacterName(character);
    if (!contents.report.unusableName.isEmpty())
        return contents;
    if (!recovered)
        contents.report.recovery = FileTransaction::recover(folder);
    const Recovery& recovery = recovered ? *recovered : *contents.report.recovery;
    for (const StorageKindFiles& kind : kStorageKinds) {
        StorageFileContents::Files& files = contents.storages[indexOf(kind.kind)];
        files.lines = readCapped(folder, kind.listFile(character), recovery, contents.report);
        files.details = readCapped(folder, kind.detailFile(character), recovery, contents.report);
    }
    return contents;
}

StorageLoadReport putInStorages(StorageFileContents contents, const StorageSet& storages)
{
    for (int k = 0; k < kStorageKindCount; ++k)
        storages[k]->load(std::move(contents.storages[k].lines), std::move(contents.storages[k].details));
    return contents.report;
}

FileResult saveStorages(const DataFolder& folder, const QString& character, const ConstStorageSet& storages)
{
    const QString unusableName = validateCharacterName(character);
    if (!unusableName.isEmpty())
        return FileResult::failure(folder.filePath(character), unusableName);

    FileTransaction transaction(folder);
    for (const StorageKindFiles& kind : kStorageKinds) {
        const Storage& storage = *storages[indexOf(kind.kind)];
        transaction.replace(kind.listFile(character), storage.listFileBytes());
        transaction.replace(kind.detailFile(character), storage.detailFileBytes());
    }
    return transaction.commit();
}

} // namespace morvane
