#include "radioview/models/R7100View.h"

#include "platform/afx/Ddx.h"
#include "radioview/models/ModeSwitch.h"
#include "resources/ResourceIds.h"

namespace {
constexpr std::uint8_t kModes[] = {0, 11, 2, 1, 14, 3, 4};
constexpr hb::radioview::ModeSwitch kModeSwitch{kModes};
} // namespace

IMPLEMENT_DYNCREATE(CR7100View, CRadioView)

BEGIN_MESSAGE_MAP(CR7100View, CRadioView)
ON_BN_CLICKED(IDC_ATTENUATOR_SWITCH, &CR7100View::OnAttenuator)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CR7100View, CRadioView)
ON_EVENT(CR7100View, IDC_MODE_SWITCH, 1, &CR7100View::OnModeSwitch)
END_EVENTSINK_MAP()

CR7100View::CR7100View() : CRadioView(IDD_R7100_VIEW) {}

void CR7100View::DoDataExchange(CDataExchange* pDX) {
    CRadioView::DoDataExchange(pDX);
    DDX_ControlIfPresent(pDX, IDC_MODE_SWITCH, m_modeSwitch);
    DDX_ControlIfPresent(pDX, IDC_ATTENUATOR_SWITCH, m_attenuatorButton);
}

void CR7100View::OnModeSwitch() {
    kModeSwitch.Choose(*this, m_modeSwitch);
}

void CR7100View::OnAttenuator() {
    hb::radioview::ToggleSwitch(*this, m_attenuatorButton, parm::kSwitch96);
}

void CR7100View::UpdateControlsFromParm(const parm* rec, const CString* info) {
    CRadioView::UpdateControlsFromParm(rec, info);
    if (rec) {
        kModeSwitch.Show(m_modeSwitch, *rec);
        hb::radioview::ShowSwitch(m_attenuatorButton, *rec, parm::kSwitch96);
    }
    NormaliseParm(&hb::radioview::ActiveRecord(*this));
}

void CR7100View::SetupControls() {
    if (m_modeSwitch.m_hWnd) {
        m_modeSwitch.SetPositionCount(static_cast<long>(std::size(kModes)));
    }
    CRadioView::SetupControls();
}
