#pragma once
#include "platform/win/WinTypes.h"
#include "platform/win/gdi/DisplayList.h"
#include "platform/win/gdi/GdiTypes.h"

#include <string_view>

struct TEXTMETRIC {
    LONG tmHeight = 0;
    LONG tmAscent = 0;
    LONG tmDescent = 0;
    LONG tmInternalLeading = 0;
    LONG tmExternalLeading = 0;
    LONG tmAveCharWidth = 0;
    LONG tmMaxCharWidth = 0;
    LONG tmWeight = 0;
};
using LPTEXTMETRIC = TEXTMETRIC*;

// The metrics of the font selected into the DC.
BOOL GetTextMetrics(HDC hdc, TEXTMETRIC* metrics);
// The size of the first `length` bytes of `text` in the selected font.
BOOL GetTextExtentPoint32(HDC hdc, LPCSTR text, int length, SIZE* size);

namespace hb::win {

// Text metrics are a fixed rule, the same on every machine, so that layout is testable:
// - the cell height is |lfHeight|, or 16 for a height of 0;
// - every character is as wide as the average width: lfWidth when given, else the cell height
//   * 7/16 rounded, plus 1 for a bold font (weight 700 and above);
// - the widest character is twice the average, or the average in a fixed-pitch font;
// - the descent is a fifth of the cell height, the ascent the rest; there is no leading.
TEXTMETRIC MetricsOf(const FontState& font);
// The one place text is measured: characters (UTF-8 sequences count once) times the average
// width, by the cell height.
SIZE MeasureText(const FontState& font, std::string_view text);

} // namespace hb::win
