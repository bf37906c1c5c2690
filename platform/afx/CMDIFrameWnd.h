#pragma once
#include "platform/afx/CFrameWnd.h"

class CMDIChildWnd;

// A frame whose client area is an "MDIClient" window holding child frames. Commands go to the
// active child frame (its view, its document, itself), then to this frame, then to the
// application; keys try the active child's accelerators, then the frame's own.
class CMDIFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMDIFrameWnd)

public:
    // Makes the MDI client as the pane AFX_IDW_PANE_FIRST.
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
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    HWND m_hWndMDIClient;
};
