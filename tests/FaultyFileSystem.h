#pragma once

#include "model/files/FileSystem.h"

#include <QFileDevice>
#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QStringList>

// A file system that fails where a test says, as a full disk, a killed
// process or another program holding a file would, and logs the changes it
// was asked for ("write NAME", "replace NAME", "remove NAME", "sync").
class FaultyFileSystem : public morvane::FileSystem {
public:
    using Outcome = Attempt::Outcome;

    // Writing fails once `bytes` more bytes have been written, in whatever writes.
    void failWritesAfter(qint64 bytes) { m_writeBudget = bytes; }
    // Once `changes` more writes, renames and removals are done, nothing more
    // is changed, as if the process had been killed.
    void stopAfter(int changes) { m_changesLeft = changes; }
    // Replacing or removing the file fails the next `attempts` times (-1:
    // until released), as while another program holds it (Busy) or as a disk
    // error does (Failed).
    void hold(const QString& fileName, int attempts = -1, Outcome outcome = Outcome::Busy)
    {
        m_held.insert(fileName, {attempts, outcome});
    }
    void release() { m_held.clear(); }

    QStringList log;
    QList<int> waits; // milliseconds, waited for nothing

    bool write(QIODevice& device, QByteArrayView bytes) override
    {
        if (!change(QStringLiteral("write ") + nameOf(device)))
            return false;
        if (m_writeBudget >= 0 && m_writeBudget < bytes.size()) {
            device.write(bytes.data(), m_writeBudget);
            m_writeBudget = -1;
            return false;
        }
        if (m_writeBudget >= 0)
            m_writeBudget -= bytes.size();
        return FileSystem::write(device, bytes);
    }

    Attempt tryReplace(const QString& from, const QString& to) override
    {
        return attempt(QStringLiteral("replace "), to, [&] { return FileSystem::tryReplace(from, to); });
    }

    Attempt tryRemove(const QString& path) override
    {
        return attempt(QStringLiteral("remove "), path, [&] { return FileSystem::tryRemove(path); });
    }

    // Logged only: no test here outlives a power cut.
    void syncFolder(const QString&) override
    {
        if (m_changesLeft != 0)
            log << QStringLiteral("sync");
    }

    void wait(std::chrono::milliseconds time) override { waits << int(time.count()); }

private:
    struct Hold {
        int attempts;
        Outcome outcome;
    };

    static QString nameOf(const QIODevice& device)
    {
        const auto* file = qobject_cast<const QFileDevice*>(&device);
        return file ? QFileInfo(file->fileName()).fileName() : QString();
    }

    // Counts a change, or refuses it once the process counts as killed.
    bool change(const QString& what)
    {
        if (m_changesLeft == 0)
            return false;
        if (m_changesLeft > 0)
            --m_changesLeft;
        log << what;
        return true;
    }

    template <typename Call>
    Attempt attempt(const QString& what, const QString& path, Call call)
    {
        const QString fileName = QFileInfo(path).fileName();
        const auto held = m_held.find(fileName);
        if (held != m_held.end() && held->attempts != 0) {
            if (held->attempts > 0)
                --held->attempts;
            const bool busy = held->outcome == Outcome::Busy;
            return {held->outcome, busy ? QStringLiteral("sharing violation") : QStringLiteral("disk error")};
        }
        return change(what + fileName) ? call() : Attempt{Outcome::Failed, QStringLiteral("stopped")};
    }

    qint64 m_writeBudget = -1;
    int m_changesLeft = -1;
    QHash<QString, Hold> m_held;
};
