#include "model/TextFile.h"

#include "model/CodePage932.h"
#include "model/EncodedLines.h"
#include "model/FileFailure.h"
#include "model/FileTransaction.h"
#include "model/WriteFaults.h"

#include <QFile>
#include <QFileInfo>

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

// Where the line after the one ending at `end` starts, or -1 when the bytes
// read so far cannot tell (a CR that may be followed by an LF).
qsizetype nextLineStart(const QByteArray& bytes, qsizetype end, bool atEndOfFile)
{
    if (bytes[end] == '\r') {
        if (end + 1 < bytes.size())
            return bytes[end + 1] == '\n' ? end + 2 : end + 1;
        return atEndOfFile ? end + 1 : -1;
    }
    return end + 1;
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
    int lineEnds = 0;
    qsizetype scanned = 0;
    for (;;) {
        const QByteArray chunk = file.read(kReadChunk);
        if (file.error() != QFileDevice::NoError) {
            contents.result = FileResult::failure(path, readFailureReason(path, file.errorString()));
            bytes.clear();
            return contents;
        }
        const bool atEndOfFile = chunk.isEmpty();
        bytes += chunk;
        for (; scanned < bytes.size(); ++scanned) {
            if (!isLineEnd(bytes[scanned]))
                continue;
            // The LF of a CR LF ends no line of its own.
            if (bytes[scanned] == '\n' && scanned > 0 && bytes[scanned - 1] == '\r')
                continue;
            if (lineEnds + 1 < maxLines) {
                ++lineEnds;
                continue;
            }
            const qsizetype next = nextLineStart(bytes, scanned, atEndOfFile);
            if (next < 0)
                break; // the next chunk decides
            *more = next < bytes.size() || !file.atEnd();
            bytes.truncate(next);
            return contents;
        }
        if (atEndOfFile)
            return contents;
    }
}

FileLines readTextFile(const QString& path)
{
    FileContents file = readFileBytes(path);
    return {file.result, decodeLines(file.bytes)};
}

FileResult writeTextFile(const QString& path, const QStringList& lines)
{
    QByteArray bytes;
    if (!encodeLines(lines, &bytes))
        return FileResult::failure(path, unencodableTextReason());
    const QFileInfo info(path);
    FileTransaction transaction(info.absolutePath());
    transaction.replace(info.fileName(), bytes);
    return transaction.commit();
}

FileResult appendTextLine(const QString& path, const QString& line)
{
    QByteArray bytes;
    if (!encodeLines({line}, &bytes))
        return FileResult::failure(path, unencodableTextReason());
    if (QFileInfo(path).isDir())
        return FileResult::failure(path, folderInTheWayReason());

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
    const bool written = faults::writeAll(file, bytes) && file.flush();
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
