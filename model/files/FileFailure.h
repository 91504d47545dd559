#pragma once

#include <QString>

namespace morvane {

// Why a write to `path` failed, in the player's words for the causes a
// player can act on (no space left, no permission, a read-only or missing
// folder, a name too long, a folder in the way); the system's own text is
// kept only for anything else.
QString writeFailureReason(const QString& path, qint64 bytesToWrite, const QString& systemText);
QString readFailureReason(const QString& path, const QString& systemText);

QString folderInTheWayReason();
QString unencodableTextReason();
// Another program has the file open and does not let it be replaced.
QString fileInUseReason();
// A write refused because an earlier save could not be finished: `reason`
// is why that save's file could not be put in place.
QString unfinishedSaveReason(const QString& reason);

// The longest file name the file systems players use can hold: 255 bytes of
// UTF-8 (Linux) and 255 UTF-16 units (Windows).
bool fitsFileSystemName(const QString& fileName);

} // namespace morvane
