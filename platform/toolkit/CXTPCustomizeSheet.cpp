#include "platform/toolkit/CXTPCustomizeSheet.h"

#include "platform/afx/CFrameWnd.h"
#include "platform/toolkit/CXTPCommandBars.h"

IMPLEMENT_DYNAMIC(CXTPCustomizeSheet, CPropertySheet)

CXTPCustomizeSheet::CXTPCustomizeSheet(CXTPCommandBars* pCommandBars)
    : CPropertySheet("Customize", pCommandBars ? pCommandBars->GetSite() : nullptr),
      m_pCommandBars(pCommandBars), m_toolbars(pCommandBars) {
    AddPage(&m_toolbars);
}

void CXTPCustomizeSheet::AddOwnedPage(std::unique_ptr<CPropertyPage> pPage) {
    AddPage(pPage.get());
    m_ownedPages.push_back(std::move(pPage));
}
