#pragma once
#include "platform/afx/CFrameWnd.h"

class CMDIChildWnd;

// A frame whose client area is an "MDIClient" window holding child frames. Commands go to the
// active child frame (its view, its document, itself), then to this frame, then to the
// application; keys try the MDI keys (Ctrl+F4, Ctrl+F6), the active child's accelerators, then
// the frame's own. The menu's popup with the window commands lists the open children.
class CMDIFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMDIFrameWnd)

public:
    // Makes the MDI client as the pane AFX_IDW_PANE_FIRST, with the window menu found in the
    // frame's menu.
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    virtual BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, HMENU hWindowMenu);

    CMDIChildWnd* MDIGetActive(BOOL* pbMaximized = nullptr) const;
    void MDIActivate(CWnd* pWndActivate);
    void MDINext();
    void MDIMaximize(CWnd* pWnd);
    void MDIRestore(CWnd* pWnd);
    // MDITILE_HORIZONTAL or MDITILE_VERTICAL.
    void MDITile(int nType);
    void MDICascade();

    // The active child frame, or this frame when there is none.
    CFrameWnd* GetActiveFrame() override;
    // With FWS_ADDTOTITLE: the title, then " - " and the active child's document title.
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    // The active child changed: frames whose menu follows the child's document type update it.
    virtual void OnUpdateFrameMenu() {}
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    // The popup of `menu` that holds a window command (ID_WINDOW_NEW to ID_WINDOW_SPLIT).
    static HMENU GetWindowMenuPopup(HMENU menu);

protected:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

public:
    HWND m_hWndMDIClient;
};
