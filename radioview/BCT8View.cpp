#include "radioview/BCT8View.h"

#include "app/rig/Rig.h"
#include "platform/afx/Ddx.h"
#include "platform/records/DeviceStatus.h"
#include "platform/records/EngineCommands.h"
#include "platform/tessary/app/ScanApp.h"
#include "resources/ResourceIds.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

namespace {

using hb::records::DeviceStatus;
using hb::records::EngineCommandRecord;
using hb::records::UserId;

constexpr std::uint8_t kStateKey = 20;
constexpr std::uint8_t kPatrolKey = 22;
constexpr std::uint8_t kMuteKey = 24;
constexpr COLORREF kLampOff = 0xC0C0C0;
constexpr BYTE kAlertToneOn = 0xFF;
constexpr int kHighway = 0;
constexpr int kPrivate = 1;
constexpr int kBoth = 2;

// The states in the list's order; each one's number is its code's place in the alphabetical
// order of the codes.
constexpr std::array<std::string_view, CBCT8View::kStates> kStateNames{
    "ALABAMA - AL",        "ALASKA - AK",        "ARIZONA - AZ",
    "ARKANSAS - AR",       "CALIFORNIA - CA",    "COLORADO - CO",
    "CONNECTICUT - CT",    "DELAWARE - DE",      "DISTRICT OF COLUMBIA - DC",
    "FLORIDA - FL",        "GEORGIA - GA",       "IDAHO - ID",
    "ILLINOIS - IL",       "INDIANA - IN",       "IOWA - IA",
    "KANSAS - KS",         "KENTUCKY - KY",      "LOUISIANA - LA",
    "MAINE - ME",          "MARYLAND - MD",      "MASSACHUSETTS - MA",
    "MICHIGAN - MI",       "MINNESOTA - MN",     "MISSISSIPPI - MS",
    "MISSOURI - MO",       "MONTANA - MT",       "NEBRASKA - NE",
    "NEVADA - NV",         "NEW HAMPSHIRE - NH", "NEW JERSEY - NJ",
    "NEW MEXICO - NM",     "NEW YORK - NY",      "NORTH CAROLINA - NC",
    "NORTH DAKOTA - ND",   "OHIO - OH",          "OKLAHOMA - OK",
    "OREGON - OR",         "PENNSYLVANIA - PA",  "RHODE ISLAND - RI",
    "SOUTH CAROLINA - SC", "SOUTH DAKOTA - SD",  "TENNESSEE - TN",
    "TEXAS - TX",          "UTAH - UT",          "VERMONT - VT",
    "VIRGINIA - VA",       "WASHINGTON - WA",    "WEST VIRGINIA - WV",
    "WISCONSIN - WI",      "WYOMING - WY"};

std::string_view CodeOf(std::string_view name) {
    return name.substr(name.size() - 2);
}

DWORD_PTR StateNumber(std::string_view name) {
    const auto before =
        std::count_if(kStateNames.begin(), kStateNames.end(),
                      [&](std::string_view other) { return CodeOf(other) < CodeOf(name); });
    return static_cast<DWORD_PTR>(before + 1);
}

CScanApp& App() {
    return *CScanApp::GetScanApp();
}

} // namespace

IMPLEMENT_DYNCREATE(CBCT8View, CTrunkTrackerView)

BEGIN_MESSAGE_MAP(CBCT8View, CTrunkTrackerView)
ON_COMMAND(IDC_KEY_HOME_ROAM, &CBCT8View::OnHomeRoam)
ON_COMMAND(IDC_KEY_MUTE, &CBCT8View::OnMute)
ON_CBN_SELCHANGE(IDC_STATE_LIST, &CBCT8View::OnStateChosen)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CBCT8View, CTrunkTrackerView)
ON_EVENT(CBCT8View, IDC_PATROL_BANKS, 4, &CBCT8View::OnPatrolBanks)
END_EVENTSINK_MAP()

CBCT8View::CBCT8View() : CTrunkTrackerView(IDD_BCT8_VIEW) {}

void CBCT8View::DoDataExchange(CDataExchange* pDX) {
    CTrunkTrackerView::DoDataExchange(pDX);
    const struct {
        UINT id;
        CWnd& control;
    } added[] = {{IDC_KEY_HOME_ROAM, m_homeRoam},   {IDC_STATE_LIST, m_stateList},
                 {IDC_HIGHWAY_LAMP, m_highwayLamp}, {IDC_PRIVATE_LAMP, m_privateLamp},
                 {IDC_MUTE_LAMP, m_muteLamp},       {IDC_PATROL_BANKS, m_patrolBanks},
                 {IDC_ALERT_LAMP, m_alertLamp}};
    for (const auto& [id, control] : added) {
        DDX_ControlIfPresent(pDX, static_cast<int>(id), control);
    }
}

void CBCT8View::OnInitialUpdate() {
    CTrunkTrackerView::OnInitialUpdate();
    if (!m_rig) {
        return;
    }
    for (CiLedRectangleX* lamp : {&m_highwayLamp, &m_privateLamp, &m_muteLamp, &m_alertLamp}) {
        if (lamp->m_hWnd) {
            lamp->SetActiveColor(App().Colors().lamp);
            lamp->SetInactiveColor(kLampOff);
        }
    }
    if (m_homeRoam.m_hWnd) {
        m_homeRoam.SetIcon(CSize(32, 32), IDC_KEY_HOME_ROAM);
    }
    if (m_stateList.m_hWnd) {
        for (std::string_view name : kStateNames) {
            const int at = m_stateList.AddString(std::string(name).c_str());
            m_stateList.SetItemData(at, StateNumber(name));
        }
    }
    const int position = App().GetProfileIntA(m_rig->m_section, "HWYPVT", 0);
    if (m_patrolBanks.m_hWnd) {
        m_patrolBanks.SetPosition(position);
    }
    SendPatrolBanks(position);
}

void CBCT8View::SendPatrolBanks(int position) {
    EngineCommandRecord record =
        EngineCommandRecord::Make(hb::records::kEngineCmdScannerKey, kPatrolKey, 0, 0,
                                  static_cast<std::uint16_t>(position + 1));
    Send(record);
    App().WriteProfileInt(m_rig->m_section, "HWYPVT", position);
}

void CBCT8View::OnPatrolBanks() {
    if (m_rig) {
        SendPatrolBanks(static_cast<int>(m_patrolBanks.GetPosition()));
    }
}

void CBCT8View::OnStateChosen() {
    const int chosen = m_stateList.GetCurSel();
    if (chosen == CB_ERR) {
        return;
    }
    EngineCommandRecord record =
        EngineCommandRecord::Make(hb::records::kEngineCmdScannerKey, kStateKey, 0, 0,
                                  static_cast<std::uint16_t>(m_stateList.GetItemData(chosen)));
    Send(record);
}

void CBCT8View::OnHomeRoam() {
    PressKey(IDC_KEY_RESUME);
}

void CBCT8View::OnMute() {
    EngineCommandRecord record =
        EngineCommandRecord::Make(hb::records::kEngineCmdScannerKey, kMuteKey);
    Send(record);
    StartAgainIfManual();
}

std::uint16_t CBCT8View::ServiceDigit(int selection) const {
    return static_cast<std::uint16_t>(selection + 1);
}

void CBCT8View::SelectState(BYTE state) {
    for (int i = 0; i < m_stateList.GetCount(); ++i) {
        if (m_stateList.GetItemData(i) == state) {
            m_stateList.SetCurSel(i);
            return;
        }
    }
}

void CBCT8View::UpdateStatusDisplay(const BYTE* engineStatus, BYTE* deviceStatus, Object* channel,
                                    Object* user) {
    CTrunkTrackerView::UpdateStatusDisplay(engineStatus, deviceStatus, channel, user);
    if (!deviceStatus) {
        return;
    }
    DeviceStatus device;
    std::memcpy(device.data(), deviceStatus, DeviceStatus::kSize);
    const std::uint8_t patrol = device.get(DeviceStatus::kPatrolBits);
    const auto light = [](CiLedRectangleX& lamp, bool on) {
        if (lamp.m_hWnd) {
            lamp.SetActive(on ? TRUE : FALSE);
        }
    };
    light(m_privateLamp, (patrol & 2) != 0);
    light(m_highwayLamp, (patrol & 1) != 0);
    light(m_alertLamp, device.get(DeviceStatus::kAlert) != 0);
    light(m_muteLamp, device.get(DeviceStatus::kMute) != 0);
    const BYTE tone = device.get(DeviceStatus::kAlertTone);
    if (tone != m_lastAlertTone && tone == kAlertToneOn) {
        MessageBeep(MB_ICONASTERISK);
    }
    m_lastAlertTone = tone;
    const BYTE state = device.get(DeviceStatus::kTrunkState);
    if (state != m_lastState) {
        SelectState(state);
        m_lastState = state;
    }
    if (m_patrolBanks.m_hWnd) {
        m_patrolBanks.SetPosition(patrol == 1 ? kHighway : patrol == 2 ? kPrivate : kBoth);
    }
}

void CBCT8View::FormatTrunkId(const UserId& id) {
    const std::initializer_list<Lamp> lamps{kLampLtr, kLampEd, kLampM1, kLampM2};
    const ShownId shown = ShowableId(id, kEdacsQuery);
    switch (id.get(UserId::kKind)) {
    case hb::records::kIdKindMotorola:
    case hb::records::kIdKindMotorolaTypeII:
    case hb::records::kIdKindLtr:
        ShowIdValue(shown);
        LightKindLamp(lamps, shown.lamp);
        break;
    case hb::records::kIdKindCtcss:
    case hb::records::kIdKindDcs:
        ShowIdValue(shown);
        LightKindLamp(lamps, -1);
        break;
    case hb::records::kIdKindEdacs:
    case hb::records::kIdKindEdacsOther:
        ShowIdValue(shown);
        break;
    default:
        ShowIdValue({});
        break;
    }
}
