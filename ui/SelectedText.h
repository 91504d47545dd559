#pragma once

#include <QPalette>
#include <QStyle>

namespace morvane {

// The colour of text on a selected row. The Windows style paints a selected
// row pale and keeps its text in the text colour; the other styles put
// highlighted text on a strong highlight.
inline QPalette::ColorRole selectedTextRole(const QStyle* style)
{
    return style->inherits("QWindowsVistaStyle") ? QPalette::Text : QPalette::HighlightedText;
}

} // namespace morvane
