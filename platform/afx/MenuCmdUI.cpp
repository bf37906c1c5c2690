#include "platform/afx/MenuCmdUI.h"

#include "platform/afx/CCmdTarget.h"
#include "platform/afx/CCmdUI.h"
#include "platform/afx/res/AfxIds.h"
#include "platform/win/menu/Menus.h"

namespace {

class CMenuCmdUI : public CCmdUI {
public:
    explicit CMenuCmdUI(HMENU menu) : m_menu(menu) {}

    void Enable(BOOL bOn) override {
        m_bEnableChanged = TRUE;
        ::EnableMenuItem(m_menu, m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : MF_GRAYED));
    }
    void SetCheck(int nCheck) override {
        ::CheckMenuItem(m_menu, m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    }
    void SetText(LPCSTR lpszText) override {
        const UINT state = ::GetMenuState(m_menu, m_nIndex, MF_BYPOSITION);
        ::ModifyMenu(m_menu, m_nIndex,
                     MF_BYPOSITION | MF_STRING | (state & (MF_GRAYED | MF_CHECKED)), m_nID,
                     lpszText);
    }

private:
    HMENU m_menu;
};

} // namespace

namespace hb::afx {

void UpdateMenuCmdUI(HMENU menu, CCmdTarget* target, BOOL bDisableIfNoHndler) {
    const int count = ::GetMenuItemCount(menu);
    for (int index = 0; index < count; ++index) {
        if (const HMENU popup = ::GetSubMenu(menu, index)) {
            UpdateMenuCmdUI(popup, target, bDisableIfNoHndler);
            continue;
        }
        const UINT id = ::GetMenuItemID(menu, index);
        // The MDI client keeps its window list's items itself.
        if ((::GetMenuState(menu, static_cast<UINT>(index), MF_BYPOSITION) & MF_SEPARATOR) ||
            id >= AFX_IDM_FIRST_MDICHILD) {
            continue;
        }
        CMenuCmdUI state(menu);
        state.m_nID = id;
        state.m_nIndex = static_cast<UINT>(index);
        state.DoUpdate(target, bDisableIfNoHndler);
    }
}

} // namespace hb::afx
