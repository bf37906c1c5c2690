#pragma once
// The engine's radio configuration dialog: the radios of a settings file with their model and
// port; a simulated radio can be added, a radio removed, and a radio given another port, chosen
// or typed, with its baud rate.

#include "platform/afx/CButton.h"
#include "platform/afx/CComboBox.h"
#include "platform/afx/CDialog.h"
#include "platform/afx/CListCtrl.h"
#include "platform/engine/RadioList.h"

#include <optional>
#include <string>

class CRadioConfig : public CDialog {
    DECLARE_DYNAMIC(CRadioConfig)

public:
    // Control ids of the dialog, for its script in tests.
    enum : UINT {
        IDC_RADIO_LIST = 1001,
        IDC_ADD_SIMULATED = 1002,
        IDC_REMOVE = 1003,
        IDC_PORT = 1004,
        IDC_SET_PORT = 1005,
        IDC_BAUD = 1006,
    };

    CRadioConfig(const char* settingsPath, CWnd* pParentWnd = nullptr);

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    void OnAddSimulated();
    void OnRemove();
    void OnSetPort();

    DECLARE_MESSAGE_MAP()

private:
    void FillRadios();
    std::optional<hb::engine::ConfiguredRadio> SelectedRadio() const;

    std::string m_path;
    CListCtrl m_radios;
    CComboBox m_port;
    CComboBox m_baud;
};
