#pragma once

#include <functional>

class QMessageBox;
class QString;
class QWidget;

namespace morvane {

// Every message of the program: modal, the text alone, one OK button, the
// application title as window title.
void showMessage(QWidget* parent, const QString& text);

// Test seam: while an answerer is set, each message box is handed to it,
// built as it would be shown, instead of being shown; nothing waits.
using MessageAnswerer = std::function<void(QMessageBox& box)>;
void setMessageAnswerer(MessageAnswerer answerer);

} // namespace morvane
