#include "FaultyFileSystem.h"
#include "FileBytes.h"
#include "SavedVersions.h"

#include "model/characters/CharacterRoster.h"
#include "model/files/FileFailure.h"
#include "model/files/FileTransaction.h"
#include "model/storage/Storage.h"
#include "model/storage/StorageFiles.h"
#include "model/text/TextFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <numeric>

using namespace morvane;
using namespace Qt::StringLiterals;

namespace {

const QString kKuro = u"Kuro"_s;

// A character's files as the program reads them now.
QList<QByteArray> readAsTheProgramDoes(const DataFolder& folder, const QString& character, Recovery* recovery)
{
    Storage mog, bag;
    const StorageLoadReport report = loadStorages(folder, character, {&mog, &bag});
    *recovery = report.recovery.value();
    return {mog.listFileBytes(), mog.detailFileBytes(), bag.listFileBytes(), bag.detailFileBytes()};
}

} // namespace

class FileTransactionTest : public QObject {
    Q_OBJECT

private slots:
    // A save stopped after any of its steps, as a kill would stop it, leaves
    // the next reader every file as before the save or every file as after.
    void saveStoppedAfterEveryStep_data()
    {
        QTest::addColumn<int>("steps");
        QTest::addColumn<bool>("afterSave");
        QTest::addColumn<Recovery::Outcome>("recovery");
        // Four temporaries, the journal, four renames; the journal goes last.
        for (int steps = 1; steps <= 9; ++steps)
            QTest::addRow("stopped after step %d", steps)
                << steps << (steps >= 5) << (steps < 5 ? Recovery::Outcome::Undone : Recovery::Outcome::Finished);
    }

    void saveStoppedAfterEveryStep()
    {
        QFETCH(int, steps);
        QFETCH(bool, afterSave);
        QFETCH(Recovery::Outcome, recovery);
        QTemporaryDir dir;
        FaultyFileSystem fileSystem;
        const DataFolder folder(dir.path(), fileSystem);
        QVERIFY(saveVersion(folder, kKuro, 1).ok());

        fileSystem.stopAfter(steps);
        // Once every file is in place the save is done, whatever becomes of its journal.
        QCOMPARE(saveVersion(folder, kKuro, 2).ok(), steps == 9);

        Recovery recovered;
        QCOMPARE(readAsTheProgramDoes(DataFolder(dir.path()), kKuro, &recovered), versionFiles(afterSave ? 2 : 1));
        QCOMPARE(recovered.outcome, recovery);
        QCOMPARE(characterFiles(dir.path(), kKuro), versionFiles(afterSave ? 2 : 1));
        // Nothing of the transaction is left behind, and a second reading has nothing to recover.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 4);
        QCOMPARE(FileTransaction::recover(DataFolder(dir.path())).outcome, Recovery::Outcome::Nothing);
    }

    // However a rename fails (in a save, or in the recovery after a kill;
    // for a moment or for good), the next roster rewrite or save and the next
    // start find every character's files as one complete save left them, and
    // every read meanwhile sees the failed save whole.
    void failedRenameLeavesNoTornSave_data()
    {
        QTest::addColumn<bool>("inRecovery");
        QTest::addColumn<int>("heldFile"); // in storage-file order
        QTest::addColumn<bool>("releasedFirst");
        QTest::addColumn<bool>("rosterRewrite"); // else a second save
        for (const bool inRecovery : {false, true})
            for (int heldFile = 0; heldFile < 4; ++heldFile)
                for (const bool releasedFirst : {true, false})
                    for (const bool rosterRewrite : {true, false})
                        QTest::addRow("%s, rename %d fails, %s, %s", inRecovery ? "recovery" : "save", heldFile + 1,
                                      releasedFirst ? "released" : "still held",
                                      rosterRewrite ? "roster rewrite" : "second save")
                            << inRecovery << heldFile << releasedFirst << rosterRewrite;
    }

    void failedRenameLeavesNoTornSave()
    {
        QFETCH(bool, inRecovery);
        QFETCH(int, heldFile);
        QFETCH(bool, releasedFirst);
        QFETCH(bool, rosterRewrite);
        QTemporaryDir dir;
        FaultyFileSystem fileSystem;
        const DataFolder folder(dir.path(), fileSystem);
        CharacterRoster roster(folder);
        QVERIFY(roster.append(kKuro).ok() && roster.append(u"Shiro"_s).ok());
        QVERIFY(saveVersion(folder, kKuro, 1).ok() && saveVersion(folder, u"Shiro"_s, 1).ok());
        const QString held = storageFileNames(kKuro).at(heldFile);

        if (inRecovery) {
            fileSystem.stopAfter(5); // killed once the journal is written
            QVERIFY(!saveVersion(folder, kKuro, 2).ok());
            fileSystem.stopAfter(-1);
            fileSystem.hold(held);
            const Recovery recovery = FileTransaction::recover(folder);
            QCOMPARE(recovery.outcome, Recovery::Outcome::Unfinished);
            QCOMPARE(recovery.unfinishedFile.path(), dir.filePath(held));
            QCOMPARE(recovery.unfinishedFile.reason(), fileInUseReason());
        } else {
            fileSystem.hold(held);
            const FileResult saved = saveVersion(folder, kKuro, 2);
            QCOMPARE(saved.path(), dir.filePath(held));
            QCOMPARE(saved.reason(), fileInUseReason());
        }
        Recovery recovery;
        QCOMPARE(readAsTheProgramDoes(folder, kKuro, &recovery), versionFiles(2));
        QCOMPARE(recovery.outcome, Recovery::Outcome::Unfinished);

        if (releasedFirst)
            fileSystem.release();
        const FileResult next = rosterRewrite ? roster.removeAt(1) : saveVersion(folder, kKuro, 3);
        QCOMPARE(next.reason(), releasedFirst ? QString() : unfinishedSaveReason(fileInUseReason()));

        fileSystem.release();
        const DataFolder restarted(dir.path());
        const bool secondSaved = releasedFirst && !rosterRewrite;
        QCOMPARE(readAsTheProgramDoes(restarted, kKuro, &recovery), versionFiles(secondSaved ? 3 : 2));
        QCOMPARE(recovery.outcome, releasedFirst ? Recovery::Outcome::Nothing : Recovery::Outcome::Finished);
        QCOMPARE(characterFiles(dir.path(), kKuro), versionFiles(secondSaved ? 3 : 2));
        QCOMPARE(characterFiles(dir.path(), u"Shiro"_s), versionFiles(1));
        QCOMPARE(readBytes(dir.filePath(u"cname.dat"_s)),
                 QByteArray(releasedFirst && rosterRewrite ? "Kuro\r\n" : "Kuro\r\nShiro\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 9);
    }

    // A file another program holds is tried again with growing waits, well
    // under a second in all; what still fails is reported, and finished by
    // the next read. Other failures are not waited for.
    void heldFileIsTriedAgain_data()
    {
        QTest::addColumn<QString>("heldFile");
        QTest::addColumn<int>("attempts");
        QTest::addColumn<FaultyFileSystem::Outcome>("outcome");
        QTest::addColumn<int>("waits");
        QTest::addColumn<QString>("reason");
        const auto busy = FaultyFileSystem::Outcome::Busy;
        QTest::newRow("held for a moment") << u"Kuromog.dat"_s << 1 << busy << 1 << QString();
        QTest::newRow("held for five tries") << u"Kurobaginfo.dat"_s << 5 << busy << 5 << QString();
        QTest::newRow("held for longer") << u"Kuromog.dat"_s << 6 << busy << 5 << fileInUseReason();
        QTest::newRow("disk error") << u"Kuromog.dat"_s << 1 << FaultyFileSystem::Outcome::Failed << 0 << u"disk error"_s;
        QTest::newRow("journal held on removal") << u"morvane.journal"_s << 3 << busy << 3 << QString();
    }

    void heldFileIsTriedAgain()
    {
        QFETCH(QString, heldFile);
        QFETCH(int, attempts);
        QFETCH(FaultyFileSystem::Outcome, outcome);
        QFETCH(int, waits);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        FaultyFileSystem fileSystem;
        const DataFolder folder(dir.path(), fileSystem);
        QVERIFY(saveVersion(folder, kKuro, 1).ok());
        fileSystem.hold(heldFile, attempts, outcome);
        QCOMPARE(saveVersion(folder, kKuro, 2).reason(), reason);

        QCOMPARE(fileSystem.waits.size(), waits);
        for (int k = 1; k < fileSystem.waits.size(); ++k)
            QVERIFY(fileSystem.waits[k] > fileSystem.waits[k - 1]);
        QVERIFY(std::accumulate(fileSystem.waits.cbegin(), fileSystem.waits.cend(), 0) < 500);
        Recovery recovery;
        QCOMPARE(readAsTheProgramDoes(DataFolder(dir.path()), kKuro, &recovery), versionFiles(2));
        QCOMPARE(recovery.outcome, reason.isEmpty() ? Recovery::Outcome::Nothing : Recovery::Outcome::Finished);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 4);
    }

    // The folder is synced before the journal names the temporaries, before
    // the first file is replaced and before the journal goes; no two saves
    // write the same temporary.
    void eachStepIsKeptBeforeTheNext()
    {
        QTemporaryDir dir;
        FaultyFileSystem fileSystem;
        const DataFolder folder(dir.path(), fileSystem);
        QStringList temporaries;
        for (int version = 1; version <= 2; ++version) {
            fileSystem.log.clear();
            QVERIFY(saveVersion(folder, kKuro, version).ok());
            QStringList steps;
            for (const QString& step : std::as_const(fileSystem.log)) {
                const bool temporary = step.startsWith(u"write morvane-save-");
                if (temporary)
                    temporaries << step;
                steps << (temporary ? u"write temporary"_s : step);
            }
            QCOMPARE(steps, (QStringList{u"write temporary"_s, u"write temporary"_s, u"write temporary"_s,
                                         u"write temporary"_s, u"sync"_s, u"write morvane.journal"_s, u"sync"_s,
                                         u"replace Kuromog.dat"_s, u"replace Kuromoginfo.dat"_s,
                                         u"replace Kurobag.dat"_s, u"replace Kurobaginfo.dat"_s, u"sync"_s,
                                         u"remove morvane.journal"_s}));
        }
        temporaries.removeDuplicates();
        QCOMPARE(temporaries.size(), 8);
    }

    // A line appended to a file that an unfinished save is to replace would
    // be buried under that save's contents: the append waits for the save.
    // Other files are not held up.
    void appendWaitsForAnUnfinishedSaveOfItsFile()
    {
        QTemporaryDir dir;
        FaultyFileSystem fileSystem;
        const QString roster = dir.filePath(u"cname.dat"_s);
        QVERIFY(writeTextFile(roster, {kKuro, u"Shiro"_s}, fileSystem).ok());
        fileSystem.hold(u"cname.dat"_s);
        QVERIFY(!writeTextFile(roster, {u"Shiro"_s}, fileSystem).ok());

        QVERIFY(appendTextLine(dir.filePath(u"item.dat"_s), u"1\tA\td\t0\t0\t1"_s, fileSystem).ok());
        QCOMPARE(appendTextLine(roster, u"Kage"_s, fileSystem).reason(), unfinishedSaveReason(fileInUseReason()));
        QCOMPARE(readBytes(roster), QByteArray("Kuro\r\nShiro\r\n"));
        fileSystem.release();
        QVERIFY(appendTextLine(roster, u"Kage"_s, fileSystem).ok());
        QCOMPARE(readBytes(roster), QByteArray("Shiro\r\nKage\r\n"));
    }

    void failedWriteInTheMiddleLeavesEveryFileAsItWas()
    {
        QTemporaryDir dir;
        QVERIFY(writeBytes(dir.filePath(u"a.dat"_s), "A\r\n") && writeBytes(dir.filePath(u"b.dat"_s), "B\r\n"));
        FaultyFileSystem fileSystem;
        FileTransaction transaction(DataFolder(dir.path(), fileSystem));
        transaction.replace(u"a.dat"_s, "A2\r\n");
        transaction.replace(u"b.dat"_s, "B2\r\n");
        // The first file's new contents are written whole; the disk fills during the second's.
        fileSystem.failWritesAfter(5);
        const FileResult result = transaction.commit();
        QVERIFY(!result.ok());
        QCOMPARE(result.path(), dir.filePath(u"b.dat"_s));
        QCOMPARE(readBytes(dir.filePath(u"a.dat"_s)) + readBytes(dir.filePath(u"b.dat"_s)), QByteArray("A\r\nB\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{u"a.dat"_s, u"b.dat"_s}));
    }

    // Recovery removes what a save cut short left behind, and nothing of the
    // player's, whatever a character is called.
    void leftOversAreOnlyTheSavesOwn_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("leftOver");
        QTest::newRow("temporary") << u"morvane-save-3f2a9c-0.tmp"_s << true;
        QTest::newRow("earlier version's temporary") << u"morvane-save-0.tmp"_s << true;
        QTest::newRow("temporary being written") << u"morvane-save-3f2a9c-1.tmp.Ab12Cd"_s << true;
        QTest::newRow("journal being written") << u"morvane.journal.xY34zW"_s << true;
        QTest::newRow("character named like a temporary") << u"morvane-save-1mog.dat"_s << false;
        QTest::newRow("character named like a whole one") << u"morvane-save-0.tmpbaginfo.dat"_s << false;
        QTest::newRow("character named like the journal") << u"morvane.journalmog.dat"_s << false;
    }

    void leftOversAreOnlyTheSavesOwn()
    {
        QFETCH(QString, fileName);
        QFETCH(bool, leftOver);
        QTemporaryDir dir;
        QVERIFY(writeBytes(dir.filePath(fileName), "x\r\n"));
        QCOMPARE(FileTransaction::recover(DataFolder(dir.path())).outcome,
                 leftOver ? Recovery::Outcome::Undone : Recovery::Outcome::Nothing);
        QCOMPARE(QFile::exists(dir.filePath(fileName)), !leftOver);
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
        QCOMPARE(FileTransaction::recover(DataFolder(data.path())).outcome, Recovery::Outcome::Finished);
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
        FaultyFileSystem fileSystem;
        fileSystem.failWritesAfter(3);
        QVERIFY(!appendTextLine(path, u"Shiro"_s, fileSystem).ok());
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
