#include "FileBytes.h"

#include "model/EncodedLines.h"
#include "model/TextFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace morvane;


class TextFileTest : public QObject {
    Q_OBJECT

private slots:
    void encodesCodePage932_data();
    void encodesCodePage932();
    void splitsLines_data();
    void splitsLines();
    void missingAndUnreadableFiles();
    void writeReplacesWholeFile();
    void writeRefusesWhatCannotBeEncoded();
    void writeFailureIsReported();
    void appendAddsOneLine();
    void appendFailureLeavesFileAlone();
};

// Expected bytes come from the code page 932 table, not from the encoder.
void TextFileTest::encodesCodePage932_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("full-width tilde") << QStringLiteral("～") << QByteArray::fromHex("8160");
    QTest::newRow("kupo") << QStringLiteral("クポ") << QByteArray::fromHex("834e837c");
    QTest::newRow("half-width kana") << QStringLiteral("ｸﾎﾟ") << QByteArray::fromHex("b8cedf");
    QTest::newRow("ascii and tab") << QStringLiteral("Lv75\t1") << QByteArray("Lv75\t1");
    QTest::newRow("kanji") << QStringLiteral("炎の塊") << QByteArray::fromHex("898a82cc89f2");
    QTest::newRow("full-width latin") << QStringLiteral("Ｈ♂") << QByteArray::fromHex("82678189");
    QTest::newRow("empty") << QString() << QByteArray();
}

void TextFileTest::encodesCodePage932()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QByteArray encoded;
    QVERIFY(encodeLines({text}, &encoded));
    QCOMPARE(encoded, bytes + "\r\n");
    QCOMPARE(decodeLines(bytes + "\r\n"), QStringList{text});
    QVERIFY(fitsCodePage932(text));
}

void TextFileTest::splitsLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("final CR LF adds no line") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("last line without end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("lone CR ends a line") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("lone LF ends a line") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("empty lines count") << QByteArray("\r\n\r\na\r\n\r\n") << QStringList{"", "", "a", ""};
    QTest::newRow("only a line end") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("CR then CR LF") << QByteArray("a\r\r\n") << QStringList{"a", ""};
    QTest::newRow("tabs kept") << QByteArray("a\t\t1\r\n") << QStringList{"a\t\t1"};
    QTest::newRow("lone CRs then CR LF") << QByteArray("a\rb\rc\r\nd") << QStringList{"a", "b", "c", "d"};
    QTest::newRow("mixed ends") << QByteArray("a\nb\r\nc\rd\n") << QStringList{"a", "b", "c", "d"};
    QTest::newRow("double-byte before end") << QByteArray::fromHex("835c0d0a955c") << QStringList{"ソ", "表"};
}

void TextFileTest::splitsLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(decodeLines(bytes), lines);
    // Lines kept encoded split the same way.
    const EncodedLines encoded = EncodedLines::fromFileBytes(bytes);
    QCOMPARE(encoded.texts(encoded.size()), lines);
}

void TextFileTest::missingAndUnreadableFiles()
{
    QTemporaryDir dir;
    QCOMPARE(readTextFile(dir.filePath("none.dat")).status, ReadResult::Status::Missing);
    QVERIFY(QDir(dir.path()).mkdir("folder.dat"));
    const ReadResult folder = readTextFile(dir.filePath("folder.dat"));
    QCOMPARE(folder.status, ReadResult::Status::Failed);
    QVERIFY(!folder.reason.isEmpty());
    QVERIFY(writeBytes(dir.filePath("empty.dat"), {}));
    const ReadResult empty = readTextFile(dir.filePath("empty.dat"));
    QCOMPARE(empty.status, ReadResult::Status::Read);
    QVERIFY(empty.lines.isEmpty());
}

void TextFileTest::writeReplacesWholeFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("out.dat");
    QVERIFY(writeBytes(path, "a much longer old content that must disappear entirely\r\n"));
    QVERIFY(writeTextFile(path, {QStringLiteral("クポ"), QString(), QStringLiteral("x\ty")}).ok());
    QCOMPARE(readBytes(path), QByteArray::fromHex("834e837c") + "\r\n\r\nx\ty\r\n");
    QVERIFY(writeTextFile(path, {}).ok());
    QCOMPARE(readBytes(path), QByteArray());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"out.dat"});
}

void TextFileTest::writeRefusesWhatCannotBeEncoded()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("out.dat");
    QVERIFY(writeBytes(path, "old\r\n"));
    for (const QString& text : {QStringLiteral("é"), QStringLiteral("😀"), QStringLiteral("\uFFFD")}) {
        QVERIFY(!fitsCodePage932(text));
        const FileResult result = writeTextFile(path, {QStringLiteral("ok"), text});
        QVERIFY(!result.ok());
        QCOMPARE(result.path(), path);
        QVERIFY(!appendTextLine(path, text).ok());
        QCOMPARE(readBytes(path), QByteArray("old\r\n"));
    }
}

void TextFileTest::writeFailureIsReported()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("blocked.dat"));
    const FileResult blocked = writeTextFile(dir.filePath("blocked.dat"), {"a"});
    QVERIFY(!blocked.ok());
    QVERIFY(!blocked.reason().isEmpty());
    const FileResult noFolder = writeTextFile(dir.filePath("missing/x.dat"), {"a"});
    QVERIFY(!noFolder.ok());
    QVERIFY(!QDir(dir.filePath("missing")).exists());
}

void TextFileTest::appendAddsOneLine()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("cname.dat");
    QVERIFY(appendTextLine(path, QStringLiteral("クロ")).ok());
    QVERIFY(appendTextLine(path, QString()).ok());
    QVERIFY(appendTextLine(path, QStringLiteral(" Shiro ")).ok());
    QCOMPARE(readBytes(path), QByteArray::fromHex("834e838d") + "\r\n\r\n Shiro \r\n");
}

void TextFileTest::appendFailureLeavesFileAlone()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("item.dat"));
    const FileResult result = appendTextLine(dir.filePath("item.dat"), "1\ta");
    QVERIFY(!result.ok());
    QCOMPARE(result.path(), dir.filePath("item.dat"));
    QVERIFY(!appendTextLine(dir.filePath("missing/item.dat"), "1\ta").ok());
}

QTEST_GUILESS_MAIN(TextFileTest)
#include "tst_textfile.moc"
