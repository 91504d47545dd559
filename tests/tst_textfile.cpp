#include "FaultyFileSystem.h"
#include "FileBytes.h"

#include "model/text/EncodedLines.h"
#include "model/text/TextFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace morvane;
using namespace Qt::StringLiterals;

class TextFileTest : public QObject {
    Q_OBJECT

private slots:
    // Expected bytes come from the code page 932 table, not from the encoder.
    // Files as the program writes them must also come out of encodeLines.
    void codePage932Lines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<bool>("asWritten");
        QTest::newRow("kana") << QByteArray::fromHex("834e837c0d0a") << QStringList{u"クポ"_s} << true;
        QTest::newRow("empty file") << QByteArray() << QStringList{} << true;
        QTest::newRow("empty lines") << QByteArray("\r\n\r\na\r\n\r\n") << QStringList{u""_s, u""_s, u"a"_s, u""_s} << true;
        // No line feed in the file, and a CR as its last byte.
        QTest::newRow("lone CR") << QByteArray("a\rb\r") << QStringList{u"a"_s, u"b"_s} << false;
        QTest::newRow("lone LF") << QByteArray("a\nb\n") << QStringList{u"a"_s, u"b"_s} << false;
        // A lone CR before a line feed, CR LF, a lone LF, and a last line without an end.
        QTest::newRow("mixed ends") << QByteArray("a\rb\r\r\nc\nd") << QStringList{u"a"_s, u"b"_s, u""_s, u"c"_s, u"d"_s} << false;
    }

    void codePage932Lines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QFETCH(bool, asWritten);
        QCOMPARE(decodeLines(bytes), lines);
        QByteArray written;
        QVERIFY(encodeLines(lines, &written));
        QCOMPARE(written == bytes, asWritten);
    }

    void decodedLineStaysValidWhileOthersAreDecoded()
    {
        QByteArray bytes;
        for (int k = 0; k < 1000; ++k)
            bytes += QByteArray::number(k) + "\r\n";
        const EncodedLines lines = EncodedLines::fromFileBytes(bytes);
        const QString& first = lines.text(0);
        for (int k = 1; k < lines.size(); ++k)
            QCOMPARE(lines.text(k), QString::number(k));
        QCOMPARE(first, u"0"_s);
    }

    // Reading stops at the line limit; the line ends are those of a whole read.
    void leadingLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("maxLines");
        QTest::addColumn<QByteArray>("kept");
        QTest::addColumn<bool>("more");
        QTest::newRow("fewer lines") << QByteArray("a\r\nb") << 3 << QByteArray("a\r\nb") << false;
        QTest::newRow("exactly, ended") << QByteArray("a\r\nb\r\n") << 2 << QByteArray("a\r\nb\r\n") << false;
        QTest::newRow("one more") << QByteArray("a\r\nb\r\nc") << 2 << QByteArray("a\r\nb\r\n") << true;
        QTest::newRow("empty line more") << QByteArray("a\r\r\n") << 1 << QByteArray("a\r") << true;
        // A line end that straddles two reads.
        const QByteArray chunk(64 * 1024 - 1, 'x');
        QTest::newRow("CR LF across reads") << chunk + "\r\nz" << 1 << chunk + "\r\n" << true;
    }

    void leadingLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, maxLines);
        QFETCH(QByteArray, kept);
        QFETCH(bool, more);
        QTemporaryDir dir;
        QVERIFY(writeBytes(dir.filePath(u"f"_s), bytes));
        bool reportedMore = !more;
        const FileContents read = readLeadingLines(dir.filePath(u"f"_s), maxLines, &reportedMore);
        QVERIFY(read.result.ok());
        QCOMPARE(read.bytes, kept);
        QCOMPARE(reportedMore, more);
        QCOMPARE(decodeLines(read.bytes), decodeLines(bytes).mid(0, maxLines));
    }

    // An append never glues its line to a last line without a line end, and
    // a failed append leaves the file as it was.
    void appendEndsTheLastLineFirst_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        const QByteArray shiro = QByteArray::fromHex("8356838d") + "\r\n";
        QTest::newRow("missing file") << QByteArray() << shiro;
        // Ends in LF: the check for a lone LF.
        QTest::newRow("ended by CR LF") << QByteArray("Kuro\r\n") << "Kuro\r\n" + shiro;
        QTest::newRow("ended by lone CR") << QByteArray("Kuro\r") << "Kuro\r" + shiro;
        QTest::newRow("no line end") << QByteArray("Kuro") << "Kuro\r\n" + shiro;
    }

    void appendEndsTheLastLineFirst()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"cname.dat"_s);
        if (!before.isEmpty())
            QVERIFY(writeBytes(path, before));
        FaultyFileSystem fileSystem;
        fileSystem.failWritesAfter(3);
        QVERIFY(!appendTextLine(path, u"シロ"_s, fileSystem).ok());
        QCOMPARE(readBytes(path), before);
        QVERIFY(appendTextLine(path, u"シロ"_s).ok());
        QCOMPARE(readBytes(path), after);
    }

    // A write or an append that fails names the file, tells the player why
    // in Japanese, and leaves every file as it was.
    void failedWritesSayWhy_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder missing") << u"gone/cname.dat"_s << u"Kuro"_s << u"フォルダーが見つかりません"_s;
        QTest::newRow("folder in the way") << u"folder"_s << u"Kuro"_s << u"ファイルの場所にフォルダーがあります"_s;
        QTest::newRow("name too long") << QString(300, u'x') << u"Kuro"_s << u"ファイル名が長すぎます"_s;
        QTest::newRow("not in code page 932") << u"cname.dat"_s << u"Kuroé"_s << u"Shift-JISで表せない文字が含まれています"_s;
    }

    void failedWritesSayWhy()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, line);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"folder"_s));
        QVERIFY(writeBytes(dir.filePath(u"cname.dat"_s), "old\r\n"));
        const QString path = dir.filePath(fileName);
        for (const FileResult& result : {writeTextFile(path, {u"ok"_s, line}), appendTextLine(path, line)}) {
            QCOMPARE(result.path(), path);
            QCOMPARE(result.reason(), reason);
        }
        QCOMPARE(readBytes(dir.filePath(u"cname.dat"_s)), QByteArray("old\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"cname.dat"_s});
    }
};

QTEST_GUILESS_MAIN(TextFileTest)
#include "tst_textfile.moc"
