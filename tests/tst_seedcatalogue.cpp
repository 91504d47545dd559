#include "model/CatalogueRecord.h"
#include "model/ItemCatalogue.h"
#include "model/TextFile.h"
#include "scripts/seedgen/SeedTable.h"

#include <QFile>
#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

using namespace morvane;

namespace {

const QString kSourceDir = QStringLiteral(MORVANE_SOURCE_DIR);
const QString kCataloguePath = kSourceDir + QStringLiteral("/data/item.20041101.txt");

} // namespace

class TestSeedCatalogue : public QObject {
    Q_OBJECT

private:
    QList<CatalogueEntry> m_entries;

private slots:
    void initTestCase();
    void committedFileIsGeneratedFromTable();
    void everyLineLoadsAndSurvivesCodePage932();
    void crystalsAndClustersOnceWithStack12();
    void stackSizesNumbersAndTypes();
    void recordIsBuiltLikeARegistration();
    void rejectsMalformedTable_data();
    void rejectsMalformedTable();
};

void TestSeedCatalogue::initTestCase()
{
    ItemCatalogue catalogue;
    const CatalogueFileReport report = catalogue.loadFile(kCataloguePath, kSeedNullStackSize);
    QCOMPARE(report.unreadableLines, 0);
    for (int i = 0; i < catalogue.entryCount(); ++i)
        m_entries.append(catalogue.entry(i));
}

void TestSeedCatalogue::committedFileIsGeneratedFromTable()
{
    const SeedTable table = SeedTable::read(kSourceDir + QStringLiteral("/data/seed/catalogue.tsv"));
    QVERIFY2(table.isValid(), qPrintable(table.problems().value(0).message));
    QByteArray generated;
    QVERIFY(encodeLines(table.catalogueLines(), &generated));
    QFile committed(kCataloguePath);
    QVERIFY(committed.open(QIODevice::ReadOnly));
    QVERIFY2(committed.readAll() == generated,
             "data/item.20041101.txt differs from the table; regenerate it with morvane_seedgen");
}

void TestSeedCatalogue::everyLineLoadsAndSurvivesCodePage932()
{
    const ReadResult read = readTextFile(kCataloguePath);
    QVERIFY(read.read());
    QVERIFY(!read.lines.isEmpty());
    for (const QString& line : read.lines)
        QCOMPARE(line.split(u'\t').size(), 6);
    // None was excluded or unreadable.
    QCOMPARE(m_entries.size(), read.lines.size());

    QStringEncoder encoder("windows-31j");
    QStringDecoder decoder("windows-31j");
    for (const CatalogueEntry& entry : std::as_const(m_entries)) {
        for (const QString& text : {entry.name, entry.detail})
            QCOMPARE(decoder.decode(encoder.encode(text)), text);
    }
}

void TestSeedCatalogue::crystalsAndClustersOnceWithStack12()
{
    for (const QString element : QStringLiteral("闇炎光水土氷風雷")) {
        for (const QString& name : {element + QStringLiteral("のクリスタル"), element + QStringLiteral("の塊")}) {
            QList<qint16> stacks;
            for (const CatalogueEntry& entry : std::as_const(m_entries)) {
                if (entry.name == name)
                    stacks.append(entry.stackSize);
            }
            QVERIFY2(stacks == QList<qint16>{12}, qPrintable(name));
        }
    }
}

void TestSeedCatalogue::stackSizesNumbersAndTypes()
{
    // Written out rather than taken from the generator, so that the test
    // does not agree with a wrong generator.
    const QStringList types = QStringLiteral("格闘 短剣 片手剣 両手剣 片手斧 両手斧 両手鎌 両手槍 片手刀 両手刀 "
                                             "片手棍 両手棍 レンジ武器等 楽器 矢・弾その他 盾 頭 首 胴 両手 腰 "
                                             "両脚 両足 背 魔法 調度品 その他")
                                  .split(u' ');
    QSet<qint16> numbers;
    QSet<QString> typesFound;
    for (const CatalogueEntry& entry : std::as_const(m_entries)) {
        QVERIFY2(entry.stackSize == 1 || entry.stackSize == 12 || entry.stackSize == 99, qPrintable(entry.name));
        QVERIFY2(entry.number > 0 && !numbers.contains(entry.number), qPrintable(entry.name));
        numbers.insert(entry.number);
        typesFound.insert(entry.detail.section(u']', 0, 0).mid(1));
    }
    QCOMPARE(typesFound, QSet<QString>(types.begin(), types.end()));
}

void TestSeedCatalogue::recordIsBuiltLikeARegistration()
{
    const SeedTable table = SeedTable::parse(
        QStringLiteral("# a sword\n1205\t試作の剣\t片手剣\t全種\tD12 隔288\t75\t戦赤シナ\t1\r\n\n"
                       "7\t石つぶて\t矢・弾その他\tＴ♀\t\t1\tAll Jobs\t99\n"));
    QVERIFY2(table.isValid(), qPrintable(table.problems().value(0).message));
    QCOMPARE(table.catalogueLines(),
             (QStringList{QStringLiteral("1205\t試作の剣\t[片手剣]全種<br>D12 隔288<br>Lv75～ 戦赤シナ\t0\t0\t1"),
                          QStringLiteral("7\t石つぶて\t[矢・弾その他]Ｔ♀<br><br>Lv1～ All Jobs\t0\t0\t99")}));
}

void TestSeedCatalogue::rejectsMalformedTable_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("complaint");

    // Good lines around the bad one: only the bad line is named.
    const auto around = [](const char* bad) {
        return QStringLiteral("# header\n1\t剣\t片手剣\t全種\tc\t1\tAll Jobs\t1\n\n%1\n3\t盾\t盾\t全種\tc\t1\tAll Jobs\t1\n")
            .arg(QString::fromUtf8(bad));
    };
    QTest::newRow("no item") << "# nothing yet\n\n" << 0 << "no item";
    QTest::newRow("unknown type") << around("2\t剣\t剣\t全種\tc\t1\tAll Jobs\t1") << 4 << "type";
    QTest::newRow("half-width race") << around("2\t剣\t片手剣\tH\tc\t1\tAll Jobs\t1") << 4 << "race";
    QTest::newRow("duplicate number") << around("1\t剣\t片手剣\t全種\tc\t1\tAll Jobs\t1") << 4 << "used on line 2";
    QTest::newRow("jobs out of order") << around("2\t剣\t片手剣\t全種\tc\t1\tモ戦\t1") << 4 << "jobs";
    QTest::newRow("no job") << around("2\t剣\t片手剣\t全種\tc\t1\t\t1") << 4 << "jobs";
    QTest::newRow("tab in comment") << around("2\t剣\t片手剣\t全種\tD1\t隔2\t1\tAll Jobs\t1") << 4 << "found 9";
    QTest::newRow("stack 10") << around("2\t剣\t片手剣\t全種\tc\t1\tAll Jobs\t10") << 4 << "stack";
    QTest::newRow("level 0") << around("2\t剣\t片手剣\t全種\tc\t0\tAll Jobs\t1") << 4 << "level";
    QTest::newRow("number beyond 16 bits") << around("40000\t剣\t片手剣\t全種\tc\t1\tAll Jobs\t1") << 4 << "number";
    QTest::newRow("signed number") << around("+2\t剣\t片手剣\t全種\tc\t1\tAll Jobs\t1") << 4 << "number";
    QTest::newRow("empty name") << around("2\t\t片手剣\t全種\tc\t1\tAll Jobs\t1") << 4 << "name";
    QTest::newRow("not in code page 932") << around("2\tépée\t片手剣\t全種\tc\t1\tAll Jobs\t1") << 4 << "code page 932";
    QTest::newRow("stray carriage return") << around("2\t剣\r\t片手剣\t全種\tc\t1\tAll Jobs\t1") << 4 << "carriage return";
}

void TestSeedCatalogue::rejectsMalformedTable()
{
    QFETCH(QString, table);
    QFETCH(int, line);
    QFETCH(QString, complaint);

    const SeedTable parsed = SeedTable::parse(table);
    QVERIFY(!parsed.isValid());
    QCOMPARE(parsed.problems().size(), 1);
    QCOMPARE(parsed.problems().first().line, line);
    QVERIFY2(parsed.problems().first().message.contains(complaint), qPrintable(parsed.problems().first().message));
}

QTEST_GUILESS_MAIN(TestSeedCatalogue)
#include "tst_seedcatalogue.moc"
