#include "spectrum/ModeTables.h"

#include <algorithm>
#include <cctype>

namespace hb::spectrum {

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

} // namespace

std::string_view ModeName(const ModeTable& table, std::uint32_t code) {
    return code < table.size() ? table[code] : std::string_view{};
}

std::string_view CombinedModeName(std::uint32_t code) {
    return code < kModeTableSize ? ModeName(kFirstModeNames, code)
                                 : ModeName(kSecondModeNames, code - kModeTableSize);
}

int ModeCodeOfName(std::string_view text) {
    for (std::uint32_t code = 0; code < kModeTableSize; ++code) {
        if (SameIgnoringCase(text, kFirstModeNames[code]) ||
            SameIgnoringCase(text, kSecondModeNames[code])) {
            return static_cast<int>(code);
        }
    }
    return -1;
}

} // namespace hb::spectrum
