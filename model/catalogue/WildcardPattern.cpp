#include "model/catalogue/WildcardPattern.h"

#include "model/text/KanaWidth.h"

namespace morvane {
namespace {

// Reads the character at i (a surrogate pair counts as one) and moves past it.
char32_t nextChar(const QString& text, qsizetype& i)
{
    const char16_t high = text.at(i).unicode();
    if (QChar::isHighSurrogate(high) && i + 1 < text.size()) {
        const char16_t low = text.at(i + 1).unicode();
        if (QChar::isLowSurrogate(low)) {
            i += 2;
            return QChar::surrogateToUcs4(high, low);
        }
    }
    ++i;
    return high;
}

} // namespace

WildcardPattern::WildcardPattern(const QString& pattern, Matching matching)
    : m_matching(matching)
{
    m_valid = compile(pattern);
    if (!m_valid) {
        m_tokens.clear();
        return;
    }
    if (m_matching == Matching::IgnoreKanaWidth)
        foldTokens();
    const qsizetype n = m_tokens.size();
    if (n >= 2 && m_tokens.first().kind == Token::Kind::AnyRun && m_tokens.last().kind == Token::Kind::AnyRun) {
        // Only where every character is one UTF-16 unit does a substring
        // test of units find exactly the matches of whole characters: a
        // surrogate in the text would otherwise match half of a pair.
        QString infix;
        for (qsizetype t = 1; t + 1 < n; ++t) {
            const Token& token = m_tokens.at(t);
            if (token.kind != Token::Kind::Literal || token.literal > 0xFFFF || QChar::isSurrogate(token.literal))
                return;
            infix += QChar(char16_t(token.literal));
        }
        m_infix = infix;
    }
}

bool WildcardPattern::compile(const QString& pattern)
{
    qsizetype i = 0;
    while (i < pattern.size()) {
        const char32_t c = nextChar(pattern, i);
        switch (c) {
        case U'?':
            m_tokens.append({Token::Kind::AnyOne});
            break;
        case U'*':
            // Consecutive stars match what one star matches.
            if (m_tokens.isEmpty() || m_tokens.last().kind != Token::Kind::AnyRun)
                m_tokens.append({Token::Kind::AnyRun});
            break;
        case U'#':
            m_tokens.append({Token::Kind::Digit});
            break;
        case U'[': {
            Token set{Token::Kind::Set};
            if (i < pattern.size() && pattern.at(i) == u'!') {
                set.negated = true;
                ++i;
            }
            bool closed = false;
            while (i < pattern.size()) {
                const char32_t first = nextChar(pattern, i);
                if (first == U']') {
                    closed = true;
                    break;
                }
                char32_t last = first;
                // A hyphen between two characters makes a range; one at
                // either end of the list stands for itself.
                if (i + 1 < pattern.size() && pattern.at(i) == u'-' && pattern.at(i + 1) != u']') {
                    ++i;
                    last = nextChar(pattern, i);
                    if (last < first)
                        return false;
                }
                set.ranges.append({first, last});
            }
            if (!closed)
                return false;
            // "[]" stands for the empty text: it consumes no character.
            if (set.ranges.isEmpty() && !set.negated)
                break;
            m_tokens.append(set);
            break;
        }
        default:
            m_tokens.append({Token::Kind::Literal, c});
            break;
        }
    }
    return true;
}

void WildcardPattern::foldTokens()
{
    QList<Token> folded;
    folded.reserve(m_tokens.size());
    for (qsizetype t = 0; t < m_tokens.size(); ++t) {
        Token token = m_tokens.at(t);
        if (token.kind == Token::Kind::Literal) {
            // A half-width kana and the voiced mark after it become one
            // character, as they do in the names.
            const char32_t joined = t + 1 < m_tokens.size() && m_tokens.at(t + 1).kind == Token::Kind::Literal
                ? kanawidth::foldJoined(token.literal, m_tokens.at(t + 1).literal)
                : 0;
            token.literal = joined ? joined : kanawidth::foldCharacter(token.literal);
            if (joined)
                ++t;
        } else if (token.kind == Token::Kind::Set) {
            const qsizetype given = token.ranges.size();
            for (qsizetype r = 0; r < given; ++r) {
                const Range range = token.ranges.at(r);
                kanawidth::forEachFoldedRange(range.first, range.last, [&token](char32_t first, char32_t last) {
                    token.ranges.append({first, last});
                });
            }
        }
        folded.append(std::move(token));
    }
    m_tokens = std::move(folded);
}

bool WildcardPattern::tokenMatches(const Token& token, char32_t c) const
{
    switch (token.kind) {
    case Token::Kind::Literal:
        return c == token.literal;
    case Token::Kind::AnyOne:
        return true;
    case Token::Kind::Digit:
        return c >= U'0' && c <= U'9';
    case Token::Kind::Set: {
        bool inList = false;
        for (const Range& range : token.ranges) {
            if (c >= range.first && c <= range.last) {
                inList = true;
                break;
            }
        }
        return inList != token.negated;
    }
    case Token::Kind::AnyRun:
        return false;
    }
    return false;
}

bool WildcardPattern::matches(const QString& name) const
{
    if (!m_valid)
        return false;
    const QString text = m_matching == Matching::IgnoreKanaWidth ? kanawidth::fold(name) : name;
    if (m_infix)
        return text.contains(*m_infix);

    // Every token but the star consumes exactly one character, so the
    // classic single-backtrack scan is exact: on a mismatch, let the most
    // recent star swallow one more character.
    qsizetype t = 0; // token position
    qsizetype i = 0; // text position
    qsizetype starToken = -1;
    qsizetype starText = 0;
    while (i < text.size()) {
        if (t < m_tokens.size() && m_tokens.at(t).kind == Token::Kind::AnyRun) {
            starToken = t++;
            starText = i;
            continue;
        }
        qsizetype next = i;
        const char32_t c = nextChar(text, next);
        if (t < m_tokens.size() && tokenMatches(m_tokens.at(t), c)) {
            ++t;
            i = next;
            continue;
        }
        if (starToken < 0)
            return false;
        t = starToken + 1;
        nextChar(text, starText);
        i = starText;
    }
    while (t < m_tokens.size() && m_tokens.at(t).kind == Token::Kind::AnyRun)
        ++t;
    return t == m_tokens.size();
}

} // namespace morvane
