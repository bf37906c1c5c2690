#include "radioview/models/NRD535View.h"

#include "app/rig/Rig.h"
#include "platform/afx/Ddx.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/model/Radio.h"
#include "radioview/models/ModeSwitch.h"
#include "resources/ResourceIds.h"

#include <cmath>

namespace {
constexpr std::uint8_t kModes[] = {6, 5, 3, 4, 1, 0, 7, 8, 9};
constexpr hb::radioview::ModeSwitch kModeSwitch{kModes};
constexpr auto kAgc = parm::kSwitch92;
constexpr auto kAttenuator = parm::kSwitch96;
constexpr auto kAux = parm::kVoiceInversionOn;
constexpr auto kNoiseBlanker = parm::kSwitch95;
} // namespace

IMPLEMENT_DYNCREATE(CNRD535View, CRadioView)

BEGIN_MESSAGE_MAP(CNRD535View, CRadioView)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CNRD535View, CRadioView)
ON_EVENT(CNRD535View, IDC_MODE_SWITCH, 1, &CNRD535View::OnModeSwitch)
ON_EVENT(CNRD535View, IDC_AGC, 1, &CNRD535View::OnAgc)
ON_EVENT(CNRD535View, IDC_ATTENUATOR, 1, &CNRD535View::OnAttenuator)
ON_EVENT(CNRD535View, IDC_AUX_SWITCH, 1, &CNRD535View::OnAux)
ON_EVENT(CNRD535View, IDC_NB_SWITCH, 1, &CNRD535View::OnNoiseBlanker)
ON_EVENT(CNRD535View, IDC_FILTER_SWITCH, 1, &CNRD535View::OnFilter)
END_EVENTSINK_MAP()

CNRD535View::CNRD535View() : CRadioView(IDD_NRD535_VIEW) {}

void CNRD535View::DoDataExchange(CDataExchange* pDX) {
    CRadioView::DoDataExchange(pDX);
    DDX_ControlIfPresent(pDX, IDC_MODE_SWITCH, m_modeSwitch);
    DDX_ControlIfPresent(pDX, IDC_AGC, m_agcSwitch);
    DDX_ControlIfPresent(pDX, IDC_ATTENUATOR, m_attenuatorSwitch);
    DDX_ControlIfPresent(pDX, IDC_AUX_SWITCH, m_auxSwitch);
    DDX_ControlIfPresent(pDX, IDC_NB_SWITCH, m_noiseBlankerSwitch);
    DDX_ControlIfPresent(pDX, IDC_FILTER_SWITCH, m_filterSwitch);
}

void CNRD535View::OnModeSwitch() {
    kModeSwitch.Choose(*this, m_modeSwitch);
}
void CNRD535View::OnAgc() {
    hb::radioview::StorePosition(*this, m_agcSwitch, kAgc);
}
void CNRD535View::OnAttenuator() {
    hb::radioview::StorePosition(*this, m_attenuatorSwitch, kAttenuator);
}
void CNRD535View::OnAux() {
    hb::radioview::StorePosition(*this, m_auxSwitch, kAux);
}
void CNRD535View::OnNoiseBlanker() {
    hb::radioview::StorePosition(*this, m_noiseBlankerSwitch, kNoiseBlanker);
}

void CNRD535View::OnFilter() {
    hb::radioview::StorePosition(*this, m_filterSwitch, parm::kFilter);
    NormaliseParm(&hb::radioview::ActiveRecord(*this));
}

void CNRD535View::ResetFilter2() {
    if (m_filter2Knob.m_hWnd) {
        m_filter2Knob.SetPosition(m_filter2Knob.GetPosition());
    }
    ApplyFilter2();
    SaveFilter2();
}

void CNRD535View::ApplyFilter2() {
    if (!m_filter2Knob.m_hWnd || !m_rig || !m_rig->m_radio) {
        return;
    }
    const Radio& radio = *m_rig->m_radio;
    parm& record = hb::radioview::ActiveRecord(*this);
    const double hz = m_filter2Knob.GetPosition() * radio.controls().filter2.scale;
    record.set(parm::kBandwidth, static_cast<std::uint32_t>(std::lround(std::max(hz, 0.0))));
    radio.CheckRecord(record);
}

void CNRD535View::SaveFilter2() {
    if (m_rig) {
        CScanApp::GetScanApp()->WriteProfileInt(
            m_rig->m_section, "Filter",
            static_cast<int>(hb::radioview::ActiveRecord(*this).get(parm::kBandwidth)));
    }
}

void CNRD535View::UpdateControlsFromParm(const parm* rec, const CString* info) {
    CRadioView::UpdateControlsFromParm(rec, info);
    if (rec) {
        kModeSwitch.Show(m_modeSwitch, *rec);
        hb::radioview::ShowPosition(m_agcSwitch, *rec, kAgc);
        hb::radioview::ShowPosition(m_attenuatorSwitch, *rec, kAttenuator);
        hb::radioview::ShowPosition(m_auxSwitch, *rec, kAux);
        hb::radioview::ShowPosition(m_noiseBlankerSwitch, *rec, kNoiseBlanker);
        hb::radioview::ShowPosition(m_filterSwitch, *rec, parm::kFilter);
    }
    NormaliseParm(&hb::radioview::ActiveRecord(*this));
}

void CNRD535View::NormaliseParm(parm* rec) {
    CRadioView::NormaliseParm(rec);
    if (!rec) {
        return;
    }
    const std::uint8_t mode = rec->get(parm::kMode);
    bool bfo = true;
    bool filter2 = true;
    if (mode == 0) {
        rec->set(parm::kFilter, std::uint8_t{2});
        rec->set(parm::kBfo, std::int16_t{0});
        rec->set(parm::kIfShift, std::int16_t{0});
        bfo = false;
        filter2 = false;
    } else if (mode != 5) {
        rec->set(parm::kBfo, std::int16_t{0});
        bfo = false;
    }
    if (m_bfoKnob.m_hWnd) {
        m_bfoKnob.EnableWindow(bfo);
    }
    if (m_filter2Knob.m_hWnd) {
        m_filter2Knob.EnableWindow(filter2);
    }
}

void CNRD535View::SetupControls() {
    if (m_modeSwitch.m_hWnd) {
        m_modeSwitch.SetPositionCount(static_cast<long>(std::size(kModes)));
    }
    CRadioView::SetupControls();
}
