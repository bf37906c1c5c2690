// The instruments' ranges and start values when the panel opens.
#include "app/rig/Rig.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Radio.h"
#include "radioview/RadioView.h"

#include <cmath>

namespace {

using hb::records::Descriptor;

CScanApp& App() {
    return *CScanApp::GetScanApp();
}

int Rounded(double value) {
    return static_cast<int>(std::lround(value));
}

// The knob put back on a stored value; a scale of 0 leaves it where it is.
void ShowValue(CiKnobX& knob, const Descriptor& d, int value) {
    if (knob.m_hWnd && d.scale != 0) {
        knob.SetPosition((value - d.offset) / d.scale);
    }
}

void SetRange(CiKnobX& knob, double min, double max) {
    if (knob.m_hWnd) {
        knob.SetPositionMin(min);
        knob.SetPositionMax(max);
    }
}

} // namespace

void CRadioView::SetupControls() {
    const Radio* radio = m_rig ? m_rig->m_radio : nullptr;
    if (!radio) {
        return;
    }
    const hb::records::Controls& c = radio->controls();
    const CString section = Section();
    if (m_volumeKnob.m_hWnd) {
        m_volumeKnob.SetUnitsText(" %");
    }
    SetupKnobRanges();
    if (m_sMeter.m_hWnd) {
        const Descriptor signal = radio->signalScale();
        m_sMeter.SetPositionMin(signal.min);
        m_sMeter.SetPositionMax(signal.max);
        m_sMeter.SetCaption("Signal");
    }
    if (m_volumeSetting.m_hWnd) {
        const int volume = App().GetProfileIntA(section, "Volume", Rounded(c.volume.def));
        ShowValue(m_volumeSetting, c.volume, volume);
        const auto level = static_cast<std::uint32_t>(volume);
        m_rig->SetVolume(&level);
    }
    if (m_squelchKnob.m_hWnd) {
        const int squelch = App().GetProfileIntA(section, "Squelch", Rounded(c.squelch.def));
        m_squelchKnob.SetPosition(squelch);
        const std::uint32_t level = radio->SquelchToDevice(squelch);
        m_rig->SetSquelch(&level);
    }
    if (m_vscKnob.m_hWnd) {
        m_rig->SetVsc(static_cast<std::uint32_t>(App().GetProfileIntA(section, "VSC", 0)));
    }
    parm& active = m_vfo[m_activeVfo];
    const auto agcStart = [&](CiKnobX& knob, const Descriptor& d, LPCSTR name, auto field) {
        if (!knob.m_hWnd) {
            return;
        }
        const int value = App().GetProfileIntA(section, name, Rounded(d.def * d.scale));
        ShowValue(knob, d, value);
        active.set(field, static_cast<std::uint16_t>(value));
    };
    agcStart(m_agcAttackKnob, c.agcAttack, "Attack", parm::kAgcAttack);
    agcStart(m_agcHangKnob, c.agcHang, "Hang", parm::kAgcHang);
    agcStart(m_agcDecayKnob, c.agcDecay, "Decay", parm::kAgcDecay);
    SetTuningStep(active.get(parm::kFrequency));
    if (m_liveLed.m_hWnd) {
        m_liveLed.SetActive(TRUE);
    }
    if (m_holdLed.m_hWnd) {
        m_holdLed.SetActive(FALSE);
    }
    if (m_livePlayLamp.m_hWnd) {
        m_livePlayLamp.SetCaption("LIVE");
        m_livePlayLamp.SetCaptionColor(App().Color(kDisplayForeground));
        m_livePlayLamp.SetActiveColor(App().Color(kDisplayBackground));
    }
}

void CRadioView::SetupKnobRanges() {
    const Radio& radio = *m_rig->m_radio;
    const hb::records::Controls& c = radio.controls();
    const struct {
        CiKnobX& knob;
        const Descriptor& descriptor;
    } knobs[] = {
        {m_squelchKnob, c.squelch}, {m_volumeSetting, c.volume},
        {m_bfoKnob, c.bfo},         {m_gainKnob, c.gain},
        {m_filter2Knob, c.filter2}, {m_notchKnob, c.notch},
        {m_vscKnob, c.vsc},         {m_voiceInversionKnob, c.voiceInversion},
        {m_ifShiftKnob, c.ifShift}, {m_agcAttackKnob, c.agcAttack},
        {m_agcHangKnob, c.agcHang}, {m_agcDecayKnob, c.agcDecay},
    };
    for (const auto& [knob, d] : knobs) {
        SetRange(knob, d.min, d.max);
    }
    // The filter knob counts filter codes from 1.
    if (radio.filterCount() > 0) {
        SetRange(m_filterKnob, 1, static_cast<double>(radio.filterCount()));
    }
}
