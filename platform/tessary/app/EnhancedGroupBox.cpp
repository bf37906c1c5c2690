#include "platform/tessary/app/EnhancedGroupBox.h"

#include "platform/afx/CPaintDC.h"
#include "platform/afx/CPen.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/win/gdi/DeviceContext.h"
#include "platform/win/gdi/Objects.h"

IMPLEMENT_DYNAMIC(CEnhancedGroupBox, CButton)

BEGIN_MESSAGE_MAP(CEnhancedGroupBox, CButton)
ON_WM_PAINT()
END_MESSAGE_MAP()

namespace {

constexpr int kCorner = 9;
constexpr int kCaptionIndent = 8;

} // namespace

void CEnhancedGroupBox::OnPaint() {
    const CScanApp* app = CScanApp::GetScanApp();
    const COLORREF frame = app ? app->Color(kFrameColor) : 0;
    // Made before the DC, so that it outlives its selection there.
    CPen pen(PS_SOLID, 1, frame);
    CPaintDC dc(this);
    const COLORREF back = app ? app->Color(kBackColor) : 0xFFFFFF;
    const COLORREF text = app ? app->Color(kTextColor) : 0;
    if (HFONT font = app ? app->GetListFont() : HFONT{}) {
        ::SelectObject(dc.m_hDC, font);
    }
    CString caption;
    GetWindowText(caption);
    caption.Trim();
    const CString title = caption.IsEmpty() ? CString() : CString(" " + caption.str() + " ");
    const CSize extent = dc.GetTextExtent(title);
    CRect client;
    GetClientRect(&client);
    // The frame runs through the middle of the caption's line.
    CRect box = client;
    box.top += extent.cy / 2;
    dc.SelectObject(&pen);
    ::SelectObject(dc.m_hDC, ::GetStockObject(HOLLOW_BRUSH));
    dc.RoundRect(&box, CPoint(kCorner, kCorner));
    if (!title.IsEmpty()) {
        const CRect place(client.left + kCaptionIndent, client.top,
                          client.left + kCaptionIndent + extent.cx, client.top + extent.cy);
        dc.FillSolidRect(&place, back);
        ::SetBkMode(dc.m_hDC, TRANSPARENT);
        ::SetTextColor(dc.m_hDC, text);
        dc.TextOut(place.left, place.top, title);
    }
}
