#include "model/files/DataFolderLock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

namespace morvane {
namespace {

constexpr qint64 kSecondsToWriteALock = 10;

// The folders this process's windows hold. Windows are made on the main
// thread only.
QSet<QString>& heldByThisProcess()
{
    static QSet<QString> held;
    return held;
}

// This machine's name as locks write it, which is not always the host name
// QSysInfo gives (Windows writes its short computer name).
QString thisMachineInLocks()
{
    static const QString name = [] {
        QString host;
        QTemporaryDir dir;
        QLockFile probe(dir.filePath(QStringLiteral("probe.lock")));
        if (dir.isValid() && probe.tryLock())
            probe.getLockInfo(nullptr, &host, nullptr);
        return host;
    }();
    return name;
}

} // namespace

DataFolderLock::DataFolderLock(const DataFolder& folder)
    : m_file(folder.filePath(kFileName))
{
    // Held for a whole run, so no age makes a lock that names its process
    // stale; only that process having gone does.
    m_file.setStaleLockTime(0);
    if (!tryLock() && isLeftOver()) {
        m_file.removeStaleLockFile();
        tryLock();
    }
    if (m_file.isLocked())
        heldByThisProcess().insert(m_file.fileName());
}

DataFolderLock::~DataFolderLock()
{
    if (m_file.isLocked())
        heldByThisProcess().remove(m_file.fileName());
}

bool DataFolderLock::tryLock()
{
    m_heldElsewhere = !m_file.tryLock() && m_file.error() == QLockFile::LockFailedError;
    return !m_heldElsewhere;
}

bool DataFolderLock::isLeftOver() const
{
    qint64 processId = 0;
    QString host;
    if (!m_file.getLockInfo(&processId, &host, nullptr)) {
        // A run cut off while it wrote its lock, unless the lock is being
        // written right now.
        const QDateTime written = QFileInfo(m_file.fileName()).lastModified();
        return written.isValid() && qAbs(written.secsTo(QDateTime::currentDateTime())) > kSecondsToWriteALock;
    }
    // An earlier run that had this process's number: numbers come round
    // again after a restart, and at once under Wine.
    return processId == QCoreApplication::applicationPid() && !host.isEmpty() && host == thisMachineInLocks()
           && !heldByThisProcess().contains(m_file.fileName());
}

std::optional<qint64> DataFolderLock::holderProcessId() const
{
    qint64 processId = 0;
    if (!m_heldElsewhere || !m_file.getLockInfo(&processId, nullptr, nullptr) || processId <= 0)
        return std::nullopt;
    return processId;
}

} // namespace morvane
