#pragma once

#include <QString>
#include <QStringList>

namespace morvane {

// An item's description in one text, its display lines separated by "<br>".
// Registered and seed items are built alike: "[type]race", the comment, and
// "Lv<level>～ <jobs>".
QString buildDetailText(const QString& type, const QString& raceText, const QString& comment, int level,
                        const QString& jobText);

// The detail text with one more display line after its last.
QString appendDisplayLine(const QString& detail, const QString& line);

// The display lines, split at every "<br>" in any letter case; empty parts
// count, and an empty text has none.
QStringList detailDisplayLines(const QString& detail);

} // namespace morvane
