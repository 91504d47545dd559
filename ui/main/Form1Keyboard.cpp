// The main window's keyboard use: the tab order, Enter in the search box and
// the shortcuts. Menu captions stay as they are, so no command carries a
// mnemonic; the shortcuts stand in for them.
#include "ui/main/Form1.h"

#include "ui/KeyboardMenuBarStyle.h"
#include "ui/ListBox.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

#include <vector>

using namespace morvane;

void Form1::setUpKeyboard()
{
    // Reading order: the catalogue column top to bottom, then the character
    // and count column, then each storage.
    std::vector<QWidget*> order{
        List1, Text1, Command[14], Command[23],
        Command[15], Command[16], Command[17], Command[18], Command[19], Command[20], Command[21], Command[22],
        Combo2, Command[13], Combo1, Command[7], Command[8], Command[9], Command[10], Command[11], Command[12],
        Command[1], Command[2]};
    for (const StorageArea& area : kStorageAreas)
        order.insert(order.end(), {list(area.kind), Command[area.moveButton], Command[area.takeOutButton],
                                   Command[area.sortButton]});
    for (std::size_t k = 1; k < order.size(); ++k)
        setTabOrder(order[k - 1], order[k]);
    List1->setFocus();

    connect(Text1, &QLineEdit::returnPressed, Command[14], &QPushButton::click);

    auto onKeys = [this](const QKeySequence& keys, QWidget* scope, auto handler) {
        auto* shortcut = new QShortcut(keys, scope);
        if (scope != this)
            shortcut->setContext(Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, handler);
    };
    onKeys(QKeySequence(Qt::CTRL | Qt::Key_F), this, [this] {
        Text1->setFocus(Qt::ShortcutFocusReason);
        Text1->selectAll();
    });
    onKeys(QKeySequence(Qt::CTRL | Qt::Key_S), this, [this] { Command[13]->click(); });
    for (const StorageArea& area : kStorageAreas)
        onKeys(QKeySequence(Qt::Key_Delete), list(area.kind), [this, &area] { Command[area.takeOutButton]->click(); });
    onKeys(QKeySequence(Qt::Key_F10), this, [this] { openMenuBarFromKeyboard(); });
    auto* menuStyle = new KeyboardMenuBarStyle;
    menuStyle->setParent(menuBar());
    menuBar()->setStyle(menuStyle);
    if (QAction* end = menuBar()->findChild<QAction*>(QStringLiteral("end")))
        end->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

// The menu bar takes the keyboard (and gives it back) on a press and release
// of Alt, the style's own menu key; F10, the other usual one, plays that key
// to the control that has the focus, as the keyboard would.
void Form1::openMenuBarFromKeyboard()
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : this;
    QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::AltModifier);
    QApplication::sendEvent(target, &override);
    QKeyEvent pressed(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    QApplication::sendEvent(target, &pressed);
    QKeyEvent released(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    QApplication::sendEvent(target, &released);
}
