#include "radioview/models/PcrPanel.h"

#include "app/rig/Rig.h"
#include "platform/afx/Ddx.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/MessageBox.h"
#include "radioview/models/DecoderDisplay.h"
#include "radioview/models/ModeSwitch.h"
#include "resources/ResourceIds.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace hb::radioview {

namespace {
constexpr std::uint8_t kModes[] = {0, 2, 1, 5, 3, 4};
constexpr ModeSwitch kModeSwitch{kModes};
constexpr long kFilterPositions = 5;
constexpr double kNoiseReducerMax = 16;
constexpr auto kAgc = parm::kSwitch92;
constexpr auto kAttenuator = parm::kSwitch96;
constexpr auto kNoiseBlanker = parm::kVoiceInversionOn;
constexpr auto kToneKind = parm::Channel::kSquelchKind;
constexpr std::size_t kToneBytesFrom = 32;
constexpr std::size_t kToneBytes = 12;

void Light(CiLedRectangleX& lamp, bool on) {
    if (lamp.m_hWnd) {
        lamp.SetActive(on);
    }
}
} // namespace

int PcrToneIndex(std::uint32_t tenths) {
    const auto found = std::ranges::find(kPcrTones.begin() + 1, kPcrTones.end(), tenths);
    return found == kPcrTones.end() ? 0 : static_cast<int>(found - kPcrTones.begin());
}

int NextPcrTone(int index, int delta) {
    const int last = static_cast<int>(kPcrTones.size()) - 1;
    const int next = index + (delta > 0 ? 1 : -1);
    if (next > last) {
        return 1;
    }
    return next < 1 ? last : next;
}

PcrPanel::PcrPanel(UINT form) : CRadioView(form) {}

void PcrPanel::DoDataExchange(CDataExchange* pDX) {
    CRadioView::DoDataExchange(pDX);
    DDX_ControlIfPresent(pDX, IDC_MODE_SWITCH, m_modeSwitch);
    DDX_ControlIfPresent(pDX, IDC_FILTER_SWITCH, m_filterSwitch);
    DDX_ControlIfPresent(pDX, IDC_DSP_KNOB, m_dspKnob);
    DDX_ControlIfPresent(pDX, IDC_DECODER_DISPLAY, m_toneDisplay);
    DDX_ControlIfPresent(pDX, IDC_ATTENUATOR, m_attenuatorButton);
    DDX_ControlIfPresent(pDX, IDC_NOISE_BLANKER, m_noiseBlankerButton);
    DDX_ControlIfPresent(pDX, IDC_AGC, m_agcButton);
    DDX_ControlIfPresent(pDX, IDC_DSP, m_dspButton);
    DDX_ControlIfPresent(pDX, IDC_NOTCH, m_notchButton);
    DDX_ControlIfPresent(pDX, IDC_TONE_SQUELCH, m_toneButton);
    DDX_ControlIfPresent(pDX, IDC_TONE_SPIN, m_toneSpin);
    DDX_ControlIfPresent(pDX, IDC_DSP_LAMP, m_dspLamp);
    DDX_ControlIfPresent(pDX, IDC_CENTER_LAMP, m_centerLamp);
    DDX_ControlIfPresent(pDX, IDC_TONE_LAMP, m_toneLamp);
    DDX_ControlIfPresent(pDX, IDC_DECODER_TEXT, m_dtmfLabel);
}

void PcrPanel::OnModeSwitch() {
    kModeSwitch.Choose(*this, m_modeSwitch);
}

void PcrPanel::OnFilterSwitch() {
    StorePosition(*this, m_filterSwitch, parm::kFilter);
}

void PcrPanel::OnAttenuator() {
    ToggleSwitch(*this, m_attenuatorButton, kAttenuator);
}

void PcrPanel::OnNoiseBlanker() {
    ToggleSwitch(*this, m_noiseBlankerButton, kNoiseBlanker);
}

void PcrPanel::OnAgc() {
    ToggleSwitch(*this, m_agcButton, kAgc);
}

void PcrPanel::OnNotch() {
    parm& record = ActiveRecord(*this);
    const bool on = record.get(parm::kNotch) != 1;
    record.set(parm::kNotch, static_cast<std::int16_t>(on ? 1 : 0));
    if (m_notchButton.m_hWnd) {
        m_notchButton.SetChecked(on);
    }
}

void PcrPanel::OnDsp() {
    const bool fitted = m_rig && m_rig->m_radio && m_rig->m_radio->HasDspUnit();
    if (!fitted) {
        MessageBeep(MB_ICONEXCLAMATION);
        CString text;
        text.LoadString(IDS_NO_DSP);
        ::MessageBox(m_hWnd, text, "No DSP", MB_OK | MB_ICONEXCLAMATION);
        if (m_dspButton.m_hWnd) {
            m_dspButton.SetChecked(FALSE);
        }
        return;
    }
    parm& record = ActiveRecord(*this);
    const std::uint16_t flags = record.get(parm::kOptionFlags);
    const bool on = (flags & parm::kOptionDsp) == 0;
    record.set(parm::kOptionFlags, static_cast<std::uint16_t>(flags ^ parm::kOptionDsp));
    if (m_dspButton.m_hWnd) {
        m_dspButton.SetChecked(on);
    }
    EnableDspKnob(on);
}

void PcrPanel::OnToneSquelch() {
    parm& record = ActiveRecord(*this);
    const bool on = record.get(kToneKind) != kToneSquelchKind;
    const int index = on ? ShownTone() : 0;
    record.set(parm::Channel::kTone, static_cast<std::uint32_t>(kPcrTones[index]));
    record.set(kToneKind, on ? kToneSquelchKind : std::uint8_t{0});
    if (m_toneButton.m_hWnd) {
        m_toneButton.SetChecked(on);
    }
}

void PcrPanel::OnToneSpin(NMHDR* pNMHDR, LRESULT* pResult) {
    *pResult = 0;
    const auto* change = reinterpret_cast<const NMUPDOWN*>(pNMHDR);
    const int index = NextPcrTone(ShownTone(), change->iDelta);
    ShowTone(index);
    // With tone squelch on, the radio follows the tone shown.
    parm& record = ActiveRecord(*this);
    if (record.get(kToneKind) == kToneSquelchKind) {
        record.set(parm::Channel::kTone, static_cast<std::uint32_t>(kPcrTones[index]));
    }
}

void PcrPanel::OnDspKnobChange() {
    const long level = std::clamp(std::lround(m_dspKnob.GetPosition()), 0L, 0xFFFFL);
    ActiveRecord(*this).set(parm::kNoiseReducer, static_cast<std::uint16_t>(level));
}

void PcrPanel::OnDspKnobChanged() {
    if (m_rig) {
        CScanApp::GetScanApp()->WriteProfileInt(
            m_rig->m_section, kNoiseReducerEntry,
            static_cast<int>(ActiveRecord(*this).get(parm::kNoiseReducer)));
    }
}

void PcrPanel::OnDspKnobReset() {
    m_dspKnob.SetPosition(0);
    ActiveRecord(*this).set(parm::kNoiseReducer, std::uint16_t{0});
    if (m_rig) {
        CScanApp::GetScanApp()->WriteProfileInt(m_rig->m_section, kNoiseReducerEntry, 0);
    }
}

void PcrPanel::ShowTone(int index) {
    if (m_toneDisplay.m_hWnd) {
        m_toneDisplay.SetValue(kPcrTones[static_cast<std::size_t>(index)] / 10.0);
    }
}

int PcrPanel::ShownTone() const {
    if (!m_toneDisplay.m_hWnd) {
        return 0;
    }
    return PcrToneIndex(static_cast<std::uint32_t>(std::lround(m_toneDisplay.GetValue() * 10)));
}

void PcrPanel::EnableDspKnob(bool on) {
    if (m_dspKnob.m_hWnd) {
        m_dspKnob.EnableWindow(on);
    }
}

void PcrPanel::AppendDtmf(const DtmfRecord* rec) {
    CRadioView::AppendDtmf(rec);
    ShowDtmfLine(*this, m_dtmfLabel, rec);
}

void PcrPanel::UpdateStatusDisplay(const BYTE* engineStatus, BYTE* deviceStatus, Object* channel,
                                   Object* user) {
    CRadioView::UpdateStatusDisplay(engineStatus, deviceStatus, channel, user);
    if (!deviceStatus) {
        return;
    }
    // The lamps show what the radio runs now, which may differ from the VFO being edited.
    const parm running = RecordIn(deviceStatus, hb::records::DeviceStatus::kCurrentParm);
    Light(m_dspLamp, (running.get(parm::kOptionFlags) & parm::kOptionDsp) != 0);
    Light(m_toneLamp, running.get(kToneKind) == kToneSquelchKind);
}

void PcrPanel::UpdateControlsFromParm(const parm* rec, const CString* info) {
    CRadioView::UpdateControlsFromParm(rec, info);
    if (rec) {
        kModeSwitch.Show(m_modeSwitch, *rec);
        ShowPosition(m_filterSwitch, *rec, parm::kFilter);
        ShowSwitch(m_attenuatorButton, *rec, kAttenuator);
        ShowSwitch(m_noiseBlankerButton, *rec, kNoiseBlanker);
        ShowSwitch(m_agcButton, *rec, kAgc);
        if (m_notchButton.m_hWnd) {
            m_notchButton.SetChecked(rec->get(parm::kNotch) == 1);
        }
        if (m_dspButton.m_hWnd) {
            m_dspButton.SetChecked((rec->get(parm::kOptionFlags) & parm::kOptionDsp) != 0);
        }
        const bool toneOn = rec->get(kToneKind) == kToneSquelchKind;
        if (m_toneButton.m_hWnd) {
            m_toneButton.SetChecked(toneOn);
        }
        if (toneOn) {
            ShowTone(PcrToneIndex(rec->tone()));
        }
        if (m_dspKnob.m_hWnd) {
            m_dspKnob.SetPosition(rec->get(parm::kNoiseReducer));
        }
    }
    NormaliseParm(&ActiveRecord(*this));
}

void PcrPanel::NormaliseParm(parm* rec) {
    CRadioView::NormaliseParm(rec);
    if (!rec) {
        return;
    }
    const std::uint8_t mode = rec->get(parm::kMode);
    const std::uint8_t filter = rec->get(parm::kFilter);
    std::uint8_t normal = filter;
    const bool bfo = mode >= 3 && mode <= 5;
    if (bfo) {
        normal = filter == 3 || filter == 4 ? filter : 3;
    } else {
        rec->set(parm::kIfShift, std::int16_t{0});
        if (mode == 0 && (filter == 2 || filter == 3)) {
            normal = 0;
        } else if (mode == 1 && filter == 2) {
            normal = 4;
        } else if (mode == 2 && filter != 1 && filter != 2) {
            normal = 2;
        }
    }
    rec->set(parm::kFilter, normal);
    if (m_bfoKnob.m_hWnd) {
        if (mode == 0) {
            m_bfoKnob.SetPosition(0);
        }
        m_bfoKnob.EnableWindow(bfo);
    }
    EnableDspKnob((rec->get(parm::kOptionFlags) & parm::kOptionDsp) != 0);
}

void PcrPanel::SetupControls() {
    if (m_modeSwitch.m_hWnd) {
        m_modeSwitch.SetPositionCount(static_cast<long>(std::size(kModes)));
    }
    if (m_filterSwitch.m_hWnd) {
        m_filterSwitch.SetPositionCount(kFilterPositions);
    }
    if (m_dspKnob.m_hWnd) {
        m_dspKnob.SetPositionMin(0);
        m_dspKnob.SetPositionMax(kNoiseReducerMax);
        const int level =
            m_rig ? CScanApp::GetScanApp()->GetProfileIntA(m_rig->m_section, kNoiseReducerEntry, 0)
                  : 0;
        const int start = std::clamp(level, 0, static_cast<int>(kNoiseReducerMax));
        m_dspKnob.SetPosition(start);
        // The saved level is the radio's: the records take it too, so that the knob keeps it when
        // it next shows a record and the radio runs at the level the knob shows.
        for (parm& record : m_vfo) {
            record.set(parm::kNoiseReducer, static_cast<std::uint16_t>(start));
        }
    }
    if (m_toneSpin.m_hWnd) {
        m_toneSpin.SetRange(1, static_cast<short>(kPcrTones.size() - 1));
    }
    ShowTone(0);
    CRadioView::SetupControls();
}

ParmChangeCode PcrPanel::CompareParm(const parm& a, const parm& b) {
    // The base marks a new frequency even when the tone or DSP answers first.
    const ParmChangeCode code = CRadioView::CompareParm(a, b);
    if (std::memcmp(a.data() + kToneBytesFrom, b.data() + kToneBytesFrom, kToneBytes) != 0) {
        return kToneChanged;
    }
    if (((a.get(parm::kOptionFlags) ^ b.get(parm::kOptionFlags)) & parm::kOptionDsp) != 0) {
        return kDspChanged;
    }
    return code;
}

void PcrPanel::ShowAudioState(CAudioLog* log) {
    CRadioView::ShowAudioState(log);
    PaintDecoderDisplay(*this, m_toneDisplay, m_dtmfLabel);
}

} // namespace hb::radioview
