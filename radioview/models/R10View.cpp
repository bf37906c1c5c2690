#include "radioview/models/R10View.h"

#include "platform/afx/Ddx.h"
#include "radioview/models/ModeSwitch.h"
#include "resources/ResourceIds.h"

namespace {
constexpr std::uint8_t kModes[] = {0, 2, 1, 3, 4, 5};
constexpr hb::radioview::ModeSwitch kModeSwitch{kModes};
} // namespace

IMPLEMENT_DYNCREATE(CR10View, CRadioView)

BEGIN_MESSAGE_MAP(CR10View, CRadioView)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CR10View, CRadioView)
ON_EVENT(CR10View, IDC_MODE_SWITCH, 1, &CR10View::OnModeSwitch)
END_EVENTSINK_MAP()

CR10View::CR10View() : CRadioView(IDD_R10_VIEW) {}

void CR10View::DoDataExchange(CDataExchange* pDX) {
    CRadioView::DoDataExchange(pDX);
    DDX_ControlIfPresent(pDX, IDC_MODE_SWITCH, m_modeSwitch);
}

void CR10View::OnModeSwitch() {
    kModeSwitch.Choose(*this, m_modeSwitch);
}

void CR10View::UpdateControlsFromParm(const parm* rec, const CString* info) {
    CRadioView::UpdateControlsFromParm(rec, info);
    if (rec) {
        kModeSwitch.Show(m_modeSwitch, *rec);
    }
    NormaliseParm(&hb::radioview::ActiveRecord(*this));
}
