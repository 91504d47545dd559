#include "model/CatalogueRecord.h"
#include "model/ItemCatalogue.h"
#include "model/TextFile.h"
#include "scripts/seedgen/SeedTable.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

using namespace morvane;

namespace {

const QString kSourceDir = QStringLiteral(MORVANE_SOURCE_DIR);

QString tablePath() { return kSourceDir + QStringLiteral("/data/seed/catalogue.tsv"); }
QString cataloguePath() { return kSourceDir + QStringLiteral("/data/item.20041101.txt"); }

// The registration dialog's type list, written out here rather than taken
// from the generator so that the test does not agree with a wrong generator.
const QStringList kTypes = {
    QStringLiteral("格闘"), QStringLiteral("短剣"), QStringLiteral("片手剣"),
    QStringLiteral("両手剣"), QStringLiteral("片手斧"), QStringLiteral("両手斧"),
    QStringLiteral("両手鎌"), QStringLiteral("両手槍"), QStringLiteral("片手刀"),
    QStringLiteral("両手刀"), QStringLiteral("片手棍"), QStringLiteral("両手棍"),
    QStringLiteral("レンジ武器等"), QStringLiteral("楽器"), QStringLiteral("矢・弾その他"),
    QStringLiteral("盾"), QStringLiteral("頭"), QStringLiteral("首"),
    QStringLiteral("胴"), QStringLiteral("両手"), QStringLiteral("腰"),
    QStringLiteral("両脚"), QStringLiteral("両足"), QStringLiteral("背"),
    QStringLiteral("魔法"), QStringLiteral("調度品"), QStringLiteral("その他"),
};

QString problemList(const SeedTable& table)
{
    QStringList lines;
    for (const SeedProblem& problem : table.problems())
        lines << QStringLiteral("line %1: %2").arg(problem.line).arg(problem.message);
    return lines.join(u'\n');
}

} // namespace

class TestSeedCatalogue : public QObject {
    Q_OBJECT

private:
    QStringList m_fileLines;
    QList<CatalogueEntry> m_entries;

private slots:
    void initTestCase();
    void committedFileIsGeneratedFromTable();
    void everyLineLoads();
    void namesAndDetailsSurviveCodePage932();
    void detailTextsHaveTheDialogForm();
    void crystalPresentOnceWithStack12_data();
    void crystalPresentOnceWithStack12();
    void stackSizesAndNumbers();
    void everyTypeAppears();
    void recordIsBuiltLikeARegistration();
    void rejectsMalformedTable_data();
    void rejectsMalformedTable();
    void reportsEveryBadLine();
};

void TestSeedCatalogue::initTestCase()
{
    const ReadResult read = readTextFile(cataloguePath());
    QVERIFY2(read.read(), qPrintable(cataloguePath()));
    m_fileLines = read.lines;
    ItemCatalogue catalogue;
    const CatalogueFileReport report = catalogue.loadFile(cataloguePath(), kSeedNullStackSize);
    QCOMPARE(report.unreadableLines, 0);
    for (int i = 0; i < catalogue.entryCount(); ++i)
        m_entries.append(catalogue.entry(i));
}

void TestSeedCatalogue::committedFileIsGeneratedFromTable()
{
    const SeedTable table = SeedTable::read(tablePath());
    QVERIFY2(table.isValid(), qPrintable(problemList(table)));

    QByteArray generated;
    QVERIFY(encodeLines(table.catalogueLines(), &generated));
    QFile committed(cataloguePath());
    QVERIFY(committed.open(QIODevice::ReadOnly));
    const QByteArray bytes = committed.readAll();

    if (bytes != generated) {
        const QList<QByteArray> expected = generated.split('\n');
        const QList<QByteArray> actual = bytes.split('\n');
        qsizetype line = 0;
        while (line < expected.size() && line < actual.size() && expected[line] == actual[line])
            ++line;
        QFAIL(qPrintable(QStringLiteral("data/item.20041101.txt differs from the table at line %1; "
                                        "regenerate it with morvane_seedgen")
                             .arg(line + 1)));
    }
}

void TestSeedCatalogue::everyLineLoads()
{
    QVERIFY(!m_fileLines.isEmpty());
    for (const QString& line : std::as_const(m_fileLines))
        QCOMPARE(line.split(u'\t').size(), 6);
    // Every line became an entry: none was excluded or unreadable.
    QCOMPARE(m_entries.size(), m_fileLines.size());
    for (const CatalogueEntry& entry : std::as_const(m_entries))
        QCOMPARE(entry.auxValue, qint16(0));
}

void TestSeedCatalogue::namesAndDetailsSurviveCodePage932()
{
    for (const CatalogueEntry& entry : std::as_const(m_entries)) {
        for (const QString& text : {entry.name, entry.detail}) {
            QVERIFY2(fitsCodePage932(text), qPrintable(text));
            QStringEncoder encoder("windows-31j");
            QStringDecoder decoder("windows-31j");
            const QString back = decoder.decode(encoder.encode(text));
            QCOMPARE(back, text);
        }
    }
}

void TestSeedCatalogue::detailTextsHaveTheDialogForm()
{
    static const QRegularExpression form(
        QStringLiteral("^\\[([^\\]]+)\\](全種|Ｈ|Ｈ♂|Ｈ♀|Ｅ|Ｅ♂|Ｅ♀|Ｔ|Ｔ♂|Ｔ♀|Ｇ|Ｍ)"
                       "<br>(.*)<br>Lv([1-9][0-9]?)\uFF5E (All Jobs|[戦モ白黒赤シナ暗獣吟狩忍竜召侍]+)$"));
    static const QString order = QStringLiteral("戦モ白黒赤シナ暗獣吟狩忍竜召侍");
    for (const CatalogueEntry& entry : std::as_const(m_entries)) {
        const QRegularExpressionMatch match = form.match(entry.detail);
        QVERIFY2(match.hasMatch(), qPrintable(entry.detail));
        QVERIFY2(kTypes.contains(match.captured(1)), qPrintable(entry.detail));
        QVERIFY2(!match.captured(3).isEmpty(), qPrintable(entry.name));
        const QString jobs = match.captured(5);
        if (jobs == u"All Jobs")
            continue;
        for (qsizetype i = 1; i < jobs.size(); ++i)
            QVERIFY2(order.indexOf(jobs[i - 1]) < order.indexOf(jobs[i]), qPrintable(entry.detail));
    }
}

void TestSeedCatalogue::crystalPresentOnceWithStack12_data()
{
    QTest::addColumn<QString>("name");
    for (const char* element : {"闇", "炎", "光", "水", "土", "氷", "風", "雷"}) {
        const QString crystal = QString::fromUtf8(element) + QStringLiteral("のクリスタル");
        const QString cluster = QString::fromUtf8(element) + QStringLiteral("の塊");
        QTest::newRow(qPrintable(crystal)) << crystal;
        QTest::newRow(qPrintable(cluster)) << cluster;
    }
}

void TestSeedCatalogue::crystalPresentOnceWithStack12()
{
    QFETCH(QString, name);
    QList<CatalogueEntry> found;
    for (const CatalogueEntry& entry : std::as_const(m_entries)) {
        if (entry.name == name)
            found.append(entry);
    }
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first().stackSize, qint16(12));
}

void TestSeedCatalogue::stackSizesAndNumbers()
{
    QSet<qint16> numbers;
    for (const CatalogueEntry& entry : std::as_const(m_entries)) {
        QVERIFY2(entry.stackSize == 1 || entry.stackSize == 12 || entry.stackSize == 99,
                 qPrintable(entry.name));
        QVERIFY2(entry.number > 0, qPrintable(entry.name));
        QVERIFY2(!numbers.contains(entry.number), qPrintable(entry.name));
        numbers.insert(entry.number);
    }
}

void TestSeedCatalogue::everyTypeAppears()
{
    QHash<QString, int> counts;
    for (const CatalogueEntry& entry : std::as_const(m_entries))
        ++counts[entry.detail.section(u']', 0, 0).mid(1)];
    for (const QString& type : kTypes)
        QVERIFY2(counts.value(type) > 0, qPrintable(type));
    QCOMPARE(counts.size(), kTypes.size());
}

void TestSeedCatalogue::recordIsBuiltLikeARegistration()
{
    const SeedTable table = SeedTable::parse(
        QStringLiteral("# a sword\n1205\t試作の剣\t片手剣\t全種\tD12 隔288 STR+1\t75\t戦赤シナ\t1\n"
                       "\n7\t石つぶて\t矢・弾その他\tＴ♀\t\t1\tAll Jobs\t99\n"));
    QVERIFY2(table.isValid(), qPrintable(problemList(table)));
    const QStringList expected = {
        QStringLiteral("1205\t試作の剣\t[片手剣]全種<br>D12 隔288 STR+1<br>Lv75\uFF5E 戦赤シナ\t0\t0\t1"),
        QStringLiteral("7\t石つぶて\t[矢・弾その他]Ｔ♀<br><br>Lv1\uFF5E All Jobs\t0\t0\t99"),
    };
    QCOMPARE(table.catalogueLines(), expected);

    QByteArray bytes;
    QVERIFY(encodeLines(table.catalogueLines(), &bytes));
    QVERIFY(bytes.contains(QByteArray("Lv75\x81\x60 ")));
    QVERIFY(bytes.endsWith("\r\n"));
}

void TestSeedCatalogue::rejectsMalformedTable_data()
{
    QTest::addColumn<QString>("badLine");
    QTest::addColumn<QString>("complaint");

    QTest::newRow("unknown type") << QStringLiteral("2\t剣\t剣\t全種\tc\t1\tAll Jobs\t1")
                                  << QStringLiteral("type");
    QTest::newRow("half-width race") << QStringLiteral("2\t剣\t片手剣\tH\tc\t1\tAll Jobs\t1")
                                     << QStringLiteral("race");
    QTest::newRow("duplicate number") << QStringLiteral("1\t剣\t片手剣\t全種\tc\t1\tAll Jobs\t1")
                                      << QStringLiteral("already used on line 2");
    QTest::newRow("jobs out of order") << QStringLiteral("2\t剣\t片手剣\t全種\tc\t1\tモ戦\t1")
                                       << QStringLiteral("jobs");
    QTest::newRow("job repeated") << QStringLiteral("2\t剣\t片手剣\t全種\tc\t1\t戦戦\t1")
                                  << QStringLiteral("jobs");
    QTest::newRow("no job") << QStringLiteral("2\t剣\t片手剣\t全種\tc\t1\t\t1")
                            << QStringLiteral("jobs");
    QTest::newRow("seven columns") << QStringLiteral("2\t剣\t片手剣\t全種\t1\tAll Jobs\t1")
                                   << QStringLiteral("found 7");
    QTest::newRow("tab in comment") << QStringLiteral("2\t剣\t片手剣\t全種\tD1\t隔2\t1\tAll Jobs\t1")
                                    << QStringLiteral("found 9");
    QTest::newRow("stack 10") << QStringLiteral("2\t剣\t片手剣\t全種\tc\t1\tAll Jobs\t10")
                              << QStringLiteral("stack");
    QTest::newRow("level 0") << QStringLiteral("2\t剣\t片手剣\t全種\tc\t0\tAll Jobs\t1")
                             << QStringLiteral("level");
    QTest::newRow("level 100") << QStringLiteral("2\t剣\t片手剣\t全種\tc\t100\tAll Jobs\t1")
                               << QStringLiteral("level");
    QTest::newRow("number beyond 16 bits")
        << QStringLiteral("40000\t剣\t片手剣\t全種\tc\t1\tAll Jobs\t1") << QStringLiteral("number");
    QTest::newRow("signed number") << QStringLiteral("+2\t剣\t片手剣\t全種\tc\t1\tAll Jobs\t1")
                                   << QStringLiteral("number");
    QTest::newRow("empty name") << QStringLiteral("2\t\t片手剣\t全種\tc\t1\tAll Jobs\t1")
                                << QStringLiteral("name");
    QTest::newRow("not in code page 932")
        << QStringLiteral("2\tépée\t片手剣\t全種\tc\t1\tAll Jobs\t1")
        << QStringLiteral("code page 932");
    QTest::newRow("stray carriage return")
        << QStringLiteral("2\t剣\r\t片手剣\t全種\tc\t1\tAll Jobs\t1")
        << QStringLiteral("carriage return");
}

void TestSeedCatalogue::rejectsMalformedTable()
{
    QFETCH(QString, badLine);
    QFETCH(QString, complaint);

    const QString text = QStringLiteral("# header\n1\t剣\t片手剣\t全種\tc\t1\tAll Jobs\t1\n\n")
        + badLine + QStringLiteral("\n3\t盾\t盾\t全種\tc\t1\tAll Jobs\t1\n");
    const SeedTable table = SeedTable::parse(text);
    QVERIFY(!table.isValid());
    QCOMPARE(table.problems().size(), 1);
    QCOMPARE(table.problems().first().line, 4);
    QVERIFY2(table.problems().first().message.contains(complaint),
             qPrintable(table.problems().first().message));
}

void TestSeedCatalogue::reportsEveryBadLine()
{
    const SeedTable table = SeedTable::parse(
        QStringLiteral("1\t剣\t剣\t全種\tc\t1\tAll Jobs\t1\n"
                       "2\t盾\t盾\t全種\tc\t1\tAll Jobs\t1\n"
                       "3\t頭\t頭\tＨ\tc\t5\t戦\t7\n"));
    QList<int> lines;
    for (const SeedProblem& problem : table.problems())
        lines << problem.line;
    QCOMPARE(lines, (QList<int>{1, 3}));
    QCOMPARE(table.items().size(), 1);
    QCOMPARE(table.items().first().line, 2);

    const SeedTable empty = SeedTable::parse(QStringLiteral("# nothing yet\n\n"));
    QVERIFY(!empty.isValid());
}

QTEST_GUILESS_MAIN(TestSeedCatalogue)
#include "tst_seedcatalogue.moc"
