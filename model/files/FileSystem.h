#pragma once

#include "model/files/FileResult.h"

#include <QByteArrayView>
#include <QIODevice>
#include <QString>

#include <chrono>

namespace morvane {

// The calls that change files, one attempt each, as every write of the data
// folder makes them. The program uses the platform's own (platform()); a
// test hands a write one of its own that fails where it chooses, as a full
// disk, a killed process or another program holding a file would.
class FileSystem {
public:
    struct Attempt {
        enum class Outcome {
            Done,
            Busy, // another program has the file open, which passes in a moment
            Failed,
        };
        Outcome outcome = Outcome::Done;
        QString systemText; // the system's own words when not done
    };

    static FileSystem& platform();

    FileSystem() = default;
    FileSystem(const FileSystem&) = delete;
    FileSystem& operator=(const FileSystem&) = delete;
    virtual ~FileSystem() = default;

    // Writes all bytes to the open device; false when it took fewer.
    virtual bool write(QIODevice& device, QByteArrayView bytes);
    // Replaces `to` with `from` in one step, even when `to` exists.
    virtual Attempt tryReplace(const QString& from, const QString& to);
    // A file already gone counts as removed.
    virtual Attempt tryRemove(const QString& path);
    // Makes what was renamed within the folder survive a power cut where the
    // system needs to be told (POSIX); elsewhere the file system journals it.
    virtual void syncFolder(const QString& folder);
    virtual void wait(std::chrono::milliseconds time);

    // tryReplace and tryRemove, tried again while the file is busy (virus
    // scanners, search indexers, backup and cloud-sync tools open freshly
    // written files for a moment), with growing waits of about a third of a
    // second in all. The failure names the file and why, in the player's words.
    FileResult replace(const QString& from, const QString& to);
    FileResult remove(const QString& path);
};

} // namespace morvane
