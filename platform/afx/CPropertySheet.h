#pragma once
#include "platform/afx/CDialog.h"
#include "platform/afx/CPropertyPage.h"

#include <vector>

// The wizard's buttons, and the flags that say which of them the user may press.
inline constexpr UINT ID_WIZBACK = 0x3023;
inline constexpr UINT ID_WIZNEXT = 0x3024;
inline constexpr UINT ID_WIZFINISH = 0x3025;
inline constexpr DWORD PSWIZB_BACK = 0x1;
inline constexpr DWORD PSWIZB_NEXT = 0x2;
inline constexpr DWORD PSWIZB_FINISH = 0x4;
inline constexpr DWORD PSWIZB_DISABLEDFINISH = 0x8;
// Sets the wizard's buttons: the PSWIZB flags in lParam.
inline constexpr UINT PSM_SETWIZBUTTONS = WM_USER + 112;

// Pages under a row of tabs, with OK and Cancel below them. The sheet does not own its pages.
// A page is made when it is first shown; every page made is destroyed with the sheet. OK asks the
// shown page to let go (OnKillActive) and then tells each page made (OnOK); Cancel tells each page
// made (OnCancel).
class CPropertySheet : public CDialog {
    DECLARE_DYNAMIC(CPropertySheet)

public:
    explicit CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    void AddPage(CPropertyPage* pPage);
    // Before the sheet runs: one page at a time without tabs, with Back, Next (or Finish) and
    // Cancel. Next and Back go where the shown page says (OnWizardNext, OnWizardBack), activating
    // that page again when it is the one shown; Finish ends the sheet with ID_WIZFINISH when the
    // page agrees (OnWizardFinish). PSM_SETWIZBUTTONS enables the buttons; Finish takes Next's
    // place while it is offered without Next.
    void SetWizardMode() { m_bWizard = true; }
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int nPage) const;
    int GetActiveIndex() const { return m_nActive; }
    CPropertyPage* GetActivePage() const { return GetPage(m_nActive); }
    // Before the sheet runs: the page it starts on. FALSE when the shown page will not let go.
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);
    // Where the tab of the page is, in the sheet's client coordinates.
    CRect GetTabRect(int nPage);

    int DoModal() override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

protected:
    void OnPaint();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnWizardBack();
    void OnWizardNext();
    void OnWizardFinish();
    LRESULT OnSetWizButtons(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // The pages' area, in pixels.
    CRect PageRect() const;
    int TabRowHeight() const;
    // The page an answer of OnWizardNext or OnWizardBack names, `step` away when it names none;
    // -1 to stay.
    int WizardTarget(LRESULT answer, int step) const;
    // Activates the page; a page shown already is activated again.
    void MoveTo(int nPage);

    CString m_strCaption;
    std::vector<CPropertyPage*> m_pages;
    int m_nActive = -1;
    int m_nStartPage = 0;
    bool m_bWizard = false;
    hb::afx::DialogTemplate m_sheetTemplate;
};
