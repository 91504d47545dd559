// Searching every character's storages: what is found, where from, the
// totals, the orders, the spreadsheet file, and that the data folder is only
// ever read.
#include "FileBytes.h"
#include "StorageContents.h"

#include "model/holdings/HoldingsCsv.h"
#include "model/holdings/HoldingsSearch.h"
#include "model/text/TextFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace morvane;
using namespace Qt::StringLiterals;
using Matching = WildcardPattern::Matching;

namespace {

// A data folder with a roster and the characters' files.
struct Folder {
    QTemporaryDir dir;

    void write(const QString& file, const QStringList& lines) const
    {
        QVERIFY(writeTextFile(dir.filePath(file), lines).ok());
    }
    HoldingsScope scope(const QStringList& roster) const { return {DataFolder(dir.path()), roster, std::nullopt}; }
};

// Each row as "character|place|item|count|detail".
QStringList rowsOf(const Holdings& holdings)
{
    QStringList rows;
    for (int row = 0; row < holdings.rowCount(); ++row)
        rows << QStringList{holdings.character(row), holdings.place(row).toString(), holdings.item(row),
                            holdings.countText(row), holdings.detail(row)}
                    .join(u'|');
    return rows;
}

} // namespace

class HoldingsTest : public QObject {
    Q_OBJECT

private slots:
    void acrossCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Matching>("matching");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("summary");

        QTest::newRow("folded: hiragana, half-width") << u"ポーション"_s << Matching::IgnoreKanaWidth
            << QStringList{u"A|モグ金庫|ポーション|12|[薬品]全種<br>HP回復"_s, u"A|かばん|ハイポーション|5|"_s,
                           u"B|モグ金庫|ポーション|1|unsaved"_s, u"B|モグ金庫|ぽーしょん|2|"_s, u"C|かばん|ﾎﾟｰｼｮﾝ|7|"_s}
            << u"5件　合計27個（3キャラクター）"_s;
        // Abag.dat has no detail file; B's details come from the window, not Bmoginfo.dat.
        QTest::newRow("exact") << u"ポーション"_s << Matching::Exact
            << QStringList{u"A|モグ金庫|ポーション|12|[薬品]全種<br>HP回復"_s, u"A|かばん|ハイポーション|5|"_s,
                           u"B|モグ金庫|ポーション|1|unsaved"_s}
            << u"3件　合計18個（2キャラクター）"_s;
        QTest::newRow("wildcards, the chosen character's new line") << u"エ[!ー]"_s << Matching::Exact
            << QStringList{u"B|かばん|エリクサー|1|"_s} << u"1件　合計1個（1キャラクター）"_s;
        QTest::newRow("nothing") << u"剣"_s << Matching::IgnoreKanaWidth << QStringList{}
            << u"該当するアイテムはありません"_s;
        QTest::newRow("malformed") << u"[ポ"_s << Matching::IgnoreKanaWidth << QStringList{}
            << u"該当するアイテムはありません（[ ] が閉じていないか、範囲の順が逆です）"_s;
    }
    void acrossCharacters()
    {
        QFETCH(QString, text);
        QFETCH(Matching, matching);
        QFETCH(QStringList, rows);
        QFETCH(QString, summary);
        // Three characters: A and C from their files, B chosen in the main
        // window with changes not yet saved, which the search must see.
        Folder folder;
        folder.write(u"Amog.dat"_s, {u"ポーション\t\t12"_s, u"エーテル\t\t3"_s});
        folder.write(u"Amoginfo.dat"_s, {u"[薬品]全種<br>HP回復"_s, u"[薬品]全種<br>MP回復"_s});
        folder.write(u"Abag.dat"_s, {u"ハイポーション\t5"_s});
        folder.write(u"Bmog.dat"_s, {u"ポーション\t\t99"_s});
        folder.write(u"Bmoginfo.dat"_s, {u"saved"_s});
        folder.write(u"Cbag.dat"_s, {u"ﾎﾟｰｼｮﾝ\t7"_s});
        Storage bMog, bBag;
        QVERIFY(fillStorage(bMog, {u"ポーション\t\t1"_s, u"ぽーしょん\t2"_s}, {u"unsaved"_s, u""_s}));
        QVERIFY(fillStorage(bBag, {u"エリクサー\t1"_s}, {u""_s}));
        HoldingsScope scope = folder.scope({u"A"_s, u"B"_s, u"C"_s, u"A"_s});
        scope.chosen = ChosenCharacter{u"B"_s, {&bMog, &bBag}};
        const Holdings found = searchHoldings(scope, text, matching);
        QCOMPARE(rowsOf(found), rows);
        QCOMPARE(found.summary(), summary);
    }

    // Missing files hold nothing (acrossCharacters: C has no safe file);
    // one that cannot be read is named in a row of its own.
    void unreadableFiles_data()
    {
        QTest::addColumn<QString>("inTheWay"); // a folder where the file would be
        QTest::newRow("list file") << u"Dmog.dat"_s;
        QTest::newRow("detail file: the lines are still searched") << u"Dbaginfo.dat"_s;
    }
    void unreadableFiles()
    {
        QFETCH(QString, inTheWay);
        Folder folder;
        folder.write(u"Dbag.dat"_s, {u"剣\t\t2"_s});
        folder.write(u"Emog.dat"_s, {u"剣\t\t1"_s});
        QVERIFY(QDir(folder.dir.path()).mkdir(inTheWay));
        const Holdings found = searchHoldings(folder.scope({u"Nobody"_s, u"D"_s, u"E"_s}), u"剣"_s, Matching::Exact);
        QCOMPARE(rowsOf(found), (QStringList{u"D||読み込めませんでした：%1（ファイルの場所にフォルダーがあります）||"_s.arg(inTheWay),
                                             u"D|かばん|剣|2|"_s, u"E|モグ金庫|剣|1|"_s}));
        QCOMPARE(found.summary(), u"2件　合計3個（2キャラクター）　1キャラクターのファイルを読み込めませんでした"_s);
    }

    // Counts edited by hand: what is not a whole number is shown but not added.
    void totals()
    {
        Folder folder;
        folder.write(u"Amog.dat"_s, {u"ポーション\t\t12"_s, u"ポーション\t\tたくさん"_s, u"ポーション\t 3 "_s,
                                     u"ポーション"_s, u"ポーション\t\t0012"_s, u"エーテル\t\t5"_s});
        folder.write(u"Bbag.dat"_s, {u"ポーション\t\t1234567890"_s, u"ポーション\t\t-1"_s, u"ポーション\t\t１"_s});
        folder.write(u"Cbag.dat"_s, {u"エーテル\t\t4"_s});
        const Holdings found = searchHoldings(folder.scope({u"A"_s, u"B"_s, u"C"_s}), QString(), Matching::IgnoreKanaWidth);
        QCOMPARE(rowsOf(found).mid(1, 4), (QStringList{u"A|モグ金庫|ポーション|たくさん|"_s, u"A|モグ金庫|ポーション| 3 |"_s,
                                                     u"A|モグ金庫|ポーション||"_s, u"A|モグ金庫|ポーション|0012|"_s}));
        QStringList totals;
        for (const Holdings::ItemTotal& total : found.totals())
            totals << QStringLiteral("%1|%2|%3|%4").arg(total.item).arg(total.count).arg(total.uncountedLines).arg(total.characterNames);
        QCOMPARE(totals, (QStringList{u"ポーション|27|5|A、B"_s, u"エーテル|9|0|A、C"_s}));
        QCOMPARE(found.summary(), u"10件　合計36個（3キャラクター）"_s);
    }

    // Every name is told apart from every other however many there are,
    // long ones too; a name written with either of its code page's codes is
    // one item.
    void namesAcrossCharacters()
    {
        Folder folder;
        QStringList lines;
        for (int k = 0; k < 3000; ++k)
            lines << (k % 3 == 0 ? u"とても長い名前のアイテム%1号"_s : u"剣%1"_s).arg(k) + u"\t1"_s;
        lines << u"\t1"_s;
        folder.write(u"Amog.dat"_s, lines);
        std::reverse(lines.begin(), lines.end());
        folder.write(u"Bbag.dat"_s, lines);
        // U+2235 is 81 E6 and, among the NEC characters, 87 9A.
        QVERIFY(writeBytes(folder.dir.filePath(u"Cbag.dat"_s), "\x81\xE6\t1\r\n\x87\x9A\t2\r\n"));
        const Holdings found = searchHoldings(folder.scope({u"A"_s, u"B"_s, u"C"_s}), QString(), Matching::Exact);
        QCOMPARE(found.totals().size(), std::size_t(3002));
        for (const Holdings::ItemTotal& total : found.totals()) {
            const bool both = total.item != u"∵"_s;
            QVERIFY2(total.count == 2 + !both && total.characterNames == (both ? u"A、B"_s : u"C"_s), qPrintable(total.item));
        }
    }

    // The rows are B's bag "b x", "a 10"; A's safe "c 10", "b 9"; A's bag
    // "a 100". The totals are b (9; B, A), a (110; B, A), c (10; A).
    void orders_data()
    {
        QTest::addColumn<bool>("totals");
        QTest::addColumn<int>("column");
        QTest::addColumn<Qt::SortOrder>("order");
        QTest::addColumn<QString>("sorted");
        QTest::newRow("count, by number, then the texts")
            << false << int(HoldingsColumn::Count) << Qt::AscendingOrder << u"b9 a10 c10 a100 bx"_s;
        QTest::newRow("count, descending; equal ones keep their order")
            << false << int(HoldingsColumn::Count) << Qt::DescendingOrder << u"bx a100 a10 c10 b9"_s;
        QTest::newRow("place, by code: かばん before モグ金庫")
            << false << int(HoldingsColumn::Place) << Qt::AscendingOrder << u"bx a10 a100 c10 b9"_s;
        QTest::newRow("item") << false << int(HoldingsColumn::Item) << Qt::AscendingOrder << u"a10 a100 bx b9 c10"_s;
        QTest::newRow("character, descending")
            << false << int(HoldingsColumn::Character) << Qt::DescendingOrder << u"bx a10 c10 b9 a100"_s;
        QTest::newRow("totals, item") << true << int(TotalsColumn::Item) << Qt::AscendingOrder << u"a b c"_s;
        QTest::newRow("totals, count, descending") << true << int(TotalsColumn::Count) << Qt::DescendingOrder << u"a c b"_s;
        QTest::newRow("totals, character count") << true << int(TotalsColumn::CharacterCount) << Qt::AscendingOrder << u"c b a"_s;
        QTest::newRow("totals, characters") << true << int(TotalsColumn::Characters) << Qt::AscendingOrder << u"c b a"_s;
    }
    void orders()
    {
        QFETCH(bool, totals);
        QFETCH(int, column);
        QFETCH(Qt::SortOrder, order);
        QFETCH(QString, sorted);
        Folder folder;
        folder.write(u"Bbag.dat"_s, {u"b\tx"_s, u"a\t10"_s});
        folder.write(u"Amog.dat"_s, {u"c\t10"_s, u"b\t9"_s});
        folder.write(u"Abag.dat"_s, {u"a\t100"_s});
        const Holdings found = searchHoldings(folder.scope({u"B"_s, u"A"_s}), QString(), Matching::Exact);
        QStringList shown;
        if (totals) {
            for (const int k : found.totalsOrder(TotalsColumn(column), order))
                shown << found.totals()[std::size_t(k)].item;
        } else {
            for (const int row : found.rowOrder(HoldingsColumn(column), order))
                shown << found.item(row) + found.countText(row);
        }
        QCOMPARE(shown.join(u' '), sorted);
    }

    void csvBytes()
    {
        Folder folder;
        folder.write(u"クロmog.dat"_s, {u"剣,盾\t\t1"_s, u"\"名\"の剣\t2"_s, u"盾\t\t多い"_s});
        folder.write(u"クロmoginfo.dat"_s, {u"[片手剣]全種<br>D1, 隔2<BR>Lv1～ 戦"_s, u"\"良い\""_s});
        const Holdings found = searchHoldings(folder.scope({u"クロ"_s}), QString(), Matching::IgnoreKanaWidth);
        const QByteArray csv = holdingsCsv(found, {2, 0, 1});
        const QByteArray expected = "\xEF\xBB\xBF"
            + QStringLiteral("キャラクター,場所,アイテム,個数,詳細\r\n"
                             "クロ,モグ金庫,盾,多い,\r\n"
                             "クロ,モグ金庫,\"剣,盾\",1,\"[片手剣]全種 / D1, 隔2 / Lv1～ 戦\"\r\n"
                             "クロ,モグ金庫,\"\"\"名\"\"の剣\",2,\"\"\"良い\"\"\"\r\n")
                  .toUtf8();
        QCOMPARE(csv, expected);
    }

    // A save cut short after its journal: the search reads the files as that
    // save left them complete, and leaves the journal, its temporaries and
    // every other file exactly as they were.
    void searchOnlyReads()
    {
        Folder folder;
        folder.write(u"cname.dat"_s, {u"A"_s, u"B"_s});
        folder.write(u"Bbag.dat"_s, {u"剣\t\t3"_s});
        folder.write(u"Amog.dat"_s, {u"古い剣\t1"_s});
        folder.write(u"Amoginfo.dat"_s, {u"old"_s});
        folder.write(u"morvane-save-0.tmp"_s, {u"新しい剣\t2"_s});
        folder.write(u"morvane-save-1.tmp"_s, {u"new"_s});
        QVERIFY(writeBytes(folder.dir.filePath(u"morvane.journal"_s),
                           "morvane-save-0.tmp\tAmog.dat\nmorvane-save-1.tmp\tAmoginfo.dat\n"));
        QVERIFY(QDir(folder.dir.path()).mkdir(u"Bmog.dat"_s));
        const auto before = folderSnapshot(folder.dir.path());

        const Holdings found = searchHoldings(folder.scope({u"A"_s, u"B"_s}), u"剣"_s, Matching::IgnoreKanaWidth);
        QCOMPARE(rowsOf(found).first(), u"A|モグ金庫|新しい剣|2|new"_s);
        QCOMPARE(found.rowCount(), 3);
        QCOMPARE(folderSnapshot(folder.dir.path()), before);
    }
};

QTEST_GUILESS_MAIN(HoldingsTest)
#include "tst_holdings.moc"
