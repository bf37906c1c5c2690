#pragma once
// The configuration menu: one button per kind of settings, each opening the engine's pages, the
// radio configuration or the application-wide audio settings. A button the template leaves out
// is simply not there.
#include "platform/afx/CDialog.h"
#include "platform/afx/CString.h"
#include "platform/toolkit/CXTPButton.h"

#include <array>

class CConfigurationDlg : public CDialog {
    DECLARE_DYNAMIC(CConfigurationDlg)

public:
    static constexpr UINT IDD = 27285;
    // The buttons in the order they get their icons; each icon has its button's id.
    static constexpr std::array<UINT, 12> kButtons{28146, 28143, 28140, 28137, 28144, 28145,
                                                   27558, 27477, 28147, 1685,  28885, 27695};

    // `settingsFile` is the file the engine keeps the radios' configuration in.
    CConfigurationDlg(LPCSTR settingsFile, CWnd* pParent = nullptr);

    std::array<CXTPButton, kButtons.size()> m_buttons;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnSpecialSettings();
    void OnRadioSettings();
    void OnPortSettings();
    void OnDecoderSettings();
    void OnRemoteSettings();
    void OnAudioSettings();
    // Buttons that are there and do nothing.
    void OnIgnoredButton();

    DECLARE_MESSAGE_MAP()

private:
    CString m_settingsFile;
};
