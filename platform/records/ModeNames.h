#pragma once
// Names of the parm mode codes, shown exactly so. A code is looked up modulo 16, so every byte
// value has a name.

#include <array>
#include <cstdint>
#include <string_view>

namespace hb::records {

inline constexpr std::array<std::string_view, 16> kModeNames = {
    "FM",     "AM",     "FM-W", "USB",  "LSB",  "CW",     "RTTY", "FAX",
    "ECSS-U", "ECSS-L", "SSB",  "FM-N", "AM-N", "AM-SYN", "AM-W", "CW-N",
};

constexpr std::string_view ModeName(std::uint8_t code) {
    return kModeNames[code % kModeNames.size()];
}

} // namespace hb::records
