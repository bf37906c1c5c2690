#pragma once
// The base of the setup wizard's pages. A page only holds controls: each activation and each Next,
// Back and Finish goes to the sheet's step machine (CWizard), which fills the page for its step.
#include "platform/afx/CPropertyPage.h"
#include "platform/instruments/CiLabelX.h"
#include "platform/instruments/CiPanelX.h"

class CWizardPageBase : public CPropertyPage {
    DECLARE_DYNAMIC(CWizardPageBase)

public:
    explicit CWizardPageBase(UINT nIDTemplate);

    BOOL OnSetActive() override;
    LRESULT OnWizardNext() override;
    LRESULT OnWizardBack() override;
    BOOL OnWizardFinish() override;

    // The page's number in the sheet (its template less the first page's).
    UINT PageNumber() const;

    // Shown in the title label, the subtitle panel and the body at the next UpdateData(FALSE).
    CString m_titleText;
    CString m_subtitleText;
    CString m_body;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CiLabelX m_title;
    CiPanelX m_subtitle;
};
