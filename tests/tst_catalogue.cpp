#include "model/catalogue/CatalogueView.h"
#include "model/text/CodePage932.h"
#include "model/text/EncodedLines.h"
#include "model/catalogue/ItemCatalogue.h"
#include "model/text/TextFile.h"

#include <QTemporaryDir>
#include <QTest>

using namespace morvane;
using namespace Qt::StringLiterals;

class CatalogueTest : public QObject {
    Q_OBJECT

private slots:
    void parsesRecords_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("nullStack");
        QTest::addColumn<QString>("parsed"); // number, auxValue, stackSize, name/detail when loaded
        QTest::newRow("flag 00 is 0") << "12\tn\td\t3\t00\t12" << 1 << "12 3 12 n/d";
        QTest::newRow("flag 1 excluded") << "12\tn\td\t3\t1\t12" << 1 << "excluded";
        QTest::newRow("50000 excluded") << "50000\tn\td\t3\t0\t12" << 1 << "excluded";
        QTest::newRow("32767 loads") << "32767\tn\td\t0\t0\t1" << 1 << "32767 0 1 n/d";
        QTest::newRow("32768 cannot be held") << "32768\tn\td\t0\t0\t1" << 1 << "unreadable";
        QTest::newRow("NULL stack in seed") << "1\tn\td\t0\t0\tNULL" << 1 << "1 0 1 n/d";
        QTest::newRow("NULL stack in item.dat") << "1\tn\td\t0\t0\tNULL" << 0 << "1 0 0 n/d";
        QTest::newRow("NULL aux") << "1\tn\td\tNULL\t0\t12" << 1 << "1 0 12 n/d";
        QTest::newRow("loaded with five fields") << "1\tn\td\t0\t0" << 1 << "unreadable";
    }

    void parsesRecords()
    {
        QFETCH(QString, line);
        QFETCH(int, nullStack);
        QFETCH(QString, parsed);
        const QByteArray bytes = cp932::encode(line).value(); // the record's fields point into it
        const ParsedRecord r = parseCatalogueRecord(bytes, qint16(nullStack));
        const QString fields = decodeLines(r.name.toByteArray()).value(0) + u'/' + decodeLines(r.detail.toByteArray()).value(0);
        QCOMPARE(r.verdict == ParsedRecord::Verdict::Excluded     ? u"excluded"_s
                 : r.verdict == ParsedRecord::Verdict::Unreadable ? u"unreadable"_s
                     : QStringLiteral("%1 %2 %3 %4").arg(r.number).arg(r.auxValue).arg(r.stackSize).arg(fields),
                 parsed);
    }

    void loadReportsUnreadableLinesAndStopsAtCapacity()
    {
        QTemporaryDir dir;
        QStringList seed;
        for (int i = 0; i < ItemCatalogue::kCapacity - 1; ++i)
            seed << QStringLiteral("%1\tItem%1\td\t0\t0\t1").arg(i);
        QVERIFY(writeTextFile(dir.filePath(u"seed.txt"_s), seed).ok());
        QVERIFY(writeTextFile(dir.filePath(u"item.dat"_s), {u"1\tExcluded\td\t0\t1\t1"_s, u"garbage"_s, u"2\tLast\tl\t0\t0\tNULL"_s,
                                                          u""_s, u"3\tOver\td\t0\t0\t1"_s}).ok());
        ItemCatalogue catalogue;
        QCOMPARE(catalogue.loadFile(dir.filePath(u"seed.txt"_s), kSeedNullStackSize).linesBeyondCapacity, 0);
        const CatalogueFileReport r = catalogue.loadFile(dir.filePath(u"item.dat"_s), kRegisteredNullStackSize);
        // Unreadable lines, the first of them, loadable lines beyond the capacity.
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(r.unreadableLines).arg(r.firstUnreadableLine).arg(r.linesBeyondCapacity),
                 QStringLiteral("2 2 1"));
        QCOMPARE(catalogue.entryCount(), ItemCatalogue::kCapacity);
        QVERIFY(!catalogue.append({1, u"x"_s, u"y"_s, 0, 1}));
        CatalogueView view(catalogue);
        view.showAll();
        QCOMPARE(view.lineCount(), CatalogueView::kCapacity);
        QCOMPARE(view.lineText(CatalogueView::kCapacity - 1), QStringLiteral("Last"));
        QVERIFY(!view.appendLastEntry());
    }

    // A search walks every file's entries and those registered in this run,
    // and shows each match by its place in the whole catalogue.
    void searchFindsEntriesOfEveryFile()
    {
        QTemporaryDir dir;
        QVERIFY(writeTextFile(dir.filePath(u"seed.txt"_s), {u"1\t炎のクリスタル\tseed\t0\t0\t12"_s, u"2\t銅鉱\tseed\t0\t0\t12"_s}).ok());
        QVERIFY(writeTextFile(dir.filePath(u"item.dat"_s), {u"3\t炎の塊\tregistered\t0\t0\t12"_s}).ok());
        ItemCatalogue catalogue;
        catalogue.loadFile(dir.filePath(u"seed.txt"_s), kSeedNullStackSize);
        catalogue.loadFile(dir.filePath(u"item.dat"_s), kRegisteredNullStackSize);
        QVERIFY(catalogue.append({4, u"炎の剣"_s, u"this run"_s, 0, 1}));
        CatalogueView view(catalogue);
        view.rebuild([](const QString& name) { return name.startsWith(u'炎'); });
        QCOMPARE(view.lineCount(), 3);
        QStringList shown;
        for (int line = 0; line < view.lineCount(); ++line)
            shown << view.lineText(line) + u' ' + view.viewDetail(line);
        QCOMPARE(shown, (QStringList{u"炎のクリスタル seed"_s, u"炎の塊 registered"_s, u"炎の剣 this run"_s}));
    }
};

QTEST_GUILESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
