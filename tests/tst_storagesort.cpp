#include "StorageContents.h"

#include "model/storage/Storage.h"
#include "model/storage/StorageSort.h"

#include <QRandomGenerator>
#include <QTest>

using namespace morvane;
using namespace Qt::StringLiterals;

class StorageSortTest : public QObject {
    Q_OBJECT

private slots:
    void ordinalOrder()
    {
        const QStringList lines{u"炎のクリスタル\t5"_s, u"水のクリスタル\t12"_s, u"炎のクリスタル\t12"_s, u"炎のクリスタルX\t1"_s,
                                u"ｶ"_s, u"か"_s, u"カ"_s, u"a"_s, u"A"_s, u"1"_s, u"Ａ"_s};
        Storage storage;
        QVERIFY(fillStorage(storage, lines, {u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s, u"9"_s, u"10"_s}));
        sortStorage(storage);
        // Digits, upper case, lower case, hiragana, katakana, kanji, full-width
        // Latin, half-width kana; a name sorts before a longer name starting with it.
        QCOMPARE(storedDetails(storage), (QStringList{u"9"_s, u"8"_s, u"7"_s, u"5"_s, u"6"_s, u"1"_s, u"2"_s, u"0"_s, u"3"_s, u"10"_s, u"4"_s}));
        for (int k = 0; k < lines.size(); ++k)
            QCOMPARE(storage.line(k), lines.at(storage.detail(k).toInt()));
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
        QRandomGenerator random(20041101u + size);
        for (int round = 0; round < 10; ++round) {
            QStringList lines;
            QStringList details;
            for (int i = 0; i < size; ++i) {
                const int item = random.bounded(distinctLines);
                lines << QStringLiteral("品%1\t%2").arg(item).arg(item % 3 == 0 ? 12 : 5);
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

QTEST_GUILESS_MAIN(StorageSortTest)
#include "tst_storagesort.moc"
