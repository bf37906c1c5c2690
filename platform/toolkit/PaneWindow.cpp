#include "platform/toolkit/PaneWindow.h"

#include "platform/afx/CFont.h"
#include "platform/afx/CPaintDC.h"
#include "platform/toolkit/CXTPDockingPaneManager.h"
#include "platform/toolkit/Drawing.h"
#include "platform/toolkit/Strips.h"

#include <algorithm>

namespace hb::toolkit::detail {

BEGIN_MESSAGE_MAP(PaneWindow, CWnd)
ON_WM_PAINT()
ON_WM_SIZE()
ON_WM_LBUTTONUP()
ON_MESSAGE(WM_SIZEPARENT, &PaneWindow::OnSizeParent)
ON_MESSAGE(WM_IDLEUPDATECMDUI, &PaneWindow::OnIdleUpdate)
ON_MESSAGE(WM_PANE_RELAYOUT, &PaneWindow::OnRelayout)
ON_MESSAGE(WM_PANE_ANNOUNCE, &PaneWindow::OnAnnounce)
END_MESSAGE_MAP()

namespace {

constexpr int kCaptionPadding = 4;

// Within [min, max], a limit of 0 being none.
int Track(int value, int min, int max) {
    value = std::max(value, min);
    return max > 0 ? std::min(value, max) : value;
}

} // namespace

BOOL PaneWindow::Create(CFrameWnd* pSite) {
    return CreateEx(0, nullptr, m_pane.GetTitle(),
                    WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, CRect(), pSite, 0);
}

int PaneWindow::CaptionHeight() const {
    return LineHeight(FontFor(HFONT{})) + kCaptionPadding;
}

CRect PaneWindow::ContentRect() const {
    CRect client;
    GetClientRect(&client);
    client.top = std::min<LONG>(client.top + CaptionHeight(), client.bottom);
    return client;
}

CRect PaneWindow::CloseBoxRect() const {
    if (m_pane.GetOptions() & xtpPaneNoCloseable) {
        return {};
    }
    CRect client;
    GetClientRect(&client);
    const int side = CaptionHeight() - 4;
    return {client.right - side - 2, 2, client.right - 2, 2 + side};
}

void PaneWindow::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    CRect caption(client.left, client.top, client.right, client.top + CaptionHeight());
    dc.FillSolidRect(caption, ::GetSysColor(COLOR_INACTIVECAPTION));
    dc.SelectObject(CFont::FromHandle(FontFor(HFONT{})));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(::GetSysColor(COLOR_INACTIVECAPTIONTEXT));
    caption.DeflateRect(kCaptionPadding, 0);
    dc.DrawText(m_pane.GetTitle(), caption, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    if (const CRect box = CloseBoxRect(); !box.IsRectEmpty()) {
        DrawCentredText(dc, box, "x");
    }
    // Asked for after this paint: content made inside a paint would reenter the frame's layout.
    if (!m_pane.IsValid()) {
        PostMessage(WM_PANE_ANNOUNCE);
    }
}

void PaneWindow::OnSize(UINT, int, int) {
    if (CWnd* content = m_pane.GetChild()) {
        content->MoveWindow(ContentRect());
    }
}

void PaneWindow::OnLButtonUp(UINT, CPoint point) {
    if (CloseBoxRect().PtInRect(point)) {
        m_pane.Hide();
    }
}

LRESULT PaneWindow::OnSizeParent(WPARAM, LPARAM lParam) {
    if (m_pane.IsHidden()) {
        return 0;
    }
    // The track sizes are the content's: the caption comes on top of their height.
    const auto withCaption = [this](CSize track) {
        return CSize(track.cx, track.cy > 0 ? track.cy + CaptionHeight() : 0);
    };
    const CSize min = withCaption(m_pane.GetMinTrackSize());
    const CSize max = withCaption(m_pane.GetMaxTrackSize());
    const XTPDockingPaneDirection direction = m_pane.GetDirection();
    const bool side = direction == xtpPaneDockLeft || direction == xtpPaneDockRight;
    const Edge edge = direction == xtpPaneDockLeft    ? Edge::Left
                      : direction == xtpPaneDockRight ? Edge::Right
                      : direction == xtpPaneDockTop   ? Edge::Top
                                                      : Edge::Bottom;
    const int thickness = side ? Track(m_pane.GetSize().cx, min.cx, max.cx)
                               : Track(m_pane.GetSize().cy, min.cy, max.cy);
    CRect place = TakeStrip(*reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam), edge, thickness);
    // Lengthwise the pane keeps to its track sizes too, from the strip's start.
    if (side) {
        place.bottom = place.top + std::min(Track(place.Height(), min.cy, max.cy), place.Height());
    } else {
        place.right = place.left + std::min(Track(place.Width(), min.cx, max.cx), place.Width());
    }
    CRect before;
    GetWindowRect(&before);
    MoveWindow(place);
    if (before.Size() != place.Size()) {
        m_pane.NoteSized();
    }
    return 0;
}

LRESULT PaneWindow::OnIdleUpdate(WPARAM, LPARAM) {
    m_pane.Announce();
    return 0;
}

LRESULT PaneWindow::OnAnnounce(WPARAM, LPARAM) {
    m_pane.Announce();
    return 0;
}

LRESULT PaneWindow::OnRelayout(WPARAM, LPARAM) {
    m_pane.GetDockingPaneManager()->RecalcFrameLayout(&m_pane);
    return 0;
}

} // namespace hb::toolkit::detail
