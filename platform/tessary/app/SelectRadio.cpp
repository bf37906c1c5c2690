#include "platform/tessary/app/SelectRadio.h"

#include "platform/records/RadioModel.h"
#include "platform/tessary/app/NoticeTemplate.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/controls/ControlMessages.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CSelectRadio, CDialog)

namespace {

const hb::afx::DialogTemplate& Template() {
    static const hb::afx::DialogTemplate dialog =
        hb::tessary::ListTemplate("Select Radio Type", CSelectRadio::IDC_RADIOS, 160, 150);
    return dialog;
}

} // namespace

BEGIN_MESSAGE_MAP(CSelectRadio, CDialog)
ON_CONTROL(LBN_DBLCLK, IDC_RADIOS, &CSelectRadio::OnRadioDoubleClick)
END_MESSAGE_MAP()

std::unique_ptr<Radio> Radio::SelectRadio(CWnd* pParentWnd, BYTE initial, DWORD needs) {
    CSelectRadio dialog(pParentWnd, initial, needs);
    if (dialog.DoModal() != IDOK || dialog.Chosen() == 0) {
        return nullptr;
    }
    return CreateRadio(dialog.Chosen());
}

CSelectRadio::CSelectRadio(CWnd* pParentWnd, std::uint8_t initial, std::uint32_t needs)
    : CDialog(&Template(), pParentWnd), m_initial(initial) {
    for (const hb::records::RadioModel& model : hb::records::RadioModels()) {
        // The test model is no radio a user has.
        if (model.type != hb::tessary::kTestRadioType && (model.caps1 & needs) == needs) {
            m_types.push_back(model.type);
        }
    }
}

BOOL CSelectRadio::OnInitDialog() {
    CDialog::OnInitDialog();
    for (const std::uint8_t type : m_types) {
        SendDlgItemMessage(IDC_RADIOS, LB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>(hb::records::FindRadioModel(type)->name));
    }
    const auto initial = std::ranges::find(m_types, m_initial);
    SendDlgItemMessage(IDC_RADIOS, LB_SETCURSEL,
                       initial == m_types.end() ? 0 : initial - m_types.begin(), 0);
    return TRUE;
}

void CSelectRadio::OnOK() {
    const auto selected = SendDlgItemMessage(IDC_RADIOS, LB_GETCURSEL, 0, 0);
    if (selected >= 0 && static_cast<std::size_t>(selected) < m_types.size()) {
        m_chosen = m_types[static_cast<std::size_t>(selected)];
    }
    CDialog::OnOK();
}

void CSelectRadio::OnRadioDoubleClick() {
    OnOK();
}
