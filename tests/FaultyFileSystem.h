#pragma once

#include "model/files/FileSystem.h"

#include <QFileDevice>
#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QStringList>

#include <optional>

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
        if (const std::optional<Attempt> refused = refuse(to))
            return *refused;
        return change(QStringLiteral("replace ") + QFileInfo(to).fileName()) ? FileSystem::tryReplace(from, to) : stopped();
    }

    Attempt tryRemove(const QString& path) override
    {
        if (const std::optional<Attempt> refused = refuse(path))
            return *refused;
        return change(QStringLiteral("remove ") + QFileInfo(path).fileName()) ? FileSystem::tryRemove(path) : stopped();
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

    static Attempt stopped() { return {Outcome::Failed, QStringLiteral("stopped")}; }

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

    std::optional<Attempt> refuse(const QString& path)
    {
        const auto held = m_held.find(QFileInfo(path).fileName());
        if (held == m_held.end() || held->attempts == 0)
            return std::nullopt;
        if (held->attempts > 0)
            --held->attempts;
        return Attempt{held->outcome, held->outcome == Outcome::Busy ? QStringLiteral("sharing violation") : QStringLiteral("disk error")};
    }

    qint64 m_writeBudget = -1;
    int m_changesLeft = -1;
    QHash<QString, Hold> m_held;
};
