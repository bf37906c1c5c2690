#include "programming/LoadBankDlg.h"

#include "platform/tessary/app/ScanApp.h"
#include "resources/program/TransferIds.h"

#include <string>

namespace tr = hb::resources::transfer;

namespace {

constexpr LPCSTR kSection = "Transfer";
constexpr LPCSTR kSettingsEntry = "Settings";
constexpr UINT kChecked = 1;

UINT CheckState(bool checked) {
    return checked ? kChecked : 0;
}

std::string BankEntry(std::size_t index) {
    return std::string("LoadBank") + static_cast<char>('A' + index);
}

} // namespace

BEGIN_MESSAGE_MAP(CLoadBankDlg, CDialog)
ON_BN_CLICKED(tr::kCheckAll, &CLoadBankDlg::OnCheckAll)
ON_BN_CLICKED(tr::kClearAll, &CLoadBankDlg::OnClearAll)
END_MESSAGE_MAP()

CLoadBankDlg::CLoadBankDlg() : CDialog(tr::kBankDialog) {
    CScanApp* app = CScanApp::GetScanApp();
    for (std::size_t n = 0; n < kBanks; ++n) {
        m_banks[n] = !app || app->GetProfileIntA(kSection, BankEntry(n).c_str(), 1) != 0;
    }
    m_settings = !app || app->GetProfileIntA(kSection, kSettingsEntry, 1) != 0;
}

BOOL CLoadBankDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(m_caption);
    for (std::size_t n = 0; n < kBanks; ++n) {
        const int id = static_cast<int>(tr::kBankA + n);
        CheckDlgButton(id, CheckState(m_banks[n]));
        if (CWnd* box = GetDlgItem(id)) {
            box->ShowWindow(static_cast<int>(n) < m_shown ? SW_SHOW : SW_HIDE);
        }
    }
    CheckDlgButton(tr::kSettings, CheckState(m_settings));
    return TRUE;
}

void CLoadBankDlg::CheckAll(bool checked) {
    const UINT state = CheckState(checked);
    for (UINT n = 0; n < kBanks; ++n) {
        CheckDlgButton(static_cast<int>(tr::kBankA + n), state);
    }
    CheckDlgButton(tr::kSettings, state);
}

void CLoadBankDlg::OnOK() {
    CScanApp* app = CScanApp::GetScanApp();
    for (std::size_t n = 0; n < kBanks; ++n) {
        m_banks[n] = IsDlgButtonChecked(static_cast<int>(tr::kBankA + n)) == kChecked;
        if (app) {
            app->WriteProfileInt(kSection, BankEntry(n).c_str(), m_banks[n] ? 1 : 0);
        }
    }
    m_settings = IsDlgButtonChecked(tr::kSettings) == kChecked;
    if (app) {
        app->WriteProfileInt(kSection, kSettingsEntry, m_settings ? 1 : 0);
    }
    EndDialog(IDOK);
}

bool CLoadBankDlg::AllChosen(std::size_t banks) const {
    bool all = m_settings;
    for (std::size_t bank = 0; bank < banks; ++bank) {
        all = all && BankChosen(bank);
    }
    return all;
}
