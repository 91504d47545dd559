#include "DataFixture.h"
#include "MessageCatcher.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

namespace {

const QStringList kAllNames{"炎のクリスタル", "闇の塊", "ダガー", "木綿糸", "闇のクリスタル", "闇の塊", "Apple"};
const QString kStack12 = QStringLiteral("12 101111");
const QString kStack99 = QStringLiteral("99 011111");

// The records of kAllNames, with these stack sizes.
QStringList catalogue(int firstStack = 12)
{
    const int stacks[] = {firstStack, 12, 1, 99, 12, 5, 5};
    QStringList records;
    for (int i = 0; i < kAllNames.size(); ++i)
        records << record(i + 1, kAllNames[i], "d", stacks[i]);
    return records;
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void startUp_data()
    {
        QTest::addColumn<int>("firstStack");
        QTest::addColumn<bool>("withRoster");
        QTest::addColumn<QString>("selectorState");
        QTest::newRow("stack 12") << 12 << true << kStack12;
        QTest::newRow("stack 99, no roster") << 99 << false << kStack99;
        QTest::newRow("stack 1") << 1 << true << "1 000000";
        QTest::newRow("other stack") << 5 << false << "1 111111";
    }

    void startUp()
    {
        QFETCH(int, firstStack);
        QFETCH(bool, withRoster);
        QFETCH(QString, selectorState);
        Session s(catalogue(firstStack), withRoster ? QStringList{"Kuro", "Shiro"} : QStringList{});
        s.write("Kuromog.dat", {"a", "b", "c"});
        s.write("Kurobag.dat", {"v", "w", "x", "y", "z"});
        s.write("Kurobaginfo.dat", {"V1<br>V2", "W"});
        s.start();
        QWidget* w = s.w();
        const QStringList captions{"モグ金庫へ", "かばんへ", "アイテムを消去", "かばんへ", "アイテムを消去", "モグ金庫へ",
                                   "12", "99", "+1", "-1", "+10", "-10", "保存", "検索",
                                   "", "", "", "", "", "", "", "", "すべて表示", "ソート", "ソート"};
        for (int n = 1; n <= 25; ++n)
            QCOMPARE(button(w, n)->text(), captions.at(n - 1));
        QCOMPARE(w->windowTitle(), QStringLiteral("Morvane for FF XI"));

        QCOMPARE(selector(w), selectorState);
        QCOMPARE(rows(w, "List1"), kAllNames);
        QCOMPARE(selectedRow(w, "List1"), 0);
        QCOMPARE(text(w, "Label2") + text(w, "Label3"),
                 withRoster ? "3個、入っています5個、入っています" : "0個、入っています0個、入っています");
        // The first stored lines are selected, so their details were shown before the panel was cleared.
        QCOMPARE((QList<int>{selectedRow(w, "List2"), selectedRow(w, "List3")}), QList<int>(2, withRoster ? 0 : -1));
        QCOMPARE(detailPanel(w), QStringList(4, QString()));
        if (!withRoster) {
            MessageCatcher messages;
            button(w, 1)->click();
            button(w, 13)->click();
            QCOMPARE(messages.texts(), QStringList{"誰もいないクポ；；"});
            QVERIFY(!QFile::exists(s.path("mog.dat")) && !QFile::exists(s.path("cname.dat")));
        }
    }

    void browsing_data()
    {
        // Before each command the selected 木綿糸 has set the selector to 99.
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("found");
        QTest::addColumn<QString>("selectorState");
        QTest::newRow("search part of a name") << 14 << "クリ" << QStringList{"炎のクリスタル", "闇のクリスタル"} << kStack12;
        QTest::newRow("search empty text") << 14 << "" << kAllNames << kStack12;
        QTest::newRow("search start-up text") << 14 << "アイテム名を入力" << QStringList{} << kStack99;
        QTest::newRow("search is case-sensitive") << 14 << "apple" << QStringList{} << kStack99;
        QTest::newRow("search unclosed bracket") << 14 << "[クリ" << QStringList{} << kStack99;
        QTest::newRow("darkness: cluster first, duplicate twice")
            << 15 << "" << QStringList{"闇の塊", "闇のクリスタル", "闇の塊"} << kStack12;
        QTest::newRow("lightning: nothing, silently") << 22 << "" << QStringList{} << kStack99;
        QTest::newRow("show all") << 23 << "" << kAllNames << kStack12;
    }

    void browsing()
    {
        QFETCH(int, command);
        QFETCH(QString, typed);
        QFETCH(QStringList, found);
        QFETCH(QString, selectorState);
        Session s(catalogue(), {});
        s.start();
        clickRow(s.w(), "List1", 3);
        MessageCatcher messages;
        control<QLineEdit>(s.w(), "Text1")->setText(typed);
        button(s.w(), command)->click();
        QCOMPARE(rows(s.w(), "List1"), found);
        QCOMPARE(selectedRow(s.w(), "List1"), found.isEmpty() ? -1 : 0);
        QCOMPARE(selector(s.w()), selectorState);
        const bool noMatch = command == 14 && found.isEmpty();
        QCOMPARE(messages.texts(), noMatch ? QStringList{"該当するアイテムはありません"} : QStringList{});
    }

    void startUpProblemsAreReportedOnce()
    {
        Session s({record(1, "A", "d", 99), "broken line", "2\tB\td\t0\t0\tmany"}, {});
        s.write("item.dat", {"", "3\tC\td\t0\t0\tNULL"});
        MessageCatcher messages;
        s.start();
        QTRY_COMPARE(messages.texts().size(), 1);
        const QString message = messages.texts().first();
        QVERIFY2(message.contains("item.20041101.txt の 2 行") && message.contains("最初は 2 行目"), qPrintable(message));
        QVERIFY2(message.contains("item.dat の 1 行") && message.contains("最初は 1 行目"), qPrintable(message));
        QCOMPARE(rows(s.w(), "List1"), (QStringList{"A", "C"}));
        s.w()->hide();
        s.w()->show();
        QCoreApplication::processEvents(); // runs what showing posted, the report included
        QCOMPARE(messages.texts().size(), 1);
    }

    // A save killed after its journal was written is finished before
    // start-up reads anything, and the player is told once.
    void startUpFinishesAnInterruptedSave()
    {
        Session s(catalogue(), {"Kuro"});
        s.write("Kuromog.dat", {"old"});
        s.write("morvane-save-0.tmp", {"new"});
        QVERIFY(writeBytes(s.path("morvane.journal"), "morvane-save-0.tmp\tKuromog.dat\n"));
        MessageCatcher messages;
        s.start();
        QTRY_COMPARE(messages.texts(), QStringList{"前回の保存が途中で止まっていたため、その保存を最後まで済ませました。"});
        QCOMPARE(rows(s.w(), "List2"), QStringList{"new"});
        QCOMPARE(QDir(s.dir.path()).entryList({"morvane-save-*", "morvane.journal"}, QDir::Files), QStringList());
    }
};

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
