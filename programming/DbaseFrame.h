#pragma once
// The window of a database document, with the "Database Tools" bar; its place is not kept.
#include "platform/afx/CToolBar.h"
#include "platform/tessary/app/MDIChildFrame.h"

class CDbaseFrame : public CMDIChildFrame {
    DECLARE_DYNCREATE(CDbaseFrame)

public:
    // A bar that cannot be made leaves the window, with its view, without one.
    BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                const RECT& rect = rectDefault, CMDIFrameWnd* pParentWnd = nullptr,
                CCreateContext* pContext = nullptr) override;

    CToolBar m_wndToolBar;

protected:
    // 1642: the database view's grid reads its current sheet again from the file.
    void OnRereadTable();

    DECLARE_MESSAGE_MAP()
};
