#pragma once

namespace morvane {

// The catalogue, the catalogue list and each storage hold positions 0 to
// 10000: 10001 lines, not 10000.
inline constexpr int kListCapacity = 10001;

} // namespace morvane
