#include "ui/KeyboardMenuBarStyle.h"

#include <QStyleOptionMenuItem>

namespace morvane {

void KeyboardMenuBarStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                       const QWidget* widget) const
{
    if (element == CE_MenuBarItem && (option->state & State_Selected)) {
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            QStyleOptionMenuItem chosen = *item;
            chosen.state |= State_Sunken;
            QProxyStyle::drawControl(element, &chosen, painter, widget);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

} // namespace morvane
