#include "platform/toolkit/CXTPButton.h"

#include "platform/afx/CFont.h"
#include "platform/afx/CPaintDC.h"
#include "platform/afx/EventSinkMap.h"
#include "platform/afx/res/ResourceLoading.h"
#include "platform/toolkit/Drawing.h"

#include <vector>

IMPLEMENT_DYNAMIC(CXTPButton, CButton)

BEGIN_MESSAGE_MAP(CXTPButton, CButton)
ON_WM_PAINT()
ON_WM_RBUTTONUP()
ON_WM_MOUSEMOVE()
ON_MESSAGE(WM_MBUTTONUP, &CXTPButton::OnMButtonUp)
END_MESSAGE_MAP()

namespace {

HICON LoadIconResource(UINT id) {
    if (id == 0) {
        return {};
    }
    const LPCSTR name = MAKEINTRESOURCE(id);
    return ::LoadIcon(AfxFindResourceHandle(name, RT_GROUP_ICON), name);
}

short ShiftState() {
    return static_cast<short>(((::GetKeyState(VK_SHIFT) & 0x8000) ? 1 : 0) |
                              ((::GetKeyState(VK_CONTROL) & 0x8000) ? 2 : 0) |
                              ((::GetKeyState(VK_MENU) & 0x8000) ? 4 : 0));
}

} // namespace

CXTPButton::~CXTPButton() {
    ReleaseIcons();
}

void CXTPButton::ReleaseIcons() {
    if (m_bOwnIcons) {
        for (const HICON icon : {m_icon, m_iconChecked}) {
            if (icon) {
                ::DestroyIcon(icon);
            }
        }
    }
    m_icon = {};
    m_iconChecked = {};
    m_bOwnIcons = false;
}

void CXTPButton::SetChecked(BOOL bChecked) {
    if (!m_bChecked != !bChecked) {
        m_bChecked = bChecked ? TRUE : FALSE;
        Invalidate();
    }
}

BOOL CXTPButton::SetIcon(CSize size, UINT nID, UINT nCheckedID, BOOL bRedraw) {
    const HICON icon = LoadIconResource(nID);
    const HICON checked = icon ? LoadIconResource(nCheckedID) : HICON{};
    const BOOL set = SetIcon(size, icon, checked, bRedraw);
    m_bOwnIcons = icon != HICON{};
    return set;
}

BOOL CXTPButton::SetIcon(CSize size, HICON hIcon, HICON hIconChecked, BOOL bRedraw) {
    ReleaseIcons();
    m_icon = hIcon;
    m_iconChecked = hIconChecked;
    m_iconSize = hIcon ? size : CSize();
    if (bRedraw && m_hWnd) {
        Invalidate();
    }
    return hIcon ? TRUE : FALSE;
}

HICON CXTPButton::GetButtonIcon() const {
    return m_bChecked && m_iconChecked ? m_iconChecked : m_icon;
}

void CXTPButton::SetTheme(CXTPButtonTheme* pTheme) {
    m_theme.reset(pTheme);
    if (m_hWnd) {
        Invalidate();
    }
}

void CXTPButton::SetTextImageGap(int nGap) {
    m_textImageGap = nGap;
    if (m_hWnd) {
        Invalidate();
    }
}

BOOL CXTPButton::IsPushed() const {
    return (GetState() & BST_PUSHED) != 0 ? TRUE : FALSE;
}

BOOL CXTPButton::IsFocused() const {
    return m_hWnd && ::GetFocus() == m_hWnd ? TRUE : FALSE;
}

void CXTPButton::SetPushButtonStyle(int nStyle) {
    m_nPushButtonStyle = nStyle;
    if (m_hWnd) {
        Invalidate();
    }
}

// A themed button holds the mouse while it is over it, so that it hears when the mouse leaves; a
// press holds the mouse anyway until it ends. The plain look shows no highlight.
void CXTPButton::OnMouseMove(UINT, CPoint point) {
    if (!m_theme) {
        return;
    }
    CRect client;
    GetClientRect(&client);
    const BOOL over = client.PtInRect(point);
    if (over == m_bHighlighted) {
        return;
    }
    if (over && !::GetCapture()) {
        ::SetCapture(m_hWnd);
    } else if (!over && ::GetCapture() == m_hWnd && !IsPushed()) {
        ::ReleaseCapture();
    }
    m_bHighlighted = over;
    Invalidate();
}

void CXTPButton::OnPaint() {
    CPaintDC dc(this);
    if (m_theme) {
        m_theme->DrawButton(&dc, this);
        return;
    }
    CRect client;
    GetClientRect(&client);
    const UINT state = GetState();
    hb::toolkit::detail::DrawFace(
        dc, client, {(state & BST_PUSHED) != 0, m_bChecked != FALSE, IsWindowEnabled() != FALSE});
    const HICON icon = GetButtonIcon();
    CString text;
    GetWindowText(text);
    const CFont* own = GetFont();
    dc.SelectObject(CFont::FromHandle(hb::toolkit::detail::FontFor(own ? HFONT(*own) : HFONT{})));
    // A disabled button shows its icon greyed.
    const UINT look = IsWindowEnabled() ? DSS_NORMAL : DSS_DISABLED;
    const auto drawIcon = [&](int x, int y) {
        ::DrawState(dc, HBRUSH{}, nullptr, hb::win::ParamFromHandle(icon), 0, x, y, m_iconSize.cx,
                    m_iconSize.cy, DST_ICON | look);
    };
    if (!icon) {
        hb::toolkit::detail::DrawCentredText(dc, client, text);
    } else if (text.IsEmpty()) {
        drawIcon(client.left + (client.Width() - m_iconSize.cx) / 2,
                 client.top + (client.Height() - m_iconSize.cy) / 2);
    } else {
        // The icon at the left and the caption beside it, so a row of such buttons reads.
        constexpr int kMargin = 6;
        drawIcon(client.left + kMargin, client.top + (client.Height() - m_iconSize.cy) / 2);
        CRect caption = client;
        caption.left += kMargin + m_iconSize.cx + m_textImageGap.value_or(kMargin);
        caption.DeflateRect(0, 2, kMargin, 2);
        hb::toolkit::detail::DrawWrappedText(dc, caption, text);
    }
    if (state & BST_FOCUS) {
        CRect focus = client;
        focus.DeflateRect(3, 3);
        dc.DrawFocusRect(focus);
    }
}

void CXTPButton::OnRButtonUp(UINT, CPoint point) {
    FireMouseUp(2, point);
}

LRESULT CXTPButton::OnMButtonUp(WPARAM, LPARAM lParam) {
    FireMouseUp(4, CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
    return 0;
}

void CXTPButton::FireMouseUp(short button, CPoint point) {
    std::vector<hb::afx::EventArg> args{button, ShiftState(), static_cast<std::int32_t>(point.x),
                                        static_cast<std::int32_t>(point.y)};
    hb::afx::FireEvent(m_hWnd, XTP_BUTTON_EVENT_MOUSEUP, args);
}
