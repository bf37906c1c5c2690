#include "platform/toolkit/CXTPStatusBar.h"

#include "platform/afx/CCmdUI.h"
#include "platform/afx/CFont.h"
#include "platform/afx/CPaintDC.h"
#include "platform/afx/res/StringLookup.h"
#include "platform/toolkit/Drawing.h"
#include "platform/toolkit/Strips.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CXTPStatusBar, CWnd)

BEGIN_MESSAGE_MAP(CXTPStatusBar, CWnd)
ON_WM_PAINT()
ON_MESSAGE(WM_SIZEPARENT, &CXTPStatusBar::OnSizeParent)
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CXTPStatusBar::OnIdleUpdate)
ON_MESSAGE(WM_SETFONT, &CXTPStatusBar::OnSetFont)
ON_MESSAGE(WM_GETFONT, &CXTPStatusBar::OnGetFont)
ON_MESSAGE(WM_SETTEXT, &CXTPStatusBar::OnSetText)
END_MESSAGE_MAP()

namespace {

constexpr int kGap = 2;
constexpr int kTextMargin = 4;

// The state a pane's update handler gives it.
class CPaneCmdUI : public CCmdUI {
public:
    explicit CPaneCmdUI(CXTPStatusBar& bar) : m_bar(bar) {}

    void Enable(BOOL bOn) override {
        m_bEnableChanged = TRUE;
        UINT id = 0;
        UINT style = 0;
        int width = 0;
        const int index = static_cast<int>(m_nIndex);
        m_bar.GetPaneInfo(index, id, style, width);
        m_bar.SetPaneInfo(index, id, bOn ? style & ~SBPS_DISABLED : style | SBPS_DISABLED, width);
    }
    void SetText(LPCSTR lpszText) override {
        m_bar.SetPaneText(static_cast<int>(m_nIndex), lpszText);
    }

private:
    CXTPStatusBar& m_bar;
};

} // namespace

BOOL CXTPStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    return pParentWnd &&
           CreateEx(0, nullptr, nullptr, dwStyle | WS_CHILD, CRect(), pParentWnd, nID);
}

BOOL CXTPStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount) {
    if (!m_hWnd || nIDCount < 0 || (nIDCount > 0 && !lpIDArray)) {
        return FALSE;
    }
    m_panes.clear();
    for (int index = 0; index < nIDCount; ++index) {
        Pane pane;
        pane.id = lpIDArray[index];
        if (pane.id != ID_SEPARATOR) {
            pane.text = hb::afx::LoadResourceString(pane.id).value_or("").c_str();
        }
        pane.width = hb::toolkit::detail::TextWidth(GetBarFont(), pane.text);
        pane.style = index == 0 ? SBPS_STRETCH : SBPS_NORMAL;
        m_panes.push_back(pane);
    }
    Invalidate();
    return TRUE;
}

int CXTPStatusBar::CommandToIndex(UINT nIDFind) const {
    const auto found =
        std::ranges::find_if(m_panes, [nIDFind](const Pane& pane) { return pane.id == nIDFind; });
    return found != m_panes.end() ? static_cast<int>(found - m_panes.begin()) : -1;
}

UINT CXTPStatusBar::GetItemID(int nIndex) const {
    return InRange(nIndex) ? m_panes[static_cast<std::size_t>(nIndex)].id : 0;
}

void CXTPStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const {
    if (InRange(nIndex)) {
        const Pane& pane = m_panes[static_cast<std::size_t>(nIndex)];
        nID = pane.id;
        nStyle = pane.style;
        cxWidth = pane.width;
    }
}

void CXTPStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth) {
    if (!InRange(nIndex)) {
        return;
    }
    Pane& pane = m_panes[static_cast<std::size_t>(nIndex)];
    if (pane.id != nID || pane.style != nStyle || pane.width != cxWidth) {
        pane.id = nID;
        pane.style = nStyle;
        pane.width = std::max(cxWidth, 0);
        Invalidate();
    }
}

CString CXTPStatusBar::GetPaneText(int nIndex) const {
    return InRange(nIndex) ? m_panes[static_cast<std::size_t>(nIndex)].text : CString();
}

BOOL CXTPStatusBar::SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate) {
    if (!InRange(nIndex)) {
        return FALSE;
    }
    CString& text = m_panes[static_cast<std::size_t>(nIndex)].text;
    if (text != lpszNewText) {
        text = lpszNewText;
        Invalidate();
        if (bUpdate) {
            UpdateWindow();
        }
    }
    return TRUE;
}

CRect CXTPStatusBar::GetItemRect(int nIndex) const {
    return InRange(nIndex) ? PaneRects()[static_cast<std::size_t>(nIndex)] : CRect();
}

HFONT CXTPStatusBar::GetBarFont() const {
    return hb::toolkit::detail::FontFor(m_font);
}

// Panes stand side by side from the left, each as wide as its text with a margin either side;
// the stretching ones share what is left.
std::vector<CRect> CXTPStatusBar::PaneRects() const {
    CRect client;
    GetClientRect(&client);
    int fixed = 0;
    int stretching = 0;
    for (const Pane& pane : m_panes) {
        fixed += pane.width + 2 * kTextMargin + kGap;
        stretching += (pane.style & SBPS_STRETCH) ? 1 : 0;
    }
    const int extra = stretching ? std::max(client.Width() - fixed, 0) / stretching : 0;
    std::vector<CRect> rects;
    int x = 0;
    for (const Pane& pane : m_panes) {
        const int width = pane.width + 2 * kTextMargin + ((pane.style & SBPS_STRETCH) ? extra : 0);
        rects.emplace_back(x, kGap, x + width, client.bottom);
        x += width + kGap;
    }
    return rects;
}

void CXTPStatusBar::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(client, ::GetSysColor(COLOR_BTNFACE));
    if (GetStyle() & CBRS_BORDER_TOP) {
        dc.DrawEdge(client, EDGE_ETCHED, BF_TOP);
    }
    dc.SelectObject(CFont::FromHandle(GetBarFont()));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    const std::vector<CRect> rects = PaneRects();
    for (std::size_t index = 0; index < m_panes.size(); ++index) {
        CRect pane = rects[index];
        dc.DrawEdge(pane, BDR_SUNKENOUTER, BF_RECT);
        if (!(m_panes[index].style & SBPS_DISABLED)) {
            pane.DeflateRect(kTextMargin, 0);
            dc.DrawText(m_panes[index].text, pane, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        }
    }
}

LRESULT CXTPStatusBar::OnSizeParent(WPARAM, LPARAM lParam) {
    if (GetStyle() & WS_VISIBLE) {
        MoveWindow(hb::toolkit::detail::TakeStrip(
            *reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam), hb::toolkit::detail::Edge::Bottom,
            hb::toolkit::detail::LineHeight(GetBarFont()) + 8));
    }
    return 0;
}

LRESULT CXTPStatusBar::OnSetText(WPARAM, LPARAM lParam) {
    const int pane = CommandToIndex(ID_SEPARATOR);
    const LPCSTR text = lParam ? reinterpret_cast<LPCSTR>(lParam) : "";
    return pane >= 0 ? SetPaneText(pane, text, FALSE) : Default();
}

LRESULT CXTPStatusBar::OnIdleUpdate(WPARAM, LPARAM) {
    CWnd* target = GetParentFrame();
    if (!target || !(GetStyle() & WS_VISIBLE)) {
        return 0;
    }
    for (int index = 0; index < GetCount(); ++index) {
        if (const UINT id = GetItemID(index); id != ID_SEPARATOR) {
            CPaneCmdUI state(*this);
            state.m_nID = id;
            state.m_nIndex = static_cast<UINT>(index);
            state.DoUpdate(target, FALSE);
        }
    }
    return 0;
}

LRESULT CXTPStatusBar::OnSetFont(WPARAM wParam, LPARAM lParam) {
    m_font = hb::win::HandleFromParam<HFONT>(wParam);
    if (lParam) {
        Invalidate();
    }
    return 0;
}

// The font the panes are drawn in, so that a pane measured with it fits its text.
LRESULT CXTPStatusBar::OnGetFont(WPARAM, LPARAM) {
    return static_cast<LRESULT>(hb::win::ParamFromHandle(GetBarFont()));
}
