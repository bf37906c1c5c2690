#pragma once
#include "platform/afx/CControlBar.h"
#include "platform/afx/res/AfxIds.h"

#include <vector>

// Tool bar styles.
inline constexpr DWORD TBSTYLE_WRAPABLE = 0x0200;
inline constexpr DWORD TBSTYLE_FLAT = 0x0800;

// A bar's own style bits.
inline constexpr DWORD CBRS_TOOLTIPS = 0x0010;
inline constexpr DWORD CBRS_FLYBY = 0x0020;
inline constexpr DWORD CBRS_SIZE_DYNAMIC = 0x0040;
inline constexpr DWORD CBRS_BORDER_BOTTOM = 0x0200;
inline constexpr DWORD CBRS_TOP = 0x2000 | CBRS_BORDER_BOTTOM;
inline constexpr DWORD CBRS_GRIPPER = 0x00400000;

// A button's state, as GetButtonStyle answers it.
inline constexpr UINT TBBS_SEPARATOR = 0x0001;
inline constexpr UINT TBBS_CHECKED = 0x0100;
inline constexpr UINT TBBS_DISABLED = 0x0400;

// A row of picture buttons loaded from a tool bar resource; a column of them when docked on a side
// edge. A click sends WM_COMMAND with the button's id to the owner frame; the buttons are enabled
// and checked from the frame's command update handlers when the program is idle. With
// CBRS_GRIPPER the bar can be dragged by its gripper to another edge its docking allows.
class CToolBar : public CControlBar {
    DECLARE_DYNAMIC(CToolBar)

public:
    ~CToolBar() override;

    // `dwCtrlStyle` takes TBSTYLE_*, `dwStyle` the window style with the bar's CBRS_* bits.
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                  DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, CRect rcBorders = CRect(),
                  UINT nID = AFX_IDW_TOOLBAR);
    // FALSE, the bar unchanged, when no tool bar resource has that id.
    BOOL LoadToolBar(UINT nIDResource);

    int GetCount() const { return static_cast<int>(m_buttons.size()); }
    // 0 for a separator.
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    UINT GetButtonStyle(int nIndex) const;
    // The index of the button with the command, or -1.
    int CommandToIndex(UINT nIDFind) const;
    // The tip shown for a button: the second part of its command's string.
    CString GetButtonTip(int nIndex) const;

    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

    // Sets one button's state bits (TBBS_CHECKED, TBBS_DISABLED).
    void SetButtonState(int nIndex, UINT nState);

    DECLARE_MESSAGE_MAP()

protected:
    void OnPaint();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    BOOL OnToolTipText(UINT id, NMHDR* pNMHDR, LRESULT* pResult);

private:
    struct Button {
        UINT id = 0;
        int image = -1;
        UINT state = 0;
        CRect rect;
    };

    bool IsVertical() const;
    CRect GripperRect() const;
    void LayoutButtons();
    int ButtonAt(CPoint point) const;
    void DrawGripper(CDC& dc) const;
    void DrawButton(CDC& dc, const Button& button, bool pressed) const;
    // Where a gripper let go at `point` (client coordinates) docks the bar.
    void DockNearest(CPoint point);

    std::vector<Button> m_buttons;
    HIMAGELIST m_images{};
    CSize m_sizeImage{16, 15};
    int m_nPressed = -1;
    bool m_bDragging = false;
    CString m_strTip;
};
