#pragma once
#include "platform/toolkit/CXTPToolBar.h"

// The bar that stands for the site frame's menu: one control per top-level item of a menu
// resource. A popup item opens its menu (WM_INITMENUPOPUP to the site, then the chosen command
// goes to the site as WM_COMMAND).
class CXTPMenuBar : public CXTPToolBar {
    DECLARE_DYNCREATE(CXTPMenuBar)

public:
    ~CXTPMenuBar() override;

    // Replaces the controls with the menu's; FALSE when there is no such menu.
    BOOL LoadMenuBar(UINT nIDMenu);
    // The menu the bar shows, or null.
    HMENU GetMenu() const { return m_menu; }
    // The bar keeps no menus of document types besides its own: there is nothing to free.
    void FreeMDIMenus() {}

protected:
    void OnExecute(CXTPControl& control) override;

private:
    HMENU m_menu;
};
