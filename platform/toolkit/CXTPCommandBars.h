#pragma once
#include "platform/afx/CCmdTarget.h"
#include "platform/toolkit/CXTPMenuBar.h"
#include "platform/toolkit/CXTPShortcutManager.h"
#include "platform/toolkit/CXTPToolBar.h"

#include <memory>
#include <vector>

class CFrameWnd;

// The command bars of one frame (the site): a menu bar, tool bars and their shortcuts. It owns the
// bars; deleting it destroys them. Their state and the shortcuts are kept in the profile under a
// name of the owner's choice.
class CXTPCommandBars : public CCmdTarget {
    DECLARE_DYNCREATE(CXTPCommandBars)

public:
    CXTPCommandBars() = default;
    ~CXTPCommandBars() override;

    // An object of the class, which must be this one or derive from it; null otherwise.
    static CXTPCommandBars* CreateCommandBars(CRuntimeClass* pCommandBarsClass);

    // The frame the bars are children of, and that receives their commands.
    void SetSite(CFrameWnd* pSite) { m_pSite = pSite; }
    CFrameWnd* GetSite() const { return m_pSite; }
    // Bars dock along the top and the bottom of the site; nothing more to enable.
    void EnableDocking() {}

    // The menu bar, from the menu resource, in place of an earlier one and of the site's own
    // menu; the accelerator resource of the same id, if any, becomes the shortcuts. Null without
    // a site or the menu.
    CXTPMenuBar* SetMenu(LPCSTR lpszTitle, UINT nIDMenu);
    CXTPMenuBar* GetMenuBar() const { return m_pMenuBar; }
    // A new empty bar of the class, which must derive from CXTPToolBar; null otherwise or
    // without a site.
    CXTPToolBar* Add(LPCSTR lpszTitle, XTPBarPosition barPosition,
                     CRuntimeClass* pToolBarClass = RUNTIME_CLASS(CXTPToolBar));
    // The bars in the order they came, the menu bar among them.
    int GetCount() const { return static_cast<int>(m_bars.size()); }
    CXTPToolBar* GetAt(int nIndex) const;
    // Destroys every bar.
    void RemoveAll();

    // Whether the user may change the bars (the tool-bar lock); a bar may not be reset while
    // this is off.
    void EnableCustomization(BOOL bEnable) { m_bCustomizable = bEnable ? TRUE : FALSE; }
    BOOL IsCustomizationEnabled() const { return m_bCustomizable; }

    // While customising, controls stand as the user arranges them rather than as the program
    // fills them in. Every bar is laid out again when it begins and when it ends.
    void SetCustomizeMode(BOOL bMode);
    // While customising is allowed: the customize sheet, in customise mode until its pages are
    // gone.
    void ShowCustomizeSheet();
    BOOL IsCustomizeMode() const { return m_bCustomizeMode; }

    CXTPShortcutManager* GetShortcutManager() { return &m_shortcuts; }

    // Saved under the profile section `lpszProfileName`. A load that finds no readable value
    // changes nothing and returns FALSE. The bar state is matched to the bars by title: the
    // saved bars' visibility, and their controls' order and hide flags.
    void SaveOptions(LPCSTR lpszProfileName) const;
    BOOL LoadOptions(LPCSTR lpszProfileName);
    void SaveBarState(LPCSTR lpszProfileName) const;
    BOOL LoadBarState(LPCSTR lpszProfileName);

    // The site frame lays its bars and panes out again.
    void RecalcFrameLayout() const;

private:
    CXTPToolBar* Adopt(std::unique_ptr<CXTPToolBar> bar, LPCSTR lpszTitle,
                       XTPBarPosition barPosition);
    CXTPToolBar* FindBar(const CString& title) const;

    CFrameWnd* m_pSite = nullptr;
    std::vector<std::unique_ptr<CXTPToolBar>> m_bars;
    CXTPMenuBar* m_pMenuBar = nullptr;
    CXTPShortcutManager m_shortcuts;
    BOOL m_bCustomizable = TRUE;
    BOOL m_bCustomizeMode = FALSE;
};

namespace hb::toolkit {

// For tests: the next CreateCommandBars makes nothing, as if the object could not be made.
void FailNextCommandBars();

namespace detail {

void ResetCommandBarsFault();

} // namespace detail
} // namespace hb::toolkit
