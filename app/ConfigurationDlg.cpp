#include "app/ConfigurationDlg.h"

#include "platform/afx/Ddx.h"
#include "platform/engine/CRadioConfig.h"
#include "platform/engine/EngineApi.h"
#include "platform/tessary/app/ScanApp.h"

IMPLEMENT_DYNAMIC(CConfigurationDlg, CDialog)

namespace {

constexpr UINT kSpecialSettings = 28137;
constexpr UINT kRadioSettings = 28140;
constexpr UINT kPortSettings = 28143;
constexpr UINT kDecoderSettings = 28146;
constexpr UINT kRemoteSettings = 28144;
constexpr UINT kAudioSettings = 1685;
constexpr UINT kToneReaders = 27558;
constexpr UINT kRemoteAccess = 27477;

// The engine's settings pages behind the buttons.
constexpr std::uint32_t kSpecialPage = 2;
constexpr std::uint32_t kPortPage = 3;
constexpr std::uint32_t kDecoderPage = 4;
constexpr std::uint32_t kRemotePage = 5;

constexpr int kIconSize = 32;

} // namespace

BEGIN_MESSAGE_MAP(CConfigurationDlg, CDialog)
ON_BN_CLICKED(kSpecialSettings, &CConfigurationDlg::OnSpecialSettings)
ON_BN_CLICKED(kRadioSettings, &CConfigurationDlg::OnRadioSettings)
ON_BN_CLICKED(kPortSettings, &CConfigurationDlg::OnPortSettings)
ON_BN_CLICKED(kDecoderSettings, &CConfigurationDlg::OnDecoderSettings)
ON_BN_CLICKED(kRemoteSettings, &CConfigurationDlg::OnRemoteSettings)
ON_BN_CLICKED(kAudioSettings, &CConfigurationDlg::OnAudioSettings)
ON_BN_CLICKED(kToneReaders, &CConfigurationDlg::OnIgnoredButton)
ON_BN_CLICKED(kRemoteAccess, &CConfigurationDlg::OnIgnoredButton)
END_MESSAGE_MAP()

CConfigurationDlg::CConfigurationDlg(LPCSTR settingsFile, CWnd* pParent)
    : CDialog(IDD, pParent), m_settingsFile(settingsFile) {}

void CConfigurationDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        DDX_ControlIfPresent(pDX, static_cast<int>(kButtons[i]), m_buttons[i]);
    }
}

BOOL CConfigurationDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CString title;
    title.Format("%s Configuration", CScanApp::GetScanApp()->GetProductName());
    SetWindowText(title);
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        if (m_buttons[i].m_hWnd) {
            m_buttons[i].SetIcon(CSize(kIconSize, kIconSize), kButtons[i], 0, TRUE);
        }
    }
    return TRUE;
}

void CConfigurationDlg::OnSpecialSettings() {
    scan_configuration(m_settingsFile, kSpecialPage);
}

void CConfigurationDlg::OnRadioSettings() {
    CRadioConfig radios(m_settingsFile, nullptr);
    radios.DoModal();
}

void CConfigurationDlg::OnPortSettings() {
    scan_configuration(m_settingsFile, kPortPage);
}

void CConfigurationDlg::OnDecoderSettings() {
    scan_configuration(m_settingsFile, kDecoderPage);
}

void CConfigurationDlg::OnRemoteSettings() {
    scan_configuration(m_settingsFile, kRemotePage);
}

void CConfigurationDlg::OnAudioSettings() {
    CScanApp::GetScanApp()->GlobalAudioSettings();
}

void CConfigurationDlg::OnIgnoredButton() {
    CScanApp::Trace("Orvane", __LINE__);
}
