#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

// Shows a dialog the way the main window's menu does: over an active main
// window. Offscreen, a window hidden while active is not reactivated when it
// is shown again, so both are activated explicitly.
inline bool showOverMainWindow(QWidget* mainWindow, QWidget* dialog)
{
    mainWindow->activateWindow();
    if (!QTest::qWaitFor([mainWindow] { return QApplication::activeWindow() == mainWindow; }))
        return false;
    dialog->show();
    dialog->activateWindow();
    return QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; });
}
