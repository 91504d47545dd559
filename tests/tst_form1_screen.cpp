// The main window on screen: stored lines keep their counts, the detail panel
// shows a detail's parts and never widens the window, dialogs open over it and
// messages show their title; and without a mouse: tab order, keys and
// shortcuts, the focus mark in the lists, and names for screen readers.
#include "DataFixture.h"
#include "DialogHost.h"
#include "MessageCatcher.h"

#include "ui/Message.h"
#include "ui/main/DetailLine.h"
#include "ui/main/StorageLineDelegate.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QToolTip>
#include <QWindow>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>

using namespace Qt::StringLiterals;

using morvane::StorageLineDelegate;

namespace {

const QString kLongName = QStringLiteral("とても長い名前のアイテムとても長い名前のアイテムとても長い名前のアイテムとても長い"); // 40 letters
const QStringList kStored{kLongName + u"\t99"_s, u"abc\t\t1"_s, u"no count at all"_s, u"炎のクリスタル\t12"_s};

// Kuro with kStored in his safe, an empty bag unless given, and the detail
// file given, started.
struct Kuro : Session {
    explicit Kuro(const QStringList& bag = {}, const QStringList& safeDetails = {})
        // The first line's stack of 5 leaves every count button enabled, so Tab passes them all.
        : Session(threeItems(5), {u"Kuro"_s})
    {
        write(u"Kuromog.dat"_s, kStored);
        write(u"Kurobag.dat"_s, bag);
        write(u"Kuromoginfo.dat"_s, safeDetails);
        start();
    }
};

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

StorageLineDelegate::LineLayout layoutOf(QAbstractItemView* list, int row)
{
    const QModelIndex index = list->model()->index(row, 0);
    QStyleOptionViewItem option;
    option.initFrom(list);
    option.rect = list->visualRect(index);
    option.widget = list;
    return qobject_cast<StorageLineDelegate*>(list->itemDelegate())->layOut(option, index);
}

// The tooltip the list shows over a row, if any.
QString tooltipAt(QAbstractItemView* list, int row)
{
    const QPoint point = list->visualRect(list->model()->index(row, 0)).center();
    QHelpEvent help(QEvent::ToolTip, point, list->viewport()->mapToGlobal(point));
    QApplication::sendEvent(list->viewport(), &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

// How well the strongest ink of an area stands out from its commonest colour,
// as a contrast ratio: 1 is nothing to see, 21 black on white.
double contrast(const QImage& image, const QRect& area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    auto luminance = [](QRgb c) { return 0.2126 * qRed(c) / 255 + 0.7152 * qGreen(c) / 255 + 0.0722 * qBlue(c) / 255; };
    const QRgb background = std::max_element(counts.begin(), counts.end(), [](auto a, auto b) { return a.second < b.second; })->first;
    double best = 1;
    for (const auto& [colour, count] : counts) {
        const double a = luminance(colour), b = luminance(background);
        best = std::max(best, (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05));
    }
    return best;
}

} // namespace

class Form1ScreenTest : public QObject {
    Q_OBJECT

private slots:
    void tabFollowsReadingOrder()
    {
        // From List1, which has the keyboard at first, round to it again.
        Kuro s;
        const QStringList order{
            u"Text1"_s, u"Command14"_s, u"Command23"_s, u"Command15"_s, u"Command16"_s, u"Command17"_s, u"Command18"_s, u"Command19"_s,
            u"Command20"_s, u"Command21"_s, u"Command22"_s, u"Combo2"_s, u"Command13"_s, u"Combo1"_s, u"Command7"_s, u"Command8"_s,
            u"Command9"_s, u"Command10"_s, u"Command11"_s, u"Command12"_s, u"Command1"_s, u"Command2"_s, u"List2"_s, u"Command4"_s,
            u"Command3"_s, u"Command24"_s, u"List3"_s, u"Command6"_s, u"Command5"_s, u"Command25"_s, u"List1"_s};
        QCOMPARE(tabWalk(order.size()), order);
    }

    void keys()
    {
        Kuro s;
        // Ctrl+F takes the search text whole; Return in it searches.
        auto* search = control<QLineEdit>(s.w(), u"Text1"_s);
        QTest::keyClick(s.w(), Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), search);
        QCOMPARE(search->selectedText(), search->text());
        search->insert(u"クリ"_s); // what typing does, which QTest only does for ASCII
        QTest::keyClick(search, Qt::Key_Return);
        QCOMPARE(rows(s.w(), u"List1"_s), (QStringList{u"炎のクリスタル"_s, u"闇のクリスタル"_s}));
        // Delete takes the selected line out of the list that has the focus.
        auto* safe = control<QAbstractItemView>(s.w(), u"List2"_s);
        clickRow(s.w(), u"List2"_s, 0);
        QTest::keyClick(safe, Qt::Key_Delete);
        QCOMPARE(rows(s.w(), u"List2"_s), kStored.mid(1));
        QTest::keyClick(s.w(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(s.bytes(u"Kuromog.dat"_s), fileLines(kStored.mid(1)));

        // F10 plays Alt, the style's own menu key, which the menu bar handles from there on.
        QMenuBar* bar = qobject_cast<QMainWindow*>(s.w())->menuBar();
        const QImage closed = bar->grab().toImage();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
        QCOMPARE(QApplication::focusWidget(), bar);
        QCOMPARE(bar->activeAction(), control<QAction>(s.w(), u"itemadd"_s));
        // The chosen command shows as chosen.
        const QRect chosen = bar->actionGeometry(bar->activeAction());
        QVERIFY(strongestChange(bar->grab().toImage().copy(chosen), closed.copy(chosen)) >= 128);
    }

    // The list with the keyboard looks different from the same list without it,
    // on its current row or, in an empty list, its first place.
    void focusedListIsMarked_data()
    {
        QTest::addColumn<QString>("list");
        QTest::newRow("Mog safe") << "List2";
        QTest::newRow("empty bag") << "List3";
    }

    void focusedListIsMarked()
    {
        QFETCH(QString, list);
        Kuro s;
        auto* view = control<QAbstractItemView>(s.w(), list);
        view->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(view->hasFocus());
        const QImage focused = view->viewport()->grab().toImage();
        control<QWidget>(s.w(), u"Text1"_s)->setFocus();
        QTRY_VERIFY(!view->hasFocus());
        const QImage unfocused = view->viewport()->grab().toImage();
        const QModelIndex current = view->currentIndex();
        const QRect row = current.isValid() ? view->visualRect(current) : QRect(0, 0, view->viewport()->width(), 10);
        const int change = strongestChange(focused.copy(row), unfocused.copy(row));
        QVERIFY2(change >= 128, qPrintable(QString::number(change)));
    }

    // Outside checks find the controls by these names: each names exactly
    // one. Screen readers have a name, and the mouse a tooltip, for each
    // control the player works.
    void everyControlIsNamedOnceAndDescribed()
    {
        Kuro s;
        QStringList worked{u"List1"_s, u"List2"_s, u"List3"_s, u"Combo1"_s, u"Combo2"_s,
                           u"Text1"_s, u"Image1"_s, u"Label2"_s, u"Label3"_s};
        for (int n = 1; n <= 25; ++n)
            worked << u"Command%1"_s.arg(n);
        QStringList named = worked;
        for (int n : {1, 4, 5, 6, 7, 8})
            named << u"Label%1"_s.arg(n);
        for (int n = 1; n <= 7; ++n)
            named << u"Frame%1"_s.arg(n);
        QStringList wrong;
        for (const QString& name : named) {
            const QList<QWidget*> found = s.w()->findChildren<QWidget*>(name);
            if (found.size() != 1)
                wrong << name + u" is not one control"_s;
            else if (worked.contains(name) && (accessibleName(found.first()).isEmpty() || found.first()->toolTip().isEmpty()))
                wrong << name + u" is not described"_s;
        }
        QCOMPARE(wrong.join(u", "_s), QString());
        // The crystal filters show pictures alone: their names say which crystal.
        const QStringList crystals{u"闇"_s, u"炎"_s, u"光"_s, u"水"_s, u"土"_s, u"氷"_s, u"風"_s, u"雷"_s};
        for (int n = 15; n <= 22; ++n)
            QCOMPARE(accessibleName(button(s.w(), n)), crystals.at(n - 15) + u"のクリスタル"_s);
    }

    // At the window's minimum size, where the lists are narrowest: the count
    // column only moves right as a list widens.
    void countsAreNeverHidden()
    {
        Kuro s(kStored);
        s.w()->resize(s.w()->minimumSizeHint());
        QTRY_COMPARE(s.w()->size(), s.w()->minimumSizeHint());
        for (const QString& name : {u"List2"_s, u"List3"_s}) {
            auto* list = control<QAbstractItemView>(s.w(), name);
            const QRect viewport = list->viewport()->rect();
            for (int row : {0, 1, 3}) {
                const StorageLineDelegate::LineLayout line = layoutOf(list, row);
                const QString where = QStringLiteral("%1 row %2").arg(name).arg(row);
                QVERIFY2(viewport.contains(line.countRect), qPrintable(where));
                QVERIFY2(line.countRect.width() >= list->fontMetrics().horizontalAdvance(line.count), qPrintable(where));
                QVERIFY2(line.nameRect.right() < line.countRect.left(), qPrintable(where));
                // That the count is painted there, selectedLinesStayReadable sees.
            }
            const StorageLineDelegate::LineLayout longLine = layoutOf(list, 0);
            QVERIFY(longLine.nameCut() && longLine.name.endsWith(u'…'));
            // A cut line's tooltip shows it whole; a line shown whole has the list's.
            QCOMPARE(tooltipAt(list, 1), list->toolTip());
            QCOMPARE(tooltipAt(list, 0), QStringLiteral("<qt>%1\u300099</qt>").arg(kLongName));
        }
    }

    void selectedLinesStayReadable_data()
    {
        QTest::addColumn<QString>("style");
        for (const QString& style : QStyleFactory::keys())
            QTest::newRow(qPrintable(style)) << style;
    }

    // Every style the program may run with, the Windows one included.
    void selectedLinesStayReadable()
    {
        QFETCH(QString, style);
        const std::unique_ptr<QStyle> listStyle(QStyleFactory::create(style));
        Kuro s;
        auto* list = control<QAbstractItemView>(s.w(), u"List2"_s);
        list->setStyle(listStyle.get());
        clickRow(s.w(), u"List2"_s, 3);
        for (bool focused : {true, false}) {
            if (focused)
                list->setFocus();
            else
                control<QWidget>(s.w(), u"Text1"_s)->setFocus();
            const QImage painted = list->viewport()->grab().toImage();
            const StorageLineDelegate::LineLayout line = layoutOf(list, 3);
            // Thin anti-aliased strokes fall short of the full text colour;
            // text in the selection's own colour family stays below 1.3.
            QVERIFY2(contrast(painted, line.nameRect) >= 1.5, focused ? "focused" : "not focused");
            QVERIFY2(contrast(painted, line.countRect) >= 1.5, focused ? "focused" : "not focused");
        }
    }

    // Parts go to the panel's lines in order, as plain text; lines a detail
    // leaves unfilled are emptied. Neither Japanese text nor a part wider than
    // the window moves the window or its lists; a cut line shows whole in its
    // tooltip.
    void detailPanelShowsParts()
    {
        const QString comment = QString(200, u'長');
        Kuro s({}, {u"a<BR>b<Br><br>d<br>e"_s, u"全種<br>全種<br>全種<br>全種"_s, u""_s, u"<b>x</b><br>"_s + comment});
        const QSize size = s.w()->size();
        const QSize minimum = s.w()->minimumSizeHint();
        const int listHeight = control<QWidget>(s.w(), u"List2"_s)->height();
        clickRow(s.w(), u"List2"_s, 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCOMPARE(control<QWidget>(s.w(), u"List2"_s)->height(), listHeight);
        // Each after a full panel.
        const QStringList panels[] = {{u"a"_s, u"b"_s, u""_s, u"d"_s}, QStringList(4, u"全種"_s), QStringList(4, QString()), {u"<b>x</b>"_s, comment, u""_s, u""_s}};
        for (int k = 0; k <= 3; ++k) {
            clickRow(s.w(), u"List2"_s, 1);
            clickRow(s.w(), u"List2"_s, k);
            QCOMPARE(detailPanel(s.w()), panels[k]);
        }
        QCOMPARE(control<QLabel>(s.w(), u"Label1"_s)->textFormat(), Qt::PlainText);
        QCoreApplication::sendPostedEvents(); // the layout requests the new texts made
        QCOMPARE(s.w()->size(), size);
        QCOMPARE(s.w()->minimumSizeHint(), minimum);

        auto* cut = control<morvane::DetailLine>(s.w(), u"Label4"_s);
        QVERIFY(cut->isCut() && !control<morvane::DetailLine>(s.w(), u"Label1"_s)->isCut());
        QVERIFY(control<QWidget>(s.w(), u"Frame7"_s)->rect().contains(cut->geometry()));
        QHelpEvent help(QEvent::ToolTip, cut->rect().center(), cut->mapToGlobal(cut->rect().center()));
        QApplication::sendEvent(cut, &help);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), QStringLiteral("<qt>%1</qt>").arg(comment));
    }

    void dialogsOpenOverTheMainWindow_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<bool>("offTheLeft");
        QTest::newRow("Form2") << "addc" << "Form2" << false;
        QTest::newRow("Form3, main window off the screen's left") << "itemadd" << "Form3" << true;
    }

    void dialogsOpenOverTheMainWindow()
    {
        QFETCH(QString, command);
        QFETCH(QString, dialog);
        QFETCH(bool, offTheLeft);
        Session s(threeItems(), {});
        s.start();
        QWidget* main = s.w();
        const QRect screen = main->screen()->availableGeometry();
        main->resize(main->minimumSizeHint());
        main->move(offTheLeft ? screen.left() - main->width() + 40 : screen.left(), screen.top());
        QTRY_COMPARE(main->pos().x(), offTheLeft ? screen.left() - main->width() + 40 : screen.left());
        control<QAction>(main, command)->trigger();
        auto* opened = control<QWidget>(main, dialog);
        QVERIFY(QTest::qWaitForWindowExposed(opened));
        QCOMPARE(opened->windowHandle()->transientParent(), main->windowHandle());
        if (offTheLeft) {
            QCOMPARE(opened->frameGeometry().left(), screen.left());
        } else {
            const QPoint offset = opened->frameGeometry().center() - main->frameGeometry().center();
            QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
        }
    }

    // The narrowest box, that of the shortest text, is the test.
    void messagesAreWideEnoughForTheirTitle()
    {
        QRect box;
        morvane::setMessageAnswerer([&box](QMessageBox& shown) {
            shown.show();
            box = shown.geometry();
        });
        QWidget owner;
        owner.show();
        morvane::showMessage(&owner, u"x"_s);
        failOnUnexpectedMessages();
        QVERIFY(box.isValid());
        // The title and a title bar's icon and three buttons, each as wide as the bar is high.
        const int title = QFontMetrics(QApplication::font("QMdiSubWindowTitleBar")).horizontalAdvance(u"Morvane"_s);
        const int titleBarHeight = QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
        QVERIFY2(box.width() >= title + 4 * titleBarHeight, qPrintable(QString::number(box.width())));
    }
};

QTEST_MAIN(Form1ScreenTest)
#include "tst_form1_screen.moc"
