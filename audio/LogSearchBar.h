#pragma once
// The floating bar that filters a report view by a search text: a text field, "Search" (28464)
// and "Clear" (27572). Closing it stores where it stood and clears the view's filter. A bar whose
// view is gone touches nothing.
#include "platform/afx/CButton.h"
#include "platform/afx/CEdit.h"
#include "platform/afx/CWnd.h"

class CGenericReportView;

class CLogSearchBar : public CWnd {
public:
    static constexpr UINT kApply = 28464;
    static constexpr UINT kClear = 27572;
    static constexpr UINT kTextId = 1001;
    static constexpr LPCSTR kSection = "EnhancedLogSearchToolBar";

    // A floating window over `owner`, linked both ways with the view.
    BOOL Create(CGenericReportView* view, CWnd* owner, const RECT& rect);

    CEdit& TextField() { return m_text; }

    CGenericReportView* m_view = nullptr;
    CString m_searchText;

protected:
    void OnApply();
    void OnClear();
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    CEdit m_text;
    CButton m_apply;
    CButton m_clearButton;
};
