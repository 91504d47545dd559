#include "model/storage/StorageFiles.h"

#include "model/characters/CharacterName.h"
#include "model/storage/Storage.h"
#include "model/text/TextFile.h"

namespace morvane {
namespace {

// Reading stops at the capacity, so a huge file costs no more than a full one.
EncodedLines readCapped(const DataFolder& folder, const QString& fileName, StorageLoadReport& report)
{
    bool more = false;
    FileContents file = readLeadingLines(folder.filePath(fileName), Storage::kCapacity, &more);
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

StorageFileContents readStorageFiles(const DataFolder& folder, const QString& character)
{
    StorageFileContents contents;
    contents.character = character;
    if (!isUsableCharacterName(character)) {
        contents.report.unusableName = true;
        return contents;
    }
    contents.report.recovery = FileTransaction::recover(folder.path());
    for (const StorageKindFiles& kind : kStorageKinds) {
        StorageFileContents::Files& files = contents.storages[indexOf(kind.kind)];
        files.lines = readCapped(folder, kind.listFile(character), contents.report);
        files.details = readCapped(folder, kind.detailFile(character), contents.report);
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

    FileTransaction transaction(folder.path());
    for (const StorageKindFiles& kind : kStorageKinds) {
        const Storage& storage = *storages[indexOf(kind.kind)];
        transaction.replace(kind.listFile(character), storage.listFileBytes());
        transaction.replace(kind.detailFile(character), storage.detailFileBytes());
    }
    return transaction.commit();
}

} // namespace morvane
