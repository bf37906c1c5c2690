#pragma once
#include "platform/afx/CFrameWnd.h"

class CMDIFrameWnd;

// A frame inside an MDI frame's client area. Its accelerators are translated by the MDI frame, so
// that its own pre-translation only sees its children's input on the way up. It tells the MDI
// client when it goes, so that the next child becomes active.
class CMDIChildWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMDIChildWnd)

public:
    // Creates the window in the client area of `pParentWnd` (by default the main window) and
    // activates it. Derived frames filter the style here.
    virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CMDIFrameWnd* pParentWnd = nullptr,
                        CCreateContext* pContext = nullptr);
    // As the frame's, with the window made by Create; `pParentWnd` is the MDI frame.
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;

    CMDIFrameWnd* GetMDIFrame() const;
    void MDIActivate();
    void MDIDestroy();
    void MDIMaximize();
    void MDIRestore();

    // Shows the frame and activates it.
    void ActivateFrame(int nCmdShow = -1) override;
    // With FWS_ADDTOTITLE the document's title; then the MDI frame's title follows.
    void OnUpdateFrameTitle(BOOL bAddToTitle) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The menu resource of the frame's document type (the id LoadFrame was given, when such a
    // menu exists), or 0: the MDI frame's menu shows its popups while this child is active.
    UINT GetSharedMenuId() const { return m_nIDMenuShared; }

protected:
    // The active view hears that it is deactivated or activated with the frame, and the MDI
    // frame's title follows the active child.
    void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    UINT m_nIDMenuShared = 0;
};
