#pragma once
#include "platform/afx/CDialog.h"
#include "platform/afx/CPropertyPage.h"

#include <vector>

// Pages under a row of tabs, with OK and Cancel below them. The sheet does not own its pages.
// A page is made when it is first shown; every page made is destroyed with the sheet. OK asks the
// shown page to let go (OnKillActive) and then tells each page made (OnOK); Cancel tells each page
// made (OnCancel).
class CPropertySheet : public CDialog {
    DECLARE_DYNAMIC(CPropertySheet)

public:
    explicit CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    void AddPage(CPropertyPage* pPage);
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

    DECLARE_MESSAGE_MAP()

private:
    // The pages' area, in pixels.
    CRect PageRect() const;

    CString m_strCaption;
    std::vector<CPropertyPage*> m_pages;
    int m_nActive = -1;
    int m_nStartPage = 0;
    hb::afx::DialogTemplate m_sheetTemplate;
};
