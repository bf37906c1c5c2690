#pragma once
#include <cstdint>
#include <string>
#include <variant>

namespace hb::afx {

// A value carried between the program and its controls: an event argument or a start property.
using Value =
    std::variant<bool, std::uint8_t, std::int16_t, std::int32_t, std::int64_t, double, std::string>;

} // namespace hb::afx
