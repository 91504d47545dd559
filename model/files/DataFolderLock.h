#pragma once

#include "model/files/DataFolder.h"

#include <QLockFile>

#include <optional>

namespace morvane {

// Holds the data folder for one window while it lives: two windows on the
// same folder would each save over what the other saved. A lock left by a
// run that crashed, or cut off while it wrote its lock, is taken over.
class DataFolderLock {
public:
    static inline const QString kFileName = QStringLiteral("morvane.lock");

    explicit DataFolderLock(const DataFolder& folder);
    ~DataFolderLock();
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;

    // True only when another window or running Morvane holds the folder. A
    // folder the lock cannot be written into is held by nobody else; what
    // fails there is reported when its files are read or written.
    bool isHeldElsewhere() const { return m_heldElsewhere; }
    // The process holding the folder, when its lock says.
    std::optional<qint64> holderProcessId() const;

private:
    bool tryLock();
    // A lock QLockFile keeps although no live run holds it.
    bool isLeftOver() const;

    QLockFile m_file;
    bool m_heldElsewhere = false;
};

} // namespace morvane
