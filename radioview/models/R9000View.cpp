#include "radioview/models/R9000View.h"

#include "platform/afx/Ddx.h"
#include "radioview/models/ModeSwitch.h"
#include "resources/ResourceIds.h"

#include <algorithm>

namespace {
constexpr std::uint8_t kModes[] = {0, 2, 1, 5, 6, 3, 4};
constexpr hb::radioview::ModeSwitch kModeSwitch{kModes};
constexpr long kAttenuatorPositions = 4;
constexpr long kFilterPositions = 3;
} // namespace

IMPLEMENT_DYNCREATE(CR9000View, CRadioView)

BEGIN_MESSAGE_MAP(CR9000View, CRadioView)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CR9000View, CRadioView)
ON_EVENT(CR9000View, IDC_MODE_SWITCH, 1, &CR9000View::OnModeSwitch)
ON_EVENT(CR9000View, IDC_ATTENUATOR_SWITCH, 1, &CR9000View::OnAttenuator)
ON_EVENT(CR9000View, IDC_FILTER_SWITCH, 1, &CR9000View::OnFilter)
END_EVENTSINK_MAP()

CR9000View::CR9000View() : CRadioView(IDD_R9000_VIEW) {}

void CR9000View::DoDataExchange(CDataExchange* pDX) {
    CRadioView::DoDataExchange(pDX);
    DDX_ControlIfPresent(pDX, IDC_MODE_SWITCH, m_modeSwitch);
    DDX_ControlIfPresent(pDX, IDC_ATTENUATOR_SWITCH, m_attenuatorSwitch);
    DDX_ControlIfPresent(pDX, IDC_FILTER_SWITCH, m_filterSwitch);
}

void CR9000View::OnModeSwitch() {
    kModeSwitch.Choose(*this, m_modeSwitch);
}

void CR9000View::OnAttenuator() {
    const long position =
        std::clamp(m_attenuatorSwitch.GetPosition(), 0L, kAttenuatorPositions - 1);
    hb::radioview::ActiveRecord(*this).set(parm::kSwitch96, static_cast<std::uint8_t>(position));
}

void CR9000View::OnFilter() {
    // A negative position must not wrap into a huge filter number.
    const long position = std::max(m_filterSwitch.GetPosition(), 0L) % kFilterPositions;
    hb::radioview::ActiveRecord(*this).set(parm::kFilter, static_cast<std::uint8_t>(position));
}

void CR9000View::UpdateControlsFromParm(const parm* rec, const CString* info) {
    CRadioView::UpdateControlsFromParm(rec, info);
    if (rec) {
        kModeSwitch.Show(m_modeSwitch, *rec);
        hb::radioview::ShowPosition(m_attenuatorSwitch, *rec, parm::kSwitch96);
        hb::radioview::ShowPosition(m_filterSwitch, *rec, parm::kFilter);
    }
    NormaliseParm(&hb::radioview::ActiveRecord(*this));
}

void CR9000View::NormaliseParm(parm* rec) {
    CRadioView::NormaliseParm(rec);
}

void CR9000View::SetupControls() {
    if (m_modeSwitch.m_hWnd) {
        m_modeSwitch.SetPositionCount(static_cast<long>(std::size(kModes)));
    }
    if (m_attenuatorSwitch.m_hWnd) {
        m_attenuatorSwitch.SetPositionCount(kAttenuatorPositions);
    }
    if (m_filterSwitch.m_hWnd) {
        m_filterSwitch.SetPositionCount(kFilterPositions);
    }
    CRadioView::SetupControls();
}
