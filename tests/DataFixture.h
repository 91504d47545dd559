#pragma once

#include "FileBytes.h"
#include "MessageCatcher.h"
#include "model/text/CodePage932.h"
#include "ui/main/Form1.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The texts as a file of CR LF-ended code page 932 lines.
inline QByteArray fileLines(const QStringList& texts)
{
    const QString crLf = QStringLiteral("\r\n");
    return texts.isEmpty() ? QByteArray() : morvane::cp932::encode(texts.join(crLf) + crLf).value();
}

inline QString record(int number, const QString& name, const QString& detail, int stack)
{
    return QStringLiteral("%1\t%2\t%3\t0\t0\t%4").arg(number).arg(name, detail).arg(stack);
}

// The catalogue most window tests share: 炎のクリスタル (a stack of
// firstStack), ダガー (1, with a detail of several parts), 闇のクリスタル (12).
inline QStringList threeItems(int firstStack = 12)
{
    return {record(1, QStringLiteral("炎のクリスタル"), QStringLiteral("炎の力"), firstStack),
            record(2, QStringLiteral("ダガー"), QStringLiteral("[短剣]全種<br>D3 隔195<BR>Lv1～ 戦"), 1),
            record(3, QStringLiteral("闇のクリスタル"), QStringLiteral("d"), 12)};
}

template <typename T = QWidget>
T* control(QWidget* w, const QString& name)
{
    T* found = w->findChild<T*>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}

inline QStringList texts(const QAbstractItemModel* model)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, 0).data().toString();
    return texts;
}

// What a screen reader says the control is.
inline QString accessibleName(QWidget* control)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

inline QPushButton* button(QWidget* w, int n) { return control<QPushButton>(w, QStringLiteral("Command") + QString::number(n)); }
inline QString text(QWidget* w, const QString& label) { return control<QLabel>(w, label)->text(); }
inline QStringList rows(QWidget* w, const QString& list) { return texts(control<QAbstractItemView>(w, list)->model()); }
inline int selectedRow(QWidget* w, const QString& list) { return control<QAbstractItemView>(w, list)->currentIndex().row(); }

// The count selector: its count, then 1 or 0 for each of Command7 to
// Command12 being enabled, as in "12 101111".
inline QString selector(QWidget* w)
{
    QString state = control<QComboBox>(w, QStringLiteral("Combo1"))->currentText() + u' ';
    for (int n = 7; n <= 12; ++n)
        state += button(w, n)->isEnabled() ? u'1' : u'0';
    return state;
}

// The detail panel's four lines, top to bottom.
inline QStringList detailPanel(QWidget* w)
{
    return {text(w, QStringLiteral("Label1")), text(w, QStringLiteral("Label4")), text(w, QStringLiteral("Label5")), text(w, QStringLiteral("Label6"))};
}

// Selects a row the way a player does: a click on it.
inline void clickRow(QWidget* w, const QString& list, int row)
{
    auto* view = control<QAbstractItemView>(w, list);
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

// The main window over a data folder of its own that holds the given
// catalogue and roster; a test writes any other file before start().
struct Session {
    QTemporaryDir dir;
    std::unique_ptr<morvane::Form1> window;

    Session(const QStringList& catalogue, const QStringList& roster)
    {
        failOnUnexpectedMessages();
        write(QStringLiteral("item.20041101.txt"), catalogue);
        if (!roster.isEmpty())
            write(QStringLiteral("cname.dat"), roster);
    }

    QString path(const QString& file) const { return dir.filePath(file); }
    void write(const QString& file, const QStringList& texts) const { writeBytes(path(file), fileLines(texts)); }
    QByteArray bytes(const QString& file) const { return readBytes(path(file)); }

    // Starts (again) from what the data folder holds now.
    void start()
    {
        // The window before lets go of the data folder first.
        window.reset();
        window = std::make_unique<morvane::Form1>(dir.path());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    QWidget* w() const { return window.get(); }
    QComboBox* characters() const { return control<QComboBox>(w(), QStringLiteral("Combo2")); }

    void put(int catalogueLine, int intoButton) const
    {
        clickRow(w(), QStringLiteral("List1"), catalogueLine);
        button(w(), intoButton)->click();
    }

    // As a player does: opens the list and picks the entry.
    void chooseCharacter(int index) const
    {
        characters()->showPopup();
        QAbstractItemView* popup = characters()->view();
        const QModelIndex item = popup->model()->index(index, 0);
        QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, popup->visualRect(item).center());
    }
};
