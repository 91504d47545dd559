#include "model/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>

namespace morvane {
namespace {

constexpr const char* kCodePage = "windows-31j";

} // namespace

QString unencodableTextReason()
{
    return QStringLiteral("Shift-JISで表せない文字が含まれています");
}

QString folderInTheWayReason()
{
    return QStringLiteral("ファイルの場所にフォルダーがあります");
}

bool fitsCodePage932(const QString& text)
{
    // A lone surrogate is held back by the encoder as the start of a pair.
    if (!text.isValidUtf16())
        return false;
    QStringEncoder encoder(kCodePage);
    QByteArray ignored = encoder.encode(text);
    Q_UNUSED(ignored);
    return !encoder.hasError();
}

QString decodeText(const QByteArray& bytes)
{
    QStringDecoder decoder(kCodePage);
    return decoder.decode(bytes);
}

QList<QStringView> splitLines(QStringView text)
{
    QList<QStringView> lines;
    const char16_t* const begin = text.utf16();
    const char16_t* const end = begin + text.size();
    lines.reserve(std::count(begin, end, u'\n') + 1);
    const char16_t* start = begin;
    for (const char16_t* p = begin; p != end; ++p) {
        if (*p != u'\r' && *p != u'\n')
            continue;
        lines.append(QStringView(start, p));
        if (*p == u'\r' && p + 1 != end && p[1] == u'\n')
            ++p;
        start = p + 1;
    }
    if (start != end)
        lines.append(QStringView(start, end));
    return lines;
}

QStringList decodeLines(const QByteArray& bytes)
{
    const QString text = decodeText(bytes);
    const QList<QStringView> views = splitLines(text);
    QStringList lines;
    lines.reserve(views.size());
    for (const QStringView line : views)
        lines.append(line.toString());
    return lines;
}

bool encodeLines(const QStringList& lines, QByteArray* bytes)
{
    qsizetype total = 0;
    for (const QString& line : lines)
        total += line.size() * 2 + 2;
    QString text;
    text.reserve(total);
    for (const QString& line : lines) {
        text += line;
        text += u"\r\n";
    }
    QStringEncoder encoder(kCodePage);
    *bytes = encoder.encode(text);
    return !encoder.hasError() && text.isValidUtf16();
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

TextContent readText(const QString& path)
{
    const FileBytes file = readFileBytes(path);
    return {file.status, decodeText(file.bytes), file.reason};
}

ReadResult readTextFile(const QString& path)
{
    const TextContent content = readText(path);
    ReadResult result;
    result.status = content.status;
    result.reason = content.reason;
    const QList<QStringView> lines = splitLines(content.text);
    result.lines.reserve(lines.size());
    for (const QStringView line : lines)
        result.lines.append(line.toString());
    return result;
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
