#pragma once

#include "model/DataFolder.h"
#include "model/EncodedLines.h"
#include "model/FileResult.h"

#include <QStringList>

namespace morvane {

class Storage;

// The four files of one character in the data folder: its name followed by
// "mog.dat", "bag.dat", "moginfo.dat" and "baginfo.dat".
struct StorageFilePaths {
    QString mogLines;
    QString bagLines;
    QString mogDetails;
    QString bagDetails;
};

StorageFilePaths storageFilePaths(const DataFolder& folder, const QString& character);

struct StorageLoadReport {
    bool unusableName = false;
    QStringList truncatedFiles;   // held more lines than a storage can take
    QStringList unreadableFiles;  // "file: reason"
};

// A character whose name cannot be a file name has no files: it is never
// read from or written to (isUsableCharacterName).

// What a character's four files hold, read but not yet in the storages.
struct StorageFileContents {
    QString character;
    EncodedLines mogLines;
    EncodedLines bagLines;
    EncodedLines mogDetails;
    EncodedLines bagDetails;
    StorageLoadReport report;
};

// Missing files are the normal state of a new character: they read as empty.
StorageFileContents readStorageFiles(const DataFolder& folder, const QString& character);
// Replaces both storages with what was read; detail slots no file fills are emptied.
StorageLoadReport putInStorages(StorageFileContents contents, Storage& mogSafe, Storage& bag);

inline StorageLoadReport loadStorages(const DataFolder& folder, const QString& character,
                                      Storage& mogSafe, Storage& bag)
{
    return putInStorages(readStorageFiles(folder, character), mogSafe, bag);
}

// Writes all four files or, as far as the file system allows, none of them.
FileResult saveStorages(const DataFolder& folder, const QString& character,
                        const Storage& mogSafe, const Storage& bag);

} // namespace morvane
