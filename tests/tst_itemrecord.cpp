#include "model/ItemRecord.h"
#include "model/TextFile.h"

#include <QTest>

using namespace morvane;

Q_DECLARE_METATYPE(ItemChoices)

class TestItemRecord : public QObject {
    Q_OBJECT

private slots:
    void recordReachesItemDatByteExact_data();
    void recordReachesItemDatByteExact();
    void jobText_data();
    void jobText();
    void validateItemTexts_data();
    void validateItemTexts();
};

void TestItemRecord::recordReachesItemDatByteExact_data()
{
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<ItemChoices>("choices");
    QTest::addColumn<QByteArray>("hex");

    // "ソ" (83 5C) carries a backslash byte; "～ " is 81 60 20.
    QTest::newRow("one-handed sword")
        << 1204
        << ItemChoices{"ブロンズソード", "片手剣", "全種", "両手で持つ", 75, "戦赤シナ", 1}
        << QByteArray("31 32 30 35 09"
                      "83 75 83 8D 83 93 83 59 83 5C 81 5B 83 68 09"
                      "5B 95 D0 8E E8 8C 95 5D 91 53 8E ED"
                      "3C 62 72 3E 97 BC 8E E8 82 C5 8E 9D 82 C2"
                      "3C 62 72 3E 4C 76 37 35 81 60 20 90 ED 90 D4 83 56 83 69 09"
                      "30 09 30 09 31 0D 0A");
    QTest::newRow("empty name, type, comment and jobs")
        << 10000 << ItemChoices{"", "", "Ｍ", "", 79, "", 99}
        << QByteArray("31 30 30 30 31 09 09 5B 5D 82 6C 3C 62 72 3E 3C 62 72 3E"
                      "4C 76 37 39 81 60 20 09 30 09 30 09 39 39 0D 0A");
}

void TestItemRecord::recordReachesItemDatByteExact()
{
    QFETCH(int, lineCount);
    QFETCH(ItemChoices, choices);
    QFETCH(QByteArray, hex);

    QByteArray bytes;
    QVERIFY(encodeLines({buildItemRecord(lineCount, choices).line()}, &bytes));
    QCOMPARE(bytes.toHex(' '), QByteArray::fromHex(hex).toHex(' '));
}

void TestItemRecord::jobText_data()
{
    QTest::addColumn<QList<int>>("ticked");
    QTest::addColumn<QString>("text");

    QTest::newRow("none") << QList<int>{} << QString();
    QTest::newRow("fixed order") << QList<int>{14, 6, 0} << QStringLiteral("戦ナ侍");
    QTest::newRow("All Jobs over single jobs") << QList<int>{0, 4, 15} << QStringLiteral("All Jobs");
}

void TestItemRecord::jobText()
{
    QFETCH(QList<int>, ticked);
    QFETCH(QString, text);

    std::array<bool, kJobBoxCount> boxes{};
    for (int box : ticked)
        boxes[box] = true;
    QCOMPARE(morvane::jobText(boxes), text);
}

void TestItemRecord::validateItemTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<QString>("message");

    const QString nameBreak = QStringLiteral("アイテム名にタブや改行は使えません");
    const QString nameChar = QStringLiteral("アイテム名に使えない文字が含まれています");
    const QString commentBreak = QStringLiteral("アイテムコメントにタブや改行は使えません");
    const QString commentChar = QStringLiteral("アイテムコメントに使えない文字が含まれています");

    QTest::newRow("both empty") << "" << "" << QString();
    QTest::newRow("code page 932 text") << QStringLiteral("ｱｲﾃﾑ①～－") << QStringLiteral("<br>Ｈ♂ ソ\\") << QString();
    QTest::newRow("tab in name") << "a\tb" << "" << nameBreak;
    QTest::newRow("CR in name") << "a\r" << "" << nameBreak;
    QTest::newRow("LF in comment") << "" << "x\ny" << commentBreak;
    QTest::newRow("emoji in name") << QStringLiteral("剣😀") << "" << nameChar;
    QTest::newRow("lone surrogate in name") << QString(QChar(0xd800)) << "" << nameChar;
    QTest::newRow("é in comment") << "" << QStringLiteral("épée") << commentChar;
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
