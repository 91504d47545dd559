#pragma once

#include <QString>

namespace morvane {

// Makes renames within the folder survive a power cut where the system
// needs to be told (POSIX); elsewhere the file system journals them itself.
void syncFolder(const QString& folder);

} // namespace morvane
