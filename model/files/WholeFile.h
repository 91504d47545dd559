#pragma once

#include "model/files/FileResult.h"
#include "model/files/FileSystem.h"

#include <QByteArray>
#include <QString>

namespace morvane {

// Replaces one file with `bytes` in one step (new contents beside it, then a
// rename), so a reader finds the old file or the new one, never half of it.
// Every whole-file write is built on this.
FileResult writeWholeFile(const QString& path, const QByteArray& bytes, FileSystem& fileSystem = FileSystem::platform());

} // namespace morvane
