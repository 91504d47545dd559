#include "ui/WindowPlacement.h"

#include <QScreen>
#include <QWidget>

namespace morvane {

void showOver(QWidget* window, QWidget* owner)
{
    if (!window->isVisible()) {
        // A window not yet shown has no frame: it will get one like its owner's.
        const QRect over = owner->frameGeometry();
        QRect placed(QPoint(), window->size() + over.size() - owner->size());
        placed.moveCenter(over.center());
        // Kept on the owner's screen when the owner hangs off it.
        const QRect screen = owner->screen()->availableGeometry();
        placed.moveLeft(qMax(screen.left(), qMin(placed.left(), screen.right() - placed.width())));
        placed.moveTop(qMax(screen.top(), qMin(placed.top(), screen.bottom() - placed.height())));
        window->move(placed.topLeft());
    }
    window->show();
}

void hideToOwner(QWidget* dialog)
{
    dialog->hide();
    if (QWidget* owner = dialog->parentWidget()) {
        owner = owner->window();
        owner->raise();
        owner->activateWindow();
    }
}

} // namespace morvane
