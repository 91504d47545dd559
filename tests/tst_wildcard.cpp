#include "model/catalogue/WildcardPattern.h"

#include <QTest>

using morvane::WildcardPattern;

class WildcardTest : public QObject {
    Q_OBJECT

private slots:
    void matches_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected"); // 1 matches, 0 does not, -1 malformed pattern

        const struct { const char* pattern; const char* text; int expected; } rows[] = {
            // The whole name, code for code.
            {"abc", "abcd", 0}, {"*a*", "ABC", 0}, {"*Ａ*", "ABC", 0}, {"", "a", 0},
            {"*クリ*", "炎のクリスタル", 1}, {"**", "", 1},
            // ? is one character (a surrogate pair too), # one ASCII digit.
            {"a?c", "ac", 0}, {"?の塊", "炎の塊", 1}, {"a?b", "a\U00020BB7b", 1},
            {"Lv#", "Lv7", 1}, {"Lv#", "Lvx", 0}, {"#", "７", 0},
            // * backtracks and must reach the end.
            {"*ab*ab", "xxabyyab", 1}, {"*ab", "abx", 0}, {"a***b", "ab", 1},
            // Lists, ranges by code, negation; a hyphen or ! elsewhere is literal.
            {"[abc]", "d", 0}, {"[ab]", "ab", 0}, {"[a-c]x", "bx", 1}, {"[ぁ-ん]", "の", 1},
            {"[!a-c]", "d", 1}, {"[!a-c]", "b", 0}, {"[!]", "z", 1}, {"a[]b", "ab", 1},
            {"[-a]", "-", 1}, {"[a-]", "-", 1}, {"[a!]", "!", 1},
            // Brackets make the special characters literal; a lone ] is literal.
            {"*[?]*", "what", 0}, {"*[?]*", "what?", 1}, {"[*]", "*", 1}, {"[*]", "ab", 0},
            {"[#]1", "#1", 1}, {"[[]", "[", 1}, {"a]", "a]", 1},
            // Malformed patterns match nothing, not even themselves.
            {"*[ab*", "[ab", -1}, {"*[!*", "x", -1}, {"*[z-a]*", "m", -1}, {"[", "[", -1},
        };
        for (const auto& row : rows) {
            QTest::addRow("%s ~ %s", row.pattern, row.text)
                << QString::fromUtf8(row.pattern) << QString::fromUtf8(row.text) << row.expected;
        }
        // Half of a surrogate pair is no character of a name that holds the
        // pair, whichever way the pattern is written; a lone one is.
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
        for (const auto& row : halves)
            QTest::newRow(row.name) << QString::fromUtf16(row.pattern) << QString::fromUtf16(row.text) << row.expected;
    }
    void matches()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QFETCH(int, expected);
        const WildcardPattern compiled(pattern);
        QCOMPARE(compiled.isValid(), expected >= 0);
        QCOMPARE(compiled.matches(text), expected == 1);
    }
};

QTEST_GUILESS_MAIN(WildcardTest)
#include "tst_wildcard.moc"
