#include "platform/toolkit/CXTPMenuBar.h"

#include "platform/afx/CFrameWnd.h"
#include "platform/afx/res/ResourceLoading.h"
#include "platform/toolkit/CXTPCommandBars.h"
#include "platform/win/menu/Menus.h"

#include <string>

IMPLEMENT_DYNCREATE(CXTPMenuBar, CXTPToolBar)

CXTPMenuBar::~CXTPMenuBar() {
    if (m_menu) {
        ::DestroyMenu(m_menu);
    }
}

BOOL CXTPMenuBar::LoadMenuBar(UINT nIDMenu) {
    const LPCSTR name = MAKEINTRESOURCE(nIDMenu);
    const HMENU menu = ::LoadMenu(AfxFindResourceHandle(name, RT_MENU), name);
    if (!menu) {
        return FALSE;
    }
    if (m_menu) {
        ::DestroyMenu(m_menu);
    }
    m_menu = menu;
    CXTPControls& controls = *GetControls();
    controls.RemoveAll();
    for (int index = 0; index < ::GetMenuItemCount(menu); ++index) {
        std::string text(static_cast<std::size_t>(::GetMenuString(menu, static_cast<UINT>(index),
                                                                  nullptr, 0, MF_BYPOSITION)),
                         '\0');
        ::GetMenuString(menu, static_cast<UINT>(index), text.data(),
                        static_cast<int>(text.size()) + 1, MF_BYPOSITION);
        if (const HMENU popup = ::GetSubMenu(menu, index)) {
            controls.Add(xtpControlPopup, 0, CString(text.c_str()))->SetPopupMenu(popup);
        } else if (const UINT id = ::GetMenuItemID(menu, index); id != 0) {
            controls.Add(xtpControlButton, static_cast<int>(id), CString(text.c_str()));
        }
    }
    RecalcSiteLayout();
    return TRUE;
}

void CXTPMenuBar::OnExecute(CXTPControl& control) {
    CFrameWnd* site = GetCommandBars() ? GetCommandBars()->GetSite() : nullptr;
    if (control.GetType() != xtpControlPopup || !site) {
        CXTPToolBar::OnExecute(control);
        return;
    }
    CRect place = control.GetRect();
    ClientToScreen(&place);
    ::TrackPopupMenu(control.GetPopupMenu(), TPM_LEFTALIGN, place.left, place.bottom, 0,
                     site->m_hWnd, nullptr);
}
