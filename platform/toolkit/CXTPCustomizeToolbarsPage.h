#pragma once
#include "platform/afx/CButton.h"
#include "platform/afx/CListBox.h"
#include "platform/afx/CPropertyPage.h"

class CXTPCommandBars;

// The "Toolbars" page of the customize sheet: the bars by title, whether the selected one shows,
// and "Reset", which takes it back to its resource's buttons (and tells the site).
class CXTPCustomizeToolbarsPage : public CPropertyPage {
    DECLARE_DYNAMIC(CXTPCustomizeToolbarsPage)

public:
    static constexpr UINT kBarList = 100;
    static constexpr UINT kShowBar = 101;
    static constexpr UINT kResetBar = 102;

    explicit CXTPCustomizeToolbarsPage(CXTPCommandBars* pCommandBars);

    BOOL OnInitDialog() override;

protected:
    void OnSelectBar();
    void OnShowBar();
    void OnResetBar();

    DECLARE_MESSAGE_MAP()

private:
    CXTPCommandBars* m_pCommandBars;
    CListBox m_bars;
    CButton m_show;
};
