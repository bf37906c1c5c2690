#include "radioview/models/PCR100View.h"

#include "platform/afx/Ddx.h"
#include "radioview/models/ModeSwitch.h"
#include "resources/ResourceIds.h"

#include <algorithm>

namespace {
constexpr std::uint8_t kModes[] = {0, 2, 1};
constexpr hb::radioview::ModeSwitch kModeSwitch{kModes};
constexpr long kFilterPositions = 4;
constexpr std::uint8_t kModeAm = 1;
constexpr std::uint8_t kModeWide = 2;
// Below this the receiver runs AM only; below the second, not in the wide mode.
constexpr std::uint32_t kAmOnlyBelowHz = 28'000'000;
constexpr std::uint32_t kNarrowOnlyBelowHz = 50'000'000;
constexpr auto kAttenuator = parm::kSwitch96;
constexpr auto kNoiseBlanker = parm::kVoiceInversionOn;

void StoreRocker(CRadioView& view, const CiSwitchRockerX& rocker, auto field) {
    hb::radioview::ActiveRecord(view).set(field,
                                          static_cast<std::uint8_t>(rocker.GetPosition() != 0));
}

void ShowRocker(CiSwitchRockerX& rocker, const parm& record, auto field) {
    if (rocker.m_hWnd) {
        rocker.SetPosition(record.get(field) != 0 ? 1 : 0);
    }
}
} // namespace

IMPLEMENT_DYNCREATE(CPCR100View, CRadioView)

BEGIN_MESSAGE_MAP(CPCR100View, CRadioView)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CPCR100View, CRadioView)
ON_EVENT(CPCR100View, IDC_MODE_SWITCH, 1, &CPCR100View::OnModeSwitch)
ON_EVENT(CPCR100View, IDC_FILTER_SWITCH, 1, &CPCR100View::OnFilterSwitch)
ON_EVENT(CPCR100View, IDC_ATTENUATOR, 1, &CPCR100View::OnAttenuator)
ON_EVENT(CPCR100View, IDC_NOISE_BLANKER, 1, &CPCR100View::OnNoiseBlanker)
END_EVENTSINK_MAP()

CPCR100View::CPCR100View() : CRadioView(IDD_PCR100_VIEW) {}

void CPCR100View::DoDataExchange(CDataExchange* pDX) {
    CRadioView::DoDataExchange(pDX);
    DDX_ControlIfPresent(pDX, IDC_MODE_SWITCH, m_modeSwitch);
    DDX_ControlIfPresent(pDX, IDC_FILTER_SWITCH, m_filterSwitch);
    DDX_ControlIfPresent(pDX, IDC_ATTENUATOR, m_attenuatorRocker);
    DDX_ControlIfPresent(pDX, IDC_NOISE_BLANKER, m_noiseBlankerRocker);
}

void CPCR100View::OnModeSwitch() {
    kModeSwitch.Choose(*this, m_modeSwitch);
}

void CPCR100View::OnFilterSwitch() {
    parm& record = hb::radioview::ActiveRecord(*this);
    auto filter = static_cast<std::uint8_t>(
        std::clamp(m_filterSwitch.GetPosition(), 0L, kFilterPositions - 1));
    if (record.get(parm::kMode) == kModeWide) {
        filter = std::max<std::uint8_t>(filter, 2);
    } else if (filter == 2) {
        filter = 0;
    }
    record.set(parm::kFilter, filter);
    m_filterSwitch.SetPosition(filter);
}

void CPCR100View::OnAttenuator() {
    StoreRocker(*this, m_attenuatorRocker, kAttenuator);
}

void CPCR100View::OnNoiseBlanker() {
    StoreRocker(*this, m_noiseBlankerRocker, kNoiseBlanker);
}

void CPCR100View::UpdateControlsFromParm(const parm* rec, const CString* info) {
    CRadioView::UpdateControlsFromParm(rec, info);
    if (rec) {
        kModeSwitch.Show(m_modeSwitch, *rec);
        hb::radioview::ShowPosition(m_filterSwitch, *rec, parm::kFilter);
        ShowRocker(m_attenuatorRocker, *rec, kAttenuator);
        ShowRocker(m_noiseBlankerRocker, *rec, kNoiseBlanker);
    }
    NormaliseParm(&hb::radioview::ActiveRecord(*this));
}

void CPCR100View::SetupControls() {
    if (m_modeSwitch.m_hWnd) {
        m_modeSwitch.SetPositionCount(static_cast<long>(std::size(kModes)));
    }
    if (m_filterSwitch.m_hWnd) {
        m_filterSwitch.SetPositionCount(kFilterPositions);
    }
    CRadioView::SetupControls();
}

void CPCR100View::CommitActiveVfo() {
    parm& record = hb::radioview::ActiveRecord(*this);
    const std::uint32_t hz = record.get(parm::kFrequency);
    if (hz < kAmOnlyBelowHz) {
        record.set(parm::kMode, kModeAm);
    } else if (hz < kNarrowOnlyBelowHz && record.get(parm::kMode) == kModeWide) {
        record.set(parm::kMode, std::uint8_t{0});
    }
    const std::uint8_t mode = record.get(parm::kMode);
    const std::uint8_t filter = record.get(parm::kFilter);
    if ((mode == 0 || mode == kModeAm) && filter == 2) {
        record.set(parm::kFilter, std::uint8_t{0});
    } else if (mode == kModeWide && (filter == 0 || filter == 3)) {
        record.set(parm::kFilter, std::uint8_t{2});
    }
    CRadioView::CommitActiveVfo();
}
