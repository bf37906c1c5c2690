#pragma once
// The application's colours: the numbered colour table (Color0 to Color31) the styles and themes
// read and write, and the named colours of displays, lamps, lists and panels. Values are COLORREF
// (0x00BBGGRR).

#include "platform/win/WinTypes.h"

#include <array>
#include <cstddef>

namespace hb::tessary {

inline constexpr std::size_t kColorCount = 32;
using ColorTable = std::array<COLORREF, kColorCount>;

// The table before any stored colour or theme is applied.
inline constexpr ColorTable kDefaultColors{
    0x000000, 0xFFFFFF, 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFFFF00, 0xFF00FF,
    0x808080, 0xC0C0C0, 0x000080, 0x008000, 0xFFFFFF, 0x808000, 0xC0C0C0, 0x404040,
    0x808080, 0xD54600, 0xD8E9EC, 0x000000, 0x00FF00, 0xFFFFFF, 0x000000, 0xF0F0F0,
    0xE1FFFF, 0xF5FFF5, 0x0000FF, 0x808080, 0x696969, 0x000000, 0xD54600, 0x000000,
};

// The display colour modes: normal colours, or every display in red or in green.
inline constexpr int kDisplayColorNormal = 0;
inline constexpr int kDisplayColorRed = 1;
inline constexpr int kDisplayColorGreen = 2;

struct NamedColors {
    COLORREF displayNormal = 0x00FF00;
    COLORREF displayReplay = 0x00FFFF; // also the frozen (hold) display
    COLORREF lamp = 0x0000FF;
    COLORREF bankStripOn = 0x00FF00;
    COLORREF bankStripOff = 0x404040;
    COLORREF segmentForeground = 0x00FF00;
    COLORREF segmentBackground = 0x000000;
    COLORREF listRows[2] = {0xFFFFFF, 0xF5F5F5};
    COLORREF alternateRow = 0xFFF0F0;
    COLORREF control = 0x808080;
    COLORREF staticText = 0x000000;
    COLORREF panelText = 0xFFFFFF;
};

} // namespace hb::tessary
