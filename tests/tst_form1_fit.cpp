// Everything keeps its place: stored lines keep their counts, a detail never
// widens the window, dialogs open over it and messages show their title.
#include "DataFixture.h"

#include "ui/Message.h"
#include "ui/main/DetailLine.h"
#include "ui/main/StorageLineDelegate.h"

#include <QAction>
#include <QHelpEvent>
#include <QImage>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>
#include <QToolTip>
#include <QWindow>

#include <algorithm>
#include <map>
#include <memory>

using namespace Qt::StringLiterals;

using morvane::StorageLineDelegate;

namespace {

const QString kLongName = QStringLiteral("とても長い名前のアイテムとても長い名前のアイテムとても長い名前のアイテムとても長い"); // 40 letters
const QStringList kStored{kLongName + u"\t99"_s, u"abc\t\t1"_s, u"no count at all"_s, u"炎のクリスタル\t12"_s};

Session kuroWithStoredLines()
{
    Session s({record(1, u"炎のクリスタル"_s, u"炎の力"_s, 12)}, {u"Kuro"_s});
    s.write(u"Kuromog.dat"_s, kStored);
    s.write(u"Kurobag.dat"_s, kStored);
    return s;
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

// How often each colour occurs in an area of a picture.
std::map<QRgb, int> colourCounts(const QImage& image, const QRect& area)
{
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    return counts;
}

// How many colours an area of a picture holds: one where nothing is drawn.
int colours(const QImage& image, const QRect& area)
{
    return int(colourCounts(image, area).size());
}

// How well the strongest ink of an area stands out from its commonest colour,
// as a contrast ratio: 1 is nothing to see, 21 black on white.
double contrast(const QImage& image, const QRect& area)
{
    const std::map<QRgb, int> counts = colourCounts(image, area);
    auto luminance = [](QRgb c) { return 0.2126 * qRed(c) / 255 + 0.7152 * qGreen(c) / 255 + 0.0722 * qBlue(c) / 255; };
    const QRgb background = std::max_element(counts.begin(), counts.end(), [](auto a, auto b) { return a.second < b.second; })->first;
    double best = 1;
    for (const auto& [colour, count] : counts) {
        const double a = luminance(colour), b = luminance(background);
        best = std::max(best, (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05));
    }
    return best;
}

// The box showMessage() shows for a text, as it stands on screen.
QRect messageGeometry(const QString& text)
{
    // Once the box has shown (and sized itself), its place is taken and it is
    // answered.
    class OnShow : public QObject {
    public:
        QRect shown;

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (auto* box = qobject_cast<QMessageBox*>(watched); box && event->type() == QEvent::Show)
                QTimer::singleShot(0, box, [this, box] {
                    shown = box->geometry();
                    box->button(QMessageBox::Ok)->click();
                });
            return false;
        }
    } onShow;
    qApp->installEventFilter(&onShow);
    QWidget owner;
    owner.show();
    morvane::showMessage(&owner, text);
    return onShow.shown;
}

} // namespace

class Form1FitTest : public QObject {
    Q_OBJECT

private slots:
    void countsAreNeverHidden_data()
    {
        QTest::addColumn<bool>("minimumSize");
        QTest::newRow("first size") << false;
        QTest::newRow("minimum size") << true;
    }

    void countsAreNeverHidden()
    {
        QFETCH(bool, minimumSize);
        Session s = kuroWithStoredLines();
        s.start();
        if (minimumSize) {
            s.w()->resize(s.w()->minimumSizeHint());
            QTRY_COMPARE(s.w()->size(), s.w()->minimumSizeHint());
        }
        for (const QString& name : {u"List2"_s, u"List3"_s}) {
            auto* list = control<QAbstractItemView>(s.w(), name);
            const QImage painted = list->viewport()->grab().toImage();
            const QRect viewport = list->viewport()->rect();
            const StorageLineDelegate::LineLayout noCount = layoutOf(list, 2);
            QVERIFY(noCount.count.isEmpty());
            for (int row : {0, 1, 3}) {
                const StorageLineDelegate::LineLayout line = layoutOf(list, row);
                const QString where = QStringLiteral("%1 row %2").arg(name).arg(row);
                QVERIFY2(viewport.contains(line.countRect), qPrintable(where));
                QVERIFY2(line.countRect.width() >= list->fontMetrics().horizontalAdvance(line.count), qPrintable(where));
                QVERIFY2(line.nameRect.right() < line.countRect.left(), qPrintable(where));
                // Ink where the count goes, and none there on the line without one.
                QVERIFY2(colours(painted, line.countRect) > 1, qPrintable(where));
                QRect besideNoCount = line.countRect;
                besideNoCount.moveTop(list->visualRect(list->model()->index(2, 0)).top() + line.countRect.top()
                                      - list->visualRect(list->model()->index(row, 0)).top());
                QCOMPARE(colours(painted, besideNoCount.intersected(viewport)), 1);
            }
            const StorageLineDelegate::LineLayout longLine = layoutOf(list, 0);
            QCOMPARE(longLine.count, QStringLiteral("99"));
            QVERIFY(longLine.nameCut() && longLine.name.endsWith(u'…'));
            QCOMPARE(longLine.wholeName, kLongName);
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
        Session s = kuroWithStoredLines();
        s.start();
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

    // A cut line's tooltip shows it whole; a line shown whole has the list's.
    void cutLinesShowWholeInTooltips()
    {
        Session s = kuroWithStoredLines();
        s.start();
        auto* list = control<QAbstractItemView>(s.w(), u"List2"_s);
        auto tooltipAt = [list](int row) {
            const QPoint point = list->visualRect(list->model()->index(row, 0)).center();
            QHelpEvent help(QEvent::ToolTip, point, list->viewport()->mapToGlobal(point));
            QApplication::sendEvent(list->viewport(), &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QCOMPARE(tooltipAt(1), list->toolTip());
        QCOMPARE(tooltipAt(0), QStringLiteral("<qt>%1\u300099</qt>").arg(kLongName));
    }

    void detailsNeverMoveTheWindow()
    {
        Session s = kuroWithStoredLines();
        const QString comment = QString(200, u'長');
        s.write(u"Kuromoginfo.dat"_s, {u"[片手剣]全種<br>"_s + comment + u"<br><b>x</b><br>"_s + comment, u"short"_s});
        s.start();
        const QSize size = s.w()->size();
        const QSize minimum = s.w()->minimumSizeHint();
        clickRow(s.w(), u"List2"_s, 1);
        clickRow(s.w(), u"List2"_s, 0);
        QCOMPARE(detailPanel(s.w()), (QStringList{u"[片手剣]全種"_s, comment, u"<b>x</b>"_s, comment}));
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
        QTest::newRow("Form3") << "itemadd" << "Form3" << false;
        QTest::newRow("Form3, main window off the screen's left") << "itemadd" << "Form3" << true;
    }

    void dialogsOpenOverTheMainWindow()
    {
        QFETCH(QString, command);
        QFETCH(QString, dialog);
        QFETCH(bool, offTheLeft);
        Session s({record(1, u"炎のクリスタル"_s, u"炎の力"_s, 12)}, {});
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
        QCOMPARE(opened->windowModality(), Qt::NonModal);
        QVERIFY(!QApplication::activeModalWidget());
        if (offTheLeft) {
            QCOMPARE(opened->frameGeometry().left(), screen.left());
        } else {
            const QPoint offset = opened->frameGeometry().center() - main->frameGeometry().center();
            QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
        }
    }

    void messagesAreWideEnoughForTheirTitle_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("one letter") << "x";
        QTest::newRow("short") << "金庫が空っぽクポ；；";
        QTest::newRow("long") << QString(120, u'長');
    }

    void messagesAreWideEnoughForTheirTitle()
    {
        QFETCH(QString, text);
        const QRect box = messageGeometry(text);
        QVERIFY(box.isValid());
        // The title and a title bar's icon and three buttons, each as wide as the bar is high.
        const int title = QFontMetrics(QApplication::font("QMdiSubWindowTitleBar")).horizontalAdvance(u"Morvane"_s);
        const int titleBarHeight = QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
        QVERIFY2(box.width() >= title + 4 * titleBarHeight, qPrintable(QString::number(box.width())));
    }
};

QTEST_MAIN(Form1FitTest)
#include "tst_form1_fit.moc"
