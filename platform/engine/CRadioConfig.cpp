#include "platform/engine/CRadioConfig.h"

#include "platform/afx/Ddx.h"
#include "platform/engine/GlobalRadioConfig.h"
#include "platform/engine/RadioList.h"
#include "platform/engine/device/LinkSettings.h"
#include "platform/win/store/PrivateProfile.h"

using namespace hb::engine;

IMPLEMENT_DYNAMIC(CRadioConfig, CDialog)

namespace {

const hb::afx::DialogTemplate& Template() {
    static const hb::afx::DialogTemplate dialog{
        .id = 0,
        .caption = "Radio Configuration",
        .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
        .cx = 260,
        .cy = 170,
        .fontName = "MS Sans Serif",
        .fontSize = 8,
        .controls =
            {
                {.id = CRadioConfig::IDC_RADIO_LIST,
                 .className = "SysListView32",
                 .style = WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL |
                          LVS_SHOWSELALWAYS,
                 .x = 7,
                 .y = 7,
                 .cx = 180,
                 .cy = 110},
                {.id = CRadioConfig::IDC_ADD_SIMULATED,
                 .className = "Button",
                 .text = "Add Simulated",
                 .style = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                 .x = 194,
                 .y = 7,
                 .cx = 59,
                 .cy = 14},
                {.id = CRadioConfig::IDC_REMOVE,
                 .className = "Button",
                 .text = "Remove",
                 .style = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                 .x = 194,
                 .y = 25,
                 .cx = 59,
                 .cy = 14},
                {.id = 0,
                 .className = "Static",
                 .text = "Port",
                 .style = WS_VISIBLE,
                 .x = 7,
                 .y = 122,
                 .cx = 117,
                 .cy = 8},
                {.id = CRadioConfig::IDC_PORT,
                 .className = "ComboBox",
                 .style = WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWN,
                 .x = 7,
                 .y = 132,
                 .cx = 117,
                 .cy = 80},
                {.id = 0,
                 .className = "Static",
                 .text = "Baud",
                 .style = WS_VISIBLE,
                 .x = 130,
                 .y = 122,
                 .cx = 57,
                 .cy = 8},
                {.id = CRadioConfig::IDC_BAUD,
                 .className = "ComboBox",
                 .style = WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST,
                 .x = 130,
                 .y = 132,
                 .cx = 57,
                 .cy = 80},
                {.id = CRadioConfig::IDC_SET_PORT,
                 .className = "Button",
                 .text = "Set Port",
                 .style = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                 .x = 194,
                 .y = 131,
                 .cx = 59,
                 .cy = 14},
                {.id = IDOK,
                 .className = "Button",
                 .text = "Close",
                 .style = WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                 .x = 194,
                 .y = 149,
                 .cx = 59,
                 .cy = 14},
            },
    };
    return dialog;
}

} // namespace

BEGIN_MESSAGE_MAP(CRadioConfig, CDialog)
ON_BN_CLICKED(IDC_ADD_SIMULATED, &CRadioConfig::OnAddSimulated)
ON_BN_CLICKED(IDC_REMOVE, &CRadioConfig::OnRemove)
ON_BN_CLICKED(IDC_SET_PORT, &CRadioConfig::OnSetPort)
END_MESSAGE_MAP()

CRadioConfig::CRadioConfig(const char* settingsPath, CWnd* pParentWnd)
    : CDialog(&Template(), pParentWnd), m_path(settingsPath ? settingsPath : "") {}

void CRadioConfig::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_RADIO_LIST, m_radios);
    DDX_Control(pDX, IDC_PORT, m_port);
    DDX_Control(pDX, IDC_BAUD, m_baud);
}

BOOL CRadioConfig::OnInitDialog() {
    CDialog::OnInitDialog();
    m_radios.InsertColumn(0, "Radio", LVCFMT_LEFT, 150);
    m_radios.InsertColumn(1, "Model", LVCFMT_RIGHT, 50);
    m_radios.InsertColumn(2, "Port", LVCFMT_LEFT, 100);
    m_port.AddString("SIM");
    for (const std::string& port : CGlobalRadioConfig::EnumerateLocalComPorts()) {
        m_port.AddString(port.c_str());
    }
    m_port.SetCurSel(0);
    for (const unsigned baud : kStandardBauds) {
        m_baud.AddString(std::to_string(baud).c_str());
    }
    m_baud.SelectString(-1, std::to_string(kDefaultBaud).c_str());
    FillRadios();
    return TRUE;
}

void CRadioConfig::FillRadios() {
    m_radios.DeleteAllItems();
    int row = 0;
    for (const ConfiguredRadio& radio : ConfiguredRadios(m_path)) {
        m_radios.InsertItem(row, radio.section.name.c_str());
        m_radios.SetItemText(row, 1, std::to_string(radio.section.type).c_str());
        m_radios.SetItemText(row, 2, radio.section.port.c_str());
        m_radios.SetItemData(row, static_cast<DWORD_PTR>(radio.slot));
        ++row;
    }
}

std::optional<ConfiguredRadio> CRadioConfig::SelectedRadio() const {
    const int row = m_radios.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0) {
        return std::nullopt;
    }
    const auto slot = static_cast<int>(m_radios.GetItemData(row));
    for (const ConfiguredRadio& radio : ConfiguredRadios(m_path)) {
        if (radio.slot == slot) {
            return radio;
        }
    }
    return std::nullopt;
}

void CRadioConfig::OnAddSimulated() {
    if (!AddSimulatedRadio(m_path)) {
        MessageBeep(MB_ICONASTERISK);
    }
    FillRadios();
}

void CRadioConfig::OnRemove() {
    const std::optional<ConfiguredRadio> radio = SelectedRadio();
    if (!radio || !RemoveRadio(m_path, *radio)) {
        MessageBeep(MB_ICONASTERISK);
    }
    FillRadios();
}

void CRadioConfig::OnSetPort() {
    const std::optional<ConfiguredRadio> radio = SelectedRadio();
    // The port box takes a path typed in as well as one chosen from its list.
    CString port;
    m_port.GetWindowText(port);
    port.Trim();
    CString baud;
    if (m_baud.GetCurSel() >= 0) {
        m_baud.GetLBText(m_baud.GetCurSel(), baud);
    }
    const char* section = radio ? radio->section.name.c_str() : "";
    if (!radio || port.IsEmpty() || baud.IsEmpty() ||
        !WritePrivateProfileString(section, "Port", port, m_path.c_str()) ||
        !WritePrivateProfileString(section, "Baud", baud, m_path.c_str())) {
        MessageBeep(MB_ICONASTERISK);
    }
    FillRadios();
}
