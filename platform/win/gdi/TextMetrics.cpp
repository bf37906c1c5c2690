#include "platform/win/gdi/TextMetrics.h"

#include "platform/win/gdi/CodePoints.h"
#include "platform/win/gdi/DcTable.h"
#include "platform/win/gdi/FaceWidths.h"
#include "platform/win/gdi/Fonts.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

using namespace hb::win;
using namespace hb::win::detail;

BOOL GetTextMetrics(HDC hdc, TEXTMETRIC* metrics) {
    const DeviceContext* dc = Dcs().Find(hdc);
    if (!dc || !metrics) {
        return FALSE;
    }
    *metrics = hb::win::MetricsOf(dc->state.font);
    return TRUE;
}

BOOL GetTextExtentPoint32(HDC hdc, LPCSTR text, int length, SIZE* size) {
    const DeviceContext* dc = Dcs().Find(hdc);
    if (!dc || !size || length < 0 || (!text && length > 0)) {
        return FALSE;
    }
    *size = hb::win::MeasureText(
        dc->state.font, std::string_view(text ? text : "", static_cast<std::size_t>(length)));
    return TRUE;
}

namespace hb::win {

namespace {

constexpr LONG kDefaultCell = 16;

// The mean advance of A-Z and a-z, in font units.
double LetterAverage(const FaceWidths& widths) {
    int sum = 0;
    for (char32_t c = 'A'; c <= 'Z'; ++c) {
        sum +=
            widths.advances[c - kFirstMeasured] + widths.advances[c - 'A' + 'a' - kFirstMeasured];
    }
    return sum / 52.0;
}

double EmSizeOf(const FontState& font, const FaceWidths& widths) {
    if (font.height < 0) {
        return -font.height;
    }
    const LONG cell = font.height == 0 ? kDefaultCell : font.height;
    return static_cast<double>(cell) * widths.unitsPerEm / (widths.ascent + widths.descent);
}

LONG Pixels(double units, const FaceWidths& widths, const FontScale& scale) {
    return std::lround(units * scale.emSize * scale.stretch / widths.unitsPerEm);
}

} // namespace

FontScale ScaleOf(const FontState& font) {
    const FaceWidths& widths = WidthsOf(StandInFaceOf(font));
    FontScale scale{EmSizeOf(font, widths), 1.0};
    if (font.width > 0) {
        scale.stretch = font.width * widths.unitsPerEm / (LetterAverage(widths) * scale.emSize);
    }
    return scale;
}

TEXTMETRIC MetricsOf(const FontState& font) {
    const FaceWidths& widths = WidthsOf(StandInFaceOf(font));
    const FontScale scale = ScaleOf(font);
    const FontScale upright{scale.emSize, 1.0};
    const LONG cell = font.height > 0 ? font.height : font.height == 0 ? kDefaultCell : 0;
    TEXTMETRIC tm;
    tm.tmDescent = Pixels(widths.descent, widths, upright);
    tm.tmAscent = cell > 0 ? cell - tm.tmDescent : Pixels(widths.ascent, widths, upright);
    tm.tmHeight = tm.tmAscent + tm.tmDescent;
    tm.tmInternalLeading = std::max<LONG>(0, tm.tmHeight - std::lround(scale.emSize));
    tm.tmAveCharWidth = font.width > 0 ? font.width : Pixels(LetterAverage(widths), widths, scale);
    tm.tmMaxCharWidth = Pixels(widths.widest, widths, scale);
    tm.tmWeight = font.weight;
    return tm;
}

SIZE MeasureText(const FontState& font, std::string_view text) {
    const FaceWidths& widths = WidthsOf(StandInFaceOf(font));
    const FontScale scale = ScaleOf(font);
    const double unknown = LetterAverage(widths);
    double units = 0;
    for (const char32_t c : CodePointsOf(text)) {
        units += c >= kFirstMeasured && c <= kLastMeasured ? widths.advances[c - kFirstMeasured]
                                                           : unknown;
    }
    // Rounded up, so that the drawn run never passes the box; the small allowance keeps an exact
    // whole number of pixels from rounding up through the arithmetic's last bit.
    const double pixels = units * scale.emSize * scale.stretch / widths.unitsPerEm;
    return {static_cast<LONG>(std::ceil(pixels - 1e-6)), MetricsOf(font).tmHeight};
}

} // namespace hb::win
