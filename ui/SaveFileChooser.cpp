#include "ui/SaveFileChooser.h"

#include <QFileDialog>

namespace morvane {
namespace {

SaveFileChooser& chooser()
{
    static SaveFileChooser installed;
    return installed;
}

} // namespace

QString chooseSaveFile(QWidget* parent, const QString& title, const QString& suggestedPath, const QString& filter)
{
    if (chooser())
        return chooser()(suggestedPath);
    return QFileDialog::getSaveFileName(parent, title, suggestedPath, filter);
}

void setSaveFileChooser(SaveFileChooser installed)
{
    chooser() = std::move(installed);
}

} // namespace morvane
