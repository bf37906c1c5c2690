#include "programming/LoadProgressDlg.h"

#include "platform/afx/CWinApp.h"
#include "platform/afx/ModelessDialog.h"
#include "platform/win/controls/ControlMessages.h"
#include "platform/win/gdi/GdiTypes.h"
#include "resources/program/TransferIds.h"

#include <string>

namespace tr = hb::resources::transfer;

BEGIN_MESSAGE_MAP(CLoadProgressDlg, CDialog)
ON_WM_DESTROY()
END_MESSAGE_MAP()

CLoadProgressDlg::CLoadProgressDlg() : CDialog(tr::kProgressDialog) {}

BOOL CLoadProgressDlg::Create(CWnd* owner) {
    m_owner = owner && owner->m_hWnd ? ::GetAncestor(owner->m_hWnd, GA_ROOT) : HWND{};
    return hb::afx::CreateModeless(*this, owner);
}

BOOL CLoadProgressDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const CWinApp* app = AfxGetApp();
    const std::string name = app && app->m_pszAppName ? app->m_pszAppName : "";
    SetDlgItemText(tr::kNotice, (name + " is transferring data between the PC and the radio. "
                                        "Press Stop to abort the operation.")
                                    .c_str());
    const HICON icon = app ? app->LoadIcon(tr::kProgressIcon) : HICON{};
    SendDlgItemMessage(tr::kIcon, STM_SETICON, static_cast<WPARAM>(hb::win::ParamFromHandle(icon)));
    EnableWindow(TRUE);
    ::SetActiveWindow(m_hWnd);
    if (m_owner) {
        ::EnableWindow(m_owner, FALSE);
    }
    return TRUE;
}

void CLoadProgressDlg::OnDestroy() {
    if (m_owner && ::IsWindow(m_owner)) {
        ::EnableWindow(m_owner, TRUE);
        ::SetActiveWindow(m_owner);
    }
    CDialog::OnDestroy();
}

void CLoadProgressDlg::SetBank(unsigned bank) {
    SetItem(tr::kBank, std::to_string(bank).c_str());
}

void CLoadProgressDlg::SetChannel(unsigned channel) {
    SetItem(tr::kChannel, std::to_string(channel).c_str());
}

void CLoadProgressDlg::SetItem(int id, LPCSTR text) {
    if (m_hWnd) {
        SetDlgItemText(id, text);
    }
}
