// The item search window over a running main window: opening it, what a
// search shows, sorting, the spreadsheet file and the keyboard.
#include "DataFixture.h"
#include "DialogHost.h"
#include "MessageCatcher.h"

#include "ui/SaveFileChooser.h"

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace {

// Three characters; Kuro, the first, is chosen at start-up. The search
// window is open.
struct SearchSession : Session {
    SearchSession()
        : Session({record(1, u"炎のクリスタル"_s, u"[その他]全種<br>炎属性"_s, 12), record(2, u"ダガー"_s, u"d"_s, 1)},
                  {u"Kuro"_s, u"Shiro"_s, u"Aka"_s})
    {
        write(u"Kuromog.dat"_s, {u"炎のクリスタル\t9"_s});
        write(u"Shiromog.dat"_s, {u"炎のクリスタル\t100"_s, u"ダガー\t\t1"_s});
        write(u"Shiromoginfo.dat"_s, {u"[その他]全種<br>炎属性"_s, u"[短剣]全種<br>D3"_s});
        write(u"Shirobag.dat"_s, {u"ﾎﾉｵﾉｸﾘｽﾀﾙ\t10"_s});
        write(u"Akabag.dat"_s, {u"ほのおのクリスタル\tx"_s, u"炎のクリスタル\t10"_s});
        start();
        control<QAction>(w(), u"itemsearch"_s)->trigger();
    }

    QWidget* form4() const { return w()->findChild<QWidget*>(u"Form4"_s); }
    template <typename T = QWidget>
    T* part(const QString& name) const { return control<T>(form4(), name); }
    void search(const QString& text) const
    {
        part<QLineEdit>(u"Text1"_s)->setText(text);
        part<QPushButton>(u"Command1"_s)->click();
    }
    QString status() const { return text(form4(), u"Label1"_s); }

    // Each row of a table as its cells joined by "|".
    QStringList table(const QString& name) const
    {
        const QAbstractItemModel* model = part<QTableView>(name)->model();
        QStringList shown;
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < model->columnCount(); ++column)
                cells << model->index(row, column).data().toString();
            shown << cells.join(u'|');
        }
        return shown;
    }
};

} // namespace

class Form4Test : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        morvane::setSaveFileChooser({});
    }

    void shortcutOpensOneWindow()
    {
        SearchSession s;
        QWidget* form4 = s.form4();
        // The main window stays in use.
        QCOMPARE(form4->windowModality(), Qt::NonModal);

        // Closed and opened again, it is the same window with its last search.
        s.search(u"ダガー"_s);
        form4->close();
        QTest::keyClick(s.w(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(form4->isVisible());
        QCOMPARE(s.w()->findChildren<QWidget*>(u"Form4"_s).size(), 1);
        QCOMPARE(s.part<QLineEdit>(u"Text1"_s)->text(), u"ダガー"_s);
        QCOMPARE(s.table(u"Grid1"_s), QStringList{u"Shiro|モグ金庫|ダガー|1"_s});
        s.part<QPushButton>(u"Command3"_s)->click();
        QVERIFY(!form4->isVisible());
    }

    // Kuro's lines as the main window holds them, unsaved; the others' as
    // saved. What a search finds, and its totals, are tst_holdings' cases.
    void searchesEveryCharacter()
    {
        SearchSession s;
        s.put(0, 2); // a stack of 12 into Kuro's bag, not saved
        MessageCatcher messages;
        s.search(u"くりすたる"_s);
        QCOMPARE(s.table(u"Grid1"_s).mid(0, 2), (QStringList{u"Kuro|モグ金庫|炎のクリスタル|9"_s, u"Kuro|かばん|炎のクリスタル|12"_s}));
        QCOMPARE(s.table(u"Grid2"_s).value(1), u"炎のクリスタル|131|3|Kuro、Shiro、Aka"_s);
        QCOMPARE(s.status(), u"6件　合計141個（3キャラクター）"_s);
        QVERIFY(s.part<QPushButton>(u"Command2"_s)->isEnabled());

        // Unticked, the search is the catalogue's, at once.
        s.part<QCheckBox>(u"Check1"_s)->click();
        QCOMPARE(s.table(u"Grid1"_s), QStringList());
        QCOMPARE(s.status(), u"該当するアイテムはありません"_s);
        QVERIFY(!s.part<QPushButton>(u"Command2"_s)->isEnabled());
        QCOMPARE(messages.texts(), QStringList());
    }

    // Sorted by number with clicks on a header, kept for the next search,
    // and written to the file in the order shown.
    void sortsAndWritesCsv()
    {
        SearchSession s;
        s.search(QString());
        QHeaderView* header = s.part<QTableView>(u"Grid1"_s)->horizontalHeader();
        const int count = 3;
        const QPoint middle(header->sectionViewportPosition(count) + header->sectionSize(count) / 2, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle); // descending
        s.search(u"クリスタル"_s);
        const QString path = s.path(u"out.csv"_s);
        QString suggested;
        morvane::setSaveFileChooser([&](const QString& offered) {
            suggested = offered;
            return path;
        });
        s.part<QPushButton>(u"Command2"_s)->click();
        QVERIFY2(suggested.endsWith(QStringLiteral("/所持品-%1.csv").arg(QDate::currentDate().toString(u"yyyyMMdd"_s))),
                 qPrintable(suggested));
        QCOMPARE(QString::fromUtf8(readBytes(path)).split(u"\r\n"_s).mid(1, 3),
                 (QStringList{u"Aka,かばん,ほのおのクリスタル,x,"_s, u"Shiro,モグ金庫,炎のクリスタル,100,[その他]全種 / 炎属性"_s,
                              u"Shiro,かばん,ﾎﾉｵﾉｸﾘｽﾀﾙ,10,"_s}));
        QVERIFY(s.status().endsWith(u"CSVに書き出しました：out.csv"_s));
    }

    // Cancelled, or the file cannot be written: nothing is written and the
    // status stays; a failure is told (why it fails: tst_textfile).
    void csvNotWritten_data()
    {
        QTest::addColumn<QString>("file"); // as the file dialog gives it, empty when cancelled
        QTest::addColumn<QString>("reason"); // empty when nothing is told
        QTest::newRow("cancelled") << QString() << QString();
        QTest::newRow("a folder of that name") << u"所持品.csv"_s << u"ファイルの場所にフォルダーがあります"_s;
    }
    void csvNotWritten()
    {
        QFETCH(QString, file);
        QFETCH(QString, reason);
        SearchSession s;
        s.search(QString());
        QVERIFY(QDir(s.dir.path()).mkdir(u"所持品.csv"_s));
        const QString path = file.isEmpty() ? QString() : s.path(file);
        morvane::setSaveFileChooser([&](const QString&) { return path; });
        const QStringList before = QDir(s.dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        const QString status = s.status();
        MessageCatcher messages;
        s.part<QPushButton>(u"Command2"_s)->click();
        const QString told = u"CSVファイルを書き出せませんでした。\n"_s + QDir::toNativeSeparators(path) + u'\n' + reason;
        QCOMPARE(messages.texts(), reason.isEmpty() ? QStringList() : QStringList{told});
        QCOMPARE(QDir(s.dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
        QCOMPARE(s.status(), status);
    }

    void keyboardAndNames()
    {
        SearchSession s;
        QTRY_COMPARE(QApplication::activeWindow(), s.form4());
        s.part<QLineEdit>(u"Text1"_s)->insert(u"ダガー"_s);
        QTest::keyClick(s.part(u"Text1"_s), Qt::Key_Return);
        QCOMPARE(s.status(), u"1件　合計1個（1キャラクター）"_s);
        // It opens with the focus in the search box.
        QCOMPARE(tabWalk(7), (QStringList{u"Command1"_s, u"Check1"_s, u"Grid1"_s, u"Grid2"_s, u"Command2"_s,
                                          u"Command3"_s, u"Text1"_s}));
        // No key presses a button on its own.
        pressEnterAndEscape(s.form4(), {u"Command1"_s, u"Grid1"_s, u"Command2"_s},
                            [&s] { return s.status() == u"1件　合計1個（1キャラクター）"_s; });

        for (const QString& name : {u"Text1"_s, u"Grid1"_s, u"Grid2"_s})
            QVERIFY2(!accessibleName(s.part(name)).isEmpty(), qPrintable(name));
        for (QWidget* control : s.form4()->findChildren<QWidget*>(QRegularExpression(u"^(Text|Command|Check|Grid|Label)\\d$"_s)))
            QVERIFY2(!control->toolTip().isEmpty(), qPrintable(control->objectName()));
        // A row's tooltip is its detail, line by line.
        const QAbstractItemModel* rows = s.part<QTableView>(u"Grid1"_s)->model();
        QCOMPARE(rows->index(0, 2).data(Qt::ToolTipRole).toString(), u"<qt>[短剣]全種\nD3</qt>"_s);
    }
};

QTEST_MAIN(Form4Test)
#include "tst_form4.moc"
