#include "platform/toolkit/Drawing.h"

#include "platform/afx/CBrush.h"
#include "platform/toolkit/CXTAuxData.h"

#include <algorithm>

namespace hb::toolkit::detail {

namespace {

// A DC of the screen with the font selected, for measuring.
class MeasuringDC {
public:
    explicit MeasuringDC(HFONT font) : m_dc(::GetDC(HWND{})) { ::SelectObject(m_dc, font); }
    ~MeasuringDC() { ::ReleaseDC(HWND{}, m_dc); }
    MeasuringDC(const MeasuringDC&) = delete;
    MeasuringDC& operator=(const MeasuringDC&) = delete;

    operator HDC() const { return m_dc; }

private:
    HDC m_dc;
};

} // namespace

HFONT FontFor(HFONT own) {
    if (own) {
        return own;
    }
    if (const HFONT global = XTAuxData().GetGlobalFont()) {
        return global;
    }
    return HFONT(::GetStockObject(DEFAULT_GUI_FONT));
}

int LineHeight(HFONT font) {
    const MeasuringDC dc(font);
    TEXTMETRIC metrics{};
    ::GetTextMetrics(dc, &metrics);
    return metrics.tmHeight;
}

int TextWidth(HFONT font, const CString& text) {
    const MeasuringDC dc(font);
    SIZE size{};
    ::GetTextExtentPoint32(dc, text.GetString(), text.GetLength(), &size);
    return size.cx;
}

void DrawFace(CDC& dc, const CRect& rect, FaceLook look) {
    const bool down = look.pressed || look.checked;
    dc.FillSolidRect(rect,
                     ::GetSysColor(look.checked && !look.pressed ? COLOR_3DLIGHT : COLOR_BTNFACE));
    CRect edge = rect;
    dc.DrawEdge(edge, down ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(::GetSysColor(look.enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
}

void DrawCentredText(CDC& dc, const CRect& rect, const CString& text) {
    CRect box = rect;
    dc.DrawText(text, box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void DrawWrappedText(CDC& dc, const CRect& rect, const CString& text) {
    CRect box = rect;
    if (dc.GetTextExtent(text).cx <= rect.Width()) {
        dc.DrawText(text, box, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        return;
    }
    CRect measured = rect;
    const int height = dc.DrawText(text, measured, DT_LEFT | DT_WORDBREAK | DT_CALCRECT);
    box.top += std::max(0, (rect.Height() - height) / 2);
    dc.DrawText(text, box, DT_LEFT | DT_WORDBREAK | DT_END_ELLIPSIS);
}

void DrawImagePlaceholder(CDC& dc, const CRect& rect, const CString& name) {
    CBrush* frame = CBrush::FromHandle(::GetSysColorBrush(COLOR_BTNSHADOW));
    dc.FrameRect(rect, frame);
    DrawCentredText(dc, rect, name);
}

} // namespace hb::toolkit::detail
