#pragma once
#include "platform/toolkit/CXTPToolBar.h"

#include <vector>

class CMDIChildWnd;

// The bar that stands for the site frame's menu: one control per top-level item of a menu
// resource. A popup item opens its menu (WM_INITMENUPOPUP to the site, then the chosen command
// goes to the site as WM_COMMAND). In an MDI frame the menu's window popup lists the open windows,
// and a maximized child's minimize, restore and close buttons sit at the bar's right end; the
// active child's document menu lends its popups, which stand before the window popup. A document
// popup named like one of the bar's own lends its items to that popup instead, after the bar's.
class CXTPMenuBar : public CXTPToolBar {
    DECLARE_DYNCREATE(CXTPMenuBar)

public:
    ~CXTPMenuBar() override;

    // Replaces the controls with the menu's; FALSE when there is no such menu.
    BOOL LoadMenuBar(UINT nIDMenu);
    // The menu the bar shows, or null.
    HMENU GetMenu() const { return m_menu; }
    // Shows the popups of the document menu `nIDMenu` (0: none) beside the bar's own.
    void ShowDocumentMenu(UINT nIDMenu);
    // Lets go of the document menu.
    void FreeMDIMenus() { ShowDocumentMenu(0); }

protected:
    void OnExecute(CXTPControl& control) override;
    void OnPaint();
    void OnLButtonDown(UINT nFlags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    // The site's active MDI child when it is maximized, else null.
    CMDIChildWnd* MaximizedChild() const;
    // One control per top-level item of the bar's menu, the document menu's popups included.
    void BuildControls();
    void AddItems(HMENU menu, int first, int last);
    // The document menu's popups: a control each, or their items in the bar's popup of that name.
    void AddDocumentItems();
    // Takes the document menu's items out of the bar's popups again.
    void TakeBackLentItems();

    // A popup of the bar's menu that holds copies of a document popup's items after its own.
    struct LentItems {
        HMENU popup;
        int ownItems;
    };

    HMENU m_menu;
    HMENU m_documentMenu = nullptr;
    UINT m_nIDDocumentMenu = 0;
    std::vector<LentItems> m_lent;
};
