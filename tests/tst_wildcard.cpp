#include "model/WildcardPattern.h"

#include <QTest>

using morvane::WildcardPattern;

class WildcardTest : public QObject {
    Q_OBJECT

private slots:
    void matches_data();
    void matches();
};

void WildcardTest::matches_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("matches");

    // Whole-name match with exact codes.
    QTest::newRow("literal") << "abc" << "abc" << true << true;
    QTest::newRow("literal is whole name") << "abc" << "abcd" << true << false;
    QTest::newRow("case differs") << "*a*" << "ABC" << true << false;
    QTest::newRow("width differs") << "*Ａ*" << "ABC" << true << false;
    QTest::newRow("search anywhere") << "*クリ*" << "炎のクリスタル" << true << true;
    QTest::newRow("empty search matches all") << "**" << "炎の塊" << true << true;
    QTest::newRow("empty search matches empty") << "**" << "" << true << true;
    QTest::newRow("empty pattern, empty name") << "" << "" << true << true;
    QTest::newRow("empty pattern, a name") << "" << "a" << true << false;
    // ? and #
    QTest::newRow("? one character") << "a?c" << "abc" << true << true;
    QTest::newRow("? not zero") << "a?c" << "ac" << true << false;
    QTest::newRow("? a full-width one") << "?の塊" << "炎の塊" << true << true;
    QTest::newRow("? a surrogate pair") << "a?b" << QString::fromUtf8("a\U00020BB7b") << true << true;
    QTest::newRow("# a digit") << "Lv#" << "Lv7" << true << true;
    QTest::newRow("# not a letter") << "Lv#" << "Lvx" << true << false;
    QTest::newRow("# not a full-width digit") << "#" << "７" << true << false;
    // * backtracking
    QTest::newRow("star backtracks") << "*ab*ab" << "xxabyyab" << true << true;
    QTest::newRow("star needs the end") << "*ab" << "abx" << true << false;
    QTest::newRow("stars in a row") << "a***b" << "ab" << true << true;
    // Lists
    QTest::newRow("list") << "[abc]" << "b" << true << true;
    QTest::newRow("list miss") << "[abc]" << "d" << true << false;
    QTest::newRow("range") << "[a-c]x" << "bx" << true << true;
    QTest::newRow("range by code") << "[ぁ-ん]" << "の" << true << true;
    QTest::newRow("range miss") << "[a-c]" << "d" << true << false;
    QTest::newRow("negated") << "[!a-c]" << "d" << true << true;
    QTest::newRow("negated miss") << "[!a-c]" << "b" << true << false;
    QTest::newRow("negated empty is any") << "[!]" << "z" << true << true;
    QTest::newRow("hyphen first literal") << "[-a]" << "-" << true << true;
    QTest::newRow("hyphen last literal") << "[a-]" << "-" << true << true;
    QTest::newRow("bang later literal") << "[a!]" << "!" << true << true;
    QTest::newRow("empty list is empty text") << "a[]b" << "ab" << true << true;
    QTest::newRow("list consumes one") << "[ab]" << "ab" << true << false;
    // Special characters made literal
    QTest::newRow("literal ?") << "*[?]*" << "what?" << true << true;
    QTest::newRow("literal ? miss") << "*[?]*" << "what" << true << false;
    QTest::newRow("literal *") << "[*]" << "*" << true << true;
    QTest::newRow("literal #") << "[#]1" << "#1" << true << true;
    QTest::newRow("literal [") << "[[]" << "[" << true << true;
    QTest::newRow("close bracket alone literal") << "a]" << "a]" << true << true;
    // Malformed patterns match nothing
    QTest::newRow("unclosed bracket") << "*[ab*" << "[ab" << false << false;
    QTest::newRow("unclosed negation") << "*[!*" << "x" << false << false;
    QTest::newRow("descending range") << "*[z-a]*" << "m" << false << false;
    QTest::newRow("lone open bracket") << "[" << "[" << false << false;
}

void WildcardTest::matches()
{
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(bool, matches);
    const WildcardPattern compiled(pattern);
    QCOMPARE(compiled.isValid(), valid);
    QCOMPARE(compiled.matches(text), matches);
}

QTEST_GUILESS_MAIN(WildcardTest)
#include "tst_wildcard.moc"
