#include "model/catalogue/DetailText.h"
#include "model/storage/StorageLine.h"

#include <QTest>

using namespace morvane;
using namespace Qt::StringLiterals;

// Storage lines and detail texts are built by one side of the program and
// read back for display by another; both sides must agree.
class StorageLineTest : public QObject {
    Q_OBJECT

private slots:
    void lineReadsBackAsBuilt_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("line");
        QTest::newRow("four letters, two tabs") << "闇の塊x" << "12" << "闇の塊x\t\t12";
        QTest::newRow("five letters, one tab") << "闇のクリス" << "5" << "闇のクリス\t5";
        QTest::newRow("surrogate pair counts twice") << "abc\U0001F600" << "1" << "abc\U0001F600\t1";
        QTest::newRow("empty name") << "" << "99" << "\t\t99";
    }

    void lineReadsBackAsBuilt()
    {
        QFETCH(QString, name);
        QFETCH(QString, count);
        QFETCH(QString, line);
        QCOMPARE(storageLine(name, count), line);
        const StorageLineParts parts = splitStorageLine(line);
        QCOMPARE(parts.name, name);
        QCOMPARE(parts.count, count);
        QVERIFY(parts.hasCount);
    }

    void freeTextLines()
    {
        const StorageLineParts noTab = splitStorageLine(u"typed by hand"_s);
        QCOMPARE(noTab.name, QStringLiteral("typed by hand"));
        QVERIFY(!noTab.hasCount && noTab.count.isEmpty());
        const StorageLineParts tabsInCount = splitStorageLine(u"a\t\t\tb\tc"_s);
        QCOMPARE(tabsInCount.name + u'|' + tabsInCount.count, QStringLiteral("a|b\tc"));
    }

    void countOfAPut()
    {
        QCOMPARE(countToPut(1, u"37"_s), QStringLiteral("1"));
        QCOMPARE(countToPut(12, u"45"_s), QStringLiteral("45"));
        QCOMPARE(countToPut(0, u"7"_s), QStringLiteral("7"));
    }

    void detailLines_data()
    {
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("registered item") << buildDetailText(u"片手剣"_s, u"全種"_s, u"c"_s, 75, u"戦赤シナ"_s)
                                         << QStringList{u"[片手剣]全種"_s, u"c"_s, u"Lv75～ 戦赤シナ"_s};
        QTest::newRow("empty comment, no jobs") << buildDetailText(u"頭"_s, u"Ｈ♀"_s, u""_s, 1, u""_s)
                                                << QStringList{u"[頭]Ｈ♀"_s, u""_s, u"Lv1～ "_s};
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
};

QTEST_GUILESS_MAIN(StorageLineTest)
#include "tst_storageline.moc"
