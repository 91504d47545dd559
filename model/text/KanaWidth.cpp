#include "model/text/KanaWidth.h"

#include <utility>

namespace morvane::kanawidth {
namespace {

using detail::kHalfWidthFirst;
using detail::kHalfWidthLast;

constexpr char16_t kHalfWidthVoicedMark = 0xFF9E;
constexpr char16_t kHalfWidthSemiVoicedMark = 0xFF9F;

// The full-width form of each half-width character from U+FF61 on.
constexpr char16_t kFullWidth[kHalfWidthLast - kHalfWidthFirst + 1] = {
    u'。', u'「', u'」', u'、', u'・', u'ヲ', u'ァ', u'ィ', u'ゥ', u'ェ', u'ォ', u'ャ', u'ュ', u'ョ', u'ッ',
    u'ー', u'ア', u'イ', u'ウ', u'エ', u'オ', u'カ', u'キ', u'ク', u'ケ', u'コ', u'サ', u'シ', u'ス', u'セ',
    u'ソ', u'タ', u'チ', u'ツ', u'テ', u'ト', u'ナ', u'ニ', u'ヌ', u'ネ', u'ノ', u'ハ', u'ヒ', u'フ', u'ヘ',
    u'ホ', u'マ', u'ミ', u'ム', u'メ', u'モ', u'ヤ', u'ユ', u'ヨ', u'ラ', u'リ', u'ル', u'レ', u'ロ', u'ワ',
    u'ン', u'゛', u'゜',
};

bool isHalfWidth(char32_t c)
{
    return c >= kHalfWidthFirst && c <= kHalfWidthLast;
}

} // namespace

// A voiced mark turns カ into the next code, ガ; a semi-voiced one ハ into
// the one after it, パ; ウ, ワ and ヲ take their voiced forms from elsewhere.
char32_t foldJoined(char32_t kana, char32_t mark)
{
    if (!isHalfWidth(kana))
        return 0;
    const QChar full(char16_t(foldCharacter(kana)));
    if (mark == kHalfWidthVoicedMark) {
        static constexpr std::pair<char16_t, char32_t> elsewhere[] = {{u'ウ', U'ヴ'}, {u'ワ', U'ヷ'}, {u'ヲ', U'ヺ'}};
        for (const auto& [plain, voiced] : elsewhere)
            if (full == plain)
                return voiced;
        return QStringView(u"カキクケコサシスセソタチツテトハヒフヘホ").contains(full) ? full.unicode() + 1 : 0;
    }
    if (mark == kHalfWidthSemiVoicedMark)
        return QStringView(u"ハヒフヘホ").contains(full) ? full.unicode() + 2 : 0;
    return 0;
}

char32_t foldCharacter(char32_t c)
{
    for (const detail::ShiftedBlock& block : detail::kShiftedBlocks)
        if (c >= block.first && c <= block.last)
            return c - block.first + block.foldedFirst;
    if (isHalfWidth(c))
        return kFullWidth[c - kHalfWidthFirst];
    return c;
}

QString fold(QStringView text)
{
    // Every character that folds is in the Basic Multilingual Plane, so a
    // surrogate passes through as it is.
    QString folded(text.size(), Qt::Uninitialized);
    QChar* out = folded.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (i + 1 < text.size()) {
            if (const char32_t both = foldJoined(c, text[i + 1].unicode())) {
                *out++ = QChar(char16_t(both));
                ++i;
                continue;
            }
        }
        *out++ = QChar(char16_t(foldCharacter(c)));
    }
    folded.truncate(out - folded.constData());
    return folded;
}

} // namespace morvane::kanawidth
