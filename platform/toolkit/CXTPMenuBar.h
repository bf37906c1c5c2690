#pragma once
#include "platform/toolkit/CXTPToolBar.h"

class CMDIChildWnd;

// The bar that stands for the site frame's menu: one control per top-level item of a menu
// resource. A popup item opens its menu (WM_INITMENUPOPUP to the site, then the chosen command
// goes to the site as WM_COMMAND). In an MDI frame the menu's window popup lists the open windows,
// and a maximized child's minimize, restore and close buttons sit at the bar's right end.
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
    void OnPaint();
    void OnLButtonDown(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    // The site's active MDI child when it is maximized, else null.
    CMDIChildWnd* MaximizedChild() const;

    HMENU m_menu;
};
