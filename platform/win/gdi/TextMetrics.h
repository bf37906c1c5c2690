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

// How a font is drawn: its stand-in face at `emSize` pixels, stretched across by `stretch`.
struct FontScale {
    double emSize = 0;
    double stretch = 1;
};

// Text is measured with the advance widths of the font's stand-in face (hb::win::StandInFaceOf),
// unhinted, from tables built into the program: the same on every machine, and what the screen
// draws.
// - A negative height is the em size, a positive one the cell height, 0 a cell of 16 pixels.
// - The cell is the face's ascent plus descent at that size; there is no external leading.
// - The average width is the mean advance of the 52 Latin letters; a font created with a width
//   has that average, its face stretched across to match.
FontScale ScaleOf(const FontState& font);
TEXTMETRIC MetricsOf(const FontState& font);
// The one place text is measured: the advances of its characters (UTF-8, and bytes that are not
// UTF-8 as Latin-1), summed unrounded and rounded up once, by the cell height.
SIZE MeasureText(const FontState& font, std::string_view text);

} // namespace hb::win
