#include "model/text/CodePage932.h"
#include "model/catalogue/Crystals.h"
#include "model/catalogue/ItemCatalogue.h"
#include "model/text/TextFile.h"
#include "scripts/seedgen/SeedTable.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <QTest>

using namespace morvane;
using namespace Qt::StringLiterals;

const QString kCataloguePath = QStringLiteral(":/data/item.20041101.txt");

class TestSeedCatalogue : public QObject {
    Q_OBJECT

private slots:
    void committedFileIsGeneratedFromTableAndLoads()
    {
        const SeedTable table = SeedTable::read(QStringLiteral(":/data/seed/catalogue.tsv"));
        QVERIFY2(table.isValid(), qPrintable(table.problems().value(0).message));
        const QStringList lines = table.catalogueLines();
        QByteArray generated;
        QVERIFY(encodeLines(lines, &generated));
        QFile committed(kCataloguePath);
        QVERIFY(committed.open(QIODevice::ReadOnly));
        QVERIFY2(committed.readAll() == generated,
                 "data/item.20041101.txt differs from the table; regenerate it with morvane_seedgen");

        ItemCatalogue catalogue;
        QCOMPARE(catalogue.loadFile(kCataloguePath, kSeedNullStackSize).unreadableLines, 0);
        QCOMPARE(catalogue.entryCount(), lines.size()); // none excluded
        QSet<qint16> numbers;
        QSet<QString> types;
        QHash<QString, QList<qint16>> stacksByName;
        for (int i = 0; i < catalogue.entryCount(); ++i) {
            const CatalogueEntry entry = catalogue.entry(i);
            for (const QString& text : {entry.name, entry.detail})
                QCOMPARE(cp932::decode(cp932::encode(text).value()), text);
            QVERIFY2(entry.stackSize == 1 || entry.stackSize == 12 || entry.stackSize == 99, qPrintable(entry.name));
            QVERIFY2(entry.number > 0 && !numbers.contains(entry.number), qPrintable(entry.name));
            numbers.insert(entry.number);
            types.insert(entry.detail.section(u']', 0, 0).mid(1));
            stacksByName[entry.name].append(entry.stackSize);
        }
        // Written out, so that the test does not agree with a wrong generator.
        QCOMPARE(types, QSet<QString>({u"格闘"_s, u"短剣"_s, u"片手剣"_s, u"両手剣"_s, u"片手斧"_s, u"両手斧"_s, u"両手鎌"_s, u"両手槍"_s, u"片手刀"_s,
                                       u"両手刀"_s, u"片手棍"_s, u"両手棍"_s, u"レンジ武器等"_s, u"楽器"_s, u"矢・弾その他"_s, u"盾"_s, u"頭"_s,
                                       u"首"_s, u"胴"_s, u"両手"_s, u"腰"_s, u"両脚"_s, u"両足"_s, u"背"_s, u"魔法"_s, u"調度品"_s, u"その他"_s}));
        // The crystal filters find each crystal and cluster once, in twelves.
        for (const CrystalFilter& filter : kCrystalFilters) {
            for (const QStringView name : {filter.crystalName, filter.clusterName})
                QVERIFY2(stacksByName.value(name.toString()) == QList<qint16>{12}, qPrintable(name.toString()));
        }
    }

    void rejectsMalformedTable_data()
    {
        QTest::addColumn<QString>("badLine");
        QTest::addColumn<QString>("complaint");
        QTest::newRow("duplicate number") << "1\t剣\t片手剣\t全種\tc\t1\tAll Jobs\t1" << "used on line 2";
        QTest::newRow("number beyond 16 bits") << "40000\t剣\t片手剣\t全種\tc\t1\tAll Jobs\t1" << "number";
        QTest::newRow("jobs out of order") << "2\t剣\t片手剣\t全種\tc\t1\tモ戦\t1" << "jobs";
        QTest::newRow("tab in comment") << "2\t剣\t片手剣\t全種\tD1\t隔2\t1\tAll Jobs\t1" << "found 9";
        QTest::newRow("stray carriage return") << "2\t剣\r\t片手剣\t全種\tc\t1\tAll Jobs\t1" << "carriage return";
    }
    void rejectsMalformedTable()
    {
        QFETCH(QString, badLine);
        QFETCH(QString, complaint);
        // Good lines, one ended as a Windows editor ends it, around the bad
        // one on line 4: only the bad line is named.
        const SeedTable parsed = SeedTable::parse(
            QStringLiteral("# header\n1\t剣\t片手剣\t全種\tc\t1\tAll Jobs\t1\r\n\n%1\n3\t盾\t盾\t全種\tc\t1\tAll Jobs\t1\n")
                .arg(badLine));
        QCOMPARE(parsed.items().size(), 2);
        QCOMPARE(parsed.problems().size(), 1);
        QCOMPARE(parsed.problems().first().line, 4);
        QVERIFY2(parsed.problems().first().message.contains(complaint), qPrintable(parsed.problems().first().message));
    }
};

QTEST_GUILESS_MAIN(TestSeedCatalogue)
#include "tst_seedcatalogue.moc"
