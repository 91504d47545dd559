#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

// A throwaway data folder with files written in code page 932, and small
// helpers that read the main window's controls by their names.
class DataFixture {
public:
    DataFixture() { QDir(m_dir.path()).mkdir(QStringLiteral("data")); }

    QString folder() const { return m_dir.filePath(QStringLiteral("data")); }
    QString path(const QString& file) const { return folder() + u'/' + file; }

    void write(const QString& file, const QStringList& lines) const
    {
        QByteArray bytes;
        for (const QString& line : lines)
            bytes += encode(line) + "\r\n";
        writeBytes(file, bytes);
    }

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

    static QByteArray encode(const QString& text)
    {
        QStringEncoder encoder("windows-31j");
        return encoder.encode(text);
    }

    static QByteArray lines(const QStringList& lines)
    {
        QByteArray bytes;
        for (const QString& line : lines)
            bytes += encode(line) + "\r\n";
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
