#pragma once
#include "platform/afx/CMDIFrameWnd.h"
#include "platform/toolkit/CXTPTabManager.h"

// A row of tabs over an MDI frame's client area, one per MDI child in the order they were made,
// captioned with the child's title; the active child's tab is selected, and a click on a tab
// activates its child. The tabs follow the children in the idle pass.
class CXTMDIWndTab : public CWnd, public CXTPTabManager {
    DECLARE_DYNAMIC(CXTMDIWndTab)

public:
    // Puts the row into the frame's layout; dwTabStyle TCS_HOTTRACK highlights the tab under the
    // mouse, bShowIcons shows each child's icon on its tab. FALSE when installed already.
    BOOL Install(CMDIFrameWnd* pMDIFrameWnd, DWORD dwTabStyle = 0, BOOL bShowIcons = FALSE);
    // Takes the row out of the frame again.
    void UnInstall();
    // Brings the tabs in line with the MDI children now.
    void UpdateTabs();

    // A line framing the row.
    BOOL m_bShowBorder = TRUE;
    // Room left between the row and the MDI children, in pixels.
    int m_nBorderGap = 0;

protected:
    void OnItemsChanged() override;
    HFONT GetTabFont() const override;
    HICON GetItemIcon(int nIndex) const override;

    void OnPaint();
    void OnSize(UINT nType, int cx, int cy);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    LRESULT OnIdleUpdate(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    CMDIFrameWnd* m_pFrame = nullptr;
    BOOL m_bShowIcons = FALSE;
};
