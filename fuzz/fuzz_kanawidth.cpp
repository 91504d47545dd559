// The search's matching with kana and width folded. Folding is idempotent;
// a name matches as its folded form does; and a pattern without lists
// matches exactly as its folded text matches the folded name, so the
// folded matcher inherits the catalogue matcher's checked behaviour.
//
// Input: UTF-16 units (little endian), the pattern, a unit 0, then the name.
#include "FuzzCheck.h"
#include "model/catalogue/WildcardPattern.h"
#include "model/text/KanaWidth.h"

#include <QString>

namespace {

constexpr qsizetype kMaxUnits = 64;

using morvane::WildcardPattern;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QString input = QString::fromUtf16(reinterpret_cast<const char16_t*>(data), qsizetype(size / 2));
    const qsizetype split = input.indexOf(QChar(0));
    const QString pattern = input.left(qMin(split < 0 ? input.size() : split, kMaxUnits));
    const QString text = split < 0 ? QString() : input.mid(split + 1, kMaxUnits);

    namespace kw = morvane::kanawidth;
    const QString foldedText = kw::fold(text);
    require(kw::fold(foldedText) == foldedText);
    require(foldedText.size() <= text.size());

    const WildcardPattern folding(pattern, WildcardPattern::Matching::IgnoreKanaWidth);
    require(folding.isValid() == WildcardPattern(pattern).isValid());
    const bool matches = folding.matches(text);
    require(folding.matches(foldedText) == matches);
    if (!pattern.contains(u'['))
        require(WildcardPattern(kw::fold(pattern)).matches(foldedText) == matches);
    return 0;
}
