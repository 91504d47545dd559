#include "model/CatalogueView.h"
#include "model/EncodedLines.h"
#include "model/ItemCatalogue.h"
#include "model/TextFile.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace morvane;

Q_DECLARE_METATYPE(ParsedRecord::Verdict)

namespace {

void writeLines(const QString& path, const QStringList& lines)
{
    QVERIFY(writeTextFile(path, lines).ok());
}

} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT

private slots:
    void parsesRecords_data();
    void parsesRecords();
    void loadReportsUnreadableLines();
    void loadStopsAtCapacity();
    void viewFollowsCatalogueOrder();
    void formatsRecord();
};

void CatalogueTest::parsesRecords_data()
{
    using V = ParsedRecord::Verdict;
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("nullStack");
    QTest::addColumn<V>("verdict");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("auxValue");
    QTest::addColumn<int>("stackSize");

    QTest::newRow("plain") << "12\tname\tdetail\t3\t0\t99" << 1 << V::Loaded << 12 << 3 << 99;
    // "ソ" and "表" end in the byte of a backslash: fields still split only at tabs.
    QTest::newRow("double-byte fields") << "12\tソ表示\t[頭]Ｈ♂<br>Lv1～ 戦\t3\t0\t12" << 1 << V::Loaded << 12 << 3 << 12;
    QTest::newRow("flag 00 is 0") << "12\tn\td\t3\t00\t12" << 1 << V::Loaded << 12 << 3 << 12;
    QTest::newRow("flag 1 excluded") << "12\tn\td\t3\t1\t12" << 1 << V::Excluded << 0 << 0 << 0;
    QTest::newRow("50000 excluded") << "50000\tn\td\t3\t0\t12" << 1 << V::Excluded << 0 << 0 << 0;
    QTest::newRow("excluded with five fields") << "60000\tn\td\t3\t0" << 1 << V::Excluded << 0 << 0 << 0;
    QTest::newRow("32767 loads") << "32767\tn\td\t0\t0\t1" << 1 << V::Loaded << 32767 << 0 << 1;
    QTest::newRow("32768 cannot be held") << "32768\tn\td\t0\t0\t1" << 1 << V::Unreadable << 0 << 0 << 0;
    QTest::newRow("negative number") << "-5\tn\td\t0\t0\t1" << 1 << V::Loaded << -5 << 0 << 1;
    QTest::newRow("NULL stack in seed") << "1\tn\td\t0\t0\tNULL" << 1 << V::Loaded << 1 << 0 << 1;
    QTest::newRow("NULL stack in item.dat") << "1\tn\td\t0\t0\tNULL" << 0 << V::Loaded << 1 << 0 << 0;
    QTest::newRow("NULL aux") << "1\tn\td\tNULL\t0\t12" << 1 << V::Loaded << 1 << 0 << 12;
    QTest::newRow("null lower case") << "1\tn\td\tnull\t0\t12" << 1 << V::Unreadable << 0 << 0 << 0;
    QTest::newRow("fields after 5 ignored") << "7\tn\td\t1\t0\t12\tx\ty\tz" << 1 << V::Loaded << 7 << 1 << 12;
    QTest::newRow("empty line") << "" << 1 << V::Unreadable << 0 << 0 << 0;
    QTest::newRow("four fields") << "1\tn\td\t0" << 1 << V::Unreadable << 0 << 0 << 0;
    QTest::newRow("loaded with five fields") << "1\tn\td\t0\t0" << 1 << V::Unreadable << 0 << 0 << 0;
    QTest::newRow("number not a number") << "x1\tn\td\t0\t0\t1" << 1 << V::Unreadable << 0 << 0 << 0;
    QTest::newRow("flag not a number") << "1\tn\td\t0\tno\t1" << 1 << V::Unreadable << 0 << 0 << 0;
    QTest::newRow("stack not a number") << "1\tn\td\t0\t0\tlots" << 1 << V::Unreadable << 0 << 0 << 0;
    QTest::newRow("stack too big") << "1\tn\td\t0\t0\t40000" << 1 << V::Unreadable << 0 << 0 << 0;
    QTest::newRow("aux too small") << "1\tn\td\t-40000\t0\t1" << 1 << V::Unreadable << 0 << 0 << 0;
}

void CatalogueTest::parsesRecords()
{
    QFETCH(QString, line);
    QFETCH(int, nullStack);
    QFETCH(ParsedRecord::Verdict, verdict);
    const QByteArray bytes = EncodedLines::encode(line).value();
    const ParsedRecord record = parseCatalogueRecord(bytes, qint16(nullStack));
    QCOMPARE(record.verdict, verdict);
    if (verdict != ParsedRecord::Verdict::Loaded)
        return;
    QFETCH(int, number);
    QFETCH(int, auxValue);
    QFETCH(int, stackSize);
    QCOMPARE(int(record.number), number);
    QCOMPARE(int(record.auxValue), auxValue);
    QCOMPARE(int(record.stackSize), stackSize);
    QCOMPARE(record.name, EncodedLines::encode(line.split(u'\t').at(1)).value());
    QCOMPARE(record.detail, EncodedLines::encode(line.split(u'\t').at(2)).value());
}

void CatalogueTest::loadReportsUnreadableLines()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("item.20041101.txt");
    writeLines(path, {"1\tA\ta\t0\t0\t1", "2\tB\tb\t0\t1\t1", "garbage", "3\tC\tc\t0\t0\t12", "",
                      "4\tD\td\tx\t0\t1", "5\tE\te\t0\t0\t99"});
    ItemCatalogue catalogue;
    const CatalogueFileReport report = catalogue.loadFile(path, kSeedNullStackSize);
    QCOMPARE(report.fileName, QStringLiteral("item.20041101.txt"));
    QCOMPARE(report.status, ReadResult::Status::Read);
    QCOMPARE(report.unreadableLines, 3);
    QCOMPARE(report.firstUnreadableLine, 3);
    QCOMPARE(catalogue.entryCount(), 3);
    QCOMPARE(catalogue.name(0), QStringLiteral("A"));
    QCOMPARE(catalogue.name(1), QStringLiteral("C"));
    QCOMPARE(catalogue.name(2), QStringLiteral("E"));
    QCOMPARE(catalogue.detail(2), QStringLiteral("e"));
    QCOMPARE(int(catalogue.stackSize(1)), 12);

    const CatalogueFileReport missing = catalogue.loadFile(dir.filePath("item.dat"), kRegisteredNullStackSize);
    QCOMPARE(missing.status, ReadResult::Status::Missing);
    QCOMPARE(missing.unreadableLines, 0);
    QCOMPARE(catalogue.entryCount(), 3);
}

void CatalogueTest::loadStopsAtCapacity()
{
    QTemporaryDir dir;
    QStringList seed;
    for (int i = 0; i < ItemCatalogue::kCapacity - 1; ++i)
        seed << QStringLiteral("%1\tItem%1\td\t0\t0\t1").arg(i);
    writeLines(dir.filePath("seed.txt"), seed);
    writeLines(dir.filePath("item.dat"), {"1\tLast\td\t0\t0\t1", "2\tOver\td\t0\t0\t1", "3\tOver2\td\t0\t0\t1"});
    ItemCatalogue catalogue;
    QCOMPARE(catalogue.loadFile(dir.filePath("seed.txt"), 1).linesBeyondCapacity, 0);
    const CatalogueFileReport registered = catalogue.loadFile(dir.filePath("item.dat"), 0);
    QCOMPARE(registered.linesBeyondCapacity, 2);
    QCOMPARE(catalogue.entryCount(), ItemCatalogue::kCapacity);
    QCOMPARE(catalogue.name(ItemCatalogue::kCapacity - 1), QStringLiteral("Last"));
    QVERIFY(catalogue.isFull());
    QVERIFY(!catalogue.append({1, "x", "y", 0, 1}));
    QCOMPARE(catalogue.entryCount(), ItemCatalogue::kCapacity);

    CatalogueView view(catalogue);
    view.showAll();
    QCOMPARE(view.lineCount(), CatalogueView::kCapacity);
    QVERIFY(!view.appendLastEntry());
    QCOMPARE(view.lineCount(), CatalogueView::kCapacity);
}

void CatalogueTest::viewFollowsCatalogueOrder()
{
    QTemporaryDir dir;
    writeLines(dir.filePath("seed.txt"), {"1\t炎の塊\tcluster\t0\t0\t12", "2\tダガー\tdagger\t0\t0\t1",
                                          "3\t炎のクリスタル\tcrystal\t0\t0\t99", "4\t炎の塊\tagain\t0\t0\t5"});
    ItemCatalogue catalogue;
    QCOMPARE(catalogue.loadFile(dir.filePath("seed.txt"), 1).unreadableLines, 0);

    CatalogueView view(catalogue);
    view.rebuild([](const QString& name) { return name.startsWith(u'炎'); });
    QCOMPARE(view.lineCount(), 3);
    QCOMPARE(view.data(view.index(1)).toString(), QStringLiteral("炎のクリスタル"));
    QCOMPARE(view.viewDetail(1), QStringLiteral("crystal"));
    QCOMPARE(int(view.viewStack(1)), 99);
    QCOMPARE(view.viewDetail(2), QStringLiteral("again"));
    QCOMPARE(int(view.viewStack(2)), 5);

    // A registration shows as a new last line of whatever the view shows.
    QSignalSpy inserted(&view, &QAbstractItemModel::rowsInserted);
    QVERIFY(catalogue.append({5, "New", "new", 0, 12}));
    QVERIFY(view.appendLastEntry());
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(view.lineCount(), 4);
    QCOMPARE(view.lineText(3), QStringLiteral("New"));
    QCOMPARE(view.viewDetail(3), QStringLiteral("new"));
    QVERIFY(!catalogue.append({6, QStringLiteral("\U0001F600"), "x", 0, 1}));
    QCOMPARE(catalogue.entryCount(), 5);

    view.showAll();
    QCOMPARE(view.lineCount(), 5);
    for (int k = 0; k < 5; ++k) {
        QCOMPARE(view.lineText(k), catalogue.name(k));
        QCOMPARE(view.viewStack(k), catalogue.stackSize(k));
    }
    QCOMPARE(catalogue.entry(4).number, qint16(5));
}

void CatalogueTest::formatsRecord()
{
    const CatalogueEntry entry{1205, QStringLiteral("ブロンズソード"), QStringLiteral("[片手剣]全種<br>x<br>Lv1～ All Jobs"), 0, 12};
    QCOMPARE(formatCatalogueRecord(entry),
             QStringLiteral("1205\tブロンズソード\t[片手剣]全種<br>x<br>Lv1～ All Jobs\t0\t0\t12"));
    const QByteArray line = EncodedLines::encode(formatCatalogueRecord(entry)).value();
    const ParsedRecord back = parseCatalogueRecord(line, 1);
    QCOMPARE(back.verdict, ParsedRecord::Verdict::Loaded);
    QCOMPARE(back.detail, EncodedLines::encode(entry.detail).value());
}

QTEST_GUILESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
