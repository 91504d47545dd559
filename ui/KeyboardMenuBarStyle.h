#pragma once

#include <QProxyStyle>

namespace morvane {

// Some styles (Fusion among them) highlight a menu bar command only while its
// menu is open, so a command chosen with the keyboard, which opens no menu,
// would not show. This one highlights the chosen command as if pressed.
class KeyboardMenuBarStyle : public QProxyStyle {
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

} // namespace morvane
