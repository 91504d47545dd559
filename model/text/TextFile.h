#pragma once

#include "model/files/FileResult.h"
#include "model/files/FileSystem.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Text files of the data folder: code page 932, every written line ended by
// CR LF. On reading, CR LF, a lone CR and a lone LF each end a line; a last
// line without an end still counts and a final line end adds no empty line.
namespace morvane {

struct FileContents {
    FileResult result = FileResult::success();
    QByteArray bytes;
};

struct FileLines {
    FileResult result = FileResult::success();
    QStringList lines;
};

QStringList decodeLines(const QByteArray& bytes);
// False when a line holds a character code page 932 cannot hold: writing
// it would silently change the text.
bool encodeLines(const QStringList& lines, QByteArray* bytes);

FileContents readFileBytes(const QString& path);
// At most the first `maxLines` lines; reading stops there, however large
// the file. `more` tells whether the file goes on.
FileContents readLeadingLines(const QString& path, int maxLines, bool* more);
FileLines readTextFile(const QString& path);
// Replaces the whole file, or leaves it as it was, whenever the program may
// be stopped.
FileResult writeTextFile(const QString& path, const QStringList& lines,
                         FileSystem& fileSystem = FileSystem::platform());
// Adds one line at the end in a single write, creating the file when missing
// and first ending a last line that has no line end. A failed write is cut
// back, so the file never ends in half a line.
FileResult appendTextLine(const QString& path, const QString& line, FileSystem& fileSystem = FileSystem::platform());

} // namespace morvane
