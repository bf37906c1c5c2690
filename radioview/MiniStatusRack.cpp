#include "radioview/MiniStatusRack.h"

#include "app/HalbridgeApp.h"
#include "app/radiowindow/RadioFrame.h"
#include "app/rig/Rig.h"
#include "platform/afx/Ddx.h"
#include "platform/records/DeviceStatus.h"
#include "platform/records/EngineStatus.h"
#include "platform/tessary/audio/AudioLog.h"
#include "platform/tessary/model/Radio.h"
#include "radioview/RadioView.h"
#include "resources/ResourceIds.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CMiniStatusRack, CRack)

BEGIN_MESSAGE_MAP(CMiniStatusRack, CRack)
ON_WM_TIMER()
ON_COMMAND_RANGE(IDC_KEY_RESET, IDC_KEY_RESET, &CMiniStatusRack::SendToFrontPanel)
ON_COMMAND_RANGE(IDC_KEY_SCAN, IDC_KEY_SCAN, &CMiniStatusRack::SendToFrontPanel)
ON_COMMAND_RANGE(IDC_KEY_HOLD, IDC_KEY_RESUME, &CMiniStatusRack::SendToFrontPanel)
ON_COMMAND_RANGE(IDC_KEY_LOCK_OUT, IDC_KEY_LOCK_OUT, &CMiniStatusRack::SendToFrontPanel)
ON_COMMAND_RANGE(IDC_KEY_11, IDC_KEY_12, &CMiniStatusRack::SendToFrontPanel)
ON_COMMAND_RANGE(IDC_AUDIO_MUTE, IDC_AUDIO_MUTE, &CMiniStatusRack::SendToRadioWindow)
ON_COMMAND_RANGE(IDI_AUDIO_MUTE_PEERS, IDI_AUDIO_MUTE_PEERS, &CMiniStatusRack::SendToRadioWindow)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CMiniStatusRack, CRack)
ON_EVENT(CMiniStatusRack, IDC_SCANNING_LAMP, 2, &CMiniStatusRack::OnStartLamp)
ON_EVENT(CMiniStatusRack, IDC_STOPPED_LAMP, 2, &CMiniStatusRack::OnStopLamp)
ON_EVENT(CMiniStatusRack, IDC_RECORDING_LAMP, 2, &CMiniStatusRack::OnRecordingLamp)
ON_EVENT(CMiniStatusRack, IDC_VOLUME_KNOB, 4, &CMiniStatusRack::OnVolumeKnob)
ON_EVENT(CMiniStatusRack, IDC_VFO_1, 1, &CMiniStatusRack::OnVfoLamp<0>)
ON_EVENT(CMiniStatusRack, IDC_VFO_1 + 1, 1, &CMiniStatusRack::OnVfoLamp<1>)
ON_EVENT(CMiniStatusRack, IDC_VFO_1 + 2, 1, &CMiniStatusRack::OnVfoLamp<2>)
ON_EVENT(CMiniStatusRack, IDC_VFO_1 + 3, 1, &CMiniStatusRack::OnVfoLamp<3>)
ON_EVENT(CMiniStatusRack, IDC_VFO_1 + 4, 1, &CMiniStatusRack::OnVfoLamp<4>)
END_EVENTSINK_MAP()

namespace {

using hb::records::DeviceStatus;
using hb::records::EngineStatus;
using hb::records::UserId;

constexpr UINT kTrunkTemplate = IDD_MINI_STATUS_TRUNK;
constexpr double kVolumeMax = 100;
// The device's ID words, cleared while the squelch is closed unless the radio keeps its ID.
constexpr std::size_t kDeviceIdOffset = 1455;
constexpr COLORREF kSectionColors[] = {0x00FF00, 0x00FFFF, 0x0000FF};
constexpr int kSectionOffsets[] = {40, 20, 0};
constexpr int kGaugeSetting = 5;
// The mute buttons are narrow: their captions close up on their icons.
constexpr int kMuteTextImageGap = -12;

struct Pictures {
    UINT button;
    UINT normal;
    UINT selected;
    UINT focus;
};
constexpr Pictures kPictures[] = {
    {ID_RADIO_START, 27367, 27368, 27369},    {ID_RADIO_STOP, 27370, 27371, 27372},
    {ID_RADIO_LOCK_OUT, 27373, 27375, 27374}, {ID_RADIO_TEMP_LOCK_OUT, 27376, 27378, 27377},
    {ID_RADIO_HOLD_ID, 27380, 27382, 27381},  {ID_RADIO_LOCK_OUT_ID, 27383, 27385, 27384},
};

struct KeyIcon {
    UINT key;
    UINT icon;
};
constexpr KeyIcon kKeyIcons[] = {
    {IDC_KEY_RESET, IDC_KEY_RESET},
    {IDC_KEY_HOLD, IDI_KEY_HOLD},
    {IDC_KEY_LOCK_OUT, IDI_KEY_LOCK_OUT},
    {IDC_KEY_SCAN, IDI_KEY_SCAN},
    {IDC_KEY_RESUME, IDI_KEY_RESUME},
    {IDC_KEY_11, IDC_KEY_11},
    {IDC_KEY_12, IDC_KEY_12},
};

// Floors round down and ceilings up to whole tens of dBm.
int FloorToTen(int dbm) {
    return static_cast<int>(std::floor(dbm / 10.0)) * 10;
}
int CeilToTen(int dbm) {
    return static_cast<int>(std::ceil(dbm / 10.0)) * 10;
}

template <class Control>
bool Has(const Control& control) {
    return control.GetSafeHwnd() != HWND{};
}

void Light(CiLedRectangleX& lamp, bool on) {
    if (Has(lamp)) {
        lamp.SetActive(on);
    }
}

} // namespace

void CMiniStatusRack::DoDataExchange(CDataExchange* pDX) {
    const std::pair<UINT, CWnd*> controls[] = {
        {IDC_SCANNING_LAMP, &m_scanningLamp},
        {IDC_STOPPED_LAMP, &m_stoppedLamp},
        {IDC_HIT_LAMP, &m_hitLamp},
        {IDC_SIGNAL_LAMP, &m_signalLamp},
        {IDC_RECORDING_LAMP, &m_recordingLamp},
        {IDC_FREQUENCY_DISPLAY, &m_frequency},
        {IDC_TUNING_STRIP, &m_tuningStrip},
        {IDC_AUDIO_MUTE, &m_muteButton},
        {IDI_AUDIO_MUTE_PEERS, &m_mutePeersButton},
        {IDC_VU_BAR, &m_levelBar},
        {IDC_KEY_SCAN, &m_scanKey},
        {IDC_KEY_RESUME, &m_resumeKey},
        {IDC_KEY_LOCK_OUT, &m_lockOutKey},
        {IDC_KEY_HOLD, &m_holdKey},
        {IDC_KEY_11, &m_key11},
        {IDC_KEY_12, &m_key12},
        {IDC_KEY_RESET, &m_resetKey},
        {ID_RADIO_START, &m_startButton},
        {ID_RADIO_STOP, &m_stopButton},
        {ID_RADIO_LOCK_OUT, &m_lockOutButton},
        {ID_RADIO_TEMP_LOCK_OUT, &m_tempLockOutButton},
        {ID_RADIO_LOCK_OUT_ID, &m_lockOutIdButton},
        {ID_RADIO_HOLD_ID, &m_holdIdButton},
        {IDC_VOLUME_KNOB, &m_volumeKnob},
        {IDC_TRUNK_LAMP, &m_trunkLamp},
        {IDC_ID_HOLD_LAMP, &m_idHoldLamp},
        {IDC_TEXT_LINE_1, &m_nameLines[0]},
        {IDC_TEXT_LINE_2, &m_nameLines[1]},
        {IDC_TEXT_LINE_3, &m_nameLines[2]},
        {IDC_STATUS_LINE, &m_statusLine},
        {IDC_RADIO_NAME, &m_radioName},
        {IDC_S_METER, &m_sMeter},
        {IDC_MINI_ID_DISPLAY, &m_idDisplay},
    };
    for (const auto& [id, control] : controls) {
        DDX_ControlIfPresent(pDX, static_cast<int>(id), *control);
    }
    for (int n = 0; n < kVfoLamps; ++n) {
        DDX_ControlIfPresent(pDX, static_cast<int>(IDC_VFO_1) + n, m_vfoLamps[n]);
    }
}

BOOL CMiniStatusRack::Create(CWnd* parent, UINT templateId, UINT style) {
    trunkLamp = templateId == kTrunkTemplate ? 0xFF : 0;
    if (!CRack::Create(parent, templateId, style, templateId)) {
        return FALSE;
    }
    CRadioView* panel = FrontPanel();
    if (!panel) {
        return TRUE;
    }
    SetUpPictures();
    if (const CHalbridgeApp* app = CHalbridgeApp::Get()) {
        const COLORREF foreground = app->Colors().segmentForeground;
        const COLORREF background = app->Colors().segmentBackground;
        if (Has(m_frequency)) {
            m_frequency.SetSegmentColor(foreground);
            m_frequency.SetBackGroundColor(background);
        }
        if (Has(m_idDisplay)) {
            m_idDisplay.SetIndicatorActiveColor(foreground);
            m_idDisplay.SetProperty(hb::instruments::kBackColor, background);
        }
    }
    SetUpMeter();
    if (Has(m_tuningStrip)) {
        m_tuningStrip.Init(panel, 0, 4);
    }
    if (Has(m_vfoLamps[0])) {
        SetTimer(kVfoTimerId, kVfoTimerMs, nullptr);
    }
    return TRUE;
}

void CMiniStatusRack::SetUpPictures() {
    const std::pair<UINT, CCoolButton*> buttons[] = {
        {ID_RADIO_START, &m_startButton},      {ID_RADIO_STOP, &m_stopButton},
        {ID_RADIO_LOCK_OUT, &m_lockOutButton}, {ID_RADIO_TEMP_LOCK_OUT, &m_tempLockOutButton},
        {ID_RADIO_HOLD_ID, &m_holdIdButton},   {ID_RADIO_LOCK_OUT_ID, &m_lockOutIdButton},
    };
    for (const auto& [id, button] : buttons) {
        const auto* pictures = std::ranges::find(kPictures, id, &Pictures::button);
        if (Has(*button)) {
            button->LoadBitmaps(pictures->normal, pictures->selected, pictures->focus);
        }
    }
    const std::pair<UINT, CXTPButton*> keys[] = {
        {IDC_KEY_RESET, &m_resetKey},
        {IDC_KEY_HOLD, &m_holdKey},
        {IDC_KEY_LOCK_OUT, &m_lockOutKey},
        {IDC_KEY_SCAN, &m_scanKey},
        {IDC_KEY_RESUME, &m_resumeKey},
        {IDC_KEY_11, &m_key11},
        {IDC_KEY_12, &m_key12},
    };
    for (const auto& [id, key] : keys) {
        const auto* icon = std::ranges::find(kKeyIcons, id, &KeyIcon::key);
        if (Has(*key)) {
            key->SetIcon(CSize(16, 16), icon->icon);
        }
    }
    CHalbridgeApp* app = CHalbridgeApp::Get();
    if (Has(m_muteButton)) {
        if (app) {
            app->ApplyButtonTheme(&m_muteButton, nullptr);
        }
        m_muteButton.SetIcon(CSize(16, 16), IDI_MINI_MUTE);
        m_muteButton.SetTextImageGap(kMuteTextImageGap);
    }
    if (Has(m_mutePeersButton)) {
        if (app) {
            app->ApplyStyleButtonTheme(&m_mutePeersButton, nullptr);
        }
        m_mutePeersButton.SetIcon(CSize(16, 16), IDI_MINI_MUTE_PEERS);
        m_mutePeersButton.SetTextImageGap(kMuteTextImageGap);
    }
}

void CMiniStatusRack::SetUpMeter() {
    const Radio* radio = frame && frame->m_rig ? frame->m_rig->m_radio : nullptr;
    if (!Has(m_sMeter) || !radio) {
        return;
    }
    const int floor = radio->meterFloor();
    const int ceiling = radio->meterCeiling();
    m_sMeter.SetPositionMin(FloorToTen(floor));
    m_sMeter.SetPositionMax(CeilToTen(ceiling));
    m_sMeter.SetTickMajorCount(kGaugeSetting);
    m_sMeter.SetPosition(floor);
    m_sMeter.SetSectionCount(3);
    for (int n = 0; n < 3; ++n) {
        m_sMeter.SetSectionEnd(n + 1, ceiling - kSectionOffsets[n]);
        m_sMeter.SetSectionColor(n + 1, kSectionColors[n]);
    }
    m_sMeter.SetCaption("S - dBm");
    if (const CHalbridgeApp* app = CHalbridgeApp::Get()) {
        m_sMeter.SetBackGroundColor(app->Colors().segmentBackground);
    }
}

CRadioView* CMiniStatusRack::FrontPanel() const {
    return frame ? frame->FrontPanel() : nullptr;
}

void CMiniStatusRack::UpdateStatus(CString, const BYTE* engineStatus, BYTE* deviceStatus, CRig* rig,
                                   BYTE audioState) {
    if (!engineStatus || !deviceStatus) {
        return;
    }
    ShowSignal(deviceStatus, rig);
    if (CAudioLog* log = rig ? rig->GetAudioLog() : nullptr) {
        if (Has(m_levelBar)) {
            m_levelBar.SetPosition(log->m_level);
        }
        if (Has(m_muteButton)) {
            m_muteButton.SetChecked(log->m_muted);
        }
    }
    Light(m_recordingLamp, audioState == 2 || audioState == 4);
    const BYTE idHold = engineStatus[EngineStatus::kIdHold.kOffset];
    Light(m_idHoldLamp, idHold != 0);
    const BYTE state = engineStatus[EngineStatus::kState.kOffset];
    ShowState(state, deviceStatus);
    if (trunkLamp) {
        if ((state >= 1 && state <= 6) || (state >= 8 && state <= 14)) {
            Light(m_trunkLamp, false);
        } else if (state >= 20 && state <= 36) {
            Light(m_trunkLamp, true);
        }
    }
    if (idHold == 0 && Has(m_idDisplay)) {
        UserId id;
        std::memcpy(id.data(), engineStatus + EngineStatus::kCurrentId.kOffset, UserId::kSize);
        m_idDisplay.ShowID(Has(m_scanningLamp) && m_scanningLamp.GetActive() ? nullptr : &id);
    }
    if (Has(m_radioName) && rig) {
        m_radioName.SetCaption(rig->m_name);
    }
}

void CMiniStatusRack::ShowSignal(const BYTE* deviceStatus, CRig* rig) {
    Radio* radio = rig ? rig->m_radio : nullptr;
    if (deviceStatus[DeviceStatus::kSquelchOpen.kOffset] != 0) {
        Light(m_signalLamp, true);
        if (Has(m_sMeter) && radio) {
            m_sMeter.SetPosition(
                radio->Request(deviceStatus[DeviceStatus::kSignalLevel.kOffset], 1));
        }
        return;
    }
    Light(m_signalLamp, false);
    if (Has(m_sMeter) && radio) {
        m_sMeter.SetPosition(radio->meterFloor());
    }
    const BYTE mode = deviceStatus[DeviceStatus::kModeChar.kOffset];
    if (mode != '&' && mode != 'i') {
        std::memset(const_cast<BYTE*>(deviceStatus) + kDeviceIdOffset, 0, UserId::kSize);
    }
}

void CMiniStatusRack::ShowState(BYTE state, const BYTE* deviceStatus) {
    std::uint32_t deviceHz = 0;
    std::memcpy(&deviceHz, deviceStatus + DeviceStatus::kCurrentFrequency.kOffset, sizeof deviceHz);
    const auto lamps = [this](bool scanning, bool stopped, bool hit) {
        Light(m_scanningLamp, scanning);
        Light(m_stoppedLamp, stopped);
        Light(m_hitLamp, hit);
    };
    if (state == 0 || state == 7) {
        lamps(false, true, false);
        ShowFrequency(deviceHz);
    } else if ((state >= 1 && state <= 4) || (state >= 9 && state <= 14) ||
               (state >= 20 && state <= 25) || (state >= 34 && state <= 36)) {
        lamps(true, false, false);
        if (Has(m_frequency)) {
            m_frequency.SetValue(0);
        }
    } else if (state == 5 || state == 8 || state == 26) {
        lamps(false, false, false);
        ShowFrequency(deviceHz);
    } else if (state == 6 || (state >= 27 && state <= 33)) {
        lamps(false, false, true);
        ShowFrequency(deviceHz);
    }
}

void CMiniStatusRack::ShowVfoLamps() {
    const CRadioView* panel = FrontPanel();
    if (!panel || panel->m_activeVfo > kVfoLamps) {
        return;
    }
    for (int n = 0; n < kVfoLamps; ++n) {
        if (Has(m_vfoLamps[n])) {
            m_vfoLamps[n].SetProperty(hb::instruments::switchLed::kActive,
                                      panel->m_activeVfo == n + 1);
        }
    }
}

void CMiniStatusRack::ShowFrequency(UINT hz) {
    const CRadioView* panel = FrontPanel();
    if (!panel) {
        return;
    }
    lastFrequency = hz;
    const std::uint32_t features =
        frame->m_rig && frame->m_rig->m_radio ? frame->m_rig->m_radio->features() : 0;
    char text[32];
    int decimals = 4;
    if ((features & Radio::kFeatureCoarse) || !(features & Radio::kFeatureHf)) {
        std::snprintf(text, sizeof text, "%u.%04u", hz / 1000000, (hz % 1000000) / 100);
    } else if (panel->m_mhzDisplay) {
        std::snprintf(text, sizeof text, "%u.%06u", hz / 1000000, hz % 1000000);
        decimals = 6;
    } else {
        std::snprintf(text, sizeof text, "%u.%03u", hz / 1000, hz % 1000);
        decimals = 3;
    }
    if (Has(m_frequency)) {
        m_frequency.SetPrecision(decimals);
        m_frequency.SetValue(std::atof(text));
    }
}

void CMiniStatusRack::OnTimer(UINT_PTR nIDEvent) {
    CControlBar::OnTimer(nIDEvent);
    ShowVfoLamps();
}

void CMiniStatusRack::SendToFrontPanel(UINT id) {
    if (CRadioView* panel = FrontPanel()) {
        panel->SendMessage(WM_COMMAND, id, 0);
    }
}

void CMiniStatusRack::SendToRadioWindow(UINT id) {
    if (frame && frame->GetSafeHwnd()) {
        frame->SendMessage(WM_COMMAND, id, 0);
    }
}

void CMiniStatusRack::CommandRadioWindow(UINT id) {
    if (frame && frame->GetSafeHwnd()) {
        frame->SendMessage(WM_COMMAND, id, hb::win::ParamFromHwnd(m_hWnd));
    }
}

void CMiniStatusRack::OnStartLamp() {
    CommandRadioWindow(ID_RADIO_START);
}

void CMiniStatusRack::OnStopLamp() {
    CommandRadioWindow(ID_RADIO_STOP);
}

void CMiniStatusRack::OnRecordingLamp() {
    CommandRadioWindow(IDC_KEY_RECORD);
}

void CMiniStatusRack::OnVolumeKnob() {
    CAudioLog* log = frame && frame->m_rig ? frame->m_rig->GetAudioLog() : nullptr;
    if (!log || !Has(m_volumeKnob)) {
        return;
    }
    log->Volume(static_cast<int>(std::clamp(m_volumeKnob.GetPosition(), 0.0, kVolumeMax)));
}

void CMiniStatusRack::SelectVfo(int n) {
    CRadioView* panel = FrontPanel();
    if (!panel || !panel->m_vfoButtons[n].GetSafeHwnd() || !Has(m_vfoLamps[n])) {
        return;
    }
    const auto on = std::get<bool>(m_vfoLamps[n].GetProperty(hb::instruments::switchLed::kActive));
    // The VFO command toggles its button: it leaves the button, and the VFO, as the switch is.
    panel->m_vfoButtons[n].SetChecked(!on);
    panel->SendMessage(WM_COMMAND, static_cast<WPARAM>(panel->m_vfoButtons[n].GetDlgCtrlID()), 0);
}
