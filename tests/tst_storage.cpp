#include "FileBytes.h"
#include "StorageContents.h"

#include "model/storage/Storage.h"
#include "model/storage/StorageFiles.h"
#include "model/storage/StorageSort.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace morvane;
using namespace Qt::StringLiterals;

class StorageTest : public QObject {
    Q_OBJECT

private slots:
    void loadAndSaveAreByteExact()
    {
        QTemporaryDir dir;
        const DataFolder folder(dir.path());
        const QString name = QStringLiteral(" クロ ");
        const QByteArray list = "a\t\t1\r\n\r\n x \r\n";
        QVERIFY(writeBytes(dir.filePath(u" クロ mog.dat"_s), list));
        QVERIFY(writeBytes(dir.filePath(u" クロ moginfo.dat"_s), "A\r\n"));
        QVERIFY(writeBytes(dir.filePath(u" クロ baginfo.dat"_s), "stale\r\n"));
        Storage mog, bag;
        QVERIFY(fillStorage(mog, {u"1"_s, u"2"_s, u"3"_s}, {u"D1"_s, u"D2"_s, u"D3"_s}));
        QVERIFY(loadStorages(folder, name, {&mog, &bag}).unreadableFiles.isEmpty());
        // Lines the detail file does not reach get empty details, not the old ones.
        QCOMPARE(storedDetails(mog), (QStringList{u"A"_s, u""_s, u""_s}));
        QCOMPARE(mog.append(QStringLiteral("炎の塊\t\t12"), QStringLiteral("Lv1～ 戦")), Storage::AppendResult::Added);

        QVERIFY(saveStorages(folder, name, {&mog, &bag}).ok());
        QCOMPARE(readBytes(dir.filePath(u" クロ mog.dat"_s)), list + QByteArray::fromHex("898a82cc89f2") + "\t\t12\r\n");
        QCOMPARE(readBytes(dir.filePath(u" クロ moginfo.dat"_s)), QByteArray::fromHex("410d0a0d0a0d0a4c763181602090ed0d0a"));
        // An empty storage is two zero-length files: details beyond the lines are not saved.
        QCOMPARE(readBytes(dir.filePath(u" クロ bag.dat"_s)) + readBytes(dir.filePath(u" クロ baginfo.dat"_s)), QByteArray());
    }

    void textsThatCannotBeOneLineAreNotStored_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("detail");
        QTest::newRow("lone CR in the line") << "a\rb" << "d";
        QTest::newRow("lone LF in the detail") << "a x1" << "d1\nd2";
        QTest::newRow("not in code page 932") << "a\u00e9" << "d";
    }

    void textsThatCannotBeOneLineAreNotStored()
    {
        QFETCH(QString, line);
        QFETCH(QString, detail);
        Storage mog;
        QVERIFY(fillStorage(mog, {u"kept"_s}, {u"K"_s}));
        QCOMPARE(mog.append(line, detail), Storage::AppendResult::NotStorable);
        QCOMPARE(mog.listFileBytes() + mog.detailFileBytes(), QByteArray("kept\r\nK\r\n"));
    }

    void capacity()
    {
        QTemporaryDir dir;
        QVERIFY(writeBytes(dir.filePath(u"Kurobag.dat"_s), QByteArray("x\r\n").repeated(Storage::kCapacity + 2)));
        Storage mog, bag;
        QCOMPARE(loadStorages(DataFolder(dir.path()), u"Kuro"_s, {&mog, &bag}).truncatedFiles, QStringList{u"Kurobag.dat"_s});
        QCOMPARE(bag.lineCount(), Storage::kCapacity);
        QCOMPARE(bag.append(u"y"_s, u"Y"_s), Storage::AppendResult::Full);
        QCOMPARE(bag.lineCount(), Storage::kCapacity);
    }

    void unusableNamesTouchNoFile()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"data"_s));
        const DataFolder folder(dir.filePath(u"data"_s));
        // A file the name would reach outside the data folder.
        QVERIFY(writeBytes(dir.filePath(u"Kuromog.dat"_s), "outside\r\n"));
        for (const QString& name : {u"../Kuro"_s, u"..\\Kuro"_s, u"C:Kuro"_s, u"Ku*"_s, u"Ku\tro"_s, u"Ku\u00e9"_s}) {
            Storage mog, bag;
            QVERIFY(fillStorage(mog, {u"shown before"_s}, {u"D"_s}));
            QVERIFY2(!loadStorages(folder, name, {&mog, &bag}).unusableName.isEmpty(), qPrintable(name));
            QVERIFY(mog.lineCount() == 0 && !saveStorages(folder, name, {&mog, &bag}).ok());
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"Kuromog.dat"_s});
        QCOMPARE(QDir(dir.filePath(u"data"_s)).entryList(QDir::Files), QStringList{});
        QCOMPARE(readBytes(dir.filePath(u"Kuromog.dat"_s)), QByteArray("outside\r\n"));
    }

    void agreesWithExchangeSort_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("distinctLines");
        QTest::addColumn<int>("distinctDetails"); // 1: equal lines carry equal details
        QTest::newRow("empty") << 0 << 1 << 1;
        QTest::newRow("one") << 1 << 1 << 1;
        QTest::newRow("all equal lines, different details") << 40 << 1 << 40;
        QTest::newRow("few lines, many details") << 300 << 5 << 50;
        QTest::newRow("equal lines, equal details") << 400 << 20 << 1;
    }
    void agreesWithExchangeSort()
    {
        QFETCH(int, size);
        QFETCH(int, distinctLines);
        QFETCH(int, distinctDetails);
        // Names of every kind of character; some start with others.
        const QStringList kinds{u"1"_s, u"A"_s, u"a"_s, u"か"_s, u"カ"_s, u"炎"_s, u"Ａ"_s, u"ｶ"_s};
        QRandomGenerator random(20041101u + size);
        for (int round = 0; round < 10; ++round) {
            QStringList lines;
            QStringList details;
            for (int i = 0; i < size; ++i) {
                const int item = random.bounded(distinctLines);
                lines << QStringLiteral("%1%2\t%3").arg(kinds[item % kinds.size()]).arg(item).arg(item % 3 == 0 ? 12 : 5);
                details << (distinctDetails == 1 ? QStringLiteral("same for line %1").arg(item)
                                                 : QStringLiteral("detail %1").arg(random.bounded(distinctDetails)));
            }
            Storage storage;
            QVERIFY(fillStorage(storage, lines, details));
            sortStorage(storage);
            // The plain exchange sort: equal lines are never swapped.
            for (qsizetype i = 0; i + 1 < size; ++i) {
                for (qsizetype j = i + 1; j < size; ++j) {
                    if (lines[i] > lines[j]) {
                        lines.swapItemsAt(i, j);
                        details.swapItemsAt(i, j);
                    }
                }
            }
            QCOMPARE(storage.lines(), lines);
            QCOMPARE(storedDetails(storage), details);
        }
    }
};

QTEST_GUILESS_MAIN(StorageTest)
#include "tst_storage.moc"
