#include "model/text/TextFile.h"

#include "model/text/CodePage932.h"
#include "model/text/EncodedLines.h"
#include "model/files/FileFailure.h"
#include "model/files/FileTransaction.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace morvane {
namespace {

constexpr qint64 kReadChunk = 64 * 1024;

bool isLineEnd(char byte)
{
    return byte == '\r' || byte == '\n';
}

// Opens the file for reading, or says why not; a missing file is no failure.
FileResult openForReading(QFile& file)
{
    const QFileInfo info(file.fileName());
    if (!info.exists() && !info.isSymLink())
        return FileResult::missing(file.fileName());
    if (info.isDir() || !file.open(QIODevice::ReadOnly))
        return FileResult::failure(file.fileName(), readFailureReason(file.fileName(), file.errorString()));
    return FileResult::success();
}

} // namespace

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

FileContents readFileBytes(const QString& path)
{
    FileContents contents;
    QFile file(path);
    contents.result = openForReading(file);
    if (!file.isOpen())
        return contents;
    contents.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        contents.result = FileResult::failure(path, readFailureReason(path, file.errorString()));
        contents.bytes.clear();
    }
    return contents;
}

FileContents readLeadingLines(const QString& path, int maxLines, bool* more)
{
    *more = false;
    FileContents contents;
    QFile file(path);
    contents.result = openForReading(file);
    if (!file.isOpen())
        return contents;
    QByteArray& bytes = contents.bytes;
    // Every line end is a CR or an LF, so there are at least as many line
    // ends as the more frequent of the two: once that passes the limit, the
    // lines beyond it need not be read.
    qsizetype carriageReturns = 0;
    qsizetype lineFeeds = 0;
    while (std::max(carriageReturns, lineFeeds) <= maxLines) {
        // Read straight into the end of the bytes, which grow by doubling:
        // appending chunk by chunk copied the whole file at every chunk.
        const qsizetype had = bytes.size();
        bytes.resize(had + kReadChunk);
        const qint64 got = file.read(bytes.data() + had, kReadChunk);
        bytes.resize(had + std::max<qint64>(got, 0));
        if (got < 0 || file.error() != QFileDevice::NoError) {
            contents.result = FileResult::failure(path, readFailureReason(path, file.errorString()));
            bytes.clear();
            return contents;
        }
        if (got == 0)
            break;
        carriageReturns += std::count(bytes.cbegin() + had, bytes.cend(), '\r');
        lineFeeds += std::count(bytes.cbegin() + had, bytes.cend(), '\n');
    }
    int lines = 0;
    qsizetype firstLineBeyond = -1;
    EncodedLines::forEachLine(bytes, [&](qsizetype position, qsizetype) {
        if (lines++ == maxLines)
            firstLineBeyond = position;
    });
    if (firstLineBeyond >= 0) {
        *more = true;
        bytes.truncate(firstLineBeyond);
    }
    return contents;
}

FileLines readTextFile(const QString& path)
{
    FileContents file = readFileBytes(path);
    return {file.result, decodeLines(file.bytes)};
}

FileResult writeTextFile(const QString& path, const QStringList& lines, FileSystem& fileSystem)
{
    QByteArray bytes;
    if (!encodeLines(lines, &bytes))
        return FileResult::failure(path, unencodableTextReason());
    const QFileInfo info(path);
    FileTransaction transaction(DataFolder(info.absolutePath(), fileSystem));
    transaction.replace(info.fileName(), bytes);
    return transaction.commit();
}

FileResult appendTextLine(const QString& path, const QString& line, FileSystem& fileSystem)
{
    QByteArray bytes;
    if (!encodeLines({line}, &bytes))
        return FileResult::failure(path, unencodableTextReason());
    const QFileInfo info(path);
    if (info.isDir())
        return FileResult::failure(path, folderInTheWayReason());
    const FileResult earlierSave =
        FileTransaction::finishSaveReplacing(DataFolder(info.absolutePath(), fileSystem), info.fileName());
    if (!earlierSave.ok())
        return earlierSave;

    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append))
        return FileResult::failure(path, writeFailureReason(path, bytes.size(), file.errorString()));
    const qint64 sizeBefore = file.size();
    // A last line without its end (a file edited by hand) would otherwise
    // take the new line as its own continuation.
    if (sizeBefore > 0 && file.seek(sizeBefore - 1)) {
        char last = 0;
        if (file.getChar(&last) && !isLineEnd(last))
            bytes.prepend("\r\n", 2);
    }
    const bool written = fileSystem.write(file, bytes) && file.flush();
    if (!written) {
        const QString reason = writeFailureReason(path, bytes.size(), file.errorString());
        file.resize(sizeBefore);
        return FileResult::failure(path, reason);
    }
    file.close();
    if (file.error() != QFileDevice::NoError)
        return FileResult::failure(path, writeFailureReason(path, bytes.size(), file.errorString()));
    return FileResult::success();
}

} // namespace morvane
