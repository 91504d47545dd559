#pragma once

class QWidget;

namespace morvane {

// Shows a modeless window of the program's over the window it belongs to:
// centred on it when it opens, where the player left it while it stays open.
void showOver(QWidget* window, QWidget* owner);
// Hides a dialog and hands the focus back to the window it belongs to.
void hideToOwner(QWidget* dialog);

} // namespace morvane
