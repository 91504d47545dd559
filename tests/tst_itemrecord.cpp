#include "model/ItemRecord.h"
#include "model/TextFile.h"

#include <QTest>

using namespace morvane;

Q_DECLARE_METATYPE(ItemChoices)

namespace {

std::array<bool, kJobBoxCount> ticks(const QList<int>& boxes)
{
    std::array<bool, kJobBoxCount> ticked{};
    for (int box : boxes)
        ticked[box] = true;
    return ticked;
}

ItemChoices swordChoices()
{
    ItemChoices choices;
    choices.name = QStringLiteral("ブロンズソード");
    choices.type = QStringLiteral("片手剣");
    choices.raceText = QStringLiteral("全種");
    choices.comment = QStringLiteral("両手で持つ");
    choices.equipLevel = 75;
    choices.jobText = QStringLiteral("戦赤シナ");
    choices.stackChoice = 1;
    return choices;
}

} // namespace

class TestItemRecord : public QObject {
    Q_OBJECT

private slots:
    void recordReachesItemDatByteExact();
    void recordFields_data();
    void recordFields();
    void jobText_data();
    void jobText();
    void equipLevel_data();
    void equipLevel();
    void validateItemTexts_data();
    void validateItemTexts();
};

void TestItemRecord::recordReachesItemDatByteExact()
{
    const ItemRecord record = buildItemRecord(1204, swordChoices());

    QByteArray bytes;
    QVERIFY(encodeLines({record.line()}, &bytes));
    // "ソ" (83 5C) carries a backslash byte; "～ " is 81 60 20.
    const QByteArray expected = QByteArray::fromHex(
        "31 32 30 35 09"
        "83 75 83 8D 83 93 83 59 83 5C 81 5B 83 68 09"
        "5B 95 D0 8E E8 8C 95 5D 91 53 8E ED"
        "3C 62 72 3E 97 BC 8E E8 82 C5 8E 9D 82 C2"
        "3C 62 72 3E 4C 76 37 35 81 60 20 90 ED 90 D4 83 56 83 69 09"
        "30 09 30 09 31 0D 0A");
    QCOMPARE(bytes.toHex(' '), expected.toHex(' '));

    // The entry the catalogue receives is what item.dat will give back.
    QCOMPARE(record.entry.number, qint16(1205));
    QCOMPARE(record.entry.auxValue, qint16(0));
    QCOMPARE(record.entry.stackSize, qint16(1));
    QCOMPARE(record.entry.detail.split(QStringLiteral("<br>")),
             (QStringList{QStringLiteral("[片手剣]全種"), QStringLiteral("両手で持つ"),
                          QStringLiteral("Lv75～ 戦赤シナ")}));
}

void TestItemRecord::recordFields_data()
{
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<ItemChoices>("choices");
    QTest::addColumn<QString>("line");

    ItemChoices furnishing;
    furnishing.name = QStringLiteral("机");
    furnishing.type = QStringLiteral("調度品");
    furnishing.raceText = QStringLiteral("Ｈ♂");
    furnishing.equipLevel = 1;
    furnishing.jobText = QStringLiteral("All Jobs");
    furnishing.stackChoice = 12;
    QTest::newRow("empty comment, stack 12")
        << 0 << furnishing
        << QStringLiteral("1\t机\t[調度品]Ｈ♂<br><br>Lv1～ All Jobs\t0\t0\t12");

    ItemChoices bare;
    bare.raceText = QStringLiteral("Ｍ");
    bare.equipLevel = 79;
    bare.stackChoice = 99;
    QTest::newRow("empty name, no type, no job")
        << 10000 << bare << QStringLiteral("10001\t\t[]Ｍ<br><br>Lv79～ \t0\t0\t99");

    ItemChoices lines = swordChoices();
    lines.comment = QStringLiteral("一行目<br>二行目");
    QTest::newRow("comment with its own line break")
        << 41 << lines
        << QStringLiteral("42\tブロンズソード\t[片手剣]全種<br>一行目<br>二行目<br>Lv75～ 戦赤シナ\t0\t0\t1");
}

void TestItemRecord::recordFields()
{
    QFETCH(int, lineCount);
    QFETCH(ItemChoices, choices);
    QFETCH(QString, line);

    QCOMPARE(buildItemRecord(lineCount, choices).line(), line);
}

void TestItemRecord::jobText_data()
{
    QTest::addColumn<QList<int>>("ticked");
    QTest::addColumn<QString>("text");

    QTest::newRow("none") << QList<int>{} << QString();
    QTest::newRow("fixed order") << QList<int>{14, 6, 0} << QStringLiteral("戦ナ侍");
    QTest::newRow("every single job")
        << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}
        << QStringLiteral("戦モ白黒赤シナ暗獣吟狩忍竜召侍");
    QTest::newRow("All Jobs alone") << QList<int>{15} << QStringLiteral("All Jobs");
    QTest::newRow("All Jobs over single jobs") << QList<int>{0, 4, 15} << QStringLiteral("All Jobs");
}

void TestItemRecord::jobText()
{
    QFETCH(QList<int>, ticked);
    QFETCH(QString, text);

    QCOMPARE(morvane::jobText(ticks(ticked)), text);
}

void TestItemRecord::equipLevel_data()
{
    QTest::addColumn<QString>("tens");
    QTest::addColumn<QString>("ones");
    QTest::addColumn<int>("level");

    QTest::newRow("smallest") << "0" << "1" << 1;
    QTest::newRow("no leading zero") << "0" << "5" << 5;
    QTest::newRow("teens") << "1" << "1" << 11;
    QTest::newRow("75") << "7" << "5" << 75;
    QTest::newRow("largest") << "7" << "9" << 79;
}

void TestItemRecord::equipLevel()
{
    QFETCH(QString, tens);
    QFETCH(QString, ones);
    QFETCH(int, level);

    QCOMPARE(int(morvane::equipLevel(tens, ones)), level);
}

void TestItemRecord::validateItemTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<QString>("message");

    const QString fine;
    const QString nameBreak = QStringLiteral("アイテム名にタブや改行は使えません");
    const QString nameChar = QStringLiteral("アイテム名に使えない文字が含まれています");
    const QString commentBreak = QStringLiteral("アイテムコメントにタブや改行は使えません");
    const QString commentChar = QStringLiteral("アイテムコメントに使えない文字が含まれています");

    QTest::newRow("both empty") << "" << "" << fine;
    QTest::newRow("code page 932 text")
        << QStringLiteral("ｱｲﾃﾑ①～－") << QStringLiteral("<br>Ｈ♂ ソ\\") << fine;
    QTest::newRow("tab in name") << "a\tb" << "" << nameBreak;
    QTest::newRow("CR in name") << "a\r" << "" << nameBreak;
    QTest::newRow("LF in name") << "\na" << "" << nameBreak;
    QTest::newRow("tab in comment") << "" << "\t" << commentBreak;
    QTest::newRow("CR LF in comment") << "" << "x\r\ny" << commentBreak;
    QTest::newRow("emoji in name") << QStringLiteral("剣😀") << "" << nameChar;
    QTest::newRow("lone surrogate in name") << QString(QChar(0xd800)) << "" << nameChar;
    QTest::newRow("é in comment") << "" << QStringLiteral("épée") << commentChar;
    QTest::newRow("CJK outside the code page in comment") << "" << QStringLiteral("𠮷野家") << commentChar;
    QTest::newRow("name is reported first") << "\t" << QStringLiteral("é") << nameBreak;
    QTest::newRow("break before bad character") << QStringLiteral("é\t") << "" << nameBreak;
}

void TestItemRecord::validateItemTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, comment);
    QFETCH(QString, message);

    QCOMPARE(morvane::validateItemTexts(name, comment), message);
}


QTEST_APPLESS_MAIN(TestItemRecord)
#include "tst_itemrecord.moc"
