#include "model/storage/StackCount.h"

#include <algorithm>

namespace morvane {

int countIndexAfter(CountButton button, int index)
{
    constexpr int last = kCountEntries - 1;
    switch (button) {
    case CountButton::Twelve:
        return 11;
    case CountButton::NinetyNine:
        return last;
    case CountButton::PlusOne:
        return std::min(index + 1, last);
    case CountButton::MinusOne:
        return std::max(index - 1, 0);
    case CountButton::PlusTen:
        return std::min(index + 10, last);
    case CountButton::MinusTen:
        return std::max(index - 10, 0);
    }
    return index;
}

std::optional<SelectorSetting> selectorSettingFor(qint16 stackSize)
{
    switch (stackSize) {
    case 1:
        return SelectorSetting{0, false, false, false};
    case 12:
        return SelectorSetting{11, true, false, true};
    case 99:
        return SelectorSetting{98, false, true, true};
    default:
        return std::nullopt;
    }
}

} // namespace morvane
