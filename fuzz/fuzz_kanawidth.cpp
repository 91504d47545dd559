// The search's matching with kana and width folded. Folding is idempotent;
// a name matches as its folded form does; and a pattern without lists
// matches exactly as its folded text matches the folded name, so the
// folded matcher inherits the catalogue matcher's checked behaviour.
#include "FuzzCheck.h"
#include "PatternInput.h"
#include "model/catalogue/WildcardPattern.h"
#include "model/text/KanaWidth.h"

#include <QString>

using morvane::WildcardPattern;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto [pattern, text] = patternInput(data, size);

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
