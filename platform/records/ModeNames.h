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

// The mode codes the program chooses by name.
inline constexpr std::uint8_t kModeFm = 0;
inline constexpr std::uint8_t kModeAm = 1;
inline constexpr std::uint8_t kModeWideFm = 2;
inline constexpr std::uint8_t kModeUsb = 3;
inline constexpr std::uint8_t kModeLsb = 4;
inline constexpr std::uint8_t kModeCw = 5;
inline constexpr std::uint8_t kModeNarrowFm = 11;

constexpr std::string_view ModeName(std::uint8_t code) {
    return kModeNames[code % kModeNames.size()];
}

} // namespace hb::records
