#include "radioview/models/R8View.h"

#include "platform/afx/Ddx.h"
#include "radioview/models/ModeSwitch.h"
#include "resources/ResourceIds.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr std::uint8_t kModes[] = {0, 1, 5, 3, 4, 10, 13};
constexpr hb::radioview::ModeSwitch kModeSwitch{kModes};
constexpr auto kAgc = parm::kSwitch92;
constexpr auto kAttenuator = parm::kSwitch96;
constexpr auto kAux = parm::kVoiceInversionOn;
constexpr long kAgcPositions = 3;
constexpr long kAttenuatorPositions = 2;
constexpr long kAuxPositions = 2;
// The data mode is the only one with a choice of filter mode.
constexpr std::uint8_t kDataMode = 10;
constexpr long kFilterModePositions = 3;
constexpr long kFilterModeNormal = 1;
constexpr std::uint16_t kFilterModeLow = 0x0400;
constexpr std::uint16_t kFilterModeHigh = 0x0800;
constexpr double kBandwidthMin = 500;
constexpr double kBandwidthMax = 9000;
constexpr double kBandwidthStart = 2800;
} // namespace

IMPLEMENT_DYNCREATE(CR8View, CRadioView)

BEGIN_MESSAGE_MAP(CR8View, CRadioView)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CR8View, CRadioView)
ON_EVENT(CR8View, IDC_MODE_SWITCH, 1, &CR8View::OnModeSwitch)
ON_EVENT(CR8View, IDC_AGC, 1, &CR8View::OnAgc)
ON_EVENT(CR8View, IDC_ATTENUATOR, 1, &CR8View::OnAttenuator)
ON_EVENT(CR8View, IDC_AUX_SWITCH, 1, &CR8View::OnAux)
ON_EVENT(CR8View, IDC_FILTER_MODE_SWITCH, 1, &CR8View::OnFilterMode)
ON_EVENT(CR8View, IDC_BANDWIDTH_KNOB, 18, &CR8View::OnBandwidthChange)
ON_EVENT(CR8View, IDC_BANDWIDTH_KNOB, 4, &CR8View::OnBandwidthChange)
ON_EVENT(CR8View, IDC_BANDWIDTH_KNOB, 8, &CR8View::OnBandwidthReset)
END_EVENTSINK_MAP()

CR8View::CR8View() : CRadioView(IDD_R8_VIEW) {}

void CR8View::DoDataExchange(CDataExchange* pDX) {
    CRadioView::DoDataExchange(pDX);
    DDX_ControlIfPresent(pDX, IDC_MODE_SWITCH, m_modeSwitch);
    DDX_ControlIfPresent(pDX, IDC_AGC, m_agcSwitch);
    DDX_ControlIfPresent(pDX, IDC_ATTENUATOR, m_attenuatorSwitch);
    DDX_ControlIfPresent(pDX, IDC_AUX_SWITCH, m_auxSwitch);
    DDX_ControlIfPresent(pDX, IDC_FILTER_MODE_SWITCH, m_filterModeSwitch);
    DDX_ControlIfPresent(pDX, IDC_BANDWIDTH_KNOB, m_bandwidthKnob);
}

void CR8View::OnModeSwitch() {
    kModeSwitch.Choose(*this, m_modeSwitch);
}
void CR8View::OnAgc() {
    hb::radioview::StorePosition(*this, m_agcSwitch, kAgc);
}
void CR8View::OnAttenuator() {
    hb::radioview::StorePosition(*this, m_attenuatorSwitch, kAttenuator);
}
void CR8View::OnAux() {
    hb::radioview::StorePosition(*this, m_auxSwitch, kAux);
}

void CR8View::OnFilterMode() {
    parm& record = hb::radioview::ActiveRecord(*this);
    if (record.get(parm::kMode) != kDataMode) {
        m_filterModeSwitch.SetPosition(kFilterModeNormal);
        return;
    }
    auto flags = static_cast<std::uint16_t>(record.get(parm::kOptionFlags) &
                                            ~(kFilterModeLow | kFilterModeHigh));
    const long position = m_filterModeSwitch.GetPosition();
    if (position <= 0) {
        flags |= kFilterModeLow;
    } else if (position >= kFilterModePositions - 1) {
        flags |= kFilterModeHigh;
    }
    record.set(parm::kOptionFlags, flags);
}

void CR8View::OnBandwidthChange() {
    StoreBandwidth(m_bandwidthKnob.GetPosition());
}

void CR8View::OnBandwidthReset() {
    m_bandwidthKnob.SetPosition(kBandwidthStart);
    StoreBandwidth(kBandwidthStart);
}

void CR8View::StoreBandwidth(double hz) {
    parm& record = hb::radioview::ActiveRecord(*this);
    long width = std::lround(std::max(hz, 0.0) / 10.0) * 10;
    switch (record.get(parm::kMode)) {
    case 0:
        width = std::max(width, 600L);
        break;
    case kDataMode:
        width = 3200;
        break;
    case 13:
        width = std::max(width, 4000L);
        break;
    default:
        break;
    }
    record.set(parm::kBandwidth, static_cast<std::uint32_t>(width));
}

void CR8View::UpdateControlsFromParm(const parm* rec, const CString* info) {
    CRadioView::UpdateControlsFromParm(rec, info);
    if (rec) {
        kModeSwitch.Show(m_modeSwitch, *rec);
        hb::radioview::ShowPosition(m_agcSwitch, *rec, kAgc);
        hb::radioview::ShowPosition(m_attenuatorSwitch, *rec, kAttenuator);
        hb::radioview::ShowPosition(m_auxSwitch, *rec, kAux);
        if (m_filterModeSwitch.m_hWnd) {
            const std::uint16_t flags = rec->get(parm::kOptionFlags);
            long position = kFilterModeNormal;
            if (flags & kFilterModeLow) {
                position = 0;
            } else if (flags & kFilterModeHigh) {
                position = kFilterModePositions - 1;
            }
            m_filterModeSwitch.SetPosition(position);
        }
        const std::uint32_t width = rec->get(parm::kBandwidth);
        if (width != 0 && m_bandwidthKnob.m_hWnd) {
            m_bandwidthKnob.SetPosition(static_cast<double>(width));
        }
    }
    NormaliseParm(&hb::radioview::ActiveRecord(*this));
}

void CR8View::SetupControls() {
    const std::pair<CiSwitchSliderX*, long> switches[] = {
        {&m_modeSwitch, static_cast<long>(std::size(kModes))}, {&m_agcSwitch, kAgcPositions},
        {&m_attenuatorSwitch, kAttenuatorPositions},           {&m_auxSwitch, kAuxPositions},
        {&m_filterModeSwitch, kFilterModePositions},
    };
    for (const auto& [control, positions] : switches) {
        if (control->m_hWnd) {
            control->SetPositionCount(positions);
        }
    }
    if (m_filterModeSwitch.m_hWnd) {
        m_filterModeSwitch.SetPosition(kFilterModeNormal);
    }
    if (m_bandwidthKnob.m_hWnd) {
        m_bandwidthKnob.SetPositionMin(kBandwidthMin);
        m_bandwidthKnob.SetPositionMax(kBandwidthMax);
        m_bandwidthKnob.SetPosition(kBandwidthStart);
    }
    CRadioView::SetupControls();
}
