#include "app/wizard/WizardPageBase.h"

#include "app/wizard/Wizard.h"
#include "platform/afx/CDataExchange.h"
#include "platform/afx/Ddx.h"
#include "resources/ResourceIds.h"

IMPLEMENT_DYNAMIC(CWizardPageBase, CPropertyPage)

CWizardPageBase::CWizardPageBase(UINT nIDTemplate) : CPropertyPage(nIDTemplate) {}

UINT CWizardPageBase::PageNumber() const {
    return GetTemplateId() - IDD_WIZARD_PAGE_0;
}

void CWizardPageBase::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_ControlIfPresent(pDX, IDC_WIZARD_TITLE, m_title);
    DDX_ControlIfPresent(pDX, IDC_WIZARD_SUBTITLE, m_subtitle);
    if (GetDlgItem(IDC_WIZARD_BODY)) {
        DDX_Text(pDX, IDC_WIZARD_BODY, m_body);
    }
    if (!pDX->m_bSaveAndValidate) {
        m_title.SetCaption(m_titleText);
        m_subtitle.SetCaption(m_subtitleText);
    }
}

BOOL CWizardPageBase::OnSetActive() {
    const BOOL result = CPropertyPage::OnSetActive();
    if (auto* wizard = DYNAMIC_DOWNCAST(CWizard, GetParent())) {
        wizard->ShowStep(this);
    }
    return result;
}

LRESULT CWizardPageBase::OnWizardNext() {
    if (auto* wizard = DYNAMIC_DOWNCAST(CWizard, GetParent())) {
        return wizard->OnNext(this);
    }
    return CPropertyPage::OnWizardNext();
}

LRESULT CWizardPageBase::OnWizardBack() {
    if (auto* wizard = DYNAMIC_DOWNCAST(CWizard, GetParent())) {
        return wizard->OnBack(this);
    }
    return CPropertyPage::OnWizardBack();
}

BOOL CWizardPageBase::OnWizardFinish() {
    if (auto* wizard = DYNAMIC_DOWNCAST(CWizard, GetParent())) {
        return wizard->OnFinish(this);
    }
    return CPropertyPage::OnWizardFinish();
}
