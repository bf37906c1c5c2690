#include "radioview/models/R8500View.h"

#include "platform/afx/Ddx.h"
#include "radioview/models/ModeSwitch.h"
#include "resources/ResourceIds.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr std::uint8_t kModes[] = {0, 11, 2, 1, 12, 14, 5, 15, 3, 4};
constexpr hb::radioview::ModeSwitch kModeSwitch{kModes};
constexpr long kAttenuatorPositions = 4;
// The audio peak filter's level.
constexpr auto kApfLevel = parm::kControlWord72;
constexpr auto kAgc = parm::kSwitch92;
constexpr auto kNoiseBlanker = parm::kVoiceInversionOn;
constexpr auto kAttenuator = parm::kSwitch96;
} // namespace

IMPLEMENT_DYNCREATE(CR8500View, CRadioView)

BEGIN_MESSAGE_MAP(CR8500View, CRadioView)
ON_BN_CLICKED(IDC_APF, &CR8500View::OnApf)
ON_BN_CLICKED(IDC_NOISE_BLANKER, &CR8500View::OnNoiseBlanker)
ON_BN_CLICKED(IDC_AGC, &CR8500View::OnAgc)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CR8500View, CRadioView)
ON_EVENT(CR8500View, IDC_MODE_SWITCH, 1, &CR8500View::OnModeSwitch)
ON_EVENT(CR8500View, IDC_ATTENUATOR_SWITCH, 1, &CR8500View::OnAttenuator)
ON_EVENT(CR8500View, IDC_APF_KNOB, 18, &CR8500View::OnApfKnobChange)
ON_EVENT(CR8500View, IDC_APF_KNOB, 4, &CR8500View::OnApfKnobChange)
ON_EVENT(CR8500View, IDC_APF_KNOB, 8, &CR8500View::OnApfKnobReset)
END_EVENTSINK_MAP()

CR8500View::CR8500View() : CRadioView(IDD_R8500_VIEW) {}

void CR8500View::DoDataExchange(CDataExchange* pDX) {
    CRadioView::DoDataExchange(pDX);
    DDX_ControlIfPresent(pDX, IDC_MODE_SWITCH, m_modeSwitch);
    DDX_ControlIfPresent(pDX, IDC_ATTENUATOR_SWITCH, m_attenuatorSwitch);
    DDX_ControlIfPresent(pDX, IDC_APF_KNOB, m_apfKnob);
    DDX_ControlIfPresent(pDX, IDC_APF, m_apfButton);
    DDX_ControlIfPresent(pDX, IDC_NOISE_BLANKER, m_noiseBlankerButton);
    DDX_ControlIfPresent(pDX, IDC_AGC, m_agcButton);
}

void CR8500View::OnModeSwitch() {
    kModeSwitch.Choose(*this, m_modeSwitch);
}

void CR8500View::OnAttenuator() {
    const long position =
        std::clamp(m_attenuatorSwitch.GetPosition(), 0L, kAttenuatorPositions - 1);
    hb::radioview::ActiveRecord(*this).set(kAttenuator, static_cast<std::uint8_t>(position));
}

void CR8500View::OnApf() {
    parm& record = hb::radioview::ActiveRecord(*this);
    const bool on = !m_apfButton.GetChecked();
    const long level = on && m_apfKnob.m_hWnd ? std::lround(m_apfKnob.GetPosition()) : 0;
    record.set(kApfLevel, static_cast<std::uint16_t>(std::clamp(level, 0L, 0xFFFFL)));
    m_apfButton.SetChecked(on);
    EnableApfKnob(on);
}

void CR8500View::OnNoiseBlanker() {
    hb::radioview::ToggleSwitch(*this, m_noiseBlankerButton, kNoiseBlanker);
}

void CR8500View::OnAgc() {
    hb::radioview::ToggleSwitch(*this, m_agcButton, kAgc);
}

void CR8500View::OnApfKnobChange() {
    if (m_apfButton.m_hWnd && m_apfButton.GetChecked()) {
        const long level = std::clamp(std::lround(m_apfKnob.GetPosition()), 0L, 0xFFFFL);
        hb::radioview::ActiveRecord(*this).set(kApfLevel, static_cast<std::uint16_t>(level));
    }
}

void CR8500View::OnApfKnobReset() {
    m_apfKnob.SetPosition(0);
    hb::radioview::ActiveRecord(*this).set(kApfLevel, std::uint16_t{0});
}

void CR8500View::EnableApfKnob(bool on) {
    if (m_apfKnob.m_hWnd) {
        m_apfKnob.EnableWindow(on);
    }
}

void CR8500View::UpdateControlsFromParm(const parm* rec, const CString* info) {
    CRadioView::UpdateControlsFromParm(rec, info);
    if (rec) {
        kModeSwitch.Show(m_modeSwitch, *rec);
        hb::radioview::ShowPosition(m_attenuatorSwitch, *rec, kAttenuator);
        hb::radioview::ShowSwitch(m_noiseBlankerButton, *rec, kNoiseBlanker);
        hb::radioview::ShowSwitch(m_agcButton, *rec, kAgc);
        hb::radioview::ShowSwitch(m_apfButton, *rec, kApfLevel);
        const std::uint16_t level = rec->get(kApfLevel);
        if (level != 0 && m_apfKnob.m_hWnd) {
            m_apfKnob.SetPosition(level);
        }
        EnableApfKnob(level != 0);
    }
    NormaliseParm(&hb::radioview::ActiveRecord(*this));
}

void CR8500View::NormaliseParm(parm* rec) {
    CRadioView::NormaliseParm(rec);
    if (!rec) {
        return;
    }
    const std::uint8_t mode = rec->get(parm::kMode);
    const bool keepsSwitches = mode == 3 || mode == 4 || mode == 5 || mode == 15;
    if (!keepsSwitches) {
        rec->set(parm::kIfShift, std::int16_t{0});
        if (mode != 12 && mode != 14) {
            rec->set(kAgc, std::uint8_t{0});
            rec->set(kNoiseBlanker, std::uint8_t{0});
        }
    }
    if (m_bfoKnob.m_hWnd) {
        m_bfoKnob.EnableWindow(keepsSwitches);
    }
}

void CR8500View::SetupControls() {
    if (m_modeSwitch.m_hWnd) {
        m_modeSwitch.SetPositionCount(static_cast<long>(std::size(kModes)));
    }
    if (m_attenuatorSwitch.m_hWnd) {
        m_attenuatorSwitch.SetPositionCount(kAttenuatorPositions);
    }
    if (m_apfKnob.m_hWnd) {
        m_apfKnob.SetPositionMin(0);
        m_apfKnob.SetPositionMax(255);
    }
    CRadioView::SetupControls();
}
