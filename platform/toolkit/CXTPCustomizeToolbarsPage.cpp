#include "platform/toolkit/CXTPCustomizeToolbarsPage.h"

#include "platform/afx/Ddx.h"
#include "platform/toolkit/CXTPCommandBars.h"

IMPLEMENT_DYNAMIC(CXTPCustomizeToolbarsPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CXTPCustomizeToolbarsPage, CPropertyPage)
ON_CONTROL(LBN_SELCHANGE, kBarList, &CXTPCustomizeToolbarsPage::OnSelectBar)
ON_BN_CLICKED(kShowBar, &CXTPCustomizeToolbarsPage::OnShowBar)
ON_BN_CLICKED(kResetBar, &CXTPCustomizeToolbarsPage::OnResetBar)
END_MESSAGE_MAP()

namespace {

using hb::afx::FormControl;

const hb::afx::DialogTemplate& ToolbarsForm() {
    using Page = CXTPCustomizeToolbarsPage;
    static const hb::afx::DialogTemplate form{
        .caption = "Toolbars",
        .style = WS_CHILD | WS_CAPTION | WS_DISABLED,
        .cx = 234,
        .cy = 182,
        .controls = {FormControl(0xFFFF, "Static", "Tool&bars:", 0, {4, 5, 160, 8}),
                     FormControl(Page::kBarList, "ListBox", "",
                                 LBS_NOTIFY | WS_TABSTOP | WS_VSCROLL | WS_BORDER,
                                 {4, 15, 160, 160}),
                     FormControl(Page::kShowBar, "Button", "&Show", BS_AUTOCHECKBOX | WS_TABSTOP,
                                 {170, 15, 60, 12}),
                     FormControl(Page::kResetBar, "Button", "&Reset", BS_PUSHBUTTON | WS_TABSTOP,
                                 {170, 32, 60, 14})}};
    return form;
}

} // namespace

CXTPCustomizeToolbarsPage::CXTPCustomizeToolbarsPage(CXTPCommandBars* pCommandBars)
    : CPropertyPage(&ToolbarsForm()), m_pCommandBars(pCommandBars) {}

BOOL CXTPCustomizeToolbarsPage::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_bars.SubclassDlgItem(kBarList, this);
    m_show.SubclassDlgItem(kShowBar, this);
    for (int index = 0; index < m_pCommandBars->GetCount(); ++index) {
        m_bars.AddString(m_pCommandBars->GetAt(index)->GetTitle());
    }
    m_bars.SetCurSel(0);
    OnSelectBar();
    return TRUE;
}

void CXTPCustomizeToolbarsPage::OnSelectBar() {
    const CXTPToolBar* bar = m_pCommandBars->GetAt(m_bars.GetCurSel());
    m_show.SetCheck(bar && bar->IsVisible() ? BST_CHECKED : BST_UNCHECKED);
}

void CXTPCustomizeToolbarsPage::OnShowBar() {
    if (CXTPToolBar* bar = m_pCommandBars->GetAt(m_bars.GetCurSel())) {
        bar->SetVisible(m_show.GetCheck() == BST_CHECKED);
    }
}

void CXTPCustomizeToolbarsPage::OnResetBar() {
    if (CXTPToolBar* bar = m_pCommandBars->GetAt(m_bars.GetCurSel())) {
        bar->Reset();
    }
}
