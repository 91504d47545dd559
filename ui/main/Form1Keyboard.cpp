// The main window's keyboard use: the tab order, Enter in the search box and
// the shortcuts. Menu captions stay as they are, so no command carries a
// mnemonic; the shortcuts stand in for them.
#include "ui/main/Form1.h"

#include "ui/KeyboardMenuBarStyle.h"
#include "ui/ListBox.h"
#include "ui/main/CountSelector.h"
#include "ui/main/CrystalFilterButtons.h"
#include "ui/main/StorageArea.h"

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
    std::vector<QWidget*> order{m_list1, m_text1, m_command14, m_command23};
    auto append = [&order](const auto& controls) { order.insert(order.end(), controls.begin(), controls.end()); };
    append(m_crystalFilters->buttons());
    append(std::vector<QWidget*>{m_combo2, m_command13});
    append(m_countSelector->tabOrder());
    for (StorageArea* area : m_storageAreas)
        order.push_back(area->putButton());
    for (StorageArea* area : m_storageAreas)
        append(area->tabOrder());
    for (std::size_t k = 1; k < order.size(); ++k)
        setTabOrder(order[k - 1], order[k]);
    m_list1->setFocus();

    connect(m_text1, &QLineEdit::returnPressed, m_command14, &QPushButton::click);

    auto onKeys = [this](const QKeySequence& keys, QWidget* scope, auto handler) {
        auto* shortcut = new QShortcut(keys, scope);
        if (scope != this)
            shortcut->setContext(Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, handler);
    };
    onKeys(QKeySequence(Qt::CTRL | Qt::Key_F), this, [this] {
        m_text1->setFocus(Qt::ShortcutFocusReason);
        m_text1->selectAll();
    });
    onKeys(QKeySequence(Qt::CTRL | Qt::Key_S), this, [this] { m_command13->click(); });
    onKeys(QKeySequence(Qt::Key_F10), this, [this] { openMenuBarFromKeyboard(); });
    auto* menuStyle = new KeyboardMenuBarStyle;
    menuStyle->setParent(menuBar());
    menuBar()->setStyle(menuStyle);
    if (QAction* end = menuBar()->findChild<QAction*>(QStringLiteral("end")))
        end->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    if (QAction* search = menuBar()->findChild<QAction*>(QStringLiteral("itemsearch")))
        search->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
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
