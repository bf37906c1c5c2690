#pragma once
// The window of a search range document: the "Range Tools" bar, whose place is kept under
// "RangeToolBar".
#include "platform/afx/CToolBar.h"
#include "platform/tessary/app/MDIChildFrame.h"

class CRangeFrame : public CMDIChildFrame {
    DECLARE_DYNCREATE(CRangeFrame)

public:
    // A bar that cannot be made leaves the window, with its view, without one.
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CMDIFrameWnd* pParentWnd = nullptr,
                CCreateContext* pContext = nullptr) override;

    CToolBar m_wndToolBar;

protected:
    void OnDestroy();

    DECLARE_MESSAGE_MAP()
};
