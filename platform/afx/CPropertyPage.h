#pragma once
#include "platform/afx/CDialog.h"

// One page of a property sheet: a child dialog made from its template when the sheet first shows
// it, and destroyed with the sheet. Its template's caption names its tab.
class CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)

public:
    explicit CPropertyPage(UINT nIDTemplate);
    explicit CPropertyPage(const hb::afx::DialogTemplate* pTemplate);

    CString GetCaption() const;
    // The page is about to show; FALSE keeps the sheet on the page it was on.
    virtual BOOL OnSetActive() { return TRUE; }
    // The page is about to be left, or the sheet to close with OK: UpdateData(TRUE). FALSE keeps
    // the page.
    virtual BOOL OnKillActive();
    // In a wizard: the page to go to on Next or Back, as its template id; 0 for the next (or the
    // previous) page in order, -1 to stay.
    virtual LRESULT OnWizardNext() { return 0; }
    virtual LRESULT OnWizardBack() { return 0; }
    // In a wizard: FALSE keeps the sheet open on Finish.
    virtual BOOL OnWizardFinish() { return TRUE; }
    // The sheet closed with OK, or with Cancel; the page's window is still there.
    void OnOK() override {}
    void OnCancel() override {}
    // Enter and Esc are the sheet's.
    BOOL PreTranslateMessage(MSG* pMsg) override { return CWnd::PreTranslateMessage(pMsg); }
};
