#include "app/rig/RadioSelectDlg.h"

#include "app/rig/MultiRadioPairs.h"
#include "app/rig/Rig.h"
#include "app/rig/RigList.h"
#include "platform/afx/Ddx.h"

IMPLEMENT_DYNAMIC(CRadioSelectDlg, CDialog)

BEGIN_MESSAGE_MAP(CRadioSelectDlg, CDialog)
ON_NOTIFY(NM_DBLCLK, CRadioSelectDlg::kListId, &CRadioSelectDlg::OnDblclkList)
END_MESSAGE_MAP()

namespace {

constexpr int kIconCell = 16;
constexpr COLORREF kIconMask = RGB(255, 255, 255);

struct LegendRow {
    LPCSTR text;
    int icon;
};

constexpr LegendRow kLegend[] = {
    {"Local", CRadioSelectDlg::kIconRadio},     {"Dial-Up", CRadioSelectDlg::kIconDialUp},
    {"Network", CRadioSelectDlg::kIconNetwork}, {"Remote", CRadioSelectDlg::kIconRemote},
    {"IEEE-488", CRadioSelectDlg::kIconGpib},   {"Multi-Radio", CRadioSelectDlg::kIconPair},
};

// Our list view shows rows in its columns only: one column as wide as the list.
void AddTextColumn(CListCtrl& list) {
    CRect client;
    list.GetClientRect(&client);
    list.InsertColumn(0, "", LVCFMT_LEFT, client.Width());
}

} // namespace

CRadioSelectDlg::CRadioSelectDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

const RadioSelectRow* CRadioSelectDlg::ChosenRow(int result) const {
    if (m_confirmed < 0 || result != m_confirmed ||
        static_cast<std::size_t>(m_confirmed) >= m_rows.size()) {
        return nullptr;
    }
    return &m_rows[static_cast<std::size_t>(m_confirmed)];
}

void CRadioSelectDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, kWizardId, m_run_wizard);
    DDX_Control(pDX, kListId, m_list);
    DDX_ControlIfPresent(pDX, kLegendId, m_legend);
}

BOOL CRadioSelectDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (!m_title.IsEmpty()) {
        CString caption;
        GetWindowText(caption);
        SetWindowText(caption + " - " + m_title);
    }
    m_images.Create(kIconStrip, kIconCell, 1, kIconMask);
    AddTextColumn(m_list);
    m_list.SetImageList(&m_images, LVSIL_SMALL);
    if (m_offer_wizard) {
        if (CWnd* wizard = GetDlgItem(kWizardId)) {
            wizard->ShowWindow(SW_SHOW);
        }
    }
    if (m_legend.GetSafeHwnd()) {
        AddTextColumn(m_legend);
        m_legend.SetImageList(&m_images, LVSIL_SMALL);
        for (const LegendRow& row : kLegend) {
            m_legend.InsertItem(m_legend.GetItemCount(), row.text, row.icon);
        }
    }

    m_rows.clear();
    m_confirmed = -1;
    for (CRig* rig : CRigList::Get()) {
        if (rig != m_excluded && rig->MatchesType(m_type_filter)) {
            AddRow(rig->m_name, kIconRadio, {RadioSelectRow::Kind::Rig, rig});
        }
    }
    AddPairRow('A', RadioSelectRow::Kind::PairA);
    AddPairRow('B', RadioSelectRow::Kind::PairB);
    AddRow("Cancel", kIconCancel, {RadioSelectRow::Kind::Cancel, nullptr});
    m_list.SetSelectionMark(0);
    return TRUE;
}

void CRadioSelectDlg::AddRow(LPCSTR text, int icon, RadioSelectRow row) {
    m_list.InsertItem(m_list.GetItemCount(), text, icon);
    m_rows.push_back(row);
}

void CRadioSelectDlg::AddPairRow(char list, RadioSelectRow::Kind kind) {
    if (!hb::app::IsPairListOn(list)) {
        return;
    }
    const CString first = hb::app::PairListName(list, 1);
    const CString second = hb::app::PairListName(list, 2);
    if (!CRig::FindByName(first) || !CRig::FindByName(second)) {
        return;
    }
    CString text;
    text.Format("%s & %s", first.GetString(), second.GetString());
    AddRow(text, kIconPair, {kind, nullptr});
}

void CRadioSelectDlg::OnOK() {
    if (!UpdateData(TRUE)) {
        return;
    }
    const int row = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0) {
        MessageBeep(MB_ICONASTERISK);
        return;
    }
    CString text = m_list.GetItemText(row, 0);
    if (m_split_prefix) {
        if (const int colon = text.Find(':'); colon >= 0) {
            m_prefix = text.Left(colon);
            text = text.Mid(colon + 1);
        }
    }
    m_choice = text;
    m_confirmed = row;
    EndDialog(row);
}

void CRadioSelectDlg::OnCancel() {
    EndDialog(-1);
}

void CRadioSelectDlg::OnDblclkList(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    OnOK();
}
