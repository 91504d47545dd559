#include "DataFixture.h"
#include "MessageCatcher.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>

namespace {

const QStringList kAllNames{"炎のクリスタル", "闇の塊", "ダガー", "木綿糸", "闇のクリスタル", "闇の塊", "Apple", "[?]"};
const QString kStack12 = QStringLiteral("12 101111");
const QString kStack99 = QStringLiteral("99 011111");

// The records of kAllNames, with these stack sizes.
QStringList catalogue(int firstStack = 12)
{
    const int stacks[] = {firstStack, 12, 1, 99, 12, 5, 5, 1};
    QStringList records;
    for (int i = 0; i < kAllNames.size(); ++i)
        records << DataFixture::record(i + 1, kAllNames[i], "d", stacks[i]);
    return records;
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void captionsAndGrouping();
    void startUp_data();
    void startUp();
    void search_data();
    void search();
    void crystalFiltersAndShowAll();
    void startUpProblemsAreReported();
};

void Form1Test::captionsAndGrouping()
{
    Session s(catalogue(), {});
    MessageCatcher messages;
    s.start();
    QWidget* w = s.w();
    const QStringList buttons{"モグ金庫へ", "かばんへ", "アイテムを消去", "かばんへ", "アイテムを消去", "モグ金庫へ",
                              "12", "99", "+1", "-1", "+10", "-10", "保存", "検索",
                              "", "", "", "", "", "", "", "", "すべて表示", "ソート", "ソート"};
    for (int n = 1; n <= 25; ++n)
        QCOMPARE(button(w, n)->text(), buttons.at(n - 1));
    const QStringList frames{"アイテム一覧", "モグ金庫", "かばん", "スタック数", "キャラクター名", "クリスタル", "Information"};
    for (int n = 1; n <= 7; ++n)
        QCOMPARE(control<QGroupBox>(w, QStringLiteral("Frame%1").arg(n))->title(), frames.at(n - 1));
    QCOMPARE(w->windowTitle(), QStringLiteral("Morvane for FF XI"));
    QCOMPARE(control<QLineEdit>(w, "Text1")->text(), QStringLiteral("アイテム名を入力"));
    QCOMPARE(text(w, "Label7") + u'|' + text(w, "Label8"), QStringLiteral("Final Fantasy XI Support Soft|Ver1.3.0"));
    for (int n = 15; n <= 22; ++n)
        QVERIFY(!button(w, n)->icon().isNull());
    QVERIFY(!control<QLabel>(w, "Image1")->pixmap().isNull());
    QStringList menu;
    for (QAction* action : s.window->menuBar()->actions())
        menu << action->objectName() + u'=' + action->text();
    QCOMPARE(menu, (QStringList{"itemadd=アイテムリスト追加", "addc=キャラクター追加", "clec=キャラクター削除", "end=終了"}));

    // Grouping: the nearest frame around each control ("-" for none).
    for (const QString& group : {"Frame1:List1 Text1 Command14 Command23 Frame6",
                                 "Frame6:Command15 Command16 Command17 Command18 Command19 Command20 Command21 Command22",
                                 "Frame4:Combo1 Command7 Command8 Command9 Command10 Command11 Command12",
                                 "Frame2:List2 Label2 Command3 Command4 Command24",
                                 "Frame3:List3 Label3 Command5 Command6 Command25", "Frame5:Combo2 Command13",
                                 "Frame7:Label1 Label4 Label5 Label6", "-:Command1 Command2 Label7 Label8 Image1"}) {
        for (const QString& name : group.section(u':', 1).split(u' ')) {
            QString frame = QStringLiteral("-");
            for (QWidget* p = control(w, name)->parentWidget(); p && frame == "-"; p = p->parentWidget())
                frame = p->objectName().startsWith("Frame") ? p->objectName() : frame;
            QCOMPARE(name + u':' + frame, name + u':' + group.section(u':', 0, 0));
        }
    }
    QTest::qWait(20);
    QCOMPARE(messages.texts(), QStringList{});
}

void Form1Test::startUp_data()
{
    QTest::addColumn<int>("firstStack");
    QTest::addColumn<bool>("withRoster");
    QTest::addColumn<QString>("selectorState");
    QTest::newRow("stack 12") << 12 << true << kStack12;
    QTest::newRow("stack 99, no roster") << 99 << false << kStack99;
    QTest::newRow("stack 1") << 1 << true << "1 000000";
    QTest::newRow("other stack") << 5 << false << "1 111111";
}

void Form1Test::startUp()
{
    QFETCH(int, firstStack);
    QFETCH(bool, withRoster);
    QFETCH(QString, selectorState);
    Session s(catalogue(firstStack), withRoster ? QStringList{"Kuro", "Shiro"} : QStringList{});
    s.data.write("Kuromog.dat", {"a", "b", "c"});
    s.data.write("Kurobag.dat", {"v", "w", "x", "y", "z"});
    s.data.write("Kurobaginfo.dat", {"V1<br>V2<br>V3", "W", "X", "Y", "Z"});
    s.start();
    QWidget* w = s.w();
    QCOMPARE(selector(w), selectorState);
    QCOMPARE(rows(w, "List1"), kAllNames);
    QCOMPARE(selectedRow(w, "List1"), 0);
    QCOMPARE(s.characters()->currentText(), withRoster ? "Kuro" : "");
    QCOMPARE(text(w, "Label2"), withRoster ? "3個、入っています" : "0個、入っています");
    QCOMPARE(text(w, "Label3"), withRoster ? "5個、入っています" : "0個、入っています");
    // Both first lines are selected, and their details shown, before the panel is cleared.
    QCOMPARE(detailPanel(w), QStringList(4, QString()));
    if (!withRoster) {
        // With nobody chosen nothing is saved.
        MessageCatcher messages;
        button(w, 1)->click();
        button(w, 13)->click();
        QCOMPARE(messages.texts(), QStringList{"誰もいないクポ；；"});
        QCOMPARE(s.data.bytes("Kuromog.dat"), DataFixture::lines({"a", "b", "c"}));
        QVERIFY(!s.data.exists("cname.dat") && !s.data.exists("mog.dat"));
        return;
    }
    QCOMPARE(rows(w, "List2"), (QStringList{"a", "b", "c"}));
    QCOMPARE(selectedRow(w, "List2"), 0);
    QCOMPARE(selectedRow(w, "List3"), 0);
    clickRow(w, "List3", 1);
    clickRow(w, "List3", 0);
    QCOMPARE(detailPanel(w), (QStringList{"V1", "V2", "V3", ""}));
}

void Form1Test::search_data()
{
    // Before each search the selected 木綿糸 has set the selector to 99.
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("found");
    QTest::addColumn<QString>("selectorState");
    QTest::newRow("part of a name") << "クリ" << QStringList{"炎のクリスタル", "闇のクリスタル"} << kStack12;
    QTest::newRow("empty lists all") << "" << kAllNames << kStack12;
    QTest::newRow("upper case, stack 5") << "A" << QStringList{"Apple"} << kStack99;
    QTest::newRow("wildcard") << "の[!ク]" << QStringList{"闇の塊", "闇の塊"} << kStack12;
    QTest::newRow("bracketed special") << "[[][?]" << QStringList{"[?]"} << "1 000000";
    QTest::newRow("start-up text") << "アイテム名を入力" << QStringList{} << kStack99;
    QTest::newRow("lower case") << "apple" << QStringList{} << kStack99;
    QTest::newRow("unclosed bracket") << "[クリ" << QStringList{} << kStack99;
}

void Form1Test::search()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, found);
    QFETCH(QString, selectorState);
    Session s(catalogue(), {});
    s.start();
    clickRow(s.w(), "List1", 3);
    MessageCatcher messages;
    control<QLineEdit>(s.w(), "Text1")->setText(typed);
    button(s.w(), 14)->click();
    QCOMPARE(rows(s.w(), "List1"), found);
    QCOMPARE(selectedRow(s.w(), "List1"), found.isEmpty() ? -1 : 0);
    QCOMPARE(selector(s.w()), selectorState);
    QCOMPARE(messages.texts(), found.isEmpty() ? QStringList{"該当するアイテムはありません"} : QStringList{});
    // With nothing selected a put adds nothing.
    button(s.w(), 1)->click();
    QCOMPARE(rows(s.w(), "List2").size(), found.isEmpty() ? 0 : 1);
}

void Form1Test::crystalFiltersAndShowAll()
{
    Session s(catalogue(99), {});
    s.start();
    MessageCatcher messages;
    button(s.w(), 15)->click(); // darkness: the cluster stands first, the duplicate twice
    QCOMPARE(rows(s.w(), "List1"), (QStringList{"闇の塊", "闇のクリスタル", "闇の塊"}));
    QCOMPARE(selectedRow(s.w(), "List1"), 0);
    QCOMPARE(selector(s.w()), kStack12);
    button(s.w(), 22)->click(); // lightning: nothing, silently
    QCOMPARE(rows(s.w(), "List1"), QStringList{});
    QCOMPARE(selector(s.w()), kStack12);
    QCOMPARE(messages.texts(), QStringList{});
    button(s.w(), 23)->click();
    QCOMPARE(rows(s.w(), "List1"), kAllNames);
    QCOMPARE(selectedRow(s.w(), "List1"), 0);
    QCOMPARE(selector(s.w()), kStack99);

    // Each button filters to its own element.
    const QStringList elements{"闇", "炎", "光", "水", "土", "氷", "風", "雷"};
    QStringList crystals;
    for (int e = 0; e < 8; ++e)
        crystals << DataFixture::record(2 * e, elements[e] + "のクリスタル", "d", 12)
                 << DataFixture::record(2 * e + 1, elements[e] + "の塊", "d", 12);
    Session all(crystals, {});
    all.start();
    for (int e = 0; e < 8; ++e) {
        button(all.w(), 15 + e)->click();
        QCOMPARE(rows(all.w(), "List1"), (QStringList{elements[e] + "のクリスタル", elements[e] + "の塊"}));
    }
}

void Form1Test::startUpProblemsAreReported()
{
    Session s({DataFixture::record(1, "A", "d", 99), "broken line", "2\tB\td\t0\t0\tNULL", "3\tC\td\t0\t0\tmany"}, {});
    s.data.write("item.dat", {"", "4\tD\td\t0\t0\tNULL"});
    MessageCatcher messages;
    s.start();
    QTRY_COMPARE(messages.texts().size(), 1);
    QString message = messages.texts().last();
    QVERIFY2(message.contains("item.20041101.txt の 2 行") && message.contains("最初は 2 行目"), qPrintable(message));
    QVERIFY2(message.contains("item.dat の 1 行") && message.contains("最初は 1 行目"), qPrintable(message));
    QCOMPARE(rows(s.w(), "List1"), (QStringList{"A", "B", "D"}));
    // "NULL" is stack size 0 in item.dat, which leaves the selector alone, and 1 in the seed.
    clickRow(s.w(), "List1", 2);
    QCOMPARE(selector(s.w()), kStack99);
    clickRow(s.w(), "List1", 1);
    QCOMPARE(selector(s.w()), QStringLiteral("1 000000"));
    s.w()->hide();
    s.w()->show();
    QTest::qWait(50);
    QCOMPARE(messages.texts().size(), 1);

    QFile::remove(s.data.path("item.20041101.txt"));
    s.start();
    QTRY_COMPARE(messages.texts().size(), 2);
    QVERIFY(messages.texts().last().contains("item.20041101.txt が見つかりません"));
    QCOMPARE(rows(s.w(), "List1"), QStringList{"D"});

    Form1 nowhere(s.data.folder() + "/missing");
    nowhere.show();
    QTRY_COMPARE(messages.texts().size(), 3);
    message = messages.texts().last();
    QVERIFY(message.contains("データフォルダーが見つかりません") && !message.contains("item.20041101.txt"));
    QCOMPARE(rows(&nowhere, "List1"), QStringList{});
}

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
