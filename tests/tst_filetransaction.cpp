#include "FileBytes.h"
#include "StorageContents.h"

#include "model/files/FileTransaction.h"
#include "model/storage/Storage.h"
#include "model/storage/StorageFiles.h"
#include "model/text/TextFile.h"
#include "model/files/WriteFaults.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace morvane;
using namespace Qt::StringLiterals;

namespace {

// What a character's four files hold, in storage-file order.
QList<QByteArray> characterFiles(const QTemporaryDir& dir, const QString& character)
{
    QList<QByteArray> files;
    for (const QString& name : storageFileNames(character))
        files << readBytes(dir.filePath(name));
    return files;
}

} // namespace

class FileTransactionTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        faults::stopAfterSteps(-1);
        faults::failWritesAfter(-1);
    }

    // A save stopped after any of its steps, as a kill would stop it, leaves
    // the next reader every file as before the save or every file as after.
    void saveStoppedAfterEveryStep_data()
    {
        QTest::addColumn<int>("steps");
        QTest::addColumn<bool>("afterSave");
        QTest::addColumn<FileTransaction::Recovery>("recovery");
        // Four temporaries, the journal, four renames; the journal goes last.
        for (int steps = 0; steps <= 8; ++steps)
            QTest::addRow("stopped after step %d", steps + 1)
                << steps << (steps >= 4)
                << (steps < 4 ? FileTransaction::Recovery::Undone : FileTransaction::Recovery::Finished);
    }

    void saveStoppedAfterEveryStep()
    {
        QFETCH(int, steps);
        QFETCH(bool, afterSave);
        QFETCH(FileTransaction::Recovery, recovery);
        QTemporaryDir dir;
        const DataFolder folder(dir.path());
        Storage mog, bag;
        QVERIFY(fillStorage(mog, {u"old\t\t1"_s}, {u"Old"_s}));
        QVERIFY(saveStorages(folder, u"Kuro"_s, {&mog, &bag}).ok());
        const QList<QByteArray> before = characterFiles(dir, u"Kuro"_s);

        QVERIFY(mog.append(u"new\t\t2"_s, u"New"_s) == Storage::AppendResult::Added);
        QVERIFY(bag.append(u"bag\t\t3"_s, u"Bag"_s) == Storage::AppendResult::Added);
        faults::stopAfterSteps(steps);
        QVERIFY(!saveStorages(folder, u"Kuro"_s, {&mog, &bag}).ok());
        faults::stopAfterSteps(-1);

        Storage mog2, bag2;
        QCOMPARE(loadStorages(folder, u"Kuro"_s, {&mog2, &bag2}).recovery, recovery);
        const QList<QByteArray> expected = afterSave ? QList<QByteArray>{"old\t\t1\r\nnew\t\t2\r\n", "Old\r\nNew\r\n",
                                                                         "bag\t\t3\r\n", "Bag\r\n"}
                                                     : before;
        QCOMPARE(characterFiles(dir, u"Kuro"_s), expected);
        QCOMPARE(mog2.lineCount(), afterSave ? 2 : 1);
        // Nothing of the transaction is left behind, and a second reading has nothing to recover.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 4);
        QCOMPARE(FileTransaction::recover(dir.path()), FileTransaction::Recovery::Nothing);
    }

    void failedWriteInTheMiddleLeavesEveryFileAsItWas()
    {
        QTemporaryDir dir;
        QVERIFY(writeBytes(dir.filePath(u"a.dat"_s), "A\r\n") && writeBytes(dir.filePath(u"b.dat"_s), "B\r\n"));
        FileTransaction transaction(dir.path());
        transaction.replace(u"a.dat"_s, "A2\r\n");
        transaction.replace(u"b.dat"_s, "B2\r\n");
        // The first file's new contents are written whole; the disk fills during the second's.
        faults::failWritesAfter(5);
        const FileResult result = transaction.commit();
        QVERIFY(!result.ok());
        QCOMPARE(result.path(), dir.filePath(u"b.dat"_s));
        QCOMPARE(readBytes(dir.filePath(u"a.dat"_s)) + readBytes(dir.filePath(u"b.dat"_s)), QByteArray("A\r\nB\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{u"a.dat"_s, u"b.dat"_s}));
    }

    // A journal is finished only for names of the folder's own files; one
    // that names a file elsewhere moves nothing there.
    void journalReachesNoFileOutsideTheFolder_data()
    {
        QTest::addColumn<QByteArray>("journal");
        QTest::newRow("target outside") << QByteArray("morvane-save-0.tmp\t../outside.dat\n");
        QTest::newRow("source outside") << QByteArray("../outside.dat\tKuromog.dat\n");
        QTest::newRow("not a save's file") << QByteArray("cname.dat\tKuromog.dat\n");
        QTest::newRow("Windows separator") << QByteArray("morvane-save-0.tmp\t..\\outside.dat\n");
        QTest::newRow("drive") << QByteArray("morvane-save-0.tmp\tC:outside.dat\n");
    }

    void journalReachesNoFileOutsideTheFolder()
    {
        QFETCH(QByteArray, journal);
        QTemporaryDir outer;
        QVERIFY(QDir(outer.path()).mkdir(u"data"_s));
        const QDir data(outer.filePath(u"data"_s));
        QVERIFY(writeBytes(outer.filePath(u"outside.dat"_s), "outside\r\n"));
        QVERIFY(writeBytes(data.filePath(u"morvane-save-0.tmp"_s), "saved\r\n"));
        QVERIFY(writeBytes(data.filePath(u"cname.dat"_s), "Kuro\r\n"));
        QVERIFY(writeBytes(data.filePath(u"morvane.journal"_s), journal));
        FileTransaction::recover(data.path());
        QCOMPARE(readBytes(outer.filePath(u"outside.dat"_s)), QByteArray("outside\r\n"));
        QCOMPARE(readBytes(data.filePath(u"cname.dat"_s)), QByteArray("Kuro\r\n"));
        QCOMPARE(QDir(outer.path()).entryList(QDir::Files), QStringList{u"outside.dat"_s});
        QVERIFY(!data.exists(u"Kuromog.dat"_s));
    }

    // An append never glues its line to a last line without a line end, and
    // a failed append leaves the file as it was.
    void appendEndsTheLastLineFirst_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("missing file") << QByteArray() << QByteArray("Shiro\r\n");
        QTest::newRow("ended by CR LF") << QByteArray("Kuro\r\n") << QByteArray("Kuro\r\nShiro\r\n");
        QTest::newRow("ended by lone CR") << QByteArray("Kuro\r") << QByteArray("Kuro\rShiro\r\n");
        QTest::newRow("ended by lone LF") << QByteArray("Kuro\n") << QByteArray("Kuro\nShiro\r\n");
        QTest::newRow("no line end") << QByteArray("Kuro") << QByteArray("Kuro\r\nShiro\r\n");
        QTest::newRow("record without line end")
            << QByteArray("1\tA\td\t0\t0\t1") << QByteArray("1\tA\td\t0\t0\t1\r\nShiro\r\n");
    }

    void appendEndsTheLastLineFirst()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"cname.dat"_s);
        if (!before.isEmpty())
            QVERIFY(writeBytes(path, before));
        faults::failWritesAfter(3);
        QVERIFY(!appendTextLine(path, u"Shiro"_s).ok());
        QCOMPARE(readBytes(path), before);
        QVERIFY(appendTextLine(path, u"Shiro"_s).ok());
        QCOMPARE(readBytes(path), after);
    }

    // The player is told what to do about a failure, in Japanese.
    void failureReasonsNameTheCause()
    {
        QTemporaryDir dir;
        const FileResult missingFolder = writeTextFile(dir.filePath(u"gone/cname.dat"_s), {u"Kuro"_s});
        QCOMPARE(missingFolder.reason(), QStringLiteral("フォルダーが見つかりません"));
        QCOMPARE(appendTextLine(dir.filePath(u"gone/cname.dat"_s), u"Kuro"_s).reason(),
                 QStringLiteral("フォルダーが見つかりません"));
        QVERIFY(QDir(dir.path()).mkdir(u"cname.dat"_s));
        QCOMPARE(writeTextFile(dir.filePath(u"cname.dat"_s), {u"Kuro"_s}).reason(),
                 QStringLiteral("ファイルの場所にフォルダーがあります"));
        const QString longName = QString(300, u'x') + u".dat"_s;
        QCOMPARE(writeTextFile(dir.filePath(longName), {u"Kuro"_s}).reason(), QStringLiteral("ファイル名が長すぎます"));
    }

    // Reading stops at the line limit; the line ends are those of a whole read.
    void leadingLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("maxLines");
        QTest::addColumn<QByteArray>("kept");
        QTest::addColumn<bool>("more");
        QTest::newRow("fewer lines") << QByteArray("a\r\nb") << 3 << QByteArray("a\r\nb") << false;
        QTest::newRow("exactly, ended") << QByteArray("a\r\nb\r\n") << 2 << QByteArray("a\r\nb\r\n") << false;
        QTest::newRow("exactly, unended") << QByteArray("a\r\nb") << 2 << QByteArray("a\r\nb") << false;
        QTest::newRow("one more") << QByteArray("a\r\nb\r\nc") << 2 << QByteArray("a\r\nb\r\n") << true;
        QTest::newRow("empty line more") << QByteArray("a\r\r\n") << 1 << QByteArray("a\r") << true;
        QTest::newRow("lone CR then more") << QByteArray("a\rb") << 1 << QByteArray("a\r") << true;
        QTest::newRow("lone LF ends") << QByteArray("a\nb\n") << 2 << QByteArray("a\nb\n") << false;
        // Line ends that straddle two reads.
        const QByteArray chunk(64 * 1024 - 1, 'x');
        QTest::newRow("CR LF across reads") << chunk + "\r\nz" << 1 << chunk + "\r\n" << true;
        QTest::newRow("CR LF across reads, last") << chunk + "\r\n" << 1 << chunk + "\r\n" << false;
        QTest::newRow("many lines") << QByteArray("x\r\n").repeated(100000) << 10001
                                    << QByteArray("x\r\n").repeated(10001) << true;
    }

    void leadingLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, maxLines);
        QFETCH(QByteArray, kept);
        QFETCH(bool, more);
        QTemporaryDir dir;
        QVERIFY(writeBytes(dir.filePath(u"f"_s), bytes));
        bool reportedMore = !more;
        const FileContents read = readLeadingLines(dir.filePath(u"f"_s), maxLines, &reportedMore);
        QVERIFY(read.result.ok());
        QCOMPARE(read.bytes, kept);
        QCOMPARE(reportedMore, more);
        QCOMPARE(decodeLines(read.bytes), decodeLines(bytes).mid(0, maxLines));
    }
};

QTEST_GUILESS_MAIN(FileTransactionTest)
#include "tst_filetransaction.moc"
