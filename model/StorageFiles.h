#pragma once

#include "model/DataFolder.h"
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

// Replaces both storages with the character's files. Missing files are the
// normal state of a new character; detail slots no file fills are emptied.
StorageLoadReport loadStorages(const DataFolder& folder, const QString& character,
                               Storage& mogSafe, Storage& bag);

// Writes all four files or, as far as the file system allows, none of them.
FileResult saveStorages(const DataFolder& folder, const QString& character,
                        const Storage& mogSafe, const Storage& bag);

} // namespace morvane
