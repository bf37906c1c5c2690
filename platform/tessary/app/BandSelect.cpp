#include "platform/tessary/app/BandSelect.h"

#include "platform/tessary/app/NoticeTemplate.h"
#include "platform/tessary/model/BandPlan.h"
#include "platform/win/controls/ControlMessages.h"

#include <cstdio>

IMPLEMENT_DYNAMIC(CBandSelect, CDialog)

namespace {

const hb::afx::DialogTemplate& Template() {
    static const hb::afx::DialogTemplate dialog =
        hb::tessary::ListTemplate("Select Band", CBandSelect::IDC_BANDS, 190, 150);
    return dialog;
}

// "Air Band  118.000-137.000 MHz"
std::string RowText(const hb::tessary::BandPlanEntry& entry) {
    char text[96];
    std::snprintf(text, sizeof text, "%s  %u.%03u-%u.%03u MHz", entry.name, entry.lower / 1000000,
                  entry.lower % 1000000 / 1000, entry.upper / 1000000,
                  entry.upper % 1000000 / 1000);
    return text;
}

} // namespace

BEGIN_MESSAGE_MAP(CBandSelect, CDialog)
ON_CONTROL(LBN_DBLCLK, IDC_BANDS, &CBandSelect::OnBandDoubleClick)
END_MESSAGE_MAP()

int CBandSelect::LocateBand(const parm* record, band* found) {
    if (record == nullptr || found == nullptr) {
        return 0;
    }
    const auto index = hb::tessary::FindPlanBand(record->get(parm::kFrequency));
    if (!index) {
        return 0;
    }
    *found = hb::tessary::MakeBandRecord(*index);
    return 1;
}

int CBandSelect::SelectBand(parm* record, CString* name) {
    if (record == nullptr) {
        return 0;
    }
    CBandSelect dialog(record->get(parm::kStart));
    if (dialog.DoModal() != IDOK || dialog.Chosen() < 0) {
        return 0;
    }
    const auto plan = hb::tessary::BandPlan();
    const auto& chosen = plan[static_cast<std::size_t>(dialog.Chosen())];
    record->set(parm::kChosenFrequency, chosen.lower);
    PutOnBand(*record, chosen);
    record->set(parm::kMode, chosen.firstMode);
    if (name) {
        *name = chosen.name;
    }
    return 1;
}

void CBandSelect::SnapBand(parm* record, const band& found) {
    const auto index = hb::tessary::FindPlanBand(found.get(band::kBase));
    if (record != nullptr && index) {
        PutOnBand(*record, hb::tessary::BandPlan()[*index]);
    }
}

void CBandSelect::PutOnBand(parm& record, const hb::tessary::BandPlanEntry& plan) {
    record.set(parm::kStart, plan.lower);
    record.set(parm::kEnd, plan.upper);
    if (plan.step != 0) {
        record.set(parm::kStep, plan.step);
    }
}

const char* CBandSelect::BandName(const band& record) {
    return hb::tessary::BandName(record.get(band::kNameId));
}

CBandSelect::CBandSelect(std::uint32_t start, CWnd* pParentWnd)
    : CDialog(&Template(), pParentWnd), m_start(start) {}

BOOL CBandSelect::OnInitDialog() {
    CDialog::OnInitDialog();
    for (const auto& entry : hb::tessary::BandPlan()) {
        SendDlgItemMessage(IDC_BANDS, LB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>(RowText(entry).c_str()));
    }
    if (const auto current = hb::tessary::FindPlanBand(m_start)) {
        SendDlgItemMessage(IDC_BANDS, LB_SETCURSEL, *current, 0);
    }
    return TRUE;
}

void CBandSelect::OnOK() {
    const auto selected = SendDlgItemMessage(IDC_BANDS, LB_GETCURSEL, 0, 0);
    m_chosen = selected >= 0 ? static_cast<int>(selected) : -1;
    CDialog::OnOK();
}

void CBandSelect::OnBandDoubleClick() {
    OnOK();
}
