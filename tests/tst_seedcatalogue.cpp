#include "model/catalogue/Crystals.h"
#include "model/catalogue/DetailText.h"
#include "model/catalogue/ItemCatalogue.h"
#include "model/catalogue/ItemRecord.h"
#include "model/text/TextFile.h"
#include "scripts/seedgen/GameItemTable.h"
#include "scripts/seedgen/SeedCatalogue.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace morvane;
using namespace Qt::StringLiterals;

// Both files are built into the test, so that it finds them wherever it runs.
const QString kCataloguePath = u":/data/item.20041101.txt"_s;
const QString kTablePath = u":/data/seed/game-items.tsv"_s;

class TestSeedCatalogue : public QObject {
    Q_OBJECT

    ItemCatalogue m_catalogue;
    QHash<qint16, int> m_positions; // by item number
    QSet<QString> m_names;

private slots:
    // Whether every line loads is checked against the generator's output below.
    void initTestCase()
    {
        m_catalogue.loadFile(kCataloguePath, kSeedNullStackSize);
        for (int i = 0; i < m_catalogue.entryCount(); ++i) {
            m_positions.insert(m_catalogue.entry(i).number, i);
            m_names.insert(m_catalogue.name(i));
        }
    }

    void committedFileIsWhatTheGeneratorWritesFromTheTable()
    {
        const GameItemTable table = GameItemTable::read(kTablePath);
        QVERIFY2(table.isValid(), qPrintable(table.problems().value(0).message));
        const SeedCatalogue seed = buildSeedCatalogue(table.items());
        QVERIFY2(seed.problems.isEmpty(), qPrintable(seed.problems.value(0).message));
        QByteArray generated;
        QVERIFY(encodeLines(catalogueLines(seed), &generated));
        QFile committed(kCataloguePath);
        QVERIFY(committed.open(QIODevice::ReadOnly));
        QVERIFY2(committed.readAll() == generated,
                 "data/item.20041101.txt differs from data/seed/game-items.tsv; regenerate it with morvane_seedgen");
        QCOMPARE(m_catalogue.entryCount(), seed.entries.size()); // every line loads
    }

    void leavesRoomToRegisterAndNamesEachItemOnce()
    {
        QVERIFY2(m_catalogue.entryCount() >= 9000 && m_catalogue.entryCount() <= 9500,
                 qPrintable(QString::number(m_catalogue.entryCount())));
        QCOMPARE(m_names.size(), m_catalogue.entryCount());
        QCOMPARE(m_positions.size(), m_catalogue.entryCount());
    }

    // Crystals and clusters open the list, each once, in twelves.
    void crystalFiltersFindTheirCrystalAndClusterFirst()
    {
        const int pairs = int(kCrystalFilters.size());
        for (const CrystalFilter& filter : kCrystalFilters) {
            QList<int> kept;
            for (int i = 0; i < m_catalogue.entryCount(); ++i) {
                if (keepsName(filter, m_catalogue.name(i)))
                    kept.append(i);
            }
            QCOMPARE(kept.size(), 2);
            for (const int position : kept) {
                QVERIFY2(position < 2 * pairs, qPrintable(m_catalogue.name(position)));
                QCOMPARE(m_catalogue.stackSize(position), qint16(12));
            }
        }
    }

    // Every detail reads like a registered item's: a type of the dialog (or
    // the ear and finger of earrings and rings), "Lv<level>～ <jobs>" as its
    // third display line, and no more lines than the panel shows.
    void everyDetailReadsLikeARegisteredItem()
    {
        const QRegularExpression levelAndJobs(
            u"^Lv[1-9][0-9]?～ (All Jobs|[%1]+)$"_s.arg(jobLetters()));
        for (int i = 0; i < m_catalogue.entryCount(); ++i) {
            const QString detail = m_catalogue.detail(i);
            const QStringList lines = detailDisplayLines(detail);
            QVERIFY2(lines.size() == 3 || lines.size() == 4, qPrintable(detail));
            const QString type = lines[0].section(u']', 0, 0).mid(1);
            QVERIFY2(std::find(kItemTypes.begin(), kItemTypes.end(), type) != kItemTypes.end() || type == u"耳"_s
                         || type == u"指"_s,
                     qPrintable(detail));
            QVERIFY2(levelAndJobs.match(lines[2]).hasMatch(), qPrintable(detail));
        }
    }

    // Checked by hand against the game's facts; an item with no name here is
    // one the rules leave out.
    void wellKnownItems_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<int>("stack");
        QTest::newRow("crystal") << 4096 << u"炎のクリスタル"_s
                                 << u"[その他]全種<br>炎のエネルギーが封じ込められたクリスタル。<br>Lv1～ All Jobs"_s << 12;
        QTest::newRow("material") << 640 << u"銅鉱"_s << u"[その他]全種<br>金属の銅を含有する鉱石。<br>Lv1～ All Jobs"_s << 12;
        // The help after its first sentence is the fourth part, here the food's effects.
        QTest::newRow("food") << 4493 << u"ウィンダスティー"_s
                              << u"[その他]全種<br>ウィンダス風の緑茶。<br>Lv1～ All Jobs<br>VIT-2 CHR+1"_s << 1;
        QTest::newRow("scroll") << 4720 << u"フラッシュ"_s
                                << u"[魔法]全種<br>使用制限:白Lv45 ナLv37 剣Lv45<br>Lv37～ 白ナ<br>"
                                   u"白魔法『フラッシュ』が記されたスクロール。効果:敵の命中率を短時間著しく下げる。"_s
                                << 1;
        QTest::newRow("scroll, learners on two lines")
            << 4772 << u"サンダー"_s
            << u"[魔法]全種<br>使用制限:黒Lv21 赤Lv29 暗Lv35 学Lv24 風Lv29<br>Lv21～ 黒赤暗<br>"
               u"黒魔法『サンダー』が記されたスクロール。効果:敵に雷属性のダメージ。"_s
            << 1;
        QTest::newRow("furnishing") << 2 << u"粗末な寝台"_s
                                    << u"[調度品]全種<br>単純な構造の質素な寝台。<br>Lv1～ All Jobs<br>調度品の一種。"_s << 1;
        QTest::newRow("sword") << 16535 << u"ブロンズソード"_s << u"[片手剣]全種<br>Ｄ6 隔231<br>Lv1～ 戦赤シナ暗吟狩忍竜"_s << 1;
        QTest::newRow("great axe, more help")
            << 18222 << u"フォーテテュアクス"_s
            << u"[両手斧]全種<br>Ｄ64 隔504 VIT+7<br>Lv73～ 戦暗<br>ヴァルチャストーン装備時時々2回攻撃"_s << 1;
        QTest::newRow("bow") << 17152 << u"ショートボウ"_s << u"[レンジ武器等]全種<br>Ｄ5 隔360<br>Lv1～ 戦赤シナ暗獣狩忍侍"_s << 1;
        QTest::newRow("bolt") << 18153 << u"ホーリーボルト"_s
                              << u"[矢・弾その他]全種<br>Ｄ32 隔192 追加効果:光ダメージ<br>Lv30～ 戦暗狩"_s << 99;
        QTest::newRow("shield") << 12289 << u"ラワンシールド"_s << u"[盾]全種<br>防1<br>Lv1～ 戦白赤シナ獣侍"_s << 1;
        QTest::newRow("head") << 12448 << u"ブロンズキャップ"_s << u"[頭]全種<br>防2<br>Lv1～ 戦モ赤シナ暗獣吟忍竜侍"_s << 1;
        QTest::newRow("neck") << 13056 << u"クジャクの護符"_s
                              << u"[首]全種<br>耐闇-10 命中+10 飛命+10<br>Lv33～ All Jobs"_s << 1;
        QTest::newRow("earring") << 13403 << u"アサルトピアス"_s
                                 << u"[耳]全種<br>命中+2 攻+5 回避-2 防-3<br>Lv58～ 戦ナ暗獣竜"_s << 1;
        QTest::newRow("ring") << 13497 << u"バストゥークリング"_s << u"[指]全種<br>HP+3 DEX+1 VIT+1<br>Lv1～ All Jobs"_s << 1;
        QTest::newRow("body, every male race") << 13819 << u"おのこ浴衣"_s
                                               << u"[胴]Ｈ♂Ｅ♂Ｔ♂Ｇ<br>防1<br>Lv1～ All Jobs"_s << 1;
        QTest::newRow("body, every female race")
            << 14386 << u"ウェディングドレス"_s << u"[胴]Ｈ♀Ｅ♀Ｔ♀Ｍ<br>両手装備不可 防3 耐光+10<br>Lv20～ All Jobs"_s << 1;
        QTest::newRow("hands, one race") << 12758 << u"ガルカブレーサー"_s << u"[両手]Ｇ<br>防1<br>Lv1～ All Jobs"_s << 1;
        QTest::newRow("back") << 13570 << u"ラムマント"_s << u"[背]全種<br>防5 耐氷+5<br>Lv36～ 戦モ赤シナ暗獣吟狩忍竜侍"_s << 1;
        QTest::newRow("scroll of a spell beyond level 75 (ケアルVI)") << 4614 << QString() << QString() << 0;
        QTest::newRow("without a help text (ジオリジェネ)") << 6102 << QString() << QString() << 0;
        QTest::newRow("temporary (ダスティポーション)") << 5431 << QString() << QString() << 0;
        QTest::newRow("quest goods (聖剣の欠片)") << 1573 << QString() << QString() << 0;
        QTest::newRow("first of a name (ディア)")
            << 4606 << u"ディア"_s
            << u"[魔法]全種<br>使用制限:白Lv3 赤Lv1<br>Lv1～ 白赤<br>"
               u"白魔法『ディア』が記されたスクロール。効果:敵の防御力をダウンさせ同時にHPも徐々に減少させる光属性ダメージ。"_s
            << 1;
        QTest::newRow("second of a name (ディア)") << 4631 << QString() << QString() << 0;
    }
    void wellKnownItems()
    {
        QFETCH(int, number);
        QFETCH(QString, name);
        QFETCH(QString, detail);
        QFETCH(int, stack);
        const int position = m_positions.value(qint16(number), -1);
        QCOMPARE(position >= 0, !name.isEmpty());
        if (name.isEmpty())
            return;
        QCOMPARE(m_catalogue.name(position), name);
        QCOMPARE(m_catalogue.detail(position), detail);
        QCOMPARE(m_catalogue.stackSize(position), qint16(stack));
    }

    void rejectsMalformedTable_data()
    {
        QTest::addColumn<QString>("badLine");
        QTest::addColumn<QString>("complaint");
        QTest::newRow("column missing") << u"2\t剣\tWeapon\t4\t3\t3\t510\t2\t1\t1\tＤ1"_s << u"found 11"_s;
        QTest::newRow("duplicate number") << u"1\t剣\tWeapon\t4\t3\t3\t510\t2\t1\t1\t0\tＤ1"_s << u"listed twice"_s;
        QTest::newRow("unknown category") << u"2\t剣\tGil\t4\t3\t3\t510\t2\t1\t1\t0\tＤ1"_s << u"category"_s;
        QTest::newRow("equipment without level") << u"2\t剣\tWeapon\t4\t3\t3\t510\t2\t\t1\t0\tＤ1"_s << u"level"_s;
        QTest::newRow("stack of 10") << u"2\t剣\tGeneral\t1\t\t\t\t\t\t10\t0\tc"_s << u"stack"_s;
        QTest::newRow("line break markup") << u"2\t剣\tGeneral\t1\t\t\t\t\t\t1\t0\ta<BR>b"_s << u"<br>"_s;
        QTest::newRow("not code page 932") << u"2\t剣é\tGeneral\t1\t\t\t\t\t\t1\t0\tc"_s << u"932"_s;
    }
    void rejectsMalformedTable()
    {
        QFETCH(QString, badLine);
        QFETCH(QString, complaint);
        // Good lines around the bad one on line 4: only the bad line is named.
        const GameItemTable parsed = GameItemTable::parse(
            u"# notes\nid\tname_ja\tcategory\ttype\tskill\tslots\traces\tjobs\tlevel\tstack\tflags\tdescription_ja\n"
            u"1\t盾\tArmor\t5\t\t2\t510\t2\t1\t1\t0\t防1\n%1\n3\t石\tGeneral\t1\t\t\t\t\t\t12\t0\t石。\\n重い。\n"_s
                .arg(badLine));
        QCOMPARE(parsed.items().size(), 2);
        QCOMPARE(parsed.items().last().help, (QStringList{u"石。"_s, u"重い。"_s}));
        QCOMPARE(parsed.problems().size(), 1);
        QCOMPARE(parsed.problems().first().line, 4);
        QVERIFY2(parsed.problems().first().message.contains(complaint), qPrintable(parsed.problems().first().message));
    }

    void rejectsATableOfOtherColumns()
    {
        const GameItemTable parsed = GameItemTable::parse(u"id\tname_ja\n1\t石\n"_s);
        QVERIFY(!parsed.isValid());
        QCOMPARE(parsed.problems().first().line, 1);
    }
};

QTEST_GUILESS_MAIN(TestSeedCatalogue)
#include "tst_seedcatalogue.moc"
