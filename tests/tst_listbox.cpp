#include "ui/ListBox.h"

#include <QScrollBar>
#include <QStringListModel>
#include <QTest>

using morvane::ListBox;

namespace {

QStringList lines(int count)
{
    QStringList result;
    for (int i = 0; i < count; ++i)
        result << QStringLiteral("アイテム%1\t%2").arg(i).arg(i % 99 + 1);
    return result;
}

// A shown list of a given number of lines, with room for about ten rows.
struct ShownList {
    explicit ShownList(int count)
        : model(lines(count))
    {
        list.setModel(&model);
        list.resize(200, 10 * list.fontMetrics().height() + 20);
        list.show();
        if (!QTest::qWaitForWindowExposed(&list))
            qFatal("the list was never shown");
    }

    bool rowFullyVisible(int row) const
    {
        return list.viewport()->rect().contains(list.visualRect(model.index(row)));
    }

    QStringListModel model;
    ListBox list;
};

} // namespace

class ListBoxTest : public QObject {
    Q_OBJECT

private slots:
    void rowsAndPointsAgreeWhereverTheListIsScrolled_data()
    {
        QTest::addColumn<int>("topRow");
        QTest::newRow("top") << 0;
        QTest::newRow("middle") << 5000;
        QTest::newRow("bottom") << 10001;
    }

    void rowsAndPointsAgreeWhereverTheListIsScrolled()
    {
        QFETCH(int, topRow);
        ShownList shown(10001);
        shown.list.verticalScrollBar()->setValue(topRow);
        const int top = shown.list.verticalScrollBar()->value();
        QCOMPARE(shown.list.verticalScrollBar()->maximum() + shown.list.verticalScrollBar()->pageStep(), 10001);
        const int height = shown.list.visualRect(shown.model.index(top)).height();
        for (const int offset : {0, 1, 3}) {
            const QModelIndex index = shown.model.index(top + offset);
            QCOMPARE(shown.list.visualRect(index).top(), offset * height);
            QCOMPARE(shown.list.indexAt(QPoint(5, offset * height + height / 2)), index);
        }
        // The last row can be scrolled into view, and nothing lies below it.
        shown.list.scrollToBottom();
        QVERIFY(shown.rowFullyVisible(10000));
        const QRect last = shown.list.visualRect(shown.model.index(10000));
        QVERIFY(!shown.list.indexAt(QPoint(5, last.bottom() + 2)).isValid());
    }

    // Settled when the list is shown, not on a later pass of the event loop,
    // which would paint the window a second time.
    void theScrollBarIsThereAsSoonAsTheListIsShown()
    {
        QStringListModel model(lines(100));
        ListBox list;
        list.setModel(&model);
        list.resize(200, 100);
        list.show();
        QVERIFY(list.verticalScrollBar()->isVisible());
        model.setStringList(lines(2));
        list.doItemsLayout();
        QVERIFY(!list.verticalScrollBar()->isVisible());
    }

    // A line added and selected at once must come into view at once, before
    // the list's delayed relayout has run.
    void anAddedLineSelectedAtOnceIsShown()
    {
        ShownList shown(30);
        shown.model.insertRows(30, 100);
        shown.list.selectRow(129);
        QCOMPARE(shown.list.selectedRow(), 129);
        QVERIFY(shown.rowFullyVisible(129));
    }

    // That a click selects the row under it, every window test's clickRow() sees.
    void clickNeverDeselects()
    {
        ShownList shown(5);
        shown.list.selectRow(3);
        const QPoint belowLastRow(5, shown.list.visualRect(shown.model.index(4)).bottom() + 5);
        QTest::mouseClick(shown.list.viewport(), Qt::LeftButton, {}, belowLastRow);
        QCOMPARE(shown.list.selectedRow(), 3);
        QCOMPARE(shown.list.selectionModel()->selectedRows().size(), 1);
    }

    void keysMoveTheSelectionWithinTheLines_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to"); // -1: a page less one row further down
        QTest::newRow("down") << 4 << int(Qt::Key_Down) << 5;
        QTest::newRow("end") << 4 << int(Qt::Key_End) << 99;
        QTest::newRow("home") << 50 << int(Qt::Key_Home) << 0;
        QTest::newRow("page up at the top") << 3 << int(Qt::Key_PageUp) << 0;
        QTest::newRow("page down") << 0 << int(Qt::Key_PageDown) << -1;
        QTest::newRow("page down near the end") << 97 << int(Qt::Key_PageDown) << 99;
    }

    void keysMoveTheSelectionWithinTheLines()
    {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        ShownList shown(100);
        shown.list.selectRow(from);
        shown.list.setFocus();
        QTest::keyClick(&shown.list, Qt::Key(key));
        const int expected = to >= 0 ? to : from + shown.list.verticalScrollBar()->pageStep() - 1;
        QCOMPARE(shown.list.selectedRow(), expected);
        QVERIFY(shown.rowFullyVisible(expected));
    }

    // Checked here, in the list's own style: the window's test sets each style
    // on a shown list, and the Windows Vista style, set so under Wine, paints
    // a selected row with no fill.
    void onlyTheSelectedRowIsHighlighted()
    {
        ShownList shown(10);
        shown.list.selectRow(2);
        const QImage image = shown.list.viewport()->grab().toImage();
        const auto pixelBeside = [&](int row) {
            return QColor(image.pixel(shown.list.visualRect(shown.model.index(row)).topRight() + QPoint(-2, 2)));
        };
        const QPalette::ColorGroup group = shown.list.isActiveWindow() ? QPalette::Active : QPalette::Inactive;
        const QColor base = shown.list.palette().color(group, QPalette::Base);
        const QColor highlight = shown.list.palette().color(group, QPalette::Highlight);
        QCOMPARE(pixelBeside(1), base);
        QCOMPARE(pixelBeside(3), base);
        // The style shades its highlight a little.
        const QColor selected = pixelBeside(2);
        QVERIFY2(qAbs(selected.red() - highlight.red()) < 16 && qAbs(selected.green() - highlight.green()) < 16
                     && qAbs(selected.blue() - highlight.blue()) < 16,
                 qPrintable(selected.name()));
    }
};

QTEST_MAIN(ListBoxTest)
#include "tst_listbox.moc"
