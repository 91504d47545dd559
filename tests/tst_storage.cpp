#include "FileBytes.h"

#include "model/StackCount.h"
#include "model/Storage.h"
#include "model/StorageFiles.h"
#include "model/TextFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace morvane;

Q_DECLARE_METATYPE(morvane::CountButton)


class StorageTest : public QObject {
    Q_OBJECT

private slots:
    void removeKeepsDetailsWithLines();
    void appendStopsAtCapacity();
    void countCaption();
    void saveAndReloadAreByteExact();
    void emptyStoragesSaveAsEmptyFiles();
    void loadClearsUnfilledDetails();
    void loadCapsLongFiles();
    void unusableNamesTouchNoFile_data();
    void unusableNamesTouchNoFile();
    void failedSaveKeepsEveryOldFile();
    void countButtons_data();
    void countButtons();
    void selectorSettings();
    void storageLines_data();
    void storageLines();
};

void StorageTest::removeKeepsDetailsWithLines()
{
    Storage storage;
    QVERIFY(storage.replace({"a", "b", "c", "d", "e"}, {"A", "B", "C", "D", "E"}));
    storage.removeAt(2);
    QCOMPARE(storage.lines(), (QStringList{"a", "b", "d", "e"}));
    QCOMPARE(storage.detailsInUse(), (QStringList{"A", "B", "D", "E"}));
    storage.removeAt(3);
    storage.removeAt(0);
    QCOMPARE(storage.lines(), (QStringList{"b", "d"}));
    QCOMPARE(storage.detailsInUse(), (QStringList{"B", "D"}));
    QCOMPARE(storage.append("x", "X"), Storage::AppendResult::Added);
    QCOMPARE(storage.detail(2), QStringLiteral("X"));
}

void StorageTest::appendStopsAtCapacity()
{
    Storage storage;
    QStringList lines;
    for (int i = 0; i < Storage::kCapacity - 1; ++i)
        lines << QString::number(i);
    QVERIFY(storage.replace(lines, {}));
    QCOMPARE(storage.append("last", "L"), Storage::AppendResult::Added);
    QCOMPARE(storage.lineCount(), Storage::kCapacity);
    QCOMPARE(storage.detail(Storage::kCapacity - 1), QStringLiteral("L"));
    QVERIFY(storage.isFull());
    QCOMPARE(storage.append("over", "O"), Storage::AppendResult::Full);
    QCOMPARE(storage.lineCount(), Storage::kCapacity);
    storage.removeAt(Storage::kCapacity - 1);
    QCOMPARE(storage.lineCount(), Storage::kCapacity - 1);
}

void StorageTest::countCaption()
{
    Storage storage;
    QCOMPARE(storage.countCaption(), QStringLiteral("0個、入っています"));
    QVERIFY(storage.replace(QStringList(12, "x"), {}));
    QCOMPARE(storage.countCaption(), QStringLiteral("12個、入っています"));
}

void StorageTest::saveAndReloadAreByteExact()
{
    QTemporaryDir dir;
    const DataFolder folder(dir.path());
    const QString name = QStringLiteral(" クロ ");
    Storage mog;
    Storage bag;
    QVERIFY(mog.replace({QStringLiteral("炎の塊\t\t12"), QString(), QStringLiteral("ダガー\t\t1")},
                {QStringLiteral("[その他]全種<br>塊"), QStringLiteral("empty line's detail"), QString()}));
    QVERIFY(bag.replace({QStringLiteral("炎のクリスタル\t5")}, {QStringLiteral("Lv1～ All Jobs")}));
    QVERIFY(saveStorages(folder, name, mog, bag).ok());

    const QByteArray crLf("\r\n");
    QCOMPARE(readBytes(dir.filePath(" クロ mog.dat")),
             QByteArray::fromHex("898a82cc89f2") + "\t\t12" + crLf + crLf + QByteArray::fromHex("835f834b815b")
                 + "\t\t1" + crLf);
    QCOMPARE(readBytes(dir.filePath(" クロ bag.dat")),
             QByteArray::fromHex("898a82cc834e838a8358835e838b") + "\t5" + crLf);
    QCOMPARE(readBytes(dir.filePath(" クロ baginfo.dat")), QByteArray("Lv1") + QByteArray::fromHex("8160")
                                                              + " All Jobs" + crLf);
    QCOMPARE(readBytes(dir.filePath(" クロ moginfo.dat")).count("\r\n"), 3);

    Storage mog2;
    Storage bag2;
    const StorageLoadReport report = loadStorages(folder, name, mog2, bag2);
    QVERIFY(report.truncatedFiles.isEmpty() && report.unreadableFiles.isEmpty() && !report.unusableName);
    QCOMPARE(mog2.lines(), mog.lines());
    QCOMPARE(mog2.detailsInUse(), mog.detailsInUse());
    QCOMPARE(bag2.lines(), bag.lines());
    QCOMPARE(bag2.detailsInUse(), bag.detailsInUse());
}

void StorageTest::emptyStoragesSaveAsEmptyFiles()
{
    QTemporaryDir dir;
    const DataFolder folder(dir.path());
    Storage mog;
    Storage bag;
    // A detail file longer than its list: the extra details are not written back.
    QVERIFY(writeBytes(dir.filePath("Kuromoginfo.dat"), "a\r\nb\r\nc\r\n"));
    QVERIFY(loadStorages(folder, "Kuro", mog, bag).unreadableFiles.isEmpty());
    QCOMPARE(mog.lineCount(), 0);
    QCOMPARE(mog.detail(2), QStringLiteral("c"));
    QVERIFY(saveStorages(folder, "Kuro", mog, bag).ok());
    for (const char* suffix : {"mog.dat", "bag.dat", "moginfo.dat", "baginfo.dat"})
        QCOMPARE(readBytes(dir.filePath(QStringLiteral("Kuro") + suffix)), QByteArray());
    QVERIFY(loadStorages(folder, "Kuro", mog, bag).unreadableFiles.isEmpty());
    QCOMPARE(mog.lineCount(), 0);
    QCOMPARE(bag.lineCount(), 0);
}

void StorageTest::loadClearsUnfilledDetails()
{
    QTemporaryDir dir;
    const DataFolder folder(dir.path());
    Storage mog;
    Storage bag;
    QVERIFY(mog.replace({"a", "b"}, {"other character's A", "other character's B"}));
    QVERIFY(writeBytes(dir.filePath("Shiromog.dat"), "x\r\ny\r\nz"));
    QVERIFY(writeBytes(dir.filePath("Shiromoginfo.dat"), "X\r\n"));
    loadStorages(folder, "Shiro", mog, bag);
    QCOMPARE(mog.lines(), (QStringList{"x", "y", "z"}));
    QCOMPARE(mog.detailsInUse(), (QStringList{"X", "", ""}));
}

void StorageTest::loadCapsLongFiles()
{
    QTemporaryDir dir;
    const DataFolder folder(dir.path());
    QByteArray longFile;
    for (int i = 0; i < Storage::kCapacity + 5; ++i)
        longFile += QByteArray::number(i) + "\r\n";
    QVERIFY(writeBytes(dir.filePath("Kurobag.dat"), longFile));
    Storage mog;
    Storage bag;
    const StorageLoadReport report = loadStorages(folder, "Kuro", mog, bag);
    QCOMPARE(report.truncatedFiles, QStringList{"Kurobag.dat"});
    QCOMPARE(bag.lineCount(), Storage::kCapacity);
    QCOMPARE(bag.line(Storage::kCapacity - 1), QString::number(Storage::kCapacity - 1));
}

void StorageTest::unusableNamesTouchNoFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("parent folder") << "../Kuro";
    QTest::newRow("backslash") << "..\\Kuro";
    QTest::newRow("colon") << "C:Kuro";
    QTest::newRow("star") << "Ku*";
    QTest::newRow("question mark") << "Ku?";
    QTest::newRow("quote") << "Ku\"ro";
    QTest::newRow("angle brackets") << "<Kuro>";
    QTest::newRow("bar") << "Ku|ro";
    QTest::newRow("tab") << "Ku\tro";
    QTest::newRow("not in code page 932") << "Ku\u00e9";
}

void StorageTest::unusableNamesTouchNoFile()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("data"));
    const DataFolder folder(dir.filePath("data"));
    // A file the name would reach outside the data folder.
    QVERIFY(writeBytes(dir.filePath("Kuromog.dat"), "outside\r\n"));
    Storage mog;
    Storage bag;
    QVERIFY(mog.replace({"shown before"}, {"D"}));
    const StorageLoadReport report = loadStorages(folder, name, mog, bag);
    QVERIFY(report.unusableName);
    QCOMPARE(mog.lineCount(), 0);
    QCOMPARE(mog.detail(0), QString());
    QVERIFY(mog.replace({"line"}, {"detail"}));
    QVERIFY(!saveStorages(folder, name, mog, bag).ok());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Kuromog.dat"});
    QCOMPARE(QDir(dir.filePath("data")).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList{});
    QCOMPARE(readBytes(dir.filePath("Kuromog.dat")), QByteArray("outside\r\n"));
}

void StorageTest::failedSaveKeepsEveryOldFile()
{
    QTemporaryDir dir;
    const DataFolder folder(dir.path());
    QVERIFY(writeBytes(dir.filePath("Kuromog.dat"), "old mog\r\n"));
    QVERIFY(writeBytes(dir.filePath("Kurobag.dat"), "old bag\r\n"));
    QVERIFY(writeBytes(dir.filePath("Kurobaginfo.dat"), "old bag info\r\n"));
    QVERIFY(QDir(dir.path()).mkdir("Kuromoginfo.dat"));
    Storage mog;
    Storage bag;
    QVERIFY(mog.replace({"new mog"}, {"new detail"}));
    QVERIFY(bag.replace({"new bag"}, {"new detail"}));
    const FileResult result = saveStorages(folder, "Kuro", mog, bag);
    QVERIFY(!result.ok());
    QCOMPARE(result.path(), dir.filePath("Kuromoginfo.dat"));
    QVERIFY(!result.reason().isEmpty());
    QCOMPARE(readBytes(dir.filePath("Kuromog.dat")), QByteArray("old mog\r\n"));
    QCOMPARE(readBytes(dir.filePath("Kurobag.dat")), QByteArray("old bag\r\n"));
    QCOMPARE(readBytes(dir.filePath("Kurobaginfo.dat")), QByteArray("old bag info\r\n"));

    // A line that code page 932 cannot hold never gets into a storage.
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
    QTest::newRow("12") << CountButton::Twelve << 50 << 12;
    QTest::newRow("99") << CountButton::NinetyNine << 3 << 99;
    QTest::newRow("+1 from 98") << CountButton::PlusOne << 98 << 99;
    QTest::newRow("+1 stops at 99") << CountButton::PlusOne << 99 << 99;
    QTest::newRow("-1 from 2") << CountButton::MinusOne << 2 << 1;
    QTest::newRow("-1 stops at 1") << CountButton::MinusOne << 1 << 1;
    QTest::newRow("+10 from 89") << CountButton::PlusTen << 89 << 99;
    QTest::newRow("+10 from 88") << CountButton::PlusTen << 88 << 98;
    QTest::newRow("+10 from 90") << CountButton::PlusTen << 90 << 99;
    QTest::newRow("-10 from 11") << CountButton::MinusTen << 11 << 1;
    QTest::newRow("-10 from 20") << CountButton::MinusTen << 20 << 10;
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
    QCOMPARE(selectorSettingFor(1)->index, 0);
    QVERIFY(!selectorSettingFor(1)->twelveEnabled && !selectorSettingFor(1)->ninetyNineEnabled
            && !selectorSettingFor(1)->stepsEnabled);
    QCOMPARE(selectorSettingFor(12)->index, 11);
    QVERIFY(selectorSettingFor(12)->twelveEnabled && !selectorSettingFor(12)->ninetyNineEnabled
            && selectorSettingFor(12)->stepsEnabled);
    QCOMPARE(selectorSettingFor(99)->index, 98);
    QVERIFY(!selectorSettingFor(99)->twelveEnabled && selectorSettingFor(99)->ninetyNineEnabled
            && selectorSettingFor(99)->stepsEnabled);
    for (qint16 other : {0, 5, 13, 98, 100, -1})
        QVERIFY(!selectorSettingFor(other));
}

void StorageTest::storageLines_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("line");
    QTest::newRow("seven characters") << "闇のクリスタル" << "闇のクリスタル\t12";
    QTest::newRow("three characters") << "闇の塊" << "闇の塊\t\t12";
    QTest::newRow("four characters") << "abcd" << "abcd\t\t12";
    QTest::newRow("five characters") << "abcde" << "abcde\t12";
    QTest::newRow("empty name") << "" << "\t\t12";
    // Counted in UTF-16 code units: a pair makes three characters count as four.
    QTest::newRow("surrogate pair, four units") << QString::fromUtf8("a\U00020BB7b") << QString::fromUtf8("a\U00020BB7b\t\t12");
    QTest::newRow("surrogate pair, five units") << QString::fromUtf8("ab\U00020BB7c") << QString::fromUtf8("ab\U00020BB7c\t12");
}

void StorageTest::storageLines()
{
    QFETCH(QString, name);
    QFETCH(QString, line);
    QCOMPARE(storageLine(name, QStringLiteral("12")), line);
}

QTEST_GUILESS_MAIN(StorageTest)
#include "tst_storage.moc"
