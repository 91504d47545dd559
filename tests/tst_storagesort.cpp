#include "model/Storage.h"
#include "model/StorageSort.h"

#include <QRandomGenerator>
#include <QTest>

using namespace morvane;

namespace {

// The exchange sort written out plainly, as the reference the fast sort must
// agree with line for line and detail for detail.
SortedLines referenceExchangeSort(QStringList lines, QStringList details)
{
    const qsizetype n = lines.size();
    for (qsizetype i = 0; i + 1 < n; ++i) {
        for (qsizetype j = i + 1; j < n; ++j) {
            if (lines[i] > lines[j]) {
                lines.swapItemsAt(i, j);
                details.swapItemsAt(i, j);
            }
        }
    }
    return {lines, details};
}

} // namespace

class StorageSortTest : public QObject {
    Q_OBJECT

private slots:
    void ordinalOrder();
    void agreesWithExchangeSort_data();
    void agreesWithExchangeSort();
    void sortingAStorage();
};

void StorageSortTest::ordinalOrder()
{
    const QStringList lines{QStringLiteral("炎のクリスタル\t5"), QStringLiteral("水のクリスタル\t12"),
                            QStringLiteral("炎のクリスタル\t12"), QStringLiteral("炎のクリスタルX\t1"),
                            QStringLiteral("ｶ"), QStringLiteral("か"), QStringLiteral("カ"),
                            QStringLiteral("a"), QStringLiteral("A"), QStringLiteral("1"),
                            QStringLiteral("Ａ")};
    QStringList details;
    for (int i = 0; i < lines.size(); ++i)
        details << QString::number(i);
    const SortedLines sorted = sortLines(lines, details);
    // Digits, upper case, lower case, hiragana, katakana, kanji, full-width
    // Latin, half-width kana; a name sorts before a longer name starting with it.
    QCOMPARE(sorted.lines,
             (QStringList{"1", "A", "a", "か", "カ", QStringLiteral("水のクリスタル\t12"),
                          QStringLiteral("炎のクリスタル\t12"), QStringLiteral("炎のクリスタル\t5"),
                          QStringLiteral("炎のクリスタルX\t1"), QStringLiteral("Ａ"), QStringLiteral("ｶ")}));
    QCOMPARE(sorted.details, (QStringList{"9", "8", "7", "5", "6", "1", "2", "0", "3", "10", "4"}));
}

void StorageSortTest::agreesWithExchangeSort_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("distinctLines");
    QTest::addColumn<int>("distinctDetails");
    QTest::newRow("empty") << 0 << 1 << 1;
    QTest::newRow("one") << 1 << 1 << 1;
    QTest::newRow("all equal lines, different details") << 40 << 1 << 40;
    QTest::newRow("few lines, many details") << 300 << 5 << 50;
    QTest::newRow("many duplicates") << 500 << 30 << 3;
    QTest::newRow("equal lines, equal details") << 400 << 20 << 1;
    QTest::newRow("mostly distinct") << 300 << 280 << 280;
}

void StorageSortTest::agreesWithExchangeSort()
{
    QFETCH(int, size);
    QFETCH(int, distinctLines);
    QFETCH(int, distinctDetails);
    QRandomGenerator random(20041101u + size);
    for (int round = 0; round < 20; ++round) {
        QStringList lines;
        QStringList details;
        for (int i = 0; i < size; ++i) {
            const int item = random.bounded(distinctLines);
            lines << QStringLiteral("品%1\t%2").arg(item).arg(item % 3 == 0 ? 12 : 5);
            details << (distinctDetails == 1 ? QStringLiteral("same for line %1").arg(item)
                                             : QStringLiteral("detail %1").arg(random.bounded(distinctDetails)));
        }
        const SortedLines expected = referenceExchangeSort(lines, details);
        const SortedLines actual = sortLines(lines, details);
        QCOMPARE(actual.lines, expected.lines);
        QCOMPARE(actual.details, expected.details);
    }
}

void StorageSortTest::sortingAStorage()
{
    Storage storage;
    storage.replace({"b", "a", "b", "c"}, {"b1", "a", "b2", "c"});
    sortStorage(storage);
    QCOMPARE(storage.lines(), (QStringList{"a", "b", "b", "c"}));
    const SortedLines expected = referenceExchangeSort({"b", "a", "b", "c"}, {"b1", "a", "b2", "c"});
    QCOMPARE(storage.detailsInUse(), expected.details);
}

QTEST_GUILESS_MAIN(StorageSortTest)
#include "tst_storagesort.moc"
