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
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <numeric>

using namespace morvane;
using namespace Qt::StringLiterals;

namespace {

const QString kKuro = u"Kuro"_s;

// Where a save fails; -1: nowhere.
struct Fault {
    int killedAfter = -1; // changes to files
    int diskFullIn = -1;  // written file, counted from 0
    QString held = {};    // replacing or removing it fails `attempts` times
    int attempts = 0;
    FaultyFileSystem::Outcome outcome = FaultyFileSystem::Outcome::Busy;
};

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
    // However a save fails (killed after any of its steps, the disk full in
    // any of its writes, a file held by another program or failing), the next
    // reader finds every file as before the save or every file as after, and
    // nothing of the transaction left behind. A held file is tried again with
    // growing waits, well under a second in all; other failures are not waited for.
    void failedSaveLeavesOneWholeSave_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QString>("failedFile"); // null: saved
        QTest::addColumn<int>("version"); // the save the next reader finds
        QTest::addColumn<Recovery::Outcome>("recovery");
        QTest::addColumn<int>("waits");
        using enum Recovery::Outcome;
        // Four temporaries, the journal, four renames; the journal goes last.
        const QStringList steps = storageFileNames(kKuro) + QStringList{u"morvane.journal"_s} + storageFileNames(kKuro);
        for (int step = 1; step <= 9; ++step)
            QTest::addRow("killed after step %d", step)
                << Fault{.killedAfter = step} << steps.value(step) << (step < 5 ? 1 : 2) << (step < 5 ? Undone : Finished) << 0;
        for (int step = 0; step < 5; ++step)
            QTest::addRow("disk full in write %d", step + 1) << Fault{.diskFullIn = step} << steps[step] << 1 << Nothing << 0;
        QTest::newRow("held for five tries") << Fault{.held = u"Kurobaginfo.dat"_s, .attempts = 5} << QString() << 2 << Nothing << 5;
        QTest::newRow("held for longer") << Fault{.held = u"Kuromog.dat"_s, .attempts = 6} << u"Kuromog.dat"_s << 2 << Finished << 5;
        QTest::newRow("disk error") << Fault{.held = u"Kuromog.dat"_s, .attempts = 1, .outcome = FaultyFileSystem::Outcome::Failed}
                                    << u"Kuromog.dat"_s << 2 << Finished << 0;
        QTest::newRow("journal held on removal") << Fault{.held = u"morvane.journal"_s, .attempts = 3} << QString() << 2 << Nothing << 3;
    }

    void failedSaveLeavesOneWholeSave()
    {
        QFETCH(Fault, fault);
        QFETCH(QString, failedFile);
        QFETCH(int, version);
        QFETCH(Recovery::Outcome, recovery);
        QFETCH(int, waits);
        QTemporaryDir dir;
        FaultyFileSystem fileSystem;
        const DataFolder folder(dir.path(), fileSystem);
        QVERIFY(saveVersion(folder, kKuro, 1).ok());
        fileSystem.stopAfter(fault.killedAfter);
        if (fault.diskFullIn >= 0) {
            const QList<QByteArray> files = versionFiles(2);
            fileSystem.failWritesAfter(std::accumulate(files.cbegin(), files.cbegin() + fault.diskFullIn, QByteArray()).size() + 1);
        }
        if (!fault.held.isEmpty())
            fileSystem.hold(fault.held, fault.attempts, fault.outcome);

        // Once every file is in place the save is done, whatever becomes of
        // its journal. A failure says why, of the player's file, not a temporary.
        const FileResult saved = saveVersion(folder, kKuro, 2);
        QCOMPARE(saved.path(), failedFile.isNull() ? QString() : dir.filePath(failedFile));
        QCOMPARE(saved.reason().isEmpty(), failedFile.isNull());
        QCOMPARE(fileSystem.waits.size(), waits);
        for (int k = 1; k < fileSystem.waits.size(); ++k)
            QVERIFY(fileSystem.waits[k] > fileSystem.waits[k - 1]);
        QVERIFY(std::accumulate(fileSystem.waits.cbegin(), fileSystem.waits.cend(), 0) < 500);

        Recovery recovered;
        QCOMPARE(readAsTheProgramDoes(DataFolder(dir.path()), kKuro, &recovered), versionFiles(version));
        QCOMPARE(recovered.outcome, recovery);
        QCOMPARE(characterFiles(dir.path(), kKuro), versionFiles(version));
        // Nothing of the transaction is left behind.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 4);
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

        // In recovery: the save is killed once its journal is written.
        fileSystem.stopAfter(inRecovery ? 5 : -1);
        fileSystem.hold(held);
        QVERIFY(!saveVersion(folder, kKuro, 2).ok());
        fileSystem.stopAfter(-1);
        Recovery recovery;
        QCOMPARE(readAsTheProgramDoes(folder, kKuro, &recovery), versionFiles(2));
        QCOMPARE(recovery.outcome, Recovery::Outcome::Unfinished);
        QCOMPARE(recovery.unfinishedFile.path(), dir.filePath(held));
        QCOMPARE(recovery.unfinishedFile.reason(), fileInUseReason());

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
            temporaries << fileSystem.log.filter(u"write morvane-save-"_s);
            fileSystem.log.replaceInStrings(QRegularExpression(u"^write morvane-save-.*"_s), u"write temporary"_s);
            QCOMPARE(fileSystem.log, (QStringList{u"write temporary"_s, u"write temporary"_s, u"write temporary"_s,
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
};

QTEST_GUILESS_MAIN(FileTransactionTest)
#include "tst_filetransaction.moc"
