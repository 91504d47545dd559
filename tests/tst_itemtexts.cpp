#include "model/catalogue/DetailText.h"
#include "model/catalogue/ItemRecord.h"
#include "model/storage/StorageLine.h"
#include "model/text/TextFile.h"

#include <QTest>

using namespace morvane;
using namespace Qt::StringLiterals;

// An item's texts as the program writes them and reads them back. Storage
// lines and detail texts are built by one side of the program and read back
// for display by another: both sides must agree.
class ItemTextsTest : public QObject {
    Q_OBJECT

private slots:
    void lineParts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("built"); // else typed by hand: free text
        QTest::newRow("four letters, two tabs") << "闇の塊x" << "12" << "闇の塊x\t\t12" << true;
        QTest::newRow("five letters, one tab") << "闇のクリス" << "5" << "闇のクリス\t5" << true;
        QTest::newRow("surrogate pair counts twice") << "abc\U0001F600" << "1" << "abc\U0001F600\t1" << true;
        QTest::newRow("empty name") << "" << "99" << "\t\t99" << true;
        QTest::newRow("no tab") << "typed by hand" << "" << "typed by hand" << false;
        QTest::newRow("tabs after the first run belong to the count") << "a" << "b\tc" << "a\t\t\tb\tc" << false;
    }

    void lineParts()
    {
        QFETCH(QString, name);
        QFETCH(QString, count);
        QFETCH(QString, line);
        QFETCH(bool, built);
        if (built)
            QCOMPARE(storageLine(name, count), line);
        const StorageLineParts parts = splitStorageLine(line);
        QCOMPARE(parts.name, name);
        QCOMPARE(parts.count, count);
        QCOMPARE(parts.hasCount, line.contains(u'\t'));
    }

    void detailLines_data()
    {
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("any letter case") << u"a<BR>b<Br>c"_s << QStringList{u"a"_s, u"b"_s, u"c"_s};
        QTest::newRow("markers in a row") << u"a<br><br>b"_s << QStringList{u"a"_s, u""_s, u"b"_s};
        QTest::newRow("no marker") << u"whole"_s << QStringList{u"whole"_s};
        QTest::newRow("empty") << "" << QStringList{};
    }

    void detailLines()
    {
        QFETCH(QString, detail);
        QFETCH(QStringList, lines);
        QCOMPARE(detailDisplayLines(detail), lines);
    }

    void recordReachesItemDatByteExact()
    {
        QByteArray bytes;
        QVERIFY(encodeLines({buildItemRecord(1204, {u"ブロンズソード"_s, u"片手剣"_s, u"全種"_s, u"両手で持つ"_s, 75, u"戦赤シナ"_s, 1}).line(),
                             buildItemRecord(10000, {u""_s, u""_s, u"Ｍ"_s, u""_s, 79, u""_s, 99}).line()},
                            &bytes));
        // "ソ" (83 5C) carries a backslash byte; "～ " is 81 60 20.
        const QByteArray hex("31 32 30 35 09"
                             "83 75 83 8D 83 93 83 59 83 5C 81 5B 83 68 09"
                             "5B 95 D0 8E E8 8C 95 5D 91 53 8E ED"
                             "3C 62 72 3E 97 BC 8E E8 82 C5 8E 9D 82 C2"
                             "3C 62 72 3E 4C 76 37 35 81 60 20 90 ED 90 D4 83 56 83 69 09"
                             "30 09 30 09 31 0D 0A"
                             "31 30 30 30 31 09 09 5B 5D 82 6C 3C 62 72 3E 3C 62 72 3E"
                             "4C 76 37 39 81 60 20 09 30 09 30 09 39 39 0D 0A");
        QCOMPARE(bytes.toHex(' '), QByteArray::fromHex(hex).toHex(' '));
    }

    void validateItemTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("message");
        const QString nameBreak = QStringLiteral("アイテム名にタブや改行は使えません");
        QTest::newRow("code page 932") << QStringLiteral("ｱｲﾃﾑ①～－") << QStringLiteral("<br>Ｈ♂ ソ\\") << QString();
        QTest::newRow("CR in name") << "a\r" << "" << nameBreak;
        QTest::newRow("LF in comment") << "" << "x\ny" << QStringLiteral("アイテムコメントにタブや改行は使えません");
        QTest::newRow("lone surrogate") << QString(QChar(0xd800)) << "" << QStringLiteral("アイテム名に使えない文字が含まれています");
        QTest::newRow("é in comment") << "" << QStringLiteral("épée") << QStringLiteral("アイテムコメントに使えない文字が含まれています");
        QTest::newRow("name reported first") << "\t" << QStringLiteral("é") << nameBreak;
        QTest::newRow("break before bad character") << QStringLiteral("é\t") << "" << nameBreak;
    }
    void validateItemTexts()
    {
        QFETCH(QString, name);
        QFETCH(QString, comment);
        QFETCH(QString, message);
        QCOMPARE(morvane::validateItemTexts(name, comment), message);
    }
};

QTEST_GUILESS_MAIN(ItemTextsTest)
#include "tst_itemtexts.moc"
