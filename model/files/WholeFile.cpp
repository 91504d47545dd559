#include "model/files/WholeFile.h"

#include "model/files/FileFailure.h"

#include <QFileInfo>
#include <QSaveFile>

namespace morvane {

FileResult writeWholeFile(const QString& path, const QByteArray& bytes, FileSystem& fileSystem)
{
    if (QFileInfo(path).isDir())
        return FileResult::failure(path, folderInTheWayReason());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return FileResult::failure(path, writeFailureReason(path, bytes.size(), file.errorString()));
    if (!fileSystem.write(file, bytes)) {
        const QString reason = writeFailureReason(path, bytes.size(), file.errorString());
        file.cancelWriting();
        return FileResult::failure(path, reason);
    }
    if (!file.commit())
        return FileResult::failure(path, writeFailureReason(path, bytes.size(), file.errorString()));
    return FileResult::success();
}

} // namespace morvane
