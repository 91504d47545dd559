// The catalogue search's matcher against a plainly written one: the same
// answer for every pattern and name, and the same answer from the substring
// shortcut for "*text*" as from the general path.
#include "FuzzCheck.h"
#include "PatternInput.h"
#include "model/catalogue/WildcardPattern.h"

#include <QString>

#include <optional>

namespace {

// Code points as the matcher reads them: a surrogate pair is one character,
// a lone surrogate stands for itself.
std::vector<char32_t> characters(const QString& text)
{
    std::vector<char32_t> result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            result.push_back(QChar::surrogateToUcs4(c, text.at(i + 1)));
            ++i;
        } else {
            result.push_back(c.unicode());
        }
    }
    return result;
}

// Not QString::fromUcs4(), which drops a leading U+FEFF as a byte order mark.
QString fromCharacters(const std::vector<char32_t>& characters)
{
    QString text;
    for (const char32_t c : characters) {
        if (QChar::requiresSurrogates(c)) {
            text += QChar(QChar::highSurrogate(c));
            text += QChar(QChar::lowSurrogate(c));
        } else {
            text += QChar(char16_t(c));
        }
    }
    return text;
}

struct Element {
    enum Kind { Literal, AnyOne, Digit, AnyRun, Set } kind;
    char32_t literal = 0;
    bool negated = false;
    std::vector<std::pair<char32_t, char32_t>> ranges = {};
};

// ? * # and [list] / [!list] with ranges; "[]" is no character at all; an
// unclosed list or a descending range makes the pattern malformed.
std::optional<std::vector<Element>> referenceParse(const std::vector<char32_t>& p)
{
    std::vector<Element> elements;
    size_t i = 0;
    while (i < p.size()) {
        const char32_t c = p[i++];
        if (c == U'?') {
            elements.push_back({Element::AnyOne});
        } else if (c == U'*') {
            elements.push_back({Element::AnyRun});
        } else if (c == U'#') {
            elements.push_back({Element::Digit});
        } else if (c == U'[') {
            Element set{Element::Set};
            if (i < p.size() && p[i] == U'!') {
                set.negated = true;
                ++i;
            }
            bool closed = false;
            while (i < p.size()) {
                const char32_t first = p[i++];
                if (first == U']') {
                    closed = true;
                    break;
                }
                char32_t last = first;
                if (i + 1 < p.size() && p[i] == U'-' && p[i + 1] != U']') {
                    last = p[i + 1];
                    i += 2;
                    if (last < first)
                        return std::nullopt;
                }
                set.ranges.push_back({first, last});
            }
            if (!closed)
                return std::nullopt;
            if (!set.ranges.empty() || set.negated)
                elements.push_back(set);
        } else {
            elements.push_back({Element::Literal, c});
        }
    }
    return elements;
}

bool accepts(const Element& e, char32_t c)
{
    switch (e.kind) {
    case Element::Literal:
        return c == e.literal;
    case Element::AnyOne:
        return true;
    case Element::Digit:
        return c >= U'0' && c <= U'9';
    case Element::Set: {
        bool inList = false;
        for (const auto& [first, last] : e.ranges)
            inList = inList || (c >= first && c <= last);
        return inList != e.negated;
    }
    case Element::AnyRun:
        break;
    }
    return false;
}

// Tries every way a star can swallow characters, remembering what it tried.
bool referenceMatches(const QString& pattern, const QString& text)
{
    const std::optional<std::vector<Element>> elements = referenceParse(characters(pattern));
    if (!elements)
        return false;
    const std::vector<char32_t> t = characters(text);
    const size_t width = t.size() + 1;
    std::vector<signed char> known((elements->size() + 1) * width, -1);
    auto match = [&](auto& self, size_t e, size_t i) -> bool {
        signed char& memo = known[e * width + i];
        if (memo < 0) {
            if (e == elements->size())
                memo = i == t.size();
            else if ((*elements)[e].kind == Element::AnyRun)
                memo = self(self, e + 1, i) || (i < t.size() && self(self, e, i + 1));
            else
                memo = i < t.size() && accepts((*elements)[e], t[i]) && self(self, e + 1, i + 1);
        }
        return memo;
    };
    return match(match, 0, 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto [pattern, text] = patternInput(data, size);

    const morvane::WildcardPattern compiled(pattern);
    require(compiled.isValid() == referenceParse(characters(pattern)).has_value());
    require(compiled.matches(text) == referenceMatches(pattern, text));

    // The pattern's plain characters between two stars take the shortcut;
    // the same characters each in a one-character list take the general path.
    std::vector<char32_t> plain;
    for (const char32_t c : characters(pattern))
        if (c != U'*' && c != U'?' && c != U'#' && c != U'[')
            plain.push_back(c);
    const QString infix = fromCharacters(plain);
    const QString shortcut = QStringLiteral("*") + infix + QStringLiteral("*");
    QString general = QStringLiteral("*");
    for (const char32_t c : characters(infix)) {
        // A list cannot start with "!" or "]"; each stands for itself outside one.
        if (c == U'!' || c == U']')
            general += fromCharacters({c});
        else
            general += QStringLiteral("[") + fromCharacters({c}) + QStringLiteral("]");
    }
    general += QStringLiteral("*");
    const bool expected = referenceMatches(shortcut, text);
    require(morvane::WildcardPattern(shortcut).matches(text) == expected);
    require(morvane::WildcardPattern(general).matches(text) == expected);
    return 0;
}
