#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace morvane {

// The count selector: entries "1" to "99" at indexes 0 to 98.
inline constexpr int kCountEntries = 99;

enum class CountButton { Twelve, NinetyNine, PlusOne, MinusOne, PlusTen, MinusTen };

int countIndexAfter(CountButton button, int index);

// What selecting a catalogue line does to the selector: only stack sizes 1,
// 12 and 99 change it.
struct SelectorSetting {
    int index;
    bool twelveEnabled;
    bool ninetyNineEnabled;
    bool stepsEnabled;
};
std::optional<SelectorSetting> selectorSettingFor(qint16 stackSize);

} // namespace morvane
