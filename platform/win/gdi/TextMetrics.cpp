#include "platform/win/gdi/TextMetrics.h"

#include "platform/win/gdi/DcTable.h"
#include "platform/win/gdi/Fonts.h"

#include <algorithm>
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

TEXTMETRIC MetricsOf(const FontState& font) {
    TEXTMETRIC tm;
    tm.tmHeight = font.height == 0 ? 16 : std::abs(font.height);
    tm.tmDescent = tm.tmHeight / 5;
    tm.tmAscent = tm.tmHeight - tm.tmDescent;
    tm.tmAveCharWidth =
        font.width > 0 ? font.width : (tm.tmHeight * 7 + 8) / 16 + (font.weight >= FW_BOLD ? 1 : 0);
    const bool fixedPitch = (font.pitchAndFamily & 0x03) == FIXED_PITCH;
    tm.tmMaxCharWidth = fixedPitch ? tm.tmAveCharWidth : 2 * tm.tmAveCharWidth;
    tm.tmWeight = font.weight;
    return tm;
}

SIZE MeasureText(const FontState& font, std::string_view text) {
    const TEXTMETRIC tm = MetricsOf(font);
    const auto characters = std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    return {static_cast<LONG>(characters) * tm.tmAveCharWidth, tm.tmHeight};
}

} // namespace hb::win
