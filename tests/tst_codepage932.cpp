#include "model/text/CodePage932.h"
#include "model/text/CodePage932Table.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

using namespace morvane;

constexpr const char* kIcuConverter = "windows-31j";

// The same table runs on every platform: the bytes for a text, and the text
// for some bytes, must not depend on where Morvane runs.
class CodePage932Test : public QObject {
    Q_OBJECT

private slots:
    void bytesAndText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("roundTrip"); // the text is written back as these bytes

        QTest::newRow("ASCII with backslash and tilde") << QByteArray("a\\~") << QStringLiteral("a\\~") << true;
        QTest::newRow("ASCII control codes as they are") << QByteArray("\x1a\x1c\x7f") << QStringLiteral("\x1a\x1c\x7f") << true;
        QTest::newRow("half-width kana") << QByteArray::fromHex("b8cedf") << QStringLiteral("ｸﾎﾟ") << true;
        // A character with several codes reads from each and is written with one
        // (here the IBM code FA5C); the table check below covers every such code.
        QTest::newRow("NEC-selected IBM kanji written as IBM") << QByteArray::fromHex("ed40") << QStringLiteral("纊") << false;
        // Bytes with no character read as U+FFFD, one for each.
        QTest::newRow("bytes 0x80, 0xA0 and 0xFD to 0xFF") << QByteArray("\x80\xa0\xfd\xfe\xff") << QString(5, QChar(0xFFFD)) << false;
        QTest::newRow("lone lead byte at the end") << QByteArray("a\x81") << QStringLiteral("a\uFFFD") << false;
        QTest::newRow("lead byte before a non-trail byte") << QByteArray("\x81 b") << QStringLiteral("\uFFFD b") << false;
        QTest::newRow("lead byte before DEL") << QByteArray("\x81\x7f") << QStringLiteral("\uFFFD\x7f") << false;
    }

    void bytesAndText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(bool, roundTrip);
        QCOMPARE(cp932::decode(bytes), text);
        const std::optional<QByteArray> written = cp932::encode(text);
        if (text.contains(QChar(0xFFFD))) {
            QVERIFY(!written);
            return;
        }
        QVERIFY(written);
        QCOMPARE(*written == bytes, roundTrip);
        QCOMPARE(cp932::decode(*written), text);
    }

    // Beyond the characters the table check below tries one by one.
    void unwritableText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("emoji") << QStringLiteral("\U0001F600");
        QTest::newRow("lone surrogate") << QString(QChar(0xD83D));
        QTest::newRow("good text, then one bad character") << QStringLiteral("闇のクリスタルé");
    }

    void unwritableText()
    {
        QFETCH(QString, text);
        QVERIFY(!cp932::encode(text));
        QVERIFY(!cp932::canEncode(text));
    }

    // The committed table must be what its generator reads off ICU, apart
    // from the ASCII control codes ICU swaps.
    void tableAgreesWithIcu()
    {
        QStringDecoder icuDecoder(kIcuConverter);
        if (!icuDecoder.isValid())
            QSKIP("This Qt has no ICU converter to compare the committed table with (Windows builds)");
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (!cp932::isLeadByte(lead))
                continue;
            for (int trail = cp932::kFirstTrailByte; trail <= cp932::kLastTrailByte; ++trail) {
                if (!cp932::isTrailByte(trail))
                    continue;
                const char pair[] = {char(lead), char(trail)};
                QStringDecoder decoder(kIcuConverter);
                const QString icu = decoder.decode(QByteArrayView(pair, 2));
                const QString ours = cp932::decode(QByteArrayView(pair, 2));
                if (!decoder.hasError() && icu != QStringLiteral("\uFFFD"))
                    QCOMPARE(ours, icu);
                else
                    QCOMPARE(ours, QStringLiteral("\uFFFD"));
            }
        }
        for (char32_t c = 0x80; c < 0x10000; ++c) {
            if (c >= 0xD800 && c <= 0xDFFF)
                continue;
            const QString text{QChar(char16_t(c))};
            QStringEncoder encoder(kIcuConverter);
            const QByteArray icu = encoder.encode(text);
            const std::optional<QByteArray> ours = cp932::encode(text);
            if (encoder.hasError())
                QVERIFY2(!ours, qPrintable(QString::number(c, 16)));
            else
                QCOMPARE(ours.value_or("none"), icu);
            QCOMPARE(cp932::canEncode(text), ours.has_value());
        }
    }
};

QTEST_GUILESS_MAIN(CodePage932Test)
#include "tst_codepage932.moc"
