// Windows alone refuses to replace a file another program holds open: a
// second process holds a character's file while a save runs.
#include "SavedVersions.h"

#include "model/files/FileFailure.h"
#include "model/files/FileSystem.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace morvane;
using namespace Qt::StringLiterals;

namespace {

const QString kKuro = u"Kuro"_s;

// The platform's own calls, counting the waits between attempts.
class CountingFileSystem : public FileSystem {
public:
    int waits = 0;

    void wait(std::chrono::milliseconds time) override
    {
        ++waits;
        FileSystem::wait(time);
    }
};

// Starts a process that holds Kuromog.dat until `milliseconds` after the
// save's journal appears, and returns once it holds the file.
bool holdKuroMogSafe(QProcess& holder, const QTemporaryDir& dir, int milliseconds)
{
    holder.start(QCoreApplication::applicationDirPath() + u"/morvane_holdfile.exe"_s,
                 {QDir::toNativeSeparators(dir.filePath(u"Kuromog.dat"_s)),
                  QDir::toNativeSeparators(dir.filePath(u"morvane.journal"_s)), QString::number(milliseconds)});
    return holder.waitForReadyRead(10000) && holder.readAll().startsWith("held");
}

} // namespace

class HeldFileTest : public QObject {
    Q_OBJECT

private slots:
    // Held for a moment, the file is tried again until it is free; held for
    // longer, the save fails saying why, and the first read after the file is
    // let go finishes it.
    void heldFile_data()
    {
        QTest::addColumn<int>("heldFor"); // milliseconds after the journal appears
        QTest::addColumn<bool>("forAMoment");
        QTest::newRow("for a moment") << 60 << true;
        QTest::newRow("for longer") << 2000 << false;
    }

    void heldFile()
    {
        QFETCH(int, heldFor);
        QFETCH(bool, forAMoment);
        QTemporaryDir dir;
        CountingFileSystem fileSystem;
        const DataFolder folder(dir.path(), fileSystem);
        QVERIFY(saveVersion(folder, kKuro, 1).ok());
        QProcess holder;
        QVERIFY(holdKuroMogSafe(holder, dir, heldFor));
        const FileResult saved = saveVersion(folder, kKuro, 2);
        QCOMPARE(saved.reason(), forAMoment ? QString() : fileInUseReason());
        QCOMPARE(saved.path(), forAMoment ? QString() : dir.filePath(u"Kuromog.dat"_s));
        QVERIFY(fileSystem.waits > 0);
        QVERIFY(holder.waitForFinished());

        Storage mog, bag;
        QCOMPARE(loadStorages(folder, kKuro, {&mog, &bag}).recovery->outcome,
                 forAMoment ? Recovery::Outcome::Nothing : Recovery::Outcome::Finished);
        QCOMPARE(characterFiles(dir.path(), kKuro), versionFiles(2));
    }
};

QTEST_GUILESS_MAIN(HeldFileTest)
#include "tst_heldfile.moc"
