#include "model/catalogue/WildcardPattern.h"
#include "model/text/KanaWidth.h"

#include <QTest>

using morvane::WildcardPattern;
using Matching = morvane::WildcardPattern::Matching;

class WildcardTest : public QObject {
    Q_OBJECT

private slots:
    // Each pattern and name matched exactly and with kana and width folded.
    void matches_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("exact"); // 1 matches, 0 does not, -1 malformed pattern
        QTest::addColumn<int>("folded");

        const struct { const char* pattern; const char* text; int exact; int folded; } rows[] = {
            // The whole name, code for code.
            {"abc", "abcd", 0, 0}, {"*a*", "ABC", 0, 0}, {"*Ａ*", "ABC", 0, 1}, {"", "a", 0, 0},
            {"*クリ*", "炎のクリスタル", 1, 1}, {"**", "", 1, 1},
            // ? is one character (a surrogate pair too), # one ASCII digit (folded, a full-width one too).
            {"a?c", "ac", 0, 0}, {"?の塊", "炎の塊", 1, 1}, {"a?b", "a\U00020BB7b", 1, 1},
            {"Lv#", "Lv7", 1, 1}, {"Lv#", "Lvx", 0, 0}, {"#", "７", 0, 1},
            // * backtracks and must reach the end.
            {"*ab*ab", "xxabyyab", 1, 1}, {"*ab", "abx", 0, 0}, {"a***b", "ab", 1, 1},
            // Lists, ranges by code, negation; a hyphen or ! elsewhere is literal.
            {"[abc]", "d", 0, 0}, {"[ab]", "ab", 0, 0}, {"[a-c]x", "bx", 1, 1}, {"[ぁ-ん]", "の", 1, 1},
            {"[!a-c]", "d", 1, 1}, {"[!a-c]", "b", 0, 0}, {"[!]", "z", 1, 1}, {"a[]b", "ab", 1, 1},
            {"[-a]", "-", 1, 1}, {"[a-]", "-", 1, 1}, {"[a!]", "!", 1, 1},
            // Brackets make the special characters literal; a lone ] is literal.
            {"*[?]*", "what", 0, 0}, {"*[?]*", "what?", 1, 1}, {"[*]", "*", 1, 1}, {"[*]", "ab", 0, 0},
            {"[#]1", "#1", 1, 1}, {"[[]", "[", 1, 1}, {"a]", "a]", 1, 1},
            // Malformed patterns match nothing, not even themselves.
            {"*[ab*", "[ab", -1, -1}, {"*[!*", "x", -1, -1}, {"*[z-a]*", "m", -1, -1}, {"[", "[", -1, -1},
            // Hiragana fold to katakana, in the pattern too; the substring shortcut as well.
            {"ぽーしょん", "ポーション", 0, 1}, {"*ぽーしょん*", "ハイポーション", 0, 1}, {"ヽ", "ゝ", 0, 1},
            // Half-width katakana, their voiced marks joined to the kana before them.
            {"ﾎﾟｰｼｮﾝ", "ポーション", 0, 1}, {"ポーション", "ﾎﾟｰｼｮﾝ", 0, 1}, {"ｳﾞ", "ヴ", 0, 1}, {"*ﾄﾞ*", "ソード", 0, 1},
            {"?", "ﾀﾞ", 0, 1}, {"??", "ﾀﾞ", 1, 0},
            // A bracketed mark joins nothing.
            {"ﾀ[ﾞ]", "ダ", 0, 0}, {"ﾀ[ﾞ]", "ﾀﾞ", 1, 0}, {"*ﾞ*", "ﾀﾞ", 1, 0},
            // Full-width letters fold, but letter case still counts; a full-width star is no wildcard.
            {"Ｌｖ#", "Lv7", 0, 1}, {"ａ", "A", 0, 0}, {"a＊", "aX", 0, 0}, {"[？]", "?", 0, 0},
            // Lists and ranges stand for the folds of their characters.
            {"[ぁ-ん]", "ア", 0, 1}, {"[ｱ-ﾝ]", "カ", 0, 1}, {"[ｱ-ﾝ]", "ガ", 0, 0}, {"[ａ-ｚ]", "q", 0, 1},
            {"[!ぁ-ん]", "カ", 1, 0}, {"[ｦ-ﾝ]x", "ヲx", 0, 1},
            // Folding makes no malformed pattern well formed, and no well-formed one malformed.
            {"[ｚ-a]", "m", -1, -1}, {"[A-ａ]", "B", 1, 1},
            // Kanji and characters beyond the Basic Multilingual Plane stay as they are.
            {"*剣*", "ブロンズ剣", 1, 1}, {"*\U00020BB7*", "a\U00020BB7b", 1, 1},
        };
        for (const auto& row : rows) {
            QTest::addRow("%s ~ %s", row.pattern, row.text)
                << QString::fromUtf8(row.pattern) << QString::fromUtf8(row.text) << row.exact << row.folded;
        }
        // Half of a surrogate pair is no character of a name that holds the
        // pair, whichever way the pattern is written; a lone one is. Folding
        // passes surrogates through.
        const struct { const char* name; const char16_t* pattern; const char16_t* text; int expected; } halves[] = {
            {"*low* ~ pair", u"*\xDE00*", u"\U0001F600", 0},
            {"*[low]* ~ pair", u"*[\xDE00]*", u"\U0001F600", 0},
            {"?*low* ~ pair", u"?*\xDE00*", u"\U0001F600", 0},
            {"*high* ~ pair", u"*\xD83D*", u"\U0001F600", 0},
            {"*high[]low* ~ pair", u"*\xD83D[]\xDE00*", u"\U0001F600", 0},
            {"*pair* ~ pair inside", u"*\U0001F600*", u"a\U0001F600b", 1},
            {"*low* ~ lone low", u"*\xDE00*", u"a\xDE00", 1},
            {"*high* ~ lone high", u"*\xD83D*", u"\xD83D" u"a", 1},
            // U+FEFF is a character like any other, not a byte order mark.
            {"*U+FEFF* ~ abc", u"*\xFEFF*", u"abc", 0},
            {"*U+FEFF* ~ inside", u"*\xFEFF*", u"a\xFEFF" u"b", 1},
        };
        for (const auto& row : halves) {
            QTest::newRow(row.name) << QString::fromUtf16(row.pattern) << QString::fromUtf16(row.text) << row.expected
                                    << row.expected;
        }
    }
    void matches()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QFETCH(int, exact);
        QFETCH(int, folded);
        const WildcardPattern exactly(pattern);
        const WildcardPattern folding(pattern, Matching::IgnoreKanaWidth);
        QCOMPARE(exactly.isValid(), exact >= 0);
        QCOMPARE(folding.isValid(), folded >= 0);
        QCOMPARE(exactly.matches(text), exact == 1);
        QCOMPARE(folding.matches(text), folded == 1);
    }

    // Where Unicode has a compatibility form for a character (NFKC), the
    // fold is that form; hiragana fold to the katakana beside them.
    void foldsToCompatibilityForms()
    {
        namespace kw = morvane::kanawidth;
        const auto check = [](const QString& text) {
            const QString compatible = text.normalized(QString::NormalizationForm_KC);
            QVERIFY2(kw::fold(text) == compatible, qPrintable(text));
        };
        for (char16_t c = 0xFF61; c <= 0xFF9D; ++c) {
            const QString kana(QChar{c});
            check(kana);
            for (const char16_t mark : {char16_t(0xFF9E), char16_t(0xFF9F)}) {
                // Where the pair has no single character, the mark stands on its own (゛ ゜).
                const QString pair = kana + QChar(mark);
                if (pair.normalized(QString::NormalizationForm_KC).size() == 1)
                    check(pair);
                else
                    QCOMPARE(kw::fold(pair), kw::fold(kana) + QChar(char16_t(mark == 0xFF9E ? u'゛' : u'゜')));
            }
        }
        for (const auto& [first, last] : {std::pair{u'０', u'９'}, std::pair{u'Ａ', u'Ｚ'}, std::pair{u'ａ', u'ｚ'}})
            for (char16_t c = first; c <= last; ++c)
                check(QString(QChar{c}));
        for (char16_t c = u'ぁ'; c <= u'ゖ'; ++c)
            QCOMPARE(kw::fold(QString(QChar{c})), QString(QChar(char16_t(c + 0x60))));

        const QString unchanged = QStringLiteral("！＃＄％＆（）＊＋，－．／：；＜＝＞？＠［＼］＾＿｀｛｜｝～￥ 漢字 ABC xyz 123 ゛゜ー・");
        QCOMPARE(kw::fold(unchanged), unchanged);
    }
};

QTEST_GUILESS_MAIN(WildcardTest)
#include "tst_wildcard.moc"
