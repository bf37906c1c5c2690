#include "platform/toolkit/CXTBrowseEdit.h"

#include "platform/afx/CFileDialog.h"

IMPLEMENT_DYNAMIC(CXTBrowseEdit, CEdit)

namespace {

constexpr UINT kBrowseId = 1;

hb::toolkit::FolderChooser& Chooser() {
    static hb::toolkit::FolderChooser chooser;
    return chooser;
}

} // namespace

namespace hb::toolkit {

void SetFolderChooser(FolderChooser chooser) {
    Chooser() = std::move(chooser);
}

} // namespace hb::toolkit

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
}

void CXTBrowseEdit::ChooseItem() {
    CString current;
    GetWindowText(current);
    std::optional<std::string> chosen;
    if (m_dwStyle & BES_XT_CHOOSEDIR) {
        if (Chooser()) {
            chosen = Chooser()({current.str()});
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
