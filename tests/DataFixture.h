#pragma once

#include "ui/main/Form1.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <memory>

// A throwaway data folder with files written in code page 932, and small
// helpers that read the main window's controls by their names.
class DataFixture {
public:
    DataFixture() { QDir(m_dir.path()).mkdir(QStringLiteral("data")); }

    QString folder() const { return m_dir.filePath(QStringLiteral("data")); }
    QString path(const QString& file) const { return folder() + u'/' + file; }
    void write(const QString& file, const QStringList& texts) const { writeBytes(file, lines(texts)); }

    void writeBytes(const QString& file, const QByteArray& bytes) const
    {
        QFile out(path(file));
        if (out.open(QIODevice::WriteOnly))
            out.write(bytes);
    }

    QByteArray bytes(const QString& file) const
    {
        QFile in(path(file));
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<missing>");
    }

    bool exists(const QString& file) const { return QFile::exists(path(file)); }

    // The texts as a file of CR LF-ended code page 932 lines.
    static QByteArray lines(const QStringList& texts)
    {
        QStringEncoder encoder("windows-31j");
        QByteArray bytes;
        for (const QString& text : texts)
            bytes += encoder.encode(text) + "\r\n";
        return bytes;
    }

    // A catalogue record in the file format.
    static QString record(int number, const QString& name, const QString& detail, int stack)
    {
        return QStringLiteral("%1\t%2\t%3\t0\t0\t%4").arg(number).arg(name, detail).arg(stack);
    }

private:
    QTemporaryDir m_dir;
};

template <typename T = QWidget>
T* control(QWidget* window, const QString& name)
{
    T* found = window->findChild<T*>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}

inline QPushButton* button(QWidget* window, int number)
{
    return control<QPushButton>(window, QStringLiteral("Command%1").arg(number));
}

inline QStringList rows(QWidget* window, const QString& listName)
{
    auto* view = control<QAbstractItemView>(window, listName);
    QStringList texts;
    for (int row = 0; row < view->model()->rowCount(); ++row)
        texts << view->model()->index(row, 0).data().toString();
    return texts;
}

inline int selectedRow(QWidget* window, const QString& listName)
{
    const QModelIndex current = control<QAbstractItemView>(window, listName)->currentIndex();
    return current.isValid() ? current.row() : -1;
}

inline QString text(QWidget* window, const QString& labelName)
{
    return control<QLabel>(window, labelName)->text();
}

// The count selector: its count, then 1 or 0 for each of Command7 to
// Command12 being enabled, as in "12 101111".
inline QString selector(QWidget* window)
{
    QString state = control<QComboBox>(window, QStringLiteral("Combo1"))->currentText() + u' ';
    for (int n = 7; n <= 12; ++n)
        state += button(window, n)->isEnabled() ? u'1' : u'0';
    return state;
}

// The four detail lines of the information panel, top to bottom.
inline QStringList detailPanel(QWidget* window)
{
    return {text(window, "Label1"), text(window, "Label4"), text(window, "Label5"), text(window, "Label6")};
}

// Selects a row the way a player does: a click on it.
inline void clickRow(QWidget* window, const QString& listName, int row)
{
    auto* view = control<QAbstractItemView>(window, listName);
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

// The main window over a data folder of its own, which holds the given
// catalogue and roster; a test writes any other file before start().
struct Session {
    DataFixture data;
    std::unique_ptr<Form1> window;

    Session(const QStringList& catalogue, const QStringList& roster)
    {
        data.write("item.20041101.txt", catalogue);
        if (!roster.isEmpty())
            data.write("cname.dat", roster);
    }

    // Starts (again) from what the data folder holds now.
    void start()
    {
        window = std::make_unique<Form1>(data.folder());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    QWidget* w() const { return window.get(); }
    QComboBox* characters() const { return control<QComboBox>(w(), "Combo2"); }
    void trigger(const char* action) const { control<QAction>(w(), action)->trigger(); }
    QWidget* dialog(const char* name) const { return w()->findChild<QWidget*>(name); }

    void put(int catalogueLine, int intoButton) const
    {
        clickRow(w(), "List1", catalogueLine);
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

    QStringList roster() const
    {
        QStringList names;
        for (int i = 0; i < characters()->count(); ++i)
            names << characters()->itemText(i);
        return names;
    }
};
