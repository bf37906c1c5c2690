#include "radioview/models/R20View.h"

#include "platform/afx/Ddx.h"
#include "radioview/models/ModeSwitch.h"
#include "resources/ResourceIds.h"

namespace {
constexpr std::uint8_t kModes[] = {0, 2, 1, 3, 4, 5};
constexpr hb::radioview::ModeSwitch kModeSwitch{kModes};
} // namespace

IMPLEMENT_DYNCREATE(CR20View, CRadioView)

BEGIN_MESSAGE_MAP(CR20View, CRadioView)
END_MESSAGE_MAP()

BEGIN_EVENTSINK_MAP(CR20View, CRadioView)
ON_EVENT(CR20View, IDC_MODE_SWITCH, 1, &CR20View::OnModeSwitch)
END_EVENTSINK_MAP()

CR20View::CR20View() : CRadioView(IDD_R20_VIEW) {}

void CR20View::DoDataExchange(CDataExchange* pDX) {
    CRadioView::DoDataExchange(pDX);
    DDX_ControlIfPresent(pDX, IDC_MODE_SWITCH, m_modeSwitch);
}

void CR20View::OnModeSwitch() {
    kModeSwitch.Choose(*this, m_modeSwitch);
}

void CR20View::UpdateControlsFromParm(const parm* rec, const CString* info) {
    CRadioView::UpdateControlsFromParm(rec, info);
    if (rec) {
        kModeSwitch.Show(m_modeSwitch, *rec);
    }
    NormaliseParm(&hb::radioview::ActiveRecord(*this));
}
