// The panel's status display: one engine status and one device status turned into lamps, meter,
// frequency, channel text, scan state and the mini status line, and the instruments put on the
// values of one channel record.
#include "app/radiowindow/RadioFrame.h"
#include "app/rig/Rig.h"
#include "platform/records/DeviceStatus.h"
#include "platform/records/EngineStatus.h"
#include "platform/tessary/model/Format.h"
#include "platform/tessary/model/Object.h"
#include "platform/tessary/model/Radio.h"
#include "radioview/MiniStatusWnd.h"
#include "radioview/RadioView.h"
#include "radioview/SettingKnobs.h"

#include <cstring>

namespace {

using hb::radioview::SettingKnobKind;
using hb::radioview::ShowStoredValue;
using hb::records::DeviceStatus;
using hb::records::EngineStatus;

template <class F>
typename F::Type Read(const BYTE* base, F) {
    typename F::Type value;
    std::memcpy(&value, base + F::kOffset, sizeof value);
    return value;
}

template <class F>
void Clear(BYTE* base, F) {
    std::memset(base + F::kOffset, 0, F::kSize);
}

template <class F>
typename F::Type RecordAt(const BYTE* base, F) {
    typename F::Type record;
    std::memcpy(record.data(), base + F::kOffset, F::kSize);
    return record;
}

// Device model bytes whose radios keep their tone words while scanning.
constexpr std::uint8_t kKeepsModelWords1 = 38;
constexpr std::uint8_t kKeepsModelWords2 = 105;
// Mode codes under which an ID may be shown.
constexpr std::uint8_t kModeFm = 0;
constexpr std::uint8_t kModeFmNarrow = 11;
// The record's own volume is sent rather than the radio's.
constexpr std::uint16_t kRequestVolumeBit = 0x0200;
constexpr std::uint32_t kMhz = 1'000'000;
constexpr std::uint32_t kKhz = 1'000;
// Below this a radio without the HF feature still shows kHz.
constexpr std::uint32_t kHfLimit = 30'000'000;

void SetLamp(CiLedRectangleX& lamp, bool on) {
    if (lamp.m_hWnd) {
        lamp.SetActive(on);
    }
}

CString Padded16(const std::string& name) {
    CString text;
    text.Format("%-16.16s", name.c_str());
    return text;
}

// The frequency in the mini status line's units, which are the panel's the other way round: the
// MHz display setting gives kHz here.
CString MiniFrequency(const Radio* radio, std::uint32_t hz, bool mhzDisplay) {
    const std::uint32_t features = radio ? radio->features() : 0;
    CString text;
    if (!(features & Radio::kFeatureCoarse) && ((features & Radio::kFeatureHf) || hz < kHfLimit)) {
        if (mhzDisplay) {
            text.Format("%d.%03d kHz", static_cast<int>(hz / kKhz), static_cast<int>(hz % kKhz));
        } else {
            text.Format("%d.%06d MHz", static_cast<int>(hz / kMhz), static_cast<int>(hz % kMhz));
        }
    } else {
        text.Format("%d.%04d MHz", static_cast<int>(hz / kMhz), static_cast<int>(hz % kMhz / 100));
    }
    return text;
}

} // namespace

void CRadioView::UpdateStatusDisplay(const BYTE* engineStatus, BYTE* deviceStatus, Object* channel,
                                     Object* user) {
    if (!engineStatus || !deviceStatus || !m_rig) {
        return;
    }
    if (m_radioName.m_hWnd) {
        m_radioName.SetCaption(m_rig->GetNameString());
    }
    if (m_hold) {
        return;
    }
    ShowSignal(deviceStatus);
    const std::uint8_t idPresent = Read(engineStatus, EngineStatus::kIdHold);
    const std::uint8_t squelchOpen = Read(deviceStatus, DeviceStatus::kSquelchOpen);
    const std::uint8_t model = Read(deviceStatus, DeviceStatus::kModeChar);
    if (model != kKeepsModelWords1 && model != kKeepsModelWords2) {
        Clear(deviceStatus, DeviceStatus::kCurrentModelWords);
    }
    {
        const parm device = RecordAt(deviceStatus, DeviceStatus::kCurrentParm);
        const std::uint8_t mode = device.get(parm::kMode);
        if ((idPresent == 0 && m_scanningFlag) ||
            device.get(parm::kFrequency) != m_working.get(parm::kFrequency) ||
            (mode != kModeFm && mode != kModeFmNarrow) ||
            (m_manualMode && squelchOpen == 0 && idPresent == 0)) {
            Clear(deviceStatus, DeviceStatus::kCurrentId);
        }
    }
    const parm device = RecordAt(deviceStatus, DeviceStatus::kCurrentParm);
    FollowEngineState(Read(engineStatus, EngineStatus::kState), device);
    ShowLocalControl(deviceStatus);
    if (CAudioLog* log = m_rig->GetAudioLog()) {
        OnRecorderState(log);
    }
    if (m_frequencyChanged && !m_recalled) {
        return;
    }
    const UINT hz = device.get(parm::kFrequency);
    UpdateFrequencyDisplay(hz);
    CentreTuningKnob(hz);
    FormatStep(&device);
    const CString text = ChannelText(device, channel, user);
    if (idPresent == 0) {
        ShowChannelName(text);
    }
    ShowMiniStatus(text, engineStatus, deviceStatus);
    if (!m_manualMode) {
        UpdateControlsFromParm(&device, nullptr);
    }
}

void CRadioView::ShowSignal(const BYTE* deviceStatus) {
    const Radio* radio = TheRadio();
    CString label = "----";
    int level = radio ? radio->meterFloor() : 0;
    const bool present = Read(deviceStatus, DeviceStatus::kSquelchOpen) != 0;
    if (present) {
        level = m_rig->RadioRequest(Read(deviceStatus, DeviceStatus::kSignalLevel), 1);
        label.Format("%d dBm", level);
    }
    SetLamp(m_signalLamp, present);
    if (m_sMeter.m_hWnd) {
        m_sMeter.SetPosition(level);
        if (m_sMeter.GetLabelVisible()) {
            m_sMeter.SetLabelText(label);
        }
    }
    if (m_signalValue.m_hWnd) {
        m_signalValue.SetValue(level);
    }
}

void CRadioView::FollowEngineState(std::uint8_t state, const parm& device) {
    const std::uint8_t last = m_lastEngineState;
    m_lastEngineState = state;
    if (state == last || state > 36) {
        return;
    }
    const std::uint8_t wasStopped = m_stoppedFlag;
    const bool hit = state == 6 || (state >= 27 && state <= 33);
    if (state >= 15 && state <= 19) {
        return;
    }
    if (state == 0 || state == 7) {
        m_scanningFlag = 0;
        m_stoppedFlag = 1;
        SetLamp(m_hitLamp, false);
        if (!m_manualMode) {
            if (!m_frequencyChanged) {
                m_activeVfo = 0;
                const std::uint32_t step = m_vfo[0].get(parm::kStep);
                m_vfo[0] = device;
                m_vfo[0].set(parm::kStep, step);
                if (m_followButton.m_hWnd && m_followButton.GetChecked()) {
                    SnapToBandGrid();
                }
            }
            UpdateControlsFromParm(&ActiveVfo(), nullptr);
            m_manualMode = kOn;
        }
    } else {
        const bool scanning = state != 5 && state != 26 && !hit;
        m_scanningFlag = scanning ? 1 : 0;
        m_stoppedFlag = 0;
        SetLamp(m_hitLamp, hit);
        if (!m_frequencyChanged) {
            m_manualMode = 0;
        }
    }
    SetLamp(m_scanningLamp, m_scanningFlag != 0);
    SetLamp(m_stoppedLamp, m_stoppedFlag != 0);
    if (wasStopped == 1 && m_stoppedFlag == 0) {
        for (CXTPButton& button : m_vfoButtons) {
            if (button.m_hWnd) {
                button.SetChecked(FALSE);
            }
        }
    }
}

void CRadioView::ShowLocalControl(const BYTE* deviceStatus) {
    if (!m_localRemoteLamp.m_hWnd) {
        return;
    }
    const bool local = Read(deviceStatus, DeviceStatus::kLocalControl) != 0;
    if (local && !m_localRemoteLamp.GetActive()) {
        m_localRemoteLamp.SetActive(TRUE);
        m_localRemoteLamp.SetCaption("LOCAL");
    } else if (!local && m_localRemoteLamp.GetActive()) {
        m_localRemoteLamp.SetActive(FALSE);
        m_localRemoteLamp.SetCaption("REMOTE");
    }
}

CString CRadioView::ChannelText(const parm& device, const Object* channel, const Object* user) {
    CString text;
    if (m_scanningFlag) {
        text = m_frame && m_frame->ViewType() == 2 ? "Searching..." : "Scanning...";
    } else if (m_manualMode) {
        text = ActiveInfo();
        if (text.IsEmpty()) {
            text = Padded16(ActiveVfo().text(parm::kName));
        }
    } else if (user && !user->name().empty()) {
        text = user->name().c_str();
    } else if (channel && !channel->name().empty()) {
        text = channel->name().c_str();
    } else {
        text = Padded16(device.text(parm::kName));
    }
    text.Trim();
    return text;
}

void CRadioView::ShowMiniStatus(const CString& channelText, const BYTE* engineStatus,
                                BYTE* deviceStatus) {
    auto* mini = m_frame ? DYNAMIC_DOWNCAST(CMiniStatusWnd, m_frame->m_miniStatus) : nullptr;
    if (!mini) {
        return;
    }
    const Radio* radio = TheRadio();
    CString line;
    if (!m_scanningFlag) {
        line = MiniFrequency(radio, Read(deviceStatus, DeviceStatus::kCurrentFrequency),
                             m_mhzDisplay != 0);
        const hb::records::UserId id = RecordAt(engineStatus, EngineStatus::kCurrentId);
        std::uint32_t first = 0;
        std::memcpy(&first, id.data(), sizeof first);
        if (first != 0) {
            CString idText = format_user(id).c_str();
            idText.TrimLeft();
            if (!idText.IsEmpty()) {
                line += ", " + idText;
            }
        }
    } else if (m_manualMode) {
        CString vfo;
        vfo.Format("VFO %u ", static_cast<unsigned>(m_activeVfo));
        line = vfo + MiniFrequency(radio, ActiveVfo().get(parm::kFrequency), m_mhzDisplay != 0);
    } else {
        line = "Scanning...";
    }
    if ((!m_scanningFlag || m_manualMode) && !channelText.IsEmpty()) {
        line += ", " + channelText;
    }
    mini->SetStatus(line, engineStatus, deviceStatus, m_rig, m_rig->AudioLogState());
}

void CRadioView::UpdateControlsFromParm(const parm* rec, const CString* info) {
    if (m_hold || !rec) {
        return;
    }
    const UINT hz = rec->get(parm::kFrequency);
    if (info) {
        UpdateFrequencyDisplay(hz);
        CentreTuningKnob(hz);
        FormatStep(rec);
        ShowChannelName(*info);
    }
    const Radio* radio = TheRadio();
    if (!radio || !m_rig) {
        return;
    }
    const std::uint16_t flags = rec->get(parm::kRequestFlags);
    if (m_squelchKnob.m_hWnd) {
        const std::uint8_t squelch = (flags & parm::kRequestSquelch)
                                         ? rec->get(parm::kSquelch)
                                         : static_cast<std::uint8_t>(m_rig->GetSquelch() & 0xFF);
        m_squelchKnob.SetPosition(radio->SquelchFromDevice(squelch));
    }
    const hb::records::Controls& c = radio->controls();
    const std::uint8_t volume = (flags & kRequestVolumeBit)
                                    ? rec->get(parm::kVolume)
                                    : static_cast<std::uint8_t>(m_rig->GetVolume() & 0xFF);
    ShowStoredValue(m_volumeSetting, c.volume, volume);
    for (const SettingKnobKind kind :
         {SettingKnobKind::BFO, SettingKnobKind::Gain, SettingKnobKind::Notch, SettingKnobKind::VSC,
          SettingKnobKind::VoiceInversion, SettingKnobKind::IFShift, SettingKnobKind::AGCAttack,
          SettingKnobKind::AGCHang, SettingKnobKind::AGCDecay}) {
        const hb::radioview::SettingKnob& knob = hb::radioview::SettingKnobOf(kind);
        ShowStoredValue(this->*knob.knob, c.*knob.descriptor, static_cast<double>(knob.read(*rec)));
    }
    const std::uint32_t bandwidth = rec->get(parm::kBandwidth);
    if (bandwidth != 0) {
        ShowStoredValue(m_filter2Knob, c.filter2, bandwidth);
        if (m_filterKnob.m_hWnd) {
            m_filterKnob.SetPosition(radio->FilterCode(bandwidth) + 1);
        }
    }
    if (m_vscButton.m_hWnd) {
        m_vscButton.SetChecked((flags & parm::kRequestVsc) != 0);
    }
}
