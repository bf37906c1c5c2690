#include "platform/afx/AfxMessageBox.h"

#include "platform/afx/CWinApp.h"
#include "platform/afx/CWnd.h"
#include "platform/afx/res/StringLookup.h"
#include "platform/win/core/MessageBox.h"

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT) {
    const CWinApp* app = AfxGetApp();
    const CWnd* owner = AfxGetMainWnd();
    return ::MessageBox(owner ? owner->m_hWnd : HWND{}, lpszText,
                        app && app->m_pszAppName ? app->m_pszAppName : "", nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
    const auto text = hb::afx::LoadResourceString(nIDPrompt);
    return AfxMessageBox(text ? text->c_str() : "", nType, nIDHelp);
}
