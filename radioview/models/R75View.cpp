#include "radioview/models/R75View.h"

#include "platform/afx/Ddx.h"
#include "radioview/models/ModeSwitch.h"
#include "resources/ResourceIds.h"

namespace {
constexpr std::uint8_t kModes[] = {0, 2, 1, 3, 4, 5};
constexpr hb::radioview::ModeSwitch kModeSwitch{kModes};
} // namespace

IMPLEMENT_DYNCREATE(CR75View, CRadioView)

BEGIN_MESSAGE_MAP(CR75View, CRadioView)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CR75View, CRadioView)
ON_EVENT(CR75View, IDC_MODE_SWITCH, 1, &CR75View::OnModeSwitch)
END_EVENTSINK_MAP()

CR75View::CR75View() : CRadioView(IDD_R75_VIEW) {}

void CR75View::DoDataExchange(CDataExchange* pDX) {
    CRadioView::DoDataExchange(pDX);
    DDX_ControlIfPresent(pDX, IDC_MODE_SWITCH, m_modeSwitch);
}

void CR75View::OnModeSwitch() {
    kModeSwitch.Choose(*this, m_modeSwitch);
}

void CR75View::UpdateControlsFromParm(const parm* rec, const CString* info) {
    CRadioView::UpdateControlsFromParm(rec, info);
    if (rec) {
        kModeSwitch.Show(m_modeSwitch, *rec);
    }
    NormaliseParm(&hb::radioview::ActiveRecord(*this));
}
