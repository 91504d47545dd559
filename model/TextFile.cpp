#include "model/TextFile.h"

#include "model/CodePage932.h"
#include "model/EncodedLines.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace morvane {

QString unencodableTextReason()
{
    return QStringLiteral("Shift-JISで表せない文字が含まれています");
}

QString folderInTheWayReason()
{
    return QStringLiteral("ファイルの場所にフォルダーがあります");
}

QStringList decodeLines(const QByteArray& bytes)
{
    const EncodedLines lines = EncodedLines::fromFileBytes(bytes);
    return lines.texts(lines.size());
}

bool encodeLines(const QStringList& lines, QByteArray* bytes)
{
    const std::optional<QByteArray> encoded = cp932::encode(lines.join(QStringLiteral("\r\n")));
    if (!encoded)
        return false;
    *bytes = *encoded;
    if (!lines.isEmpty())
        bytes->append("\r\n", 2);
    return true;
}

FileBytes readFileBytes(const QString& path)
{
    FileBytes result;
    QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return result; // Missing
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        result.status = ReadResult::Status::Failed;
        result.reason = info.isDir() ? folderInTheWayReason() : file.errorString();
        return result;
    }
    result.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.status = ReadResult::Status::Failed;
        result.reason = file.errorString();
        result.bytes.clear();
        return result;
    }
    result.status = ReadResult::Status::Read;
    return result;
}

ReadResult readTextFile(const QString& path)
{
    const FileBytes file = readFileBytes(path);
    return {file.status, decodeLines(file.bytes), file.reason};
}

FileResult writeTextFile(const QString& path, const QStringList& lines)
{
    QByteArray bytes;
    if (!encodeLines(lines, &bytes))
        return FileResult::failure(path, unencodableTextReason());
    return writeFileBytes(path, bytes);
}

FileResult writeFileBytes(const QString& path, const QByteArray& bytes)
{
    if (QFileInfo(path).isDir())
        return FileResult::failure(path, folderInTheWayReason());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return FileResult::failure(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return FileResult::failure(path, reason);
    }
    if (!file.commit())
        return FileResult::failure(path, file.errorString());
    return FileResult::success();
}

FileResult appendTextLine(const QString& path, const QString& line)
{
    QByteArray bytes;
    if (!encodeLines({line}, &bytes))
        return FileResult::failure(path, unencodableTextReason());

    QFile file(path);
    if (QFileInfo(path).isDir())
        return FileResult::failure(path, folderInTheWayReason());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return FileResult::failure(path, file.errorString());
    const qint64 sizeBefore = file.size();
    const qint64 written = file.write(bytes);
    const bool flushed = file.flush();
    if (written != bytes.size() || !flushed) {
        const QString reason = file.errorString();
        // A half-written line would glue itself to the next append.
        file.resize(sizeBefore);
        file.close();
        return FileResult::failure(path, reason);
    }
    file.close();
    if (file.error() != QFileDevice::NoError)
        return FileResult::failure(path, file.errorString());
    return FileResult::success();
}

} // namespace morvane
