#include "platform/tessary/app/CoolButton.h"

#include "platform/afx/CDC.h"
#include "platform/afx/CPaintDC.h"

IMPLEMENT_DYNAMIC(CCoolButton, CButton)

BEGIN_MESSAGE_MAP(CCoolButton, CButton)
ON_WM_PAINT()
END_MESSAGE_MAP()

namespace {

// Loads the look when it has an id; a look that does not load is left empty.
void LoadLook(CBitmap& look, UINT id) {
    look.DeleteObject();
    if (id != 0) {
        look.LoadBitmap(id);
    }
}

} // namespace

BOOL CCoolButton::LoadBitmaps(UINT nIDNormal, UINT nIDSelected, UINT nIDFocus) {
    LoadLook(m_normal, nIDNormal);
    LoadLook(m_selected, nIDSelected);
    LoadLook(m_focus, nIDFocus);
    Invalidate();
    return m_normal.m_hObject ? TRUE : FALSE;
}

HBITMAP CCoolButton::GetCurrentBitmap() const {
    if (!m_normal.m_hObject) {
        return {};
    }
    const UINT state = GetState();
    if ((state & BST_PUSHED) && m_selected.m_hObject) {
        return m_selected;
    }
    if ((state & BST_FOCUS) && m_focus.m_hObject) {
        return m_focus;
    }
    return m_normal;
}

void CCoolButton::OnPaint() {
    const HBITMAP picture = GetCurrentBitmap();
    if (!picture) {
        Default();
        return;
    }
    CPaintDC dc(this);
    CDC pictureDC;
    pictureDC.CreateCompatibleDC(&dc);
    CBitmap* previous = pictureDC.SelectObject(CBitmap::FromHandle(picture));
    BITMAP size{};
    CBitmap::FromHandle(picture)->GetBitmap(&size);
    dc.BitBlt(0, 0, size.bmWidth, size.bmHeight, &pictureDC, 0, 0, SRCCOPY);
    pictureDC.SelectObject(previous);
}
