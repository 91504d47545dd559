#pragma once

#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QWidget>

// How the main window and its control groups make their controls: each with
// its fixed objectName, and described in words where its caption does not
// say what it is for.
namespace morvane {

template <typename Widget>
Widget* named(Widget* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

// CommandN. Enter never presses it: Space does, or a click.
inline QPushButton* commandButton(int number, QWidget* parent)
{
    auto* button = named(new QPushButton(parent), QStringLiteral("Command%1").arg(number));
    button->setAutoDefault(false);
    return button;
}

inline QLabel* plainLabel(const QString& name, QWidget* parent)
{
    auto* label = named(new QLabel(parent), name);
    // Texts may hold "<" and must never be taken for markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}

// An accessible name for a control whose caption does not say it (pictures,
// numbers, lists), and a hint for screen readers and sighted players alike.
inline void describe(QWidget* control, const QString& name, const QString& hint)
{
    if (!name.isEmpty())
        control->setAccessibleName(name);
    control->setAccessibleDescription(hint);
    control->setToolTip(hint);
}

} // namespace morvane
