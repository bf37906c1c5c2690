#include "platform/toolkit/CXTBrowseEdit.h"

#include "platform/afx/CFileDialog.h"
#include "platform/toolkit/CXTFolderDialog.h"

IMPLEMENT_DYNAMIC(CXTBrowseEdit, CEdit)

BEGIN_MESSAGE_MAP(CXTBrowseEdit, CEdit)
ON_MESSAGE(WM_ENABLE, &CXTBrowseEdit::OnEnable)
END_MESSAGE_MAP()

namespace {

constexpr UINT kBrowseId = 1;

} // namespace

void CXTBrowseEdit::SetDlgStyle(DWORD dwStyle) {
    m_dwStyle = dwStyle;
    if (!m_hWnd || m_browse.m_hWnd || (dwStyle & (BES_XT_CHOOSEDIR | BES_XT_CHOOSEFILE)) == 0) {
        return;
    }
    CRect client;
    GetClientRect(&client);
    const int width = client.Height();
    m_browse.Create("...", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                    CRect(client.right - width, 0, client.right, client.bottom), this, kBrowseId);
    m_browse.SendMessage(WM_SETFONT, static_cast<WPARAM>(SendMessage(WM_GETFONT)));
    m_browse.EnableWindow(IsWindowEnabled());
}

void CXTBrowseEdit::ChooseItem() {
    CString current;
    GetWindowText(current);
    std::optional<std::string> chosen;
    if (m_dwStyle & BES_XT_CHOOSEDIR) {
        CXTFolderDialog dialog(current, GetParent());
        if (dialog.DoModal() == IDOK) {
            chosen = dialog.GetPathName().str();
        }
    } else if (m_dwStyle & BES_XT_CHOOSEFILE) {
        CFileDialog dialog(TRUE, nullptr, current, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                           m_strFilter.IsEmpty() ? nullptr : m_strFilter.GetString(), GetParent());
        if (!m_strTitle.IsEmpty()) {
            dialog.m_ofn.lpstrTitle = m_strTitle;
        }
        if (dialog.DoModal() == IDOK) {
            chosen = dialog.GetPathName().str();
        }
    }
    if (chosen) {
        SetWindowText(chosen->c_str());
    }
}

BOOL CXTBrowseEdit::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == kBrowseId && HIWORD(wParam) == BN_CLICKED) {
        ChooseItem();
        return TRUE;
    }
    return CEdit::OnCommand(wParam, lParam);
}

LRESULT CXTBrowseEdit::OnEnable(WPARAM wParam, LPARAM) {
    if (m_browse.m_hWnd) {
        m_browse.EnableWindow(wParam != 0);
    }
    return Default();
}
