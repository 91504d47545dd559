#pragma once

#include <QString>

namespace morvane {

// The folder "data" beside the executable, where every file of the program
// lives. The program never creates it.
class DataFolder {
public:
    explicit DataFolder(QString path);
    static DataFolder besideExecutable();

    const QString& path() const { return m_path; }
    QString filePath(const QString& fileName) const { return m_path + fileName; }
    bool exists() const;

private:
    QString m_path; // always ends with a slash
};

} // namespace morvane
