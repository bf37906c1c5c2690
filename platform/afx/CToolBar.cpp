#include "platform/afx/CToolBar.h"

#include "platform/afx/CCmdUI.h"
#include "platform/afx/CFrameWnd.h"
#include "platform/afx/CPaintDC.h"
#include "platform/afx/res/ResourceChain.h"
#include "platform/afx/res/StringLookup.h"
#include "platform/afx/res/ToolBarImages.h"

#include <algorithm>
#include <string>
#include <utility>

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_NOTIFY_EX(TTN_NEEDTEXT, 0, &CToolBar::OnToolTipText)
END_MESSAGE_MAP()

namespace {

constexpr int kBorder = 2;
constexpr int kGripper = 8;
constexpr int kSeparator = 6;
constexpr int kButtonPadding = 7;

// The state a command's update handler gives a button.
class CToolCmdUI : public CCmdUI {
public:
    explicit CToolCmdUI(CToolBar& bar) : m_bar(bar) {}

    void Enable(BOOL bOn) override {
        m_bEnableChanged = TRUE;
        Apply(TBBS_DISABLED, !bOn);
    }
    void SetCheck(int nCheck) override { Apply(TBBS_CHECKED, nCheck != 0); }

private:
    void Apply(UINT bit, bool on) {
        const int index = static_cast<int>(m_nIndex);
        const UINT state = m_bar.GetButtonStyle(index);
        m_bar.SetButtonState(index, on ? state | bit : state & ~bit);
    }

    CToolBar& m_bar;
};

} // namespace

CToolBar::~CToolBar() {
    if (m_images) {
        ::ImageList_Destroy(m_images);
    }
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD, DWORD dwStyle, CRect, UINT nID) {
    if (m_hWnd || !pParentWnd || !pParentWnd->m_hWnd) {
        return FALSE;
    }
    m_dwStyle = dwStyle & CBRS_ALL;
    const DWORD windowStyle = (dwStyle & ~CBRS_ALL) | WS_CHILD;
    if (!CWnd::CreateEx(0, nullptr, "", windowStyle, 0, 0, 0, 0, pParentWnd->m_hWnd, nID)) {
        return FALSE;
    }
    if (m_dwStyle & CBRS_TOOLTIPS) {
        EnableToolTips(TRUE);
    }
    return TRUE;
}

BOOL CToolBar::LoadToolBar(UINT nIDResource) {
    const hb::afx::ToolBarResource* resource = hb::afx::FindToolBarResource(nIDResource);
    if (!resource) {
        return FALSE;
    }
    if (m_images) {
        ::ImageList_Destroy(m_images);
    }
    m_images = hb::afx::LoadToolBarImages(*resource);
    m_sizeImage = CSize(resource->buttonCx, resource->buttonCy);
    m_buttons.clear();
    int picture = 0;
    for (const UINT id : resource->buttons) {
        m_buttons.push_back({id, id ? picture++ : -1, id ? 0u : TBBS_SEPARATOR, {}});
    }
    LayoutButtons();
    if (CFrameWnd* frame = GetParentFrame()) {
        frame->RecalcLayout();
    }
    return TRUE;
}

UINT CToolBar::GetItemID(int nIndex) const {
    return nIndex >= 0 && nIndex < GetCount() ? m_buttons[static_cast<std::size_t>(nIndex)].id : 0;
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const {
    *lpRect = nIndex >= 0 && nIndex < GetCount() ? m_buttons[static_cast<std::size_t>(nIndex)].rect
                                                 : CRect();
}

UINT CToolBar::GetButtonStyle(int nIndex) const {
    return nIndex >= 0 && nIndex < GetCount() ? m_buttons[static_cast<std::size_t>(nIndex)].state
                                              : 0;
}

void CToolBar::SetButtonState(int nIndex, UINT nState) {
    if (nIndex < 0 || nIndex >= GetCount()) {
        return;
    }
    Button& button = m_buttons[static_cast<std::size_t>(nIndex)];
    if (button.state != nState) {
        button.state = nState;
        InvalidateRect(&button.rect, FALSE);
    }
}

int CToolBar::CommandToIndex(UINT nIDFind) const {
    for (int index = 0; index < GetCount(); ++index) {
        if (nIDFind != 0 && m_buttons[static_cast<std::size_t>(index)].id == nIDFind) {
            return index;
        }
    }
    return -1;
}

CString CToolBar::GetButtonTip(int nIndex) const {
    const std::string text = hb::afx::LoadResourceString(GetItemID(nIndex)).value_or("");
    const std::size_t newline = text.find('\n');
    return newline == std::string::npos ? text.c_str() : text.substr(newline + 1).c_str();
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
    CToolCmdUI state(*this);
    for (int index = 0; index < GetCount(); ++index) {
        const UINT id = m_buttons[static_cast<std::size_t>(index)].id;
        if (id == 0) {
            continue;
        }
        state.m_nID = id;
        state.m_nIndex = static_cast<UINT>(index);
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}

bool CToolBar::IsVertical() const {
    return (m_dwStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) != 0;
}

CRect CToolBar::GripperRect() const {
    if (!(m_dwStyle & CBRS_GRIPPER)) {
        return {};
    }
    CRect client;
    GetClientRect(&client);
    return IsVertical() ? CRect(0, 0, client.right, kGripper)
                        : CRect(0, 0, kGripper, client.bottom);
}

void CToolBar::LayoutButtons() {
    const bool vertical = IsVertical();
    const int grip = (m_dwStyle & CBRS_GRIPPER) ? kGripper : 0;
    const CSize button(m_sizeImage.cx + kButtonPadding, m_sizeImage.cy + kButtonPadding);
    int along = kBorder + grip;
    for (Button& each : m_buttons) {
        const int length = each.id ? (vertical ? button.cy : button.cx) : kSeparator;
        each.rect = vertical ? CRect(kBorder, along, kBorder + button.cx, along + length)
                             : CRect(along, kBorder, along + length, kBorder + button.cy);
        along += length;
    }
}

CSize CToolBar::CalcFixedLayout(BOOL, BOOL bHorz) {
    const int grip = (m_dwStyle & CBRS_GRIPPER) ? kGripper : 0;
    int along = 2 * kBorder + grip;
    for (const Button& each : m_buttons) {
        along += each.id ? (bHorz ? m_sizeImage.cx : m_sizeImage.cy) + kButtonPadding : kSeparator;
    }
    const int across = 2 * kBorder + (bHorz ? m_sizeImage.cy : m_sizeImage.cx) + kButtonPadding;
    LayoutButtons();
    return bHorz ? CSize(along, across) : CSize(across, along);
}

int CToolBar::ButtonAt(CPoint point) const {
    for (int index = 0; index < GetCount(); ++index) {
        const Button& each = m_buttons[static_cast<std::size_t>(index)];
        if (each.id && each.rect.PtInRect(point)) {
            return index;
        }
    }
    return -1;
}

INT_PTR CToolBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const {
    const int index = ButtonAt(point);
    if (index < 0) {
        return -1;
    }
    if (pTI) {
        pTI->hwnd = m_hWnd;
        pTI->uId = static_cast<UINT_PTR>(index) + 1;
        pTI->rect = m_buttons[static_cast<std::size_t>(index)].rect;
        pTI->lpszText = LPSTR_TEXTCALLBACK;
    }
    return static_cast<INT_PTR>(GetItemID(index));
}

BOOL CToolBar::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult) {
    auto* info = reinterpret_cast<TOOLTIPTEXTA*>(pNMHDR);
    m_strTip = GetButtonTip(static_cast<int>(pNMHDR->idFrom) - 1);
    info->lpszText = const_cast<LPSTR>(static_cast<LPCSTR>(m_strTip));
    *pResult = 0;
    return TRUE;
}

void CToolBar::OnLButtonDown(UINT, CPoint point) {
    if (GripperRect().PtInRect(point)) {
        m_bDragging = true;
        ::SetCapture(m_hWnd);
        return;
    }
    const int index = ButtonAt(point);
    if (index < 0 || (GetButtonStyle(index) & TBBS_DISABLED)) {
        return;
    }
    m_nPressed = index;
    ::SetCapture(m_hWnd);
    Invalidate(FALSE);
}

void CToolBar::OnLButtonUp(UINT, CPoint point) {
    if (::GetCapture() == m_hWnd) {
        ::ReleaseCapture();
    }
    if (m_bDragging) {
        m_bDragging = false;
        DockNearest(point);
        return;
    }
    const int pressed = std::exchange(m_nPressed, -1);
    if (pressed < 0) {
        return;
    }
    Invalidate(FALSE);
    if (ButtonAt(point) != pressed || (GetButtonStyle(pressed) & TBBS_DISABLED)) {
        return;
    }
    if (CFrameWnd* frame = GetParentFrame()) {
        frame->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(GetItemID(pressed)), 0),
                           hb::win::ParamFromHandle(m_hWnd));
    }
}

void CToolBar::DockNearest(CPoint point) {
    CFrameWnd* frame = GetParentFrame();
    if (!frame) {
        return;
    }
    ClientToScreen(&point);
    frame->ScreenToClient(&point);
    CRect client;
    frame->GetClientRect(&client);
    struct Side {
        DWORD align;
        UINT dockBar;
        LONG distance;
    };
    const Side sides[] = {
        {CBRS_ALIGN_TOP, AFX_IDW_DOCKBAR_TOP, point.y - client.top},
        {CBRS_ALIGN_BOTTOM, AFX_IDW_DOCKBAR_BOTTOM, client.bottom - point.y},
        {CBRS_ALIGN_LEFT, AFX_IDW_DOCKBAR_LEFT, point.x - client.left},
        {CBRS_ALIGN_RIGHT, AFX_IDW_DOCKBAR_RIGHT, client.right - point.x},
    };
    const Side* nearest = nullptr;
    for (const Side& side : sides) {
        if ((m_dwDockStyle & side.align) && (frame->GetDockingSides() & side.align) &&
            (!nearest || side.distance < nearest->distance)) {
            nearest = &side;
        }
    }
    if (nearest) {
        frame->DockControlBar(this, nearest->dockBar);
    }
}
