#pragma once

#include <QString>

namespace morvane {

// The folder "data" beside the executable, where every file of the program
// lives. The program never creates it.
class DataFolder {
public:
    static constexpr const char* kSeedCatalogue = "item.20041101.txt";
    static constexpr const char* kRegisteredItems = "item.dat";
    static constexpr const char* kRoster = "cname.dat";
    static constexpr const char* kLock = "morvane.lock";

    explicit DataFolder(QString path);
    static DataFolder besideExecutable();

    const QString& path() const { return m_path; }
    QString filePath(const QString& fileName) const { return m_path + fileName; }
    bool exists() const;

private:
    QString m_path; // always ends with a slash
};

} // namespace morvane
