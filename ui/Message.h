#pragma once

class QString;
class QWidget;

namespace morvane {

// Every message of the program: modal, the text alone, one OK button, the
// application title as window title.
void showMessage(QWidget* parent, const QString& text);

} // namespace morvane
