#include "FileBytes.h"
#include "StorageContents.h"

#include "model/Storage.h"
#include "model/StorageFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace morvane;

class StorageTest : public QObject {
    Q_OBJECT

private slots:
    void loadAndSaveAreByteExact()
    {
        QTemporaryDir dir;
        const DataFolder folder(dir.path());
        const QString name = QStringLiteral(" クロ ");
        const QByteArray list = "a\t\t1\r\n\r\n x \r\n";
        QVERIFY(writeBytes(dir.filePath(" クロ mog.dat"), list));
        QVERIFY(writeBytes(dir.filePath(" クロ moginfo.dat"), "A\r\n"));
        QVERIFY(writeBytes(dir.filePath(" クロ baginfo.dat"), "stale\r\n"));
        Storage mog, bag;
        QVERIFY(fillStorage(mog, {"1", "2", "3"}, {"D1", "D2", "D3"}));
        QVERIFY(loadStorages(folder, name, {&mog, &bag}).unreadableFiles.isEmpty());
        // Lines the detail file does not reach get empty details, not the old ones.
        QCOMPARE(storedDetails(mog), (QStringList{"A", "", ""}));
        QCOMPARE(mog.append(QStringLiteral("炎の塊\t\t12"), QStringLiteral("Lv1～ 戦")), Storage::AppendResult::Added);

        QVERIFY(saveStorages(folder, name, {&mog, &bag}).ok());
        QCOMPARE(readBytes(dir.filePath(" クロ mog.dat")), list + QByteArray::fromHex("898a82cc89f2") + "\t\t12\r\n");
        QCOMPARE(readBytes(dir.filePath(" クロ moginfo.dat")), QByteArray::fromHex("410d0a0d0a0d0a4c763181602090ed0d0a"));
        // An empty storage is two zero-length files: details beyond the lines are not saved.
        QCOMPARE(readBytes(dir.filePath(" クロ bag.dat")) + readBytes(dir.filePath(" クロ baginfo.dat")), QByteArray());
        Storage mog2, bag2;
        QVERIFY(loadStorages(folder, name, {&mog2, &bag2}).unreadableFiles.isEmpty());
        QCOMPARE(mog2.lines() + storedDetails(mog2), mog.lines() + storedDetails(mog));
    }

    void textsThatCannotBeOneLineAreNotStored_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("detail");
        QTest::newRow("CR LF in the line") << "a x1\r\nb x2" << "d";
        QTest::newRow("lone CR in the line") << "a\rb" << "d";
        QTest::newRow("lone LF in the detail") << "a x1" << "d1\nd2";
        QTest::newRow("not in code page 932") << "a\u00e9" << "d";
    }

    void textsThatCannotBeOneLineAreNotStored()
    {
        QFETCH(QString, line);
        QFETCH(QString, detail);
        QTemporaryDir dir;
        const DataFolder folder(dir.path());
        Storage mog, bag;
        QVERIFY(fillStorage(mog, {"kept"}, {"K"}));
        QCOMPARE(mog.append(line, detail), Storage::AppendResult::NotStorable);
        QVERIFY(saveStorages(folder, "Kuro", {&mog, &bag}).ok());
        Storage mog2, bag2;
        loadStorages(folder, "Kuro", {&mog2, &bag2});
        QCOMPARE(mog2.lines() + storedDetails(mog2), (QStringList{"kept", "K"}));
    }

    void capacity()
    {
        QTemporaryDir dir;
        QVERIFY(writeBytes(dir.filePath("Kurobag.dat"), QByteArray("x\r\n").repeated(Storage::kCapacity + 2)));
        Storage mog, bag;
        QCOMPARE(loadStorages(DataFolder(dir.path()), "Kuro", {&mog, &bag}).truncatedFiles, QStringList{"Kurobag.dat"});
        QCOMPARE(bag.lineCount(), Storage::kCapacity);
        QCOMPARE(bag.append("y", "Y"), Storage::AppendResult::Full);
        QCOMPARE(bag.lineCount(), Storage::kCapacity);
    }

    void unusableNamesTouchNoFile()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("data"));
        const DataFolder folder(dir.filePath("data"));
        // A file the name would reach outside the data folder.
        QVERIFY(writeBytes(dir.filePath("Kuromog.dat"), "outside\r\n"));
        for (const QString name : {"../Kuro", "..\\Kuro", "C:Kuro", "Ku*", "Ku\tro", "Ku\u00e9"}) {
            Storage mog, bag;
            QVERIFY(fillStorage(mog, {"shown before"}, {"D"}));
            QVERIFY2(loadStorages(folder, name, {&mog, &bag}).unusableName, qPrintable(name));
            QVERIFY(mog.lineCount() == 0 && !saveStorages(folder, name, {&mog, &bag}).ok());
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Kuromog.dat"});
        QCOMPARE(QDir(dir.filePath("data")).entryList(QDir::Files), QStringList{});
        QCOMPARE(readBytes(dir.filePath("Kuromog.dat")), QByteArray("outside\r\n"));
    }
};

QTEST_GUILESS_MAIN(StorageTest)
#include "tst_storage.moc"
