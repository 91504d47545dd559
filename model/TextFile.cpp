#include "model/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

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
    QStringEncoder encoder(kCodePage);
    QByteArray ignored = encoder.encode(text);
    Q_UNUSED(ignored);
    return !encoder.hasError();
}

QStringList decodeLines(const QByteArray& bytes)
{
    QStringDecoder decoder(kCodePage);
    const QString text = decoder.decode(bytes);

    QStringList lines;
    const qsizetype size = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.sliced(start, i - start));
        if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.sliced(start));
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
    return !encoder.hasError();
}

ReadResult readTextFile(const QString& path)
{
    ReadResult result;
    QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return result; // Missing
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        result.status = ReadResult::Status::Failed;
        result.reason = info.isDir() ? folderInTheWayReason() : file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.status = ReadResult::Status::Failed;
        result.reason = file.errorString();
        return result;
    }
    result.status = ReadResult::Status::Read;
    result.lines = decodeLines(bytes);
    return result;
}

FileResult writeTextFile(const QString& path, const QStringList& lines)
{
    QByteArray bytes;
    if (!encodeLines(lines, &bytes))
        return FileResult::failure(path, unencodableTextReason());

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
