#pragma once

#include <QString>

namespace morvane {

// A character's name becomes a line of cname.dat and the start of its four
// storage file names, so it must keep the line whole and be usable in a file
// name on Windows and Linux. Anything else (empty, repeated, spaced) is kept.

// Empty when the name can be added, else the message telling the user why not.
QString validateCharacterName(const QString& name);

} // namespace morvane
