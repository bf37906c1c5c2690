#pragma once
#include <cstdint>

namespace hb::display {

// Two presses make a double-click when the second comes this soon and this close to the first.
inline constexpr std::int64_t kDoubleClickMs = 500;
inline constexpr int kDoubleClickSlop = 4;

} // namespace hb::display
