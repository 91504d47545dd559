#pragma once

#include <QRect>
#include <QWidget>

namespace morvane {

// The dialogs are laid out in twips, 1440 to the logical inch, so they keep
// their proportions on any screen.
inline int twipsToPixels(int twips, int logicalDpi)
{
    return qRound(twips * logicalDpi / 1440.0);
}

inline QRect twipRect(const QWidget* widget, int left, int top, int width, int height)
{
    const int dpiX = widget->logicalDpiX();
    const int dpiY = widget->logicalDpiY();
    return {twipsToPixels(left, dpiX), twipsToPixels(top, dpiY), twipsToPixels(width, dpiX),
            twipsToPixels(height, dpiY)};
}

} // namespace morvane
