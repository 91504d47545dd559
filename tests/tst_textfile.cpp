#include "FileBytes.h"

#include "model/text/EncodedLines.h"
#include "model/text/TextFile.h"

#include <QDir>
#include <QFile>
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
        QTest::newRow("full-width tilde") << QByteArray::fromHex("81600d0a") << QStringList{u"～"_s} << true;
        QTest::newRow("kana") << QByteArray::fromHex("834e837c0d0a") << QStringList{u"クポ"_s} << true;
        QTest::newRow("half-width kana") << QByteArray::fromHex("b8cedf0d0a") << QStringList{u"ｸﾎﾟ"_s} << true;
        QTest::newRow("empty file") << QByteArray() << QStringList{} << true;
        QTest::newRow("empty lines") << QByteArray("\r\n\r\na\r\n\r\n") << QStringList{u""_s, u""_s, u"a"_s, u""_s} << true;
        QTest::newRow("last line without end") << QByteArray("a\r\nb") << QStringList{u"a"_s, u"b"_s} << false;
        QTest::newRow("lone CR") << QByteArray("a\rb\r") << QStringList{u"a"_s, u"b"_s} << false;
        QTest::newRow("lone LF") << QByteArray("a\nb\n") << QStringList{u"a"_s, u"b"_s} << false;
        QTest::newRow("mixed ends") << QByteArray("a\rb\r\r\nc\nd") << QStringList{u"a"_s, u"b"_s, u""_s, u"c"_s, u"d"_s} << false;
    }

    void codePage932Lines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QFETCH(bool, asWritten);
        QCOMPARE(decodeLines(bytes), lines);
        const EncodedLines encoded = EncodedLines::fromFileBytes(bytes);
        QCOMPARE(encoded.texts(encoded.size()), lines);
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

    void appendAddsOneLine()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"cname.dat"_s);
        for (const QString& line : {QStringLiteral("クロ"), QString(), QStringLiteral(" Shiro ")})
            QVERIFY(appendTextLine(path, line).ok());
        QCOMPARE(readBytes(path), QByteArray::fromHex("834e838d") + "\r\n\r\n Shiro \r\n");
    }

    void failedWritesNameTheFileAndKeepOldBytes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"item.dat"_s);
        QVERIFY(writeBytes(path, "old\r\n"));
        // Writing a text the code page cannot hold would change it: nothing is written.
        for (const FileResult& result : {writeTextFile(path, {u"ok"_s, QStringLiteral("é")}), appendTextLine(path, u"\U0001F600"_s)})
            QVERIFY(!result.ok() && result.path() == path);
        QCOMPARE(readBytes(path), QByteArray("old\r\n"));
        QVERIFY(QFile::remove(path) && QDir(dir.path()).mkdir(u"item.dat"_s));
        for (const FileResult& result : {writeTextFile(path, {u"a"_s}), appendTextLine(path, u"a"_s)})
            QVERIFY(!result.ok() && result.path() == path && !result.reason().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TextFileTest)
#include "tst_textfile.moc"
