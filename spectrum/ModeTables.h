#pragma once
// The two tables of mode names the sweep views put on their mode selectors, by mode code. A mode
// code comes from documents, the radio and its bands and may hold any byte: a code outside a
// table has no name, so the selector it would choose stays as it is.

#include "platform/records/ModeNames.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace hb::spectrum {

inline constexpr std::size_t kModeTableSize = 16;
using ModeTable = std::array<std::string_view, kModeTableSize>;

inline constexpr ModeTable kFirstModeNames = hb::records::kModeNames;
inline constexpr ModeTable kSecondModeNames = {
    "FM",    "AM",  "FM-W", "USB", "LSB",  "CW",  "FSK", "PM",
    "PULSE", "BYP", "ISB",  "P25", "AM-N", "SAM", "IFT", "LOG",
};

// The name of a code in one table; empty from 16 up.
std::string_view ModeName(const ModeTable& table, std::uint32_t code);
// The 32 names of both tables in a row: the first table, then the second; empty from 32 up.
std::string_view CombinedModeName(std::uint32_t code);
// The first code whose name in either table equals the text, ignoring case; each code is
// tried in the first table, then the second. -1 when none matches.
int ModeCodeOfName(std::string_view text);

} // namespace hb::spectrum
