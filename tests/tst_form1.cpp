// The main window's start-up, its browsing of the catalogue, and its hold on
// the data folder.
#include "DataFixture.h"
#include "MessageCatcher.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLockFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QStringList kAllNames{u"炎のクリスタル"_s, u"闇の塊"_s, u"ダガー"_s, u"木綿糸"_s, u"闇のクリスタル"_s, u"闇の塊"_s, u"Apple"_s};

// The records of kAllNames, with these stack sizes.
QStringList catalogue(int firstStack = 12)
{
    const int stacks[] = {firstStack, 12, 1, 99, 12, 5, 5};
    QStringList records;
    for (int i = 0; i < kAllNames.size(); ++i)
        records << record(i + 1, kAllNames[i], u"d"_s, stacks[i]);
    return records;
}

// Dates a file back to long ago, so that any later write shows.
bool backdate(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite)
           && file.setFileTime(QDateTime(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC), QFileDevice::FileModificationTime);
}

// The lock a run that crashed leaves behind: what QLockFile writes, naming
// the given process.
QByteArray staleLock(qint64 processId)
{
    QTemporaryDir elsewhere;
    QLockFile lock(elsewhere.filePath(QStringLiteral("any.lock")));
    if (!lock.tryLock())
        qFatal("could not take a lock");
    QByteArray contents = readBytes(elsewhere.filePath(QStringLiteral("any.lock")));
    const qsizetype firstLineEnd = contents.indexOf('\n');
    return contents.replace(0, firstLineEnd, QByteArray::number(processId));
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
        QTest::newRow("stack 12") << 12 << true << u"12 101111"_s;
        QTest::newRow("stack 99, no roster") << 99 << false << u"99 011111"_s;
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

    void browsing_data()
    {
        // Before each command the selected 木綿糸 has set the selector to 99.
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("found");
        QTest::addColumn<QString>("selectorState");
        QTest::newRow("search part of a name") << 14 << u"クリ"_s << QStringList{u"炎のクリスタル"_s, u"闇のクリスタル"_s} << u"12 101111"_s;
        QTest::newRow("search empty text") << 14 << "" << kAllNames << u"12 101111"_s;
        QTest::newRow("search start-up text") << 14 << "アイテム名を入力" << QStringList{} << u"99 011111"_s;
        QTest::newRow("darkness: cluster first, duplicate twice")
            << 15 << u""_s << QStringList{u"闇の塊"_s, u"闇のクリスタル"_s, u"闇の塊"_s} << u"12 101111"_s;
        QTest::newRow("lightning: nothing, silently") << 22 << "" << QStringList{} << u"99 011111"_s;
        QTest::newRow("show all") << 23 << "" << kAllNames << u"12 101111"_s;
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

    // Start-up's problems are told together, once. A save killed after its
    // journal was written is finished before start-up reads anything.
    void startUpProblemsAreReportedOnce()
    {
        Session s({record(1, u"A"_s, u"d"_s, 99), u"broken line"_s, u"2\tB\td\t0\t0\tmany"_s}, {u"Kuro"_s});
        s.write(u"item.dat"_s, {u""_s, u"3\tC\td\t0\t0\tNULL"_s});
        s.write(u"Kuromog.dat"_s, {u"old"_s});
        s.write(u"morvane-save-0.tmp"_s, {u"new"_s});
        QVERIFY(writeBytes(s.path(u"morvane.journal"_s), "morvane-save-0.tmp\tKuromog.dat\n"));
        MessageCatcher messages;
        s.start();
        QTRY_COMPARE(messages.texts().size(), 1);
        const QString message = messages.texts().first();
        QVERIFY2(message.contains(u"item.20041101.txt の 2 行"_s) && message.contains(u"最初は 2 行目"_s), qPrintable(message));
        QVERIFY2(message.contains(u"item.dat の 1 行"_s) && message.contains(u"最初は 1 行目"_s), qPrintable(message));
        QVERIFY2(message.contains(u"前回の保存が途中で止まっていたため、その保存を最後まで済ませました。"_s), qPrintable(message));
        QCOMPARE(rows(s.w(), u"List1"_s), (QStringList{u"A"_s, u"C"_s}));
        QCOMPARE(rows(s.w(), u"List2"_s), QStringList{u"new"_s});
        QCOMPARE(QDir(s.dir.path()).entryList({u"morvane-save-*"_s, u"morvane.journal"_s}, QDir::Files), QStringList());
        s.w()->hide();
        s.w()->show();
        QCoreApplication::processEvents(); // runs what showing posted, the report included
        QCOMPARE(messages.texts().size(), 1);
    }

    // A character whose name cannot form file names is said so once (that
    // nothing is written for it, tst_storage's unusableNamesTouchNoFile sees).
    void unusableNameIsToldOnce()
    {
        Session s(catalogue(), {u"Ku*ro"_s});
        MessageCatcher messages;
        s.start();
        QTRY_COMPARE(messages.texts(),
                     QStringList{u"「Ku*ro」は名前をファイル名に使えないため、倉庫を読み込めず、保存もできません。\n"
                                 "キャラクター名に \\ / : * ? \" < > | は使えません"_s});
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
    }

    void secondWindowOnTheFolderTouchesNothing_data()
    {
        QTest::addColumn<QString>("attempt");
        QTest::newRow("save a character") << "save";
        QTest::newRow("delete a character") << "clec";
        QTest::newRow("add a character") << "addc";
        QTest::newRow("register an item") << "itemadd";
    }

    void secondWindowOnTheFolderTouchesNothing()
    {
        QFETCH(QString, attempt);
        Session s(catalogue(), {u"Kuro"_s});
        s.write(u"Kuromog.dat"_s, {u"炎のクリスタル x12"_s});
        s.write(u"Kuromoginfo.dat"_s, {u"d"_s});
        s.start();
        for (const QFileInfo& file : QDir(s.dir.path()).entryInfoList(QDir::Files | QDir::Hidden)) {
            // Windows lets no one but its holder write to a held lock.
            if (file.fileName() == u"morvane.lock"_s)
                continue;
            QVERIFY(backdate(file.filePath()));
        }
        const QStringList before = folderSnapshot(s.dir.path());

        MessageCatcher messages;
        morvane::Form1 second(s.dir.path());
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("Morvaneはこのデータフォルダーですでに開いています"
                                                              "（プロセスID %1）。\n%2")
                                                   .arg(QCoreApplication::applicationPid())
                                                   .arg(QDir::toNativeSeparators(s.dir.path() + u'/'))});
        QVERIFY(!second.holdsDataFolder());
        second.show();
        QVERIFY(!second.isVisible());
        QCOMPARE(rows(&second, u"List1"_s), QStringList());

        if (attempt == u"save"_s) {
            // Kuro made current, as if the window had read him.
            control<QComboBox>(&second, u"Combo2"_s)->addItem(QStringLiteral("Kuro"));
            button(&second, 13)->click();
        } else {
            control<QAction>(&second, attempt)->trigger();
            if (attempt != u"clec"_s) {
                QWidget* dialog = second.findChild<QWidget*>(attempt == u"addc"_s ? u"Form2"_s : u"Form3"_s);
                QVERIFY(dialog);
                control<QLineEdit>(dialog, u"Text1"_s)->setText(QStringLiteral("Shiro"));
                control<QPushButton>(dialog, attempt == u"addc"_s ? u"Command1"_s : u"Command6"_s)->click();
            }
        }
        QCOMPARE(folderSnapshot(s.dir.path()), before);
        QCOMPARE(rows(&second, u"List2"_s), QStringList());
    }

    // A lock no window holds is an earlier run's, taken over without a word;
    // but one that cannot be read yet may be one another copy is writing at
    // this moment: it is respected until it has been there a while. (A lock
    // naming a process that has ended QLockFile takes over by itself.)
    void leftLock_data()
    {
        QTest::addColumn<QByteArray>("lock");
        QTest::addColumn<bool>("old");
        // Process numbers come round again: a lock naming this process that
        // none of its windows holds is an earlier run's.
        QTest::newRow("this process's number") << staleLock(QCoreApplication::applicationPid()) << true;
        // A run cut off while it wrote its lock.
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("empty, being written") << QByteArray() << false;
    }

    void leftLock()
    {
        QFETCH(QByteArray, lock);
        QFETCH(bool, old);
        Session s(catalogue(), {u"Kuro"_s});
        QVERIFY(writeBytes(s.path(u"morvane.lock"_s), lock));
        QVERIFY(!old || backdate(s.path(u"morvane.lock"_s)));
        MessageCatcher messages;
        morvane::Form1 window(s.dir.path());
        QCOMPARE(window.holdsDataFolder(), old);
        const QByteArray now = readBytes(s.path(u"morvane.lock"_s));
        QVERIFY(old ? now.startsWith(QByteArray::number(QCoreApplication::applicationPid()) + '\n') : now == lock);
        QCOMPARE(messages.texts().size(), old ? 0 : 1);
    }
};

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
