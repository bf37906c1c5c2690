#pragma once
// The window of a docking pane; not part of the public surface.
#include "platform/afx/CFrameWnd.h"

class CXTPDockingPane;

namespace hb::toolkit::detail {

// Posted to a pane's window for a layout of the site frame once the running one is done.
inline constexpr UINT WM_PANE_RELAYOUT = WM_USER + 1;
// Posted to a pane's window painted without content, so that the content is asked for at once.
inline constexpr UINT WM_PANE_ANNOUNCE = WM_USER + 2;

// A child of the site frame showing the pane's caption with its content below. It takes the
// pane's strip in the frame's layout while shown. It asks for missing content once it is first
// painted, or in the idle pass, whichever comes first: a pane on screen is not left empty while
// the program is busy (a modal dialog at start-up, say).
class PaneWindow : public CWnd {
public:
    explicit PaneWindow(CXTPDockingPane& pane) : m_pane(pane) {}

    BOOL Create(CFrameWnd* pSite);
    // The content's place: below the caption.
    CRect ContentRect() const;
    // The close box in the caption; empty for a pane that cannot be closed.
    CRect CloseBoxRect() const;
    int CaptionHeight() const;

protected:
    void OnPaint();
    void OnSize(UINT nType, int cx, int cy);
    void OnLButtonUp(UINT nFlags, CPoint point);
    LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    LRESULT OnIdleUpdate(WPARAM wParam, LPARAM lParam);
    LRESULT OnRelayout(WPARAM wParam, LPARAM lParam);
    LRESULT OnAnnounce(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    CXTPDockingPane& m_pane;
};

} // namespace hb::toolkit::detail
