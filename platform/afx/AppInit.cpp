#include "platform/afx/AppInit.h"

#include "platform/afx/CWnd.h"

void InitCommonControls() {}

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX*) {
    return TRUE;
}

BOOL AfxOleInit() {
    return TRUE;
}

void AfxEnableControlContainer() {}

BOOL AfxInitRichEdit() {
    return TRUE;
}

void DragAcceptFiles(HWND, BOOL) {}

void CWnd::DragAcceptFiles(BOOL bAccept) {
    ::DragAcceptFiles(m_hWnd, bAccept);
}
