#include "DataFixture.h"
#include "MessageCatcher.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QStringList kAllNames{u"炎のクリスタル"_s, u"闇の塊"_s, u"ダガー"_s, u"木綿糸"_s, u"闇のクリスタル"_s, u"闇の塊"_s, u"Apple"_s};
const QString kStack12 = QStringLiteral("12 101111");
const QString kStack99 = QStringLiteral("99 011111");

// The records of kAllNames, with these stack sizes.
QStringList catalogue(int firstStack = 12)
{
    const int stacks[] = {firstStack, 12, 1, 99, 12, 5, 5};
    QStringList records;
    for (int i = 0; i < kAllNames.size(); ++i)
        records << record(i + 1, kAllNames[i], u"d"_s, stacks[i]);
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
        Session s(catalogue(firstStack), withRoster ? QStringList{u"Kuro"_s, u"Shiro"_s} : QStringList{});
        s.write(u"Kuromog.dat"_s, {u"a"_s, u"b"_s, u"c"_s});
        s.write(u"Kurobag.dat"_s, {u"v"_s, u"w"_s, u"x"_s, u"y"_s, u"z"_s});
        s.write(u"Kurobaginfo.dat"_s, {u"V1<br>V2"_s, u"W"_s});
        s.start();
        QWidget* w = s.w();
        const QStringList captions{u"モグ金庫へ"_s, u"かばんへ"_s, u"アイテムを消去"_s, u"かばんへ"_s, u"アイテムを消去"_s, u"モグ金庫へ"_s,
                                   u"12"_s, u"99"_s, u"+1"_s, u"-1"_s, u"+10"_s, u"-10"_s, u"保存"_s, u"検索"_s,
                                   u""_s, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s, u"すべて表示"_s, u"ソート"_s, u"ソート"_s};
        for (int n = 1; n <= 25; ++n)
            QCOMPARE(button(w, n)->text(), captions.at(n - 1));
        QCOMPARE(w->windowTitle(), QStringLiteral("Morvane for FF XI"));

        QCOMPARE(selector(w), selectorState);
        QCOMPARE(rows(w, u"List1"_s), kAllNames);
        QCOMPARE(selectedRow(w, u"List1"_s), 0);
        QCOMPARE(text(w, u"Label2"_s) + text(w, u"Label3"_s),
                 withRoster ? u"3個、入っています5個、入っています"_s : u"0個、入っています0個、入っています"_s);
        // The first stored lines are selected, so their details were shown before the panel was cleared.
        QCOMPARE((QList<int>{selectedRow(w, u"List2"_s), selectedRow(w, u"List3"_s)}), QList<int>(2, withRoster ? 0 : -1));
        QCOMPARE(detailPanel(w), QStringList(4, QString()));
        if (!withRoster) {
            MessageCatcher messages;
            button(w, 1)->click();
            button(w, 13)->click();
            QCOMPARE(messages.texts(), QStringList{u"誰もいないクポ；；"_s});
            QVERIFY(!QFile::exists(s.path(u"mog.dat"_s)) && !QFile::exists(s.path(u"cname.dat"_s)));
        }
    }

    // Outside checks find the controls by these names: each names exactly one.
    void everyControlNameIsUnique()
    {
        Session s(catalogue(), {u"Kuro"_s});
        s.start();
        QStringList names{u"Combo1"_s, u"Combo2"_s, u"Text1"_s, u"Image1"_s};
        for (const auto& [prefix, last] : {std::pair{u"Command"_s, 25}, {u"List"_s, 3}, {u"Label"_s, 8}, {u"Frame"_s, 7}})
            for (int n = 1; n <= last; ++n)
                names << prefix + QString::number(n);
        QStringList notOnce;
        for (const QString& name : names)
            if (s.w()->findChildren<QWidget*>(name).size() != 1)
                notOnce << name;
        QCOMPARE(notOnce.join(u' '), QString());
    }

    void browsing_data()
    {
        // Before each command the selected 木綿糸 has set the selector to 99.
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("found");
        QTest::addColumn<QString>("selectorState");
        QTest::newRow("search part of a name") << 14 << u"クリ"_s << QStringList{u"炎のクリスタル"_s, u"闇のクリスタル"_s} << kStack12;
        QTest::newRow("search empty text") << 14 << "" << kAllNames << kStack12;
        QTest::newRow("search start-up text") << 14 << "アイテム名を入力" << QStringList{} << kStack99;
        QTest::newRow("search is case-sensitive") << 14 << "apple" << QStringList{} << kStack99;
        QTest::newRow("search unclosed bracket") << 14 << "[クリ" << QStringList{} << kStack99;
        QTest::newRow("darkness: cluster first, duplicate twice")
            << 15 << u""_s << QStringList{u"闇の塊"_s, u"闇のクリスタル"_s, u"闇の塊"_s} << kStack12;
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
        clickRow(s.w(), u"List1"_s, 3);
        MessageCatcher messages;
        control<QLineEdit>(s.w(), u"Text1"_s)->setText(typed);
        button(s.w(), command)->click();
        QCOMPARE(rows(s.w(), u"List1"_s), found);
        QCOMPARE(selectedRow(s.w(), u"List1"_s), found.isEmpty() ? -1 : 0);
        QCOMPARE(selector(s.w()), selectorState);
        const bool noMatch = command == 14 && found.isEmpty();
        QCOMPARE(messages.texts(), noMatch ? QStringList{u"該当するアイテムはありません"_s} : QStringList{});
    }

    void startUpProblemsAreReportedOnce()
    {
        Session s({record(1, u"A"_s, u"d"_s, 99), u"broken line"_s, u"2\tB\td\t0\t0\tmany"_s}, {});
        s.write(u"item.dat"_s, {u""_s, u"3\tC\td\t0\t0\tNULL"_s});
        MessageCatcher messages;
        s.start();
        QTRY_COMPARE(messages.texts().size(), 1);
        const QString message = messages.texts().first();
        QVERIFY2(message.contains(u"item.20041101.txt の 2 行"_s) && message.contains(u"最初は 2 行目"_s), qPrintable(message));
        QVERIFY2(message.contains(u"item.dat の 1 行"_s) && message.contains(u"最初は 1 行目"_s), qPrintable(message));
        QCOMPARE(rows(s.w(), u"List1"_s), (QStringList{u"A"_s, u"C"_s}));
        s.w()->hide();
        s.w()->show();
        QCoreApplication::processEvents(); // runs what showing posted, the report included
        QCOMPARE(messages.texts().size(), 1);
    }

    // A save killed after its journal was written is finished before
    // start-up reads anything, and the player is told once.
    void startUpFinishesAnInterruptedSave()
    {
        Session s(catalogue(), {u"Kuro"_s});
        s.write(u"Kuromog.dat"_s, {u"old"_s});
        s.write(u"morvane-save-0.tmp"_s, {u"new"_s});
        QVERIFY(writeBytes(s.path(u"morvane.journal"_s), "morvane-save-0.tmp\tKuromog.dat\n"));
        MessageCatcher messages;
        s.start();
        QTRY_COMPARE(messages.texts(), QStringList{u"前回の保存が途中で止まっていたため、その保存を最後まで済ませました。"_s});
        QCOMPARE(rows(s.w(), u"List2"_s), QStringList{u"new"_s});
        QCOMPARE(QDir(s.dir.path()).entryList({u"morvane-save-*"_s, u"morvane.journal"_s}, QDir::Files), QStringList());
    }

    // A character whose name cannot form file names is said so once, and
    // nothing is written for it.
    void unusableNameIsToldOnce()
    {
        Session s(catalogue(), {u"Ku*ro"_s});
        MessageCatcher messages;
        s.start();
        QTRY_COMPARE(messages.texts(),
                     QStringList{u"「Ku*ro」は名前をファイル名に使えないため、倉庫を読み込めず、保存もできません。\n"
                                 "キャラクター名に \\ / : * ? \" < > | は使えません"_s});
        QCOMPARE(QDir(s.dir.path()).entryList(QDir::Files),
                 (QStringList{u"cname.dat"_s, u"item.20041101.txt"_s, u"morvane.lock"_s}));
    }

    // A save whose file cannot be put in place is told once, however often
    // the folder is read; meanwhile its contents are what the window shows,
    // a new save is refused, and the first read after the cause is gone
    // finishes it.
    void unfinishedSaveIsToldOnceUntilFinished()
    {
        Session s(catalogue(), {u"Kuro"_s, u"Shiro"_s});
        s.write(u"morvane-save-0.tmp"_s, {u"new"_s});
        QVERIFY(writeBytes(s.path(u"morvane.journal"_s), "morvane-save-0.tmp\tShiromog.dat\n"));
        QVERIFY(QDir(s.dir.path()).mkpath(u"Shiromog.dat/in the way"_s));
        const QString file = QDir::toNativeSeparators(s.path(u"Shiromog.dat"_s));
        MessageCatcher messages;
        s.start();
        QTRY_COMPARE(messages.texts(), QStringList{u"前回の保存を最後まで済ませられませんでした。保存した内容は残してあり、"
                                                   "次に読み込むときにもう一度試します。\n"_s
                                                   + file + u"\nファイルの場所にフォルダーがあります"_s});
        s.characters()->setCurrentIndex(1);
        QCOMPARE(rows(s.w(), u"List2"_s), QStringList{u"new"_s});
        s.characters()->setCurrentIndex(0);
        button(s.w(), 13)->click();
        QCOMPARE(messages.texts().mid(1),
                 QStringList{u"保存できませんでした。\n"_s + file
                             + u"\n前回の保存を最後まで済ませられないため、書き込めません（ファイルの場所にフォルダーがあります）"_s});

        QVERIFY(QDir(s.path(u"Shiromog.dat"_s)).removeRecursively());
        s.characters()->setCurrentIndex(1);
        QCOMPARE(messages.texts().mid(2), QStringList{u"前回の保存が途中で止まっていたため、その保存を最後まで済ませました。"_s});
        QCOMPARE(s.bytes(u"Shiromog.dat"_s), QByteArray("new\r\n"));
        QCOMPARE(rows(s.w(), u"List2"_s), QStringList{u"new"_s});
    }
};

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
