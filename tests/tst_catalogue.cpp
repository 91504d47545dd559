#include "model/CatalogueView.h"
#include "model/EncodedLines.h"
#include "model/ItemCatalogue.h"
#include "model/TextFile.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace morvane;

namespace {

void writeLines(const QString& path, const QStringList& lines)
{
    QVERIFY(writeTextFile(path, lines).ok());
}

// Every line of the view as its text, detail and stack size.
QStringList describe(const CatalogueView& view)
{
    QStringList lines;
    for (int k = 0; k < view.lineCount(); ++k)
        lines << QStringLiteral("%1/%2/%3").arg(view.lineText(k), view.viewDetail(k)).arg(view.viewStack(k));
    return lines;
}

} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT

private slots:
    void parsesRecords_data();
    void parsesRecords();
    void loadReportsUnreadableLinesAndStopsAtCapacity();
    void viewFollowsCatalogueOrder();
};

void CatalogueTest::parsesRecords_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("nullStack");
    QTest::addColumn<QString>("parsed"); // number, auxValue and stackSize when loaded
    // "ソ" and "表" end in the byte of a backslash: fields still split only at tabs.
    QTest::newRow("double-byte fields") << "12\tソ表示\t[頭]Ｈ♂<br>Lv1～ 戦\t3\t0\t12" << 1 << "12 3 12";
    QTest::newRow("flag 00 is 0") << "12\tn\td\t3\t00\t12" << 1 << "12 3 12";
    QTest::newRow("flag 1 excluded") << "12\tn\td\t3\t1\t12" << 1 << "excluded";
    QTest::newRow("50000 excluded") << "50000\tn\td\t3\t0\t12" << 1 << "excluded";
    QTest::newRow("excluded with five fields") << "60000\tn\td\t3\t0" << 1 << "excluded";
    QTest::newRow("32767 loads") << "32767\tn\td\t0\t0\t1" << 1 << "32767 0 1";
    QTest::newRow("32768 cannot be held") << "32768\tn\td\t0\t0\t1" << 1 << "unreadable";
    QTest::newRow("NULL stack in seed") << "1\tn\td\t0\t0\tNULL" << 1 << "1 0 1";
    QTest::newRow("NULL stack in item.dat") << "1\tn\td\t0\t0\tNULL" << 0 << "1 0 0";
    QTest::newRow("NULL aux") << "1\tn\td\tNULL\t0\t12" << 1 << "1 0 12";
    QTest::newRow("null lower case") << "1\tn\td\tnull\t0\t12" << 1 << "unreadable";
    QTest::newRow("fields after 5 ignored") << "7\tn\td\t1\t0\t12\tx\ty\tz" << 1 << "7 1 12";
    QTest::newRow("empty line") << "" << 1 << "unreadable";
    QTest::newRow("four fields") << "1\tn\td\t0" << 1 << "unreadable";
    QTest::newRow("loaded with five fields") << "1\tn\td\t0\t0" << 1 << "unreadable";
    QTest::newRow("number not a number") << "x1\tn\td\t0\t0\t1" << 1 << "unreadable";
    QTest::newRow("stack not a number") << "1\tn\td\t0\t0\tlots" << 1 << "unreadable";
    QTest::newRow("stack too big") << "1\tn\td\t0\t0\t40000" << 1 << "unreadable";
}

void CatalogueTest::parsesRecords()
{
    QFETCH(QString, line);
    QFETCH(int, nullStack);
    QFETCH(QString, parsed);
    const QByteArray bytes = EncodedLines::encode(line).value();
    const ParsedRecord record = parseCatalogueRecord(bytes, qint16(nullStack));
    using V = ParsedRecord::Verdict;
    QCOMPARE(record.verdict == V::Excluded     ? "excluded"
             : record.verdict == V::Unreadable ? "unreadable"
                                               : QStringLiteral("%1 %2 %3").arg(record.number).arg(record.auxValue).arg(record.stackSize),
             parsed);
    if (record.verdict == V::Loaded) {
        QCOMPARE(record.name, EncodedLines::encode(line.section(u'\t', 1, 1)).value());
        QCOMPARE(record.detail, EncodedLines::encode(line.section(u'\t', 2, 2)).value());
    }
}

void CatalogueTest::loadReportsUnreadableLinesAndStopsAtCapacity()
{
    QTemporaryDir dir;
    QStringList seed;
    for (int i = 0; i < ItemCatalogue::kCapacity - 1; ++i)
        seed << QStringLiteral("%1\tItem%1\td\t0\t0\t1").arg(i);
    writeLines(dir.filePath("item.20041101.txt"), seed);
    writeLines(dir.filePath("item.dat"), {"1\tExcluded\td\t0\t1\t1", "garbage", "2\tLast\tl\t0\t0\tNULL", "",
                                          "3\tOver\td\t0\t0\t1", "4\tD\td\tx\t0\t1", "5\tOver2\td\t0\t0\t1"});
    ItemCatalogue catalogue;
    QCOMPARE(catalogue.loadFile(dir.filePath("item.20041101.txt"), kSeedNullStackSize).linesBeyondCapacity, 0);
    const CatalogueFileReport report = catalogue.loadFile(dir.filePath("item.dat"), kRegisteredNullStackSize);
    QCOMPARE(report.fileName, QStringLiteral("item.dat"));
    QCOMPARE(report.status, ReadResult::Status::Read);
    // Unreadable lines, the first of them, loadable lines beyond the capacity.
    QCOMPARE(QStringLiteral("%1 %2 %3").arg(report.unreadableLines).arg(report.firstUnreadableLine).arg(report.linesBeyondCapacity),
             QStringLiteral("3 2 2"));
    QCOMPARE(catalogue.entryCount(), ItemCatalogue::kCapacity);
    QVERIFY(!catalogue.append({1, "x", "y", 0, 1}));
    CatalogueView view(catalogue);
    view.showAll();
    QVERIFY(!view.appendLastEntry());
    QCOMPARE(view.lineCount(), CatalogueView::kCapacity);
    QCOMPARE(describe(view).last(), QStringLiteral("Last/l/0"));
    QCOMPARE(catalogue.loadFile(dir.filePath("missing.dat"), 0).status, ReadResult::Status::Missing);
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
    QCOMPARE(describe(view), (QStringList{"炎の塊/cluster/12", "炎のクリスタル/crystal/99", "炎の塊/again/5"}));
    QCOMPARE(view.data(view.index(1)).toString(), QStringLiteral("炎のクリスタル"));

    // A registration shows as a new last line of whatever the view shows.
    QSignalSpy inserted(&view, &QAbstractItemModel::rowsInserted);
    QVERIFY(catalogue.append({5, "New", "new", 0, 12}));
    QVERIFY(view.appendLastEntry());
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(describe(view).mid(3), QStringList{"New/new/12"});
    QVERIFY(!catalogue.append({6, QStringLiteral("\U0001F600"), "x", 0, 1}));
    view.showAll();
    QCOMPARE(describe(view), (QStringList{"炎の塊/cluster/12", "ダガー/dagger/1", "炎のクリスタル/crystal/99",
                                          "炎の塊/again/5", "New/new/12"}));
}

QTEST_GUILESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
