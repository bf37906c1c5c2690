#include "platform/tessary/app/RadioGroupSettings.h"

#include "platform/tessary/app/NoticeTemplate.h"

IMPLEMENT_DYNAMIC(CRadioGroupSettings, CDialog)

namespace {

const hb::afx::DialogTemplate& Template() {
    static const hb::afx::DialogTemplate dialog =
        hb::tessary::NoticeTemplate("Radio Global Settings", "Settings of the whole radio.");
    return dialog;
}

} // namespace

CRadioGroupSettings::CRadioGroupSettings(Object* group, Radio* radio, CWnd* pParentWnd)
    : CDialog(&Template(), pParentWnd), m_group(group), m_radio(radio) {}

int CRadioGroupSettings::Run() {
    return DoModal() == IDOK ? 1 : 0;
}
