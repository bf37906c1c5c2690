#pragma once
#include "platform/afx/CPropertySheet.h"
#include "platform/toolkit/CXTPCustomizeToolbarsPage.h"

#include <memory>
#include <vector>

class CXTPCommandBars;

// The sheet that customises the command bars: the "Toolbars" page first, then the pages the site
// frame adds when it is asked (WM_TOOLKIT_CUSTOMIZE_SHEET).
class CXTPCustomizeSheet : public CPropertySheet {
    DECLARE_DYNAMIC(CXTPCustomizeSheet)

public:
    explicit CXTPCustomizeSheet(CXTPCommandBars* pCommandBars);

    CXTPCommandBars* GetCommandBars() const { return m_pCommandBars; }
    // A page of the site's that the sheet keeps until it goes.
    void AddOwnedPage(std::unique_ptr<CPropertyPage> pPage);

private:
    CXTPCommandBars* m_pCommandBars;
    CXTPCustomizeToolbarsPage m_toolbars;
    std::vector<std::unique_ptr<CPropertyPage>> m_ownedPages;
};
