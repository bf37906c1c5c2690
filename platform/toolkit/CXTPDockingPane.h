#pragma once
#include "platform/afx/CRect.h"
#include "platform/afx/CString.h"

#include <memory>

class CWnd;
class CXTPDockingPaneManager;

namespace hb::toolkit::detail {
class PaneWindow;
} // namespace hb::toolkit::detail

// The edge of the site frame a pane docks at.
enum XTPDockingPaneDirection {
    xtpPaneDockLeft = 0,
    xtpPaneDockRight = 1,
    xtpPaneDockTop = 2,
    xtpPaneDockBottom = 3,
};

// Pane options. Without xtpPaneNoCloseable the caption has a close box that hides the pane;
// the other bits are kept as given.
inline constexpr DWORD xtpPaneNoCloseable = 0x1;

// A window docked at an edge of its manager's site frame: a caption with its title over the
// window it holds. The content is made by the site frame when the pane is first shown without
// one: it hears WM_DOCKING_PANE_NOTIFY code DOCKING_PANE_SHOW_WINDOW (lParam: the pane) and
// attaches a window. Its manager owns it.
class CXTPDockingPane {
public:
    ~CXTPDockingPane();
    CXTPDockingPane(const CXTPDockingPane&) = delete;
    CXTPDockingPane& operator=(const CXTPDockingPane&) = delete;

    int GetID() const { return m_nID; }
    CString GetTitle() const { return m_strTitle; }
    void SetTitle(LPCSTR lpszTitle);
    UINT GetIconID() const { return m_nIconID; }
    void SetIconID(UINT nIconID) { m_nIconID = nIconID; }
    DWORD GetOptions() const { return m_dwOptions; }
    void SetOptions(DWORD dwOptions);
    XTPDockingPaneDirection GetDirection() const { return m_direction; }
    CXTPDockingPaneManager* GetDockingPaneManager() const { return m_pManager; }

    // Whether the pane holds a window.
    BOOL IsValid() const;
    // The window becomes the pane's content: a child of the pane, filling it below its caption.
    void Attach(CWnd* pWnd);
    CWnd* GetChild() const;

    BOOL IsHidden() const { return !m_bShown; }
    // Whether the pane slides out of an auto-hide bar; this manager docks every pane.
    BOOL IsAutoHide() const { return FALSE; }
    void Hide();
    // Shows the pane; one without content asks the site frame for it, once per showing.
    void EnsureVisible();

    // The pane's thickness across its edge stays within these (0: no limit); lengthwise its
    // window stays within them too. They are its content's sizes, below the caption.
    void SetMinTrackSize(CSize size);
    void SetMaxTrackSize(CSize size);
    CSize GetMinTrackSize() const { return m_minTrack; }
    CSize GetMaxTrackSize() const { return m_maxTrack; }
    // The size the pane asks for: its width at a side edge, its height at the top or bottom.
    CSize GetSize() const { return m_size; }
    // Where the pane shows, in the site frame's client coordinates; empty while hidden.
    CRect GetPaneRect() const;

private:
    friend class CXTPDockingPaneManager;
    friend class hb::toolkit::detail::PaneWindow;

    CXTPDockingPane(CXTPDockingPaneManager& manager, int nID, XTPDockingPaneDirection direction,
                    CSize size);
    void Show();
    // The site frame hears that the pane is shown without content, if it has not yet this time.
    void Announce();
    // The frame's layout gave the pane a new size: the site frame hears of it.
    void NoteSized();

    CXTPDockingPaneManager* m_pManager;
    int m_nID;
    CString m_strTitle;
    UINT m_nIconID = 0;
    DWORD m_dwOptions = 0;
    XTPDockingPaneDirection m_direction;
    CSize m_size;
    CSize m_minTrack;
    CSize m_maxTrack;
    bool m_bShown = true;
    bool m_bAnnounced = false;
    std::unique_ptr<hb::toolkit::detail::PaneWindow> m_window;
};
