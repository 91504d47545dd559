#include "model/catalogue/DetailText.h"
#include "model/storage/StorageLine.h"

#include <QTest>

using namespace morvane;
using namespace Qt::StringLiterals;

// Storage lines are built by one side of the program and read back for
// display by another, as detail texts are: both sides must agree.
class StorageLineTest : public QObject {
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
};

QTEST_GUILESS_MAIN(StorageLineTest)
#include "tst_storageline.moc"
