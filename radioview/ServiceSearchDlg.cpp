#include "radioview/ServiceSearchDlg.h"

#include "platform/afx/Ddx.h"
#include "platform/tessary/model/Radio.h"

#include <array>

namespace {

constexpr std::uint16_t kTypeWithSpecial = 45;
constexpr std::uint16_t kHighwayPatrolType = 99;
constexpr std::array<const char*, CServiceSearchDlg::kServices> kHighwayServices{
    "Police",   "Weather",  "Fire/EMS", "News Media", "CB",
    "Aircraft", "Railroad", "Marine",   "Hiway Maint"};

} // namespace

IMPLEMENT_DYNAMIC(CServiceSearchDlg, CDialog)

CServiceSearchDlg::CServiceSearchDlg(const Radio* radio, CWnd* pParent)
    : CDialog(IDD, pParent), m_radio(radio) {}

BOOL CServiceSearchDlg::OnInitDialog() {
    const std::uint16_t type = m_radio ? m_radio->RadioTypeCode() : 0;
    if (type == kTypeWithSpecial) {
        SetDlgItemText(static_cast<int>(IDC_SERVICE_1), "Special");
    } else if (type == kHighwayPatrolType) {
        for (int i = 0; i < kServices; ++i) {
            SetDlgItemText(static_cast<int>(IDC_SERVICE_1) + i, kHighwayServices[i]);
        }
        if (CWnd* prompt = GetDlgItem(static_cast<int>(IDC_SERVICE_PROMPT))) {
            prompt->ShowWindow(SW_HIDE);
        }
    }
    return CDialog::OnInitDialog();
}

void CServiceSearchDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Radio(pDX, static_cast<int>(IDC_SERVICE_1), m_selection);
}
