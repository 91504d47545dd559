#pragma once

#include <functional>

class QString;
class QWidget;

namespace morvane {

// Asks the player where to save a file, offering a suggested path; empty
// when the player cancels.
QString chooseSaveFile(QWidget* parent, const QString& title, const QString& suggestedPath, const QString& filter);

// Test seam: while a chooser is set, it answers instead of the dialog.
using SaveFileChooser = std::function<QString(const QString& suggestedPath)>;
void setSaveFileChooser(SaveFileChooser chooser);

} // namespace morvane
