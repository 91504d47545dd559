#include "FileBytes.h"

#include "model/StackCount.h"
#include "model/Storage.h"
#include "model/StorageFiles.h"
#include "model/TextFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace morvane;

Q_DECLARE_METATYPE(morvane::CountButton)

class StorageTest : public QObject {
    Q_OBJECT

private slots:
    void linesKeepTheirDetailsUpToCapacity();
    void saveAndReloadAreByteExact();
    void filesOfOtherLengths();
    void unusableNamesTouchNoFile_data();
    void unusableNamesTouchNoFile();
    void failedSaveKeepsEveryOldFile();
    void countButtons_data();
    void countButtons();
    void selectorSettings();
    void storageLines_data();
    void storageLines();
};

void StorageTest::linesKeepTheirDetailsUpToCapacity()
{
    Storage storage;
    QCOMPARE(storage.countCaption(), QStringLiteral("0個、入っています"));
    QVERIFY(storage.replace({"a", "b", "c", "d", "e"}, {"A", "B", "C", "D", "E"}));
    storage.removeAt(2);
    storage.removeAt(3);
    storage.removeAt(0);
    QCOMPARE(storage.append("x", "X"), Storage::AppendResult::Added);
    QCOMPARE(storage.lines(), (QStringList{"b", "d", "x"}));
    QCOMPARE(storage.detailsInUse(), (QStringList{"B", "D", "X"}));
    QCOMPARE(storage.countCaption(), QStringLiteral("3個、入っています"));

    QVERIFY(storage.replace(QStringList(Storage::kCapacity - 1, "x"), {}));
    QCOMPARE(storage.append("last", "L"), Storage::AppendResult::Added);
    QCOMPARE(storage.detail(Storage::kCapacity - 1), QStringLiteral("L"));
    QCOMPARE(storage.append("over", "O"), Storage::AppendResult::Full);
    QCOMPARE(storage.countCaption(), QStringLiteral("10001個、入っています"));
}

void StorageTest::saveAndReloadAreByteExact()
{
    QTemporaryDir dir;
    const DataFolder folder(dir.path());
    const QString name = QStringLiteral(" クロ ");
    Storage mog, bag;
    QVERIFY(mog.replace({QStringLiteral("炎の塊\t\t12"), QString(), QStringLiteral("ダガー\t\t1")},
                        {QStringLiteral("[その他]全種<br>塊"), QStringLiteral("empty line's detail"), QString()}));
    QVERIFY(bag.replace({QStringLiteral("炎のクリスタル\t5")}, {QStringLiteral("Lv1～ All Jobs")}));
    QVERIFY(saveStorages(folder, name, mog, bag).ok());

    const QByteArray crLf("\r\n");
    QCOMPARE(readBytes(dir.filePath(" クロ mog.dat")), QByteArray::fromHex("898a82cc89f2") + "\t\t12" + crLf + crLf
                                                         + QByteArray::fromHex("835f834b815b") + "\t\t1" + crLf);
    QCOMPARE(readBytes(dir.filePath(" クロ bag.dat")), QByteArray::fromHex("898a82cc834e838a8358835e838b") + "\t5" + crLf);
    QCOMPARE(readBytes(dir.filePath(" クロ baginfo.dat")), "Lv1" + QByteArray::fromHex("8160") + " All Jobs" + crLf);
    QCOMPARE(readBytes(dir.filePath(" クロ moginfo.dat")).count(crLf), 3);

    Storage mog2, bag2;
    const StorageLoadReport report = loadStorages(folder, name, mog2, bag2);
    QVERIFY(report.truncatedFiles.isEmpty() && report.unreadableFiles.isEmpty() && !report.unusableName);
    QCOMPARE(mog2.lines() + mog2.detailsInUse(), mog.lines() + mog.detailsInUse());
    QCOMPARE(bag2.lines() + bag2.detailsInUse(), bag.lines() + bag.detailsInUse());
}

void StorageTest::filesOfOtherLengths()
{
    QTemporaryDir dir;
    const DataFolder folder(dir.path());
    Storage mog, bag;
    QVERIFY(mog.replace({"a", "b"}, {"other character's A", "other character's B"}));
    // A list longer than its details, and details without any list.
    QVERIFY(writeBytes(dir.filePath("Kuromog.dat"), "x\r\ny\r\nz"));
    QVERIFY(writeBytes(dir.filePath("Kuromoginfo.dat"), "X\r\n"));
    QVERIFY(writeBytes(dir.filePath("Kurobaginfo.dat"), "a\r\nb\r\nc\r\n"));
    QVERIFY(loadStorages(folder, "Kuro", mog, bag).unreadableFiles.isEmpty());
    QCOMPARE(mog.lines(), (QStringList{"x", "y", "z"}));
    QCOMPARE(mog.detailsInUse(), (QStringList{"X", "", ""}));
    QCOMPARE(bag.lineCount(), 0);
    // The extra details are not written back; an empty storage gives two empty files.
    QVERIFY(saveStorages(folder, "Kuro", mog, bag).ok());
    QCOMPARE(readBytes(dir.filePath("Kuromoginfo.dat")), QByteArray("X\r\n\r\n\r\n"));
    QCOMPARE(readBytes(dir.filePath("Kurobag.dat")) + readBytes(dir.filePath("Kurobaginfo.dat")), QByteArray());

    // Lines beyond the capacity are left out, and said so.
    QByteArray longFile;
    for (int i = 0; i < Storage::kCapacity + 5; ++i)
        longFile += QByteArray::number(i) + "\r\n";
    QVERIFY(writeBytes(dir.filePath("Kurobag.dat"), longFile));
    QCOMPARE(loadStorages(folder, "Kuro", mog, bag).truncatedFiles, QStringList{"Kurobag.dat"});
    QCOMPARE(bag.lineCount(), Storage::kCapacity);
    QCOMPARE(bag.line(Storage::kCapacity - 1), QString::number(Storage::kCapacity - 1));
}

void StorageTest::unusableNamesTouchNoFile_data()
{
    QTest::addColumn<QString>("name");
    for (const QString& name : {"../Kuro", "..\\Kuro", "C:Kuro", "Ku*", "<Kuro>", "Ku\tro", "Ku\u00e9"})
        QTest::newRow(qPrintable(name)) << name;
}

void StorageTest::unusableNamesTouchNoFile()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("data"));
    const DataFolder folder(dir.filePath("data"));
    // A file the name would reach outside the data folder.
    QVERIFY(writeBytes(dir.filePath("Kuromog.dat"), "outside\r\n"));
    Storage mog, bag;
    QVERIFY(mog.replace({"shown before"}, {"D"}));
    QVERIFY(loadStorages(folder, name, mog, bag).unusableName);
    QCOMPARE(mog.lineCount(), 0);
    QVERIFY(mog.replace({"line"}, {"detail"}));
    QVERIFY(!saveStorages(folder, name, mog, bag).ok());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Kuromog.dat"});
    QCOMPARE(QDir(dir.filePath("data")).entryList(QDir::Files), QStringList{});
    QCOMPARE(readBytes(dir.filePath("Kuromog.dat")), QByteArray("outside\r\n"));
}

void StorageTest::failedSaveKeepsEveryOldFile()
{
    QTemporaryDir dir;
    for (const char* file : {"Kuromog.dat", "Kurobag.dat", "Kurobaginfo.dat"})
        QVERIFY(writeBytes(dir.filePath(file), QByteArray("old ") + file));
    QVERIFY(QDir(dir.path()).mkdir("Kuromoginfo.dat"));
    Storage mog, bag;
    QVERIFY(mog.replace({"new mog"}, {"new detail"}));
    QVERIFY(bag.replace({"new bag"}, {"new detail"}));
    const FileResult result = saveStorages(DataFolder(dir.path()), "Kuro", mog, bag);
    QVERIFY(!result.ok() && !result.reason().isEmpty());
    QCOMPARE(result.path(), dir.filePath("Kuromoginfo.dat"));
    for (const char* file : {"Kuromog.dat", "Kurobag.dat", "Kurobaginfo.dat"})
        QCOMPARE(readBytes(dir.filePath(file)), QByteArray("old ") + file);

    // A text that code page 932 cannot hold never gets into a storage.
    QVERIFY(!bag.replace({QStringLiteral("bad \U0001F600")}, {}));
    QCOMPARE(bag.append(QStringLiteral("bad \U0001F600"), "d"), Storage::AppendResult::NotStorable);
    QCOMPARE(bag.append("ok", QStringLiteral("\xe9")), Storage::AppendResult::NotStorable);
    QCOMPARE(bag.lines(), QStringList{"new bag"});
}

void StorageTest::countButtons_data()
{
    QTest::addColumn<CountButton>("button");
    QTest::addColumn<int>("fromCount");
    QTest::addColumn<int>("toCount");
    QTest::newRow("+1 stops at 99") << CountButton::PlusOne << 99 << 99;
    QTest::newRow("-1 stops at 1") << CountButton::MinusOne << 1 << 1;
    QTest::newRow("+10 from 88") << CountButton::PlusTen << 88 << 98;
    QTest::newRow("+10 from 89") << CountButton::PlusTen << 89 << 99;
    QTest::newRow("+10 from 90") << CountButton::PlusTen << 90 << 99;
    QTest::newRow("-10 from 20") << CountButton::MinusTen << 20 << 10;
    QTest::newRow("-10 from 11") << CountButton::MinusTen << 11 << 1;
    QTest::newRow("-10 from 10") << CountButton::MinusTen << 10 << 1;
}

void StorageTest::countButtons()
{
    QFETCH(CountButton, button);
    QFETCH(int, fromCount);
    QFETCH(int, toCount);
    QCOMPARE(countIndexAfter(button, fromCount - 1) + 1, toCount);
}

void StorageTest::selectorSettings()
{
    // The selected index, then whether "12", "99" and the four steps are enabled.
    for (const auto& [stackSize, setting] : {std::pair{1, "0 000"}, {12, "11 101"}, {99, "98 011"}, {0, ""}, {5, ""},
                                             {13, ""}, {98, ""}, {100, ""}, {-1, ""}}) {
        const std::optional<SelectorSetting> s = selectorSettingFor(qint16(stackSize));
        QCOMPARE(s ? QStringLiteral("%1 %2%3%4").arg(s->index).arg(s->twelveEnabled).arg(s->ninetyNineEnabled).arg(s->stepsEnabled)
                   : QString(),
                 QString::fromLatin1(setting));
    }
}

void StorageTest::storageLines_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tabs");
    QTest::newRow("four characters") << "abcd" << "\t\t";
    QTest::newRow("five characters") << "abcde" << "\t";
    QTest::newRow("empty name") << "" << "\t\t";
    // Counted in UTF-16 code units: a pair makes three characters count as four.
    QTest::newRow("surrogate pair, four units") << QString::fromUtf8("a\U00020BB7b") << "\t\t";
    QTest::newRow("surrogate pair, five units") << QString::fromUtf8("ab\U00020BB7c") << "\t";
}

void StorageTest::storageLines()
{
    QFETCH(QString, name);
    QFETCH(QString, tabs);
    QCOMPARE(storageLine(name, QStringLiteral("12")), name + tabs + "12");
}

QTEST_GUILESS_MAIN(StorageTest)
#include "tst_storage.moc"
