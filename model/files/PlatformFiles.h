#pragma once

#include <QString>

// The two file system calls a crash-safe save needs that Qt does not offer;
// the platform code stays in PlatformFiles.cpp.
namespace morvane {

// Replaces `to` with `from` in one step, even when `to` exists. False, with
// the system's reason, when it could not.
bool replaceFile(const QString& from, const QString& to, QString* reason);

// Makes renames within the folder survive a power cut where the system
// needs to be told (POSIX); elsewhere the file system journals them itself.
void syncFolder(const QString& folder);

} // namespace morvane
