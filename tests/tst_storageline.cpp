#include "model/DetailText.h"
#include "model/StorageLine.h"

#include <QTest>

using namespace morvane;

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
        const StorageLineParts noTab = splitStorageLine("typed by hand");
        QCOMPARE(noTab.name, QStringLiteral("typed by hand"));
        QVERIFY(!noTab.hasCount && noTab.count.isEmpty());
        const StorageLineParts tabsInCount = splitStorageLine("a\t\t\tb\tc");
        QCOMPARE(tabsInCount.name + u'|' + tabsInCount.count, QStringLiteral("a|b\tc"));
    }

    void countOfAPut()
    {
        QCOMPARE(countToPut(1, "37"), QStringLiteral("1"));
        QCOMPARE(countToPut(12, "45"), QStringLiteral("45"));
        QCOMPARE(countToPut(0, "7"), QStringLiteral("7"));
    }

    void detailLines_data()
    {
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("registered item") << buildDetailText("片手剣", "全種", "c", 75, "戦赤シナ")
                                         << QStringList{"[片手剣]全種", "c", "Lv75～ 戦赤シナ"};
        QTest::newRow("empty comment, no jobs") << buildDetailText("頭", "Ｈ♀", "", 1, "")
                                                << QStringList{"[頭]Ｈ♀", "", "Lv1～ "};
        QTest::newRow("any letter case") << "a<BR>b<Br>c" << QStringList{"a", "b", "c"};
        QTest::newRow("markers in a row") << "a<br><br>b" << QStringList{"a", "", "b"};
        QTest::newRow("no marker") << "whole" << QStringList{"whole"};
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
