#pragma once

#include "MessageCatcher.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

// A main window with the dialog over it and a fake registrar behind it.
template <typename Dialog, typename Registrar>
struct DialogHost {
    Registrar registrar;
    QWidget mainWindow;
    Dialog* dialog = new Dialog(registrar, &mainWindow);

    DialogHost() { failOnUnexpectedMessages(); }

    // Over the active main window, as the menu shows it. Offscreen, a window
    // hidden while active is not reactivated on showing, hence the explicit calls.
    bool show()
    {
        mainWindow.show();
        mainWindow.activateWindow();
        if (!QTest::qWaitFor([this] { return QApplication::activeWindow() == &mainWindow; }))
            return false;
        dialog->show();
        dialog->activateWindow();
        return QTest::qWaitFor([this] { return QApplication::activeWindow() == dialog; });
    }
    template <typename T = QWidget>
    T* control(const QString& name) const { return dialog->template findChild<T*>(name); }
};

// The named control that holds the focus (a combo box for its line edit).
inline QString focusName()
{
    QWidget* focus = QApplication::focusWidget();
    while (focus && focus->objectName().isEmpty())
        focus = focus->parentWidget();
    return focus ? focus->objectName() : QString();
}

// The names of the controls the tab key moves the focus to, in turn.
inline QStringList tabWalk(qsizetype steps)
{
    QStringList visited;
    while (visited.size() < steps) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(focusName());
    }
    return visited;
}

// Neither dialog has a default or cancel button: Return, Enter and Escape,
// wherever the focus is, leave it open with unchanged() holding, and no message.
template <typename Check>
void pressEnterAndEscape(QWidget* dialog, const QStringList& focusNames, const Check& unchanged)
{
    MessageCatcher catcher;
    for (const QString& name : focusNames) {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            QWidget* focus = dialog->findChild<QWidget*>(name);
            focus->setFocus();
            QTest::keyClick(focus, key);
            QVERIFY2(dialog->isVisible() && unchanged(), qPrintable(name + QStringLiteral(", key %1").arg(key, 0, 16)));
        }
    }
    QCOMPARE(catcher.texts(), QStringList());
}
