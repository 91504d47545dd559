#pragma once

#include <QString>

namespace morvane {

// A tooltip that shows a text of the player's exactly: tooltips take a text
// that looks like markup for markup, so the text is escaped and marked as such.
inline QString toolTipText(const QString& plain)
{
    return QStringLiteral("<qt>%1</qt>").arg(plain.toHtmlEscaped());
}

} // namespace morvane
