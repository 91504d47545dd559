// The main window without a mouse: tab order, keys and shortcuts, the focus
// mark in the lists, and names for screen readers.
#include "DataFixture.h"
#include "MessageCatcher.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>

#include <algorithm>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

Session kuro()
{
    // The first line's stack of 5 leaves every count button enabled, so Tab passes them all.
    Session s({record(1, u"炎のクリスタル"_s, u"炎の力"_s, 5), record(2, u"ダガー"_s, u"d"_s, 1), record(3, u"闇のクリスタル"_s, u"d"_s, 12)},
              {u"Kuro"_s});
    s.write(u"Kuromog.dat"_s, {u"炎のクリスタル\t12"_s, u"ダガー\t\t1"_s});
    return s;
}

// The named control that holds the focus (a combo box for its line edit).
QString focusName()
{
    QWidget* focus = QApplication::focusWidget();
    while (focus && focus->objectName().isEmpty())
        focus = focus->parentWidget();
    return focus ? focus->objectName() : QString();
}

QString nameFor(QWidget* control)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// The largest change of a colour channel between two pictures of one size:
// a mark worth the name changes some pixel by a good part of the range.
int strongestChange(const QImage& a, const QImage& b)
{
    int strongest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            strongest = std::max({strongest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                  std::abs(qBlue(p) - qBlue(q))});
        }
    return strongest;
}

} // namespace

class Form1AccessTest : public QObject {
    Q_OBJECT

private slots:
    void tabFollowsReadingOrder()
    {
        Session s = kuro();
        s.start();
        QCOMPARE(focusName(), QStringLiteral("List1"));
        const QStringList order{
            u"Text1"_s, u"Command14"_s, u"Command23"_s, u"Command15"_s, u"Command16"_s, u"Command17"_s, u"Command18"_s, u"Command19"_s,
            u"Command20"_s, u"Command21"_s, u"Command22"_s, u"Combo2"_s, u"Command13"_s, u"Combo1"_s, u"Command7"_s, u"Command8"_s,
            u"Command9"_s, u"Command10"_s, u"Command11"_s, u"Command12"_s, u"Command1"_s, u"Command2"_s, u"List2"_s, u"Command4"_s,
            u"Command3"_s, u"Command24"_s, u"List3"_s, u"Command6"_s, u"Command5"_s, u"Command25"_s, u"List1"_s};
        QStringList visited;
        for (qsizetype k = 0; k < order.size(); ++k) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << focusName();
        }
        QCOMPARE(visited, order);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(focusName(), QStringLiteral("Command25"));
    }

    void enterInTheSearchBoxSearches()
    {
        Session s = kuro();
        s.start();
        auto* search = control<QLineEdit>(s.w(), u"Text1"_s);
        QTest::keyClick(s.w(), Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), search);
        QCOMPARE(search->selectedText(), search->text());
        search->insert(u"クリ"_s); // what typing does, which QTest only does for ASCII
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(rows(s.w(), u"List1"_s), (QStringList{u"炎のクリスタル"_s, u"闇のクリスタル"_s}));
        search->setText(u"none such"_s);
        MessageCatcher messages;
        QTest::keyClick(search, Qt::Key_Enter);
        QCOMPARE(messages.texts(), QStringList{u"該当するアイテムはありません"_s});
    }

    void shortcuts()
    {
        Session s = kuro();
        s.start();
        // Delete takes the selected line out of the list that has the focus.
        auto* safe = control<QAbstractItemView>(s.w(), u"List2"_s);
        clickRow(s.w(), u"List2"_s, 0);
        QTest::keyClick(safe, Qt::Key_Delete);
        QCOMPARE(rows(s.w(), u"List2"_s), QStringList{u"ダガー\t\t1"_s});
        QTest::keyClick(s.w(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(s.bytes(u"Kuromog.dat"_s), fileLines({u"ダガー\t\t1"_s}));
        // Menu captions carry no mnemonics; the shortcut is the action's.
        auto* end = control<QAction>(s.w(), u"end"_s);
        QCOMPARE(end->text(), QStringLiteral("終了"));
        QTest::keyClick(s.w(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!s.w()->isVisible());
    }

    void menuBarFromTheKeyboard_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("F10") << int(Qt::Key_F10);
        QTest::newRow("Alt") << int(Qt::Key_Alt);
    }

    void menuBarFromTheKeyboard()
    {
        QFETCH(int, key);
        Session s = kuro();
        s.start();
        QMenuBar* bar = qobject_cast<QMainWindow*>(s.w())->menuBar();
        const QImage closed = bar->grab().toImage();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(QApplication::focusWidget(), bar);
        QCOMPARE(bar->activeAction(), control<QAction>(s.w(), u"itemadd"_s));
        // The chosen command shows as chosen.
        const QRect chosen = bar->actionGeometry(bar->activeAction());
        QVERIFY(strongestChange(bar->grab().toImage().copy(chosen), closed.copy(chosen)) >= 128);
        // Escape hands the keyboard back to the list it came from.
        QTest::keyClick(bar, Qt::Key_Escape);
        QCOMPARE(focusName(), QStringLiteral("List1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QTest::keyClick(bar, Qt::Key_Right);
        QCOMPARE(bar->activeAction(), control<QAction>(s.w(), u"addc"_s));
        QTest::keyClick(bar, Qt::Key_Return);
        QWidget* form2 = s.w()->findChild<QWidget*>(u"Form2"_s);
        QVERIFY(form2 && form2->isVisible());
    }

    // The list with the keyboard looks different from the same list without it,
    // on its current row or, in an empty list, its first place.
    void focusedListIsMarked_data()
    {
        QTest::addColumn<QString>("list");
        QTest::newRow("catalogue") << "List1";
        QTest::newRow("Mog safe") << "List2";
        QTest::newRow("empty bag") << "List3";
    }

    void focusedListIsMarked()
    {
        QFETCH(QString, list);
        Session s = kuro();
        s.start();
        auto* view = control<QAbstractItemView>(s.w(), list);
        view->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(view->hasFocus());
        const QImage focused = view->viewport()->grab().toImage();
        control<QWidget>(s.w(), u"Text1"_s)->setFocus();
        QTRY_VERIFY(!view->hasFocus());
        const QImage unfocused = view->viewport()->grab().toImage();
        const QModelIndex current = view->currentIndex();
        const int rowHeight = view->visualRect(view->model()->index(0, 0)).height();
        const QRect row = current.isValid() ? view->visualRect(current)
                                            : QRect(0, 0, view->viewport()->width(), qMax(rowHeight, 10));
        QVERIFY(list == u"List3"_s ? !current.isValid() : current.isValid());
        const int change = strongestChange(focused.copy(row), unfocused.copy(row));
        QVERIFY2(change >= 128, qPrintable(QString::number(change)));
    }

    void everyControlHasAName_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name"); // empty: any name will do
        const char* crystals[] = {"闇", "炎", "光", "水", "土", "氷", "風", "雷"};
        for (int n = 15; n <= 22; ++n)
            QTest::addRow("Command%d", n) << QStringLiteral("Command%1").arg(n)
                                          << QString::fromUtf8(crystals[n - 15]) + QStringLiteral("のクリスタル");
        for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 23, 24, 25})
            QTest::addRow("Command%d", n) << QStringLiteral("Command%1").arg(n) << QString();
        for (const char* name : {"List1", "List2", "List3", "Combo1", "Combo2", "Text1", "Image1", "Label2", "Label3"})
            QTest::newRow(name) << QString::fromLatin1(name) << QString();
    }

    void everyControlHasAName()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        Session s = kuro();
        s.start();
        QWidget* widget = ::control(s.w(), control);
        const QString accessibleName = nameFor(widget);
        QVERIFY(!accessibleName.isEmpty());
        if (!name.isEmpty())
            QCOMPARE(accessibleName, name);
        QVERIFY(!widget->toolTip().isEmpty());
    }
};

QTEST_MAIN(Form1AccessTest)
#include "tst_form1_access.moc"
