#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace morvane {

// The catalogue search's pattern language: ? any one character, * any run of
// characters, # one digit 0-9, [list] one character of the list (ranges like
// a-z by code), [!list] one character not in it; brackets make a special
// character literal. The whole name must match, comparing exact codes.
class WildcardPattern {
public:
    enum class Matching {
        Exact,
        // Hiragana match katakana and full-width letters, digits and katakana
        // their half-width forms: names and the pattern's characters, those
        // of lists and ranges too, are compared in their folded forms
        // (kanawidth::fold). A range stands for the folds of its characters.
        IgnoreKanaWidth,
    };

    explicit WildcardPattern(const QString& pattern, Matching matching = Matching::Exact);

    // A malformed pattern (unclosed bracket, descending range) matches nothing.
    bool isValid() const { return m_valid; }
    bool matches(const QString& text) const;

private:
    struct Range {
        char32_t first;
        char32_t last;
    };
    struct Token {
        enum class Kind { Literal, AnyOne, Digit, AnyRun, Set };
        Kind kind;
        char32_t literal = 0;
        bool negated = false;
        QList<Range> ranges = {};
    };

    bool compile(const QString& pattern);
    void foldTokens();
    bool tokenMatches(const Token& token, char32_t c) const;

    QList<Token> m_tokens;
    bool m_valid = false;
    Matching m_matching;
    // A plain text between two stars (the usual search) is a substring test.
    std::optional<QString> m_infix;
};

} // namespace morvane
