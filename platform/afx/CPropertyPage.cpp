#include "platform/afx/CPropertyPage.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

CPropertyPage::CPropertyPage(UINT nIDTemplate) : CDialog(nIDTemplate) {}

CPropertyPage::CPropertyPage(const hb::afx::DialogTemplate* pTemplate) : CDialog(pTemplate) {}

CString CPropertyPage::GetCaption() const {
    const hb::afx::DialogTemplate* page = FindTemplate();
    return page ? CString(page->caption) : CString();
}

BOOL CPropertyPage::OnKillActive() {
    return UpdateData(TRUE);
}
