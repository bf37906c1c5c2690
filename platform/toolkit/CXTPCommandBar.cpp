#include "platform/toolkit/CXTPCommandBar.h"

#include "platform/afx/CCmdUI.h"
#include "platform/afx/CFont.h"
#include "platform/afx/CFrameWnd.h"
#include "platform/afx/CPaintDC.h"
#include "platform/records/ToolkitMessages.h"
#include "platform/toolkit/CXTPCommandBars.h"
#include "platform/toolkit/CXTPImageManager.h"
#include "platform/toolkit/CommandText.h"
#include "platform/toolkit/Drawing.h"
#include "platform/toolkit/Strips.h"
#include "platform/win/menu/Menus.h"

#include <algorithm>
#include <utility>

IMPLEMENT_DYNAMIC(CXTPCommandBar, CWnd)

BEGIN_MESSAGE_MAP(CXTPCommandBar, CWnd)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_LBUTTONUP()
ON_WM_RBUTTONUP()
ON_WM_MOUSEMOVE()
ON_MESSAGE(WM_MOUSELEAVE, &CXTPCommandBar::OnMouseLeave)
ON_NOTIFY_EX(TTN_NEEDTEXT, 0, &CXTPCommandBar::OnToolTipText)
ON_MESSAGE(WM_SIZEPARENT, &CXTPCommandBar::OnSizeParent)
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CXTPCommandBar::OnIdleUpdate)
ON_MESSAGE(WM_SETFONT, &CXTPCommandBar::OnSetFont)
ON_MESSAGE(WM_GETFONT, &CXTPCommandBar::OnGetFont)
END_MESSAGE_MAP()

namespace {

constexpr int kBorder = 2;
constexpr int kGroupGap = 8;
constexpr int kImagePadding = 8;
constexpr int kTextPadding = 16;
// A control's own icon (CXTPImageManager) is drawn small, before its caption.
constexpr int kOwnIconSize = 16;
constexpr int kOwnIconGap = 4;

// The state a command's update handler gives a control.
class CControlCmdUI : public CCmdUI {
public:
    explicit CControlCmdUI(CXTPControl& control) : m_control(control) {}

    void Enable(BOOL bOn) override {
        m_bEnableChanged = TRUE;
        m_control.SetEnabled(bOn);
    }
    void SetCheck(int nCheck) override { m_control.SetChecked(nCheck != 0); }
    void SetText(LPCSTR lpszText) override { m_control.SetCaption(lpszText); }

private:
    CXTPControl& m_control;
};

SIZE ImageSize(HIMAGELIST images) {
    SIZE size{0, 0};
    if (images) {
        ::ImageList_GetIconSize(images, reinterpret_cast<int*>(&size.cx),
                                reinterpret_cast<int*>(&size.cy));
    }
    return size;
}

bool HasOwnIcon(const CXTPControl& control) {
    return control.GetIconId() != 0 &&
           XTPImageManager()->HasIcon(static_cast<UINT>(control.GetIconId()));
}

} // namespace

BOOL CXTPCommandBar::CreateBar(CXTPCommandBars* pCommandBars, LPCSTR lpszTitle,
                               XTPBarPosition position) {
    m_pCommandBars = pCommandBars;
    m_strTitle = lpszTitle;
    m_position = position;
    CFrameWnd* site = pCommandBars->GetSite();
    return site &&
           CreateEx(0, nullptr, lpszTitle, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, CRect(), site,
                    0) &&
           EnableToolTips();
}

void CXTPCommandBar::SetTitle(LPCSTR lpszTitle) {
    m_strTitle = lpszTitle;
    SetWindowText(lpszTitle);
}

BOOL CXTPCommandBar::IsVisible() const {
    return m_hWnd && (GetStyle() & WS_VISIBLE) ? TRUE : FALSE;
}

void CXTPCommandBar::SetVisible(BOOL bVisible) {
    if (m_hWnd && !IsVisible() != !bVisible) {
        ShowWindow(bVisible ? SW_SHOW : SW_HIDE);
        RecalcSiteLayout();
    }
}

void CXTPCommandBar::OnInitialUpdate() {
    OnUpdateCmdUI(TRUE);
    DelayLayout();
}

void CXTPCommandBar::OnUpdateCmdUI(BOOL bDisableIfNoHndler) {
    CFrameWnd* site = m_pCommandBars ? m_pCommandBars->GetSite() : nullptr;
    if (!site) {
        return;
    }
    // A handler may change the bar: each control is looked up afresh.
    for (int index = 0; CXTPControl* control = m_controls.GetAt(index); ++index) {
        if (control->GetType() != xtpControlButton || control->GetID() == 0 ||
            !control->IsVisible() || (control->GetFlags() & xtpFlagManualUpdate) != 0) {
            continue;
        }
        CControlCmdUI state(*control);
        state.m_nID = static_cast<UINT>(control->GetID());
        state.m_nIndex = static_cast<UINT>(index);
        state.DoUpdate(site, bDisableIfNoHndler);
    }
}

void CXTPCommandBar::DelayLayout() {
    // The controls move: a press no longer stands for the control under it.
    m_nPressed = -1;
    if (m_bCalculating) {
        return;
    }
    m_bLayoutDirty = true;
    DelayRedraw();
}

void CXTPCommandBar::OnRecalcLayout() {
    DelayLayout();
    EnsureLayout();
}

void CXTPCommandBar::DelayRedraw() {
    if (m_hWnd) {
        Invalidate();
    }
}

HFONT CXTPCommandBar::GetBarFont() const {
    return hb::toolkit::detail::FontFor(m_font);
}

int CXTPCommandBar::GetRowHeight() const {
    const int text = hb::toolkit::detail::LineHeight(GetBarFont()) + 10;
    return std::max<int>(text, ImageSize(GetImageList()).cy + 10);
}

void CXTPCommandBar::EnsureLayout() {
    if (!m_bLayoutDirty) {
        return;
    }
    m_bCalculating = true;
    // A control may add or remove controls after itself: each is looked up afresh.
    for (int index = 0; CXTPControl* control = m_controls.GetAt(index); ++index) {
        control->OnCalcDynamicSize();
    }
    m_bCalculating = false;
    m_bLayoutDirty = false;
    const HFONT font = GetBarFont();
    const SIZE image = ImageSize(GetImageList());
    const int height = GetRowHeight() - 2 * kBorder;
    int x = kBorder;
    for (int index = 0; CXTPControl* control = m_controls.GetAt(index); ++index) {
        if (!control->IsVisible()) {
            control->m_rect = CRect();
            continue;
        }
        if (control->GetBeginGroup() && x > kBorder) {
            x += kGroupGap;
        }
        const int width = ControlWidth(*control, font, image);
        control->m_rect = CRect(x, kBorder, x + width, kBorder + height);
        x += width;
    }
}

int CXTPCommandBar::ControlWidth(const CXTPControl& control, HFONT font, SIZE image) {
    if (control.GetIconIndex() >= 0 && image.cx > 0) {
        return image.cx + kImagePadding;
    }
    const int text = hb::toolkit::detail::TextWidth(font, control.GetCaption()) + kTextPadding;
    return HasOwnIcon(control) ? text + kOwnIconSize + kOwnIconGap : text;
}

int CXTPCommandBar::HitTest(CPoint point) {
    EnsureLayout();
    return ControlAt(point);
}

int CXTPCommandBar::ControlAt(CPoint point) const {
    for (int index = 0; const CXTPControl* control = m_controls.GetAt(index); ++index) {
        if (control->IsVisible() && control->m_rect.PtInRect(point)) {
            return index;
        }
    }
    return -1;
}

void CXTPCommandBar::OnMouseMove(UINT, CPoint point) {
    SetHot(HitTest(point));
}

LRESULT CXTPCommandBar::OnMouseLeave(WPARAM, LPARAM) {
    SetHot(-1);
    CancelToolTips();
    return 0;
}

void CXTPCommandBar::SetHot(int index) {
    const CXTPControl* control = m_controls.GetAt(index);
    if (control && control->GetID() == 0) {
        control = nullptr;
        index = -1;
    }
    if (index == m_nHot) {
        return;
    }
    m_nHot = index;
    if (control) {
        TRACKMOUSEEVENT track;
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = m_hWnd;
        ::TrackMouseEvent(&track);
    }
    if (CFrameWnd* site = m_pCommandBars ? m_pCommandBars->GetSite() : nullptr) {
        site->SendMessage(WM_SETMESSAGESTRING,
                          control ? static_cast<WPARAM>(control->GetID()) : AFX_IDS_IDLEMESSAGE);
    }
}

INT_PTR CXTPCommandBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const {
    const int index = ControlAt(point);
    const CXTPControl* control = m_controls.GetAt(index);
    if (!control || control->GetID() == 0) {
        return -1;
    }
    if (pTI) {
        pTI->hwnd = m_hWnd;
        pTI->uId = static_cast<UINT_PTR>(index) + 1;
        pTI->rect = control->m_rect;
        pTI->lpszText = LPSTR_TEXTCALLBACK;
    }
    return control->GetID();
}

BOOL CXTPCommandBar::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult) {
    auto* info = reinterpret_cast<TOOLTIPTEXTA*>(pNMHDR);
    const CXTPControl* control = m_controls.GetAt(static_cast<int>(pNMHDR->idFrom) - 1);
    m_strTip =
        control ? hb::toolkit::detail::CommandTip(static_cast<UINT>(control->GetID())) : CString();
    info->lpszText = const_cast<LPSTR>(static_cast<LPCSTR>(m_strTip));
    *pResult = 0;
    return TRUE;
}

void CXTPCommandBar::OnPaint() {
    CPaintDC dc(this);
    EnsureLayout();
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(client, ::GetSysColor(COLOR_BTNFACE));
    dc.SelectObject(CFont::FromHandle(GetBarFont()));
    for (int index = 0; index < m_controls.GetCount(); ++index) {
        DrawControl(dc, index);
    }
}

void CXTPCommandBar::DrawControl(CDC& dc, int index) {
    using namespace hb::toolkit::detail;
    const CXTPControl& control = *m_controls.GetAt(index);
    if (!control.IsVisible()) {
        return;
    }
    const CRect& rect = control.m_rect;
    if (control.GetBeginGroup() && rect.left > kBorder) {
        const CRect line(rect.left - kGroupGap / 2 - 1, rect.top + 2, rect.left - kGroupGap / 2 + 1,
                         rect.bottom - 2);
        CRect edge = line;
        dc.DrawEdge(edge, EDGE_ETCHED, BF_LEFT);
    }
    const FaceLook look{index == m_nPressed, control.GetChecked() != FALSE,
                        control.GetEnabled() != FALSE};
    if (look.pressed || look.checked) {
        DrawFace(dc, rect, look);
    } else {
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(::GetSysColor(look.enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    }
    const HIMAGELIST images = GetImageList();
    const SIZE image = ImageSize(images);
    if (control.GetIconIndex() < 0 || image.cx == 0) {
        if (HasOwnIcon(control)) {
            DrawOwnIconAndCaption(dc, control, look.enabled);
        } else {
            DrawCentredText(dc, rect, control.GetCaption());
        }
        return;
    }
    const CRect place(CPoint(rect.left + (rect.Width() - image.cx) / 2,
                             rect.top + (rect.Height() - image.cy) / 2),
                      image);
    if (control.GetIconIndex() >= ::ImageList_GetImageCount(images)) {
        DrawImagePlaceholder(dc, place, control.GetCaption());
    } else if (look.enabled) {
        ::ImageList_Draw(images, control.GetIconIndex(), dc, place.left, place.top,
                         ILD_TRANSPARENT);
    } else {
        // A disabled command shows its own picture, greyed.
        const HICON icon = ::ImageList_GetIcon(images, control.GetIconIndex(), ILD_TRANSPARENT);
        ::DrawState(dc, HBRUSH{}, nullptr, hb::win::ParamFromHandle(icon), 0, place.left, place.top,
                    image.cx, image.cy, DST_ICON | DSS_DISABLED);
        ::DestroyIcon(icon);
    }
}

void CXTPCommandBar::DrawOwnIconAndCaption(CDC& dc, const CXTPControl& control, bool enabled) {
    const CRect& rect = control.m_rect;
    const CRect place(
        CPoint(rect.left + kTextPadding / 2, rect.top + (rect.Height() - kOwnIconSize) / 2),
        CSize(kOwnIconSize, kOwnIconSize));
    const HICON icon = XTPImageManager()->CreateIcon(static_cast<UINT>(control.GetIconId()));
    ::DrawState(dc, HBRUSH{}, nullptr, hb::win::ParamFromHandle(icon), 0, place.left, place.top,
                kOwnIconSize, kOwnIconSize, DST_ICON | (enabled ? DSS_NORMAL : DSS_DISABLED));
    ::DestroyIcon(icon);
    const CRect text(place.right + kOwnIconGap, rect.top, rect.right - kTextPadding / 2,
                     rect.bottom);
    hb::toolkit::detail::DrawCentredText(dc, text, control.GetCaption());
}

void CXTPCommandBar::OnLButtonDown(UINT, CPoint point) {
    const int hit = HitTest(point);
    const CXTPControl* control = m_controls.GetAt(hit);
    m_nPressed = control && control->GetEnabled() ? hit : -1;
    DelayRedraw();
}

// A quick second click on the bar is a click like the first: it goes the way of a press, through
// the map of the bar's own class.
void CXTPCommandBar::OnLButtonDblClk(UINT nFlags, CPoint point) {
    SendMessage(WM_LBUTTONDOWN, nFlags, MAKELPARAM(point.x, point.y));
}

void CXTPCommandBar::OnLButtonUp(UINT, CPoint point) {
    const int pressed = std::exchange(m_nPressed, -1);
    DelayRedraw();
    CXTPControl* control = m_controls.GetAt(pressed);
    if (control && pressed == HitTest(point) && control->GetEnabled()) {
        OnExecute(*control);
    }
}

void CXTPCommandBar::OnRButtonUp(UINT, CPoint point) {
    if (!m_pCommandBars || !m_pCommandBars->IsCustomizationEnabled()) {
        return;
    }
    constexpr UINT kCustomize = 1;
    HMENU menu = ::CreatePopupMenu();
    ::AppendMenu(menu, MF_STRING, kCustomize, "Customize...");
    ClientToScreen(&point);
    const UINT chosen = static_cast<UINT>(
        ::TrackPopupMenu(menu, TPM_RETURNCMD, point.x, point.y, 0, m_hWnd, nullptr));
    ::DestroyMenu(menu);
    if (chosen == kCustomize) {
        m_pCommandBars->ShowCustomizeSheet();
    }
}

void CXTPCommandBar::OnExecute(CXTPControl& control) {
    CFrameWnd* site = m_pCommandBars ? m_pCommandBars->GetSite() : nullptr;
    if (!site) {
        return;
    }
    // Named by the control's id rather than by the bar's window.
    NMXTPCONTROL notify{};
    notify.hdr.idFrom = static_cast<UINT_PTR>(control.GetID());
    notify.hdr.code = COMMANDBAR_NOTIFY_EXECUTE;
    notify.pControl = &control;
    if (site->SendMessage(WM_NOTIFY, static_cast<WPARAM>(control.GetID()),
                          reinterpret_cast<LPARAM>(&notify)) != 0) {
        return;
    }
    site->PostMessage(WM_COMMAND, MAKEWPARAM(static_cast<WORD>(control.GetID()), 0), 0);
}

LRESULT CXTPCommandBar::OnSizeParent(WPARAM, LPARAM lParam) {
    if (IsVisible()) {
        using hb::toolkit::detail::Edge;
        MoveWindow(hb::toolkit::detail::TakeStrip(
            *reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam),
            m_position == xtpBarTop ? Edge::Top : Edge::Bottom, GetRowHeight()));
    }
    return 0;
}

LRESULT CXTPCommandBar::OnIdleUpdate(WPARAM wParam, LPARAM) {
    if (IsVisible()) {
        OnUpdateCmdUI(static_cast<BOOL>(wParam));
    }
    return 0;
}

LRESULT CXTPCommandBar::OnSetFont(WPARAM wParam, LPARAM lParam) {
    m_font = hb::win::HandleFromParam<HFONT>(wParam);
    DelayLayout();
    RecalcSiteLayout();
    if (lParam) {
        UpdateWindow();
    }
    return 0;
}

LRESULT CXTPCommandBar::OnGetFont(WPARAM, LPARAM) {
    return static_cast<LRESULT>(hb::win::ParamFromHandle(m_font));
}

void CXTPCommandBar::RecalcSiteLayout() const {
    if (CFrameWnd* site = m_pCommandBars ? m_pCommandBars->GetSite() : nullptr) {
        site->RecalcLayout();
    }
}
