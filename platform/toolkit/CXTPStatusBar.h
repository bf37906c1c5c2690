#pragma once
#include "platform/afx/CFrameWnd.h"

#include <vector>

// A pane's style: SBPS_STRETCH takes the room the others leave; SBPS_DISABLED shows no text.
inline constexpr UINT SBPS_NORMAL = 0x0000;
inline constexpr UINT SBPS_DISABLED = 0x04000000;
inline constexpr UINT SBPS_STRETCH = 0x08000000;

// The bar lies along the bottom of its frame (the only place it goes), with a line along its top.
inline constexpr DWORD CBRS_BORDER_TOP = 0x0200;
inline constexpr DWORD CBRS_BOTTOM = CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP;

// A row of text panes along the bottom of its frame. Each pane has an id (ID_SEPARATOR for the
// message pane) whose string resource is its first text; the idle pass asks the frame's route
// for each pane's state (CCmdUI: enable, text). The window text is the message pane's text, so
// that a frame's prompts land there.
class CXTPStatusBar : public CWnd {
    DECLARE_DYNAMIC(CXTPStatusBar)

public:
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT nID = AFX_IDW_STATUS_BAR);
    // One pane per id, in place of those before; the first pane stretches. A pane is as wide as
    // its first text. FALSE without a window.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

    int GetCount() const { return static_cast<int>(m_panes.size()); }
    // The pane's index, or -1.
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    CString GetPaneText(int nIndex) const;
    // FALSE for an index out of range.
    BOOL SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate = TRUE);
    // Where the pane shows, in the bar's client coordinates; empty out of range.
    CRect GetItemRect(int nIndex) const;

protected:
    void OnPaint();
    LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    LRESULT OnIdleUpdate(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    struct Pane {
        UINT id = 0;
        UINT style = SBPS_NORMAL;
        int width = 0;
        CString text;
    };

    bool InRange(int nIndex) const { return nIndex >= 0 && nIndex < GetCount(); }
    HFONT GetBarFont() const;
    std::vector<CRect> PaneRects() const;

    std::vector<Pane> m_panes;
    HFONT m_font;
};
