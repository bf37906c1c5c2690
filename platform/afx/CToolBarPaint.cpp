#include "platform/afx/CPaintDC.h"
#include "platform/afx/CToolBar.h"

void CToolBar::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(client, ::GetSysColor(COLOR_BTNFACE));
    DrawGripper(dc);
    for (int index = 0; index < GetCount(); ++index) {
        const Button& button = m_buttons[static_cast<std::size_t>(index)];
        if (button.id) {
            DrawButton(dc, button, index == m_nPressed);
        }
    }
}

void CToolBar::DrawGripper(CDC& dc) const {
    const CRect grip = GripperRect();
    if (grip.IsRectEmpty()) {
        return;
    }
    // Two raised ridges across the bar's start.
    const COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shade = ::GetSysColor(COLOR_BTNSHADOW);
    if (IsVertical()) {
        dc.Draw3dRect(grip.left + 3, grip.top + 2, grip.Width() - 6, 3, light, shade);
        dc.Draw3dRect(grip.left + 3, grip.top + 5, grip.Width() - 6, 3, light, shade);
    } else {
        dc.Draw3dRect(grip.left + 2, grip.top + 3, 3, grip.Height() - 6, light, shade);
        dc.Draw3dRect(grip.left + 5, grip.top + 3, 3, grip.Height() - 6, light, shade);
    }
}

void CToolBar::DrawButton(CDC& dc, const Button& button, bool pressed) const {
    const bool checked = (button.state & TBBS_CHECKED) != 0;
    const bool enabled = (button.state & TBBS_DISABLED) == 0;
    if (pressed || checked) {
        dc.Draw3dRect(&button.rect, ::GetSysColor(COLOR_BTNSHADOW),
                      ::GetSysColor(COLOR_BTNHIGHLIGHT));
    }
    const int shift = pressed || checked ? 1 : 0;
    const int x = button.rect.left + (button.rect.Width() - m_sizeImage.cx) / 2 + shift;
    const int y = button.rect.top + (button.rect.Height() - m_sizeImage.cy) / 2 + shift;
    if (!m_images || button.image >= ::ImageList_GetImageCount(m_images)) {
        dc.Draw3dRect(x, y, m_sizeImage.cx, m_sizeImage.cy, ::GetSysColor(COLOR_BTNSHADOW),
                      ::GetSysColor(COLOR_BTNSHADOW));
        return;
    }
    if (enabled) {
        ::ImageList_Draw(m_images, button.image, dc, x, y, ILD_TRANSPARENT);
        return;
    }
    // A disabled command shows its own picture, greyed.
    const HICON icon = ::ImageList_GetIcon(m_images, button.image, ILD_TRANSPARENT);
    ::DrawState(dc, HBRUSH{}, nullptr, hb::win::ParamFromHandle(icon), 0, x, y, m_sizeImage.cx,
                m_sizeImage.cy, DST_ICON | DSS_DISABLED);
    ::DestroyIcon(icon);
}
