#pragma once
#include "platform/afx/CRect.h"
#include "platform/afx/CWnd.h"

// A tooltip control ("tooltips_class32") owned by a window. Its tools are windows or rectangles;
// a tool whose text is LPSTR_TEXTCALLBACK asks for it with TTN_NEEDTEXT when it shows. The
// control sees the mouse only through RelayEvent (or tools added with TTF_SUBCLASS).
class CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)

public:
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

    // With nIDTool 0 the tool is the window pWnd, and pWnd's parent is asked for the text;
    // otherwise it is the rectangle lpRectTool of pWnd's client area known by nIDTool, and pWnd
    // is asked. The text is copied.
    BOOL AddTool(CWnd* pWnd, LPCSTR lpszText = LPSTR_TEXTCALLBACK, LPCRECT lpRectTool = nullptr,
                 UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    // Mouse messages of the tools' windows, as the program receives them.
    void RelayEvent(MSG* pMsg);
    void Activate(BOOL bActivate);
};
