#pragma once

#include "model/files/DataFolder.h"
#include "model/text/EncodedLines.h"
#include "model/files/FileResult.h"
#include "model/files/FileTransaction.h"
#include "model/storage/StorageKinds.h"

#include <QList>
#include <QStringList>

#include <optional>

namespace morvane {

struct StorageLoadReport {
    // Why the character's name cannot form file names; empty when it can.
    QString unusableName;
    // What recovery did before reading, when this reading ran it.
    std::optional<Recovery> recovery;
    QStringList truncatedFiles; // held more lines than a storage can take
    QList<FileResult> unreadableFiles;
};

// A character whose name cannot be a file name has no files: it is never
// read from or written to (validateCharacterName).

// What a character's files hold, read but not yet in the storages.
struct StorageFileContents {
    struct Files {
        EncodedLines lines;
        EncodedLines details;
    };
    QString character;
    std::array<Files, kStorageKindCount> storages;
    StorageLoadReport report;
};

// The list file, then the detail file, of each storage kind in turn.
QStringList storageFileNames(const QString& character);

// Missing files are the normal state of a new character: they read as empty.
// The folder is recovered first, unless start-up has `recovered` it already.
StorageFileContents readStorageFiles(const DataFolder& folder, const QString& character,
                                     const std::optional<Recovery>& recovered = std::nullopt);
// Replaces the storages with what was read; detail slots no file fills are emptied.
StorageLoadReport putInStorages(StorageFileContents contents, const StorageSet& storages);

inline StorageLoadReport loadStorages(const DataFolder& folder, const QString& character, const StorageSet& storages)
{
    return putInStorages(readStorageFiles(folder, character), storages);
}

// Replaces all of the character's files, or none of them, whenever the
// program may be stopped.
FileResult saveStorages(const DataFolder& folder, const QString& character, const ConstStorageSet& storages);

} // namespace morvane
