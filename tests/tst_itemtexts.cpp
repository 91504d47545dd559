#include "model/catalogue/ItemRecord.h"
#include "model/storage/StorageLine.h"

#include <QTest>

using namespace morvane;
using namespace Qt::StringLiterals;

// An item's texts: storage lines are built by one side of the program and
// split again by another, so both sides must agree; and what an item's name
// and comment may hold.
class ItemTextsTest : public QObject {
    Q_OBJECT

private slots:
    void lineParts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("built"); // else typed by hand: free text
        QTest::newRow("surrogate pair counts twice") << "abc\U0001F600" << "1" << "abc\U0001F600\t1" << true;
        QTest::newRow("no tab") << "typed by hand" << "" << "typed by hand" << false;
        QTest::newRow("tabs after the first run belong to the count") << "a" << "b\tc" << "a\t\t\tb\tc" << false;
    }

    void lineParts()
    {
        QFETCH(QString, name);
        QFETCH(QString, count);
        QFETCH(QString, line);
        QFETCH(bool, built);
        if (built)
            QCOMPARE(storageLine(name, count), line);
        const StorageLineParts parts = splitStorageLine(line);
        QCOMPARE(parts.name, name);
        QCOMPARE(parts.count, count);
        QCOMPARE(parts.hasCount, line.contains(u'\t'));
    }

    void validateItemTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("message");
        const QString nameBreak = QStringLiteral("アイテム名にタブや改行は使えません");
        QTest::newRow("code page 932") << QStringLiteral("ｱｲﾃﾑ①～－") << QStringLiteral("<br>Ｈ♂ ソ\\") << QString();
        QTest::newRow("CR in name") << "a\r" << "" << nameBreak;
        QTest::newRow("LF in comment") << "" << "x\ny" << QStringLiteral("アイテムコメントにタブや改行は使えません");
        QTest::newRow("lone surrogate") << QString(QChar(0xd800)) << "" << QStringLiteral("アイテム名に使えない文字が含まれています");
        QTest::newRow("name reported first") << "\t" << QStringLiteral("é") << nameBreak;
        QTest::newRow("break before bad character") << QStringLiteral("é\t") << "" << nameBreak;
    }
    void validateItemTexts()
    {
        QFETCH(QString, name);
        QFETCH(QString, comment);
        QFETCH(QString, message);
        QCOMPARE(morvane::validateItemTexts(name, comment), message);
    }
};

QTEST_GUILESS_MAIN(ItemTextsTest)
#include "tst_itemtexts.moc"
