#pragma once

#include "model/FileResult.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Text files of the data folder: code page 932, every written line ended by
// CR LF. On reading, CR LF, a lone CR and a lone LF each end a line; a last
// line without an end still counts and a final line end adds no empty line.
namespace morvane {

struct ReadResult {
    enum class Status { Read, Missing, Failed };
    Status status = Status::Missing;
    QStringList lines;
    QString reason; // why the file could not be read (Failed only)

    bool read() const { return status == Status::Read; }
};

// A whole file as it lies on disk.
struct FileBytes {
    ReadResult::Status status = ReadResult::Status::Missing;
    QByteArray bytes;
    QString reason;
};

// Reasons a write fails before the file system is asked.
QString unencodableTextReason();
QString folderInTheWayReason();

QStringList decodeLines(const QByteArray& bytes);
// False when a line holds a character code page 932 cannot hold: writing
// it would silently change the text.
bool encodeLines(const QStringList& lines, QByteArray* bytes);

FileBytes readFileBytes(const QString& path);
ReadResult readTextFile(const QString& path);
// Replaces the whole file atomically (temporary file, then rename).
FileResult writeTextFile(const QString& path, const QStringList& lines);
// Replaces the whole file with bytes already in code page 932.
FileResult writeFileBytes(const QString& path, const QByteArray& bytes);
// Adds one line at the end, creating the file when missing, in a single write.
FileResult appendTextLine(const QString& path, const QString& line);

} // namespace morvane
