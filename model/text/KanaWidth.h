#pragma once

#include <QString>
#include <QStringView>

#include <algorithm>

// Writing the same name in other forms: hiragana or katakana, full-width or
// half-width letters, digits and katakana. Each form folds to one canonical
// form: katakana in full width, letters and digits in ASCII. Everything
// else (symbols, kanji, letter case) stays as it is.
namespace morvane::kanawidth {

// A half-width katakana followed by a half-width voiced or semi-voiced
// mark folds to the one full-width character that holds both (ｶﾞ to ガ);
// a mark that cannot join the character before it folds on its own (ﾞ to ゛).
QString fold(QStringView text);

// One character folded on its own, without the character after it.
char32_t foldCharacter(char32_t c);

// The one character a half-width kana and the half-width mark after it fold
// to together, or 0 when the two do not join.
char32_t foldJoined(char32_t kana, char32_t mark);

// Calls covered(first, last) for the folds of the characters of
// [first, last] that fold to another character, in ranges; together with
// [first, last] itself they are every folded form of a character of the range.
template <typename Covered>
void forEachFoldedRange(char32_t first, char32_t last, Covered covered);

namespace detail {
struct ShiftedBlock {
    char32_t first;
    char32_t last;
    char32_t foldedFirst;
};
// The blocks that fold by a fixed distance: full-width digits and letters,
// hiragana and their iteration marks.
inline constexpr ShiftedBlock kShiftedBlocks[] = {
    {0xFF10, 0xFF19, u'0'},
    {0xFF21, 0xFF3A, u'A'},
    {0xFF41, 0xFF5A, u'a'},
    {0x3041, 0x3096, 0x30A1},
    {0x309D, 0x309E, 0x30FD},
};
// Half-width katakana, punctuation and marks, U+FF61 to U+FF9F.
inline constexpr char32_t kHalfWidthFirst = 0xFF61;
inline constexpr char32_t kHalfWidthLast = 0xFF9F;
} // namespace detail

template <typename Covered>
void forEachFoldedRange(char32_t first, char32_t last, Covered covered)
{
    for (const detail::ShiftedBlock& block : detail::kShiftedBlocks) {
        const char32_t from = std::max(first, block.first);
        const char32_t to = std::min(last, block.last);
        if (from <= to)
            covered(from - block.first + block.foldedFirst, to - block.first + block.foldedFirst);
    }
    for (char32_t c = std::max(first, detail::kHalfWidthFirst); c <= std::min(last, detail::kHalfWidthLast); ++c) {
        const char32_t folded = foldCharacter(c);
        covered(folded, folded);
    }
}

} // namespace morvane::kanawidth
