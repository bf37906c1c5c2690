#pragma once
#include "platform/toolkit/CXTPDockingPane.h"

#include <memory>
#include <vector>

class CFrameWnd;
class CXTPDockingPaneLayout;

// What WM_DOCKING_PANE_NOTIFY code DOCKING_PANE_ACTION carries in lParam.
struct XTP_DOCKINGPANE_ACTION {
    DWORD action = 0; // DOCKING_PANE_ACTION_SIZING: the frame's layout gave the pane a new size
    DWORD reserved = 0;
    CXTPDockingPane* pane = nullptr;
};

// The docking panes of one site frame. Panes dock at its edges in the order they were made, each
// taking a strip of the frame's client area in the frame's layout, inside its bars. The manager
// owns its panes.
class CXTPDockingPaneManager {
public:
    CXTPDockingPaneManager();
    ~CXTPDockingPaneManager();
    CXTPDockingPaneManager(const CXTPDockingPaneManager&) = delete;
    CXTPDockingPaneManager& operator=(const CXTPDockingPaneManager&) = delete;

    // The frame the panes are children of; FALSE when it has no window.
    BOOL InstallDockingPanes(CFrameWnd* pSite, BOOL bClipChildren = TRUE);
    CFrameWnd* GetSite() const { return m_pSite; }

    // One plain look: the theme and the floating frames' setting are kept for those who ask.
    void SetTheme(int nTheme) { m_nTheme = nTheme; }
    int GetCurrentTheme() const { return m_nTheme; }
    void SetThemedFloatingFrames(BOOL bThemed) { m_bThemedFloatingFrames = bThemed; }
    BOOL IsThemedFloatingFrames() const { return m_bThemedFloatingFrames; }

    // A shown pane without content, docked at the edge, as wide (at a side) or as high (at the top
    // or bottom) as the rectangle. Its content is asked for at the next idle time. Every pane
    // docks at the frame's edge, so a neighbour changes nothing. Null without a site, or when a
    // pane has that id already.
    CXTPDockingPane* CreatePane(UINT nID, CRect rc, XTPDockingPaneDirection direction,
                                CXTPDockingPane* pNeighbour = nullptr);
    CXTPDockingPane* FindPane(int nID) const;
    std::vector<CXTPDockingPane*> GetPaneList() const;
    // EnsureVisible on the pane with that id, if any.
    void ShowPane(int nID);

    // The panes' places, sizes and whether they are hidden.
    void GetLayout(CXTPDockingPaneLayout* pLayout) const;
    // Applied to the panes of the layout's ids; the others stay as they are.
    void SetLayout(const CXTPDockingPaneLayout* pLayout);

    // The site frame lays its bars and panes out again, and is painted anew: now, or with bDelay at
    // the next idle time.
    // Asked for by a pane's notification within a layout, it runs once that layout is done.
    void RecalcFrameLayout(CXTPDockingPane* pPane, BOOL bDelay = FALSE);
    // Every shown pane is painted again.
    void RedrawPanes();

private:
    friend class CXTPDockingPane;

    CFrameWnd* m_pSite = nullptr;
    std::vector<std::unique_ptr<CXTPDockingPane>> m_panes;
    int m_nTheme = 0;
    BOOL m_bThemedFloatingFrames = FALSE;
    // A pane's notification runs within the frame's layout.
    bool m_bInLayout = false;
};
