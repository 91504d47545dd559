#pragma once

#include "model/files/FileSystem.h"

#include <QString>

namespace morvane {

// The folder "data" beside the executable, where every file of the program
// lives, and the file system its files are changed through. The program
// never creates the folder.
class DataFolder {
public:
    explicit DataFolder(QString path, FileSystem& fileSystem = FileSystem::platform());
    static DataFolder besideExecutable();

    const QString& path() const { return m_path; }
    QString filePath(const QString& fileName) const { return m_path + fileName; }
    bool exists() const;
    FileSystem& fileSystem() const { return *m_fileSystem; }

private:
    QString m_path; // always ends with a slash
    FileSystem* m_fileSystem;
};

} // namespace morvane
