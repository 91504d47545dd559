#include "model/DataFolderLock.h"

namespace morvane {

DataFolderLock::DataFolderLock(const DataFolder& folder)
    : m_file(folder.filePath(QString::fromLatin1(DataFolder::kLock)))
{
    // Held for a whole run, so no age makes the lock stale; only its process
    // having gone does.
    m_file.setStaleLockTime(0);
    m_heldElsewhere = !m_file.tryLock() && m_file.error() == QLockFile::LockFailedError;
}

std::optional<qint64> DataFolderLock::holderProcessId() const
{
    qint64 processId = 0;
    if (!m_heldElsewhere || !m_file.getLockInfo(&processId, nullptr, nullptr) || processId <= 0)
        return std::nullopt;
    return processId;
}

} // namespace morvane
