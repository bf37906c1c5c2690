#include "platform/toolkit/CXTPMenuBar.h"

#include "platform/afx/CClientDC.h"
#include "platform/afx/CFrameWnd.h"
#include "platform/afx/CMDIChildWnd.h"
#include "platform/afx/CMDIFrameWnd.h"
#include "platform/afx/res/ResourceLoading.h"
#include "platform/toolkit/CXTPCommandBars.h"
#include "platform/win/core/NonClient.h"
#include "platform/win/gdi/FrameControls.h"
#include "platform/win/menu/Menus.h"

#include <string>
#include <vector>

IMPLEMENT_DYNCREATE(CXTPMenuBar, CXTPToolBar)

BEGIN_MESSAGE_MAP(CXTPMenuBar, CXTPToolBar)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

namespace {

std::vector<hb::win::CaptionButton> ChildButtons(const CWnd& bar, const CMDIChildWnd& child) {
    CRect client;
    bar.GetClientRect(&client);
    return hb::win::LayOutMenuBarButtons(child.GetStyle(), client);
}

std::string MenuText(HMENU menu, int index) {
    const auto position = static_cast<UINT>(index);
    std::string text(
        static_cast<std::size_t>(::GetMenuString(menu, position, nullptr, 0, MF_BYPOSITION)), '\0');
    ::GetMenuString(menu, position, text.data(), static_cast<int>(text.size()) + 1, MF_BYPOSITION);
    return text;
}

// The popup of `menu` with this text, or null.
HMENU PopupNamed(HMENU menu, const std::string& text) {
    for (int index = 0; index < ::GetMenuItemCount(menu); ++index) {
        if (const HMENU popup = ::GetSubMenu(menu, index); popup && MenuText(menu, index) == text) {
            return popup;
        }
    }
    return nullptr;
}

void AppendCopies(HMENU from, HMENU to) {
    for (int index = 0; index < ::GetMenuItemCount(from); ++index) {
        const std::string text = MenuText(from, index);
        if (const HMENU popup = ::GetSubMenu(from, index)) {
            const HMENU copy = ::CreatePopupMenu();
            AppendCopies(popup, copy);
            ::AppendMenu(to, MF_POPUP, copy.id(), text.c_str());
        } else {
            ::AppendMenu(to, ::GetMenuState(from, static_cast<UINT>(index), MF_BYPOSITION),
                         ::GetMenuItemID(from, index), text.c_str());
        }
    }
}

} // namespace

CXTPMenuBar::~CXTPMenuBar() {
    if (m_menu) {
        ::DestroyMenu(m_menu);
    }
    if (m_documentMenu) {
        ::DestroyMenu(m_documentMenu);
    }
}

BOOL CXTPMenuBar::LoadMenuBar(UINT nIDMenu) {
    const LPCSTR name = MAKEINTRESOURCE(nIDMenu);
    const HMENU menu = ::LoadMenu(AfxFindResourceHandle(name, RT_MENU), name);
    if (!menu) {
        return FALSE;
    }
    if (m_menu) {
        // The lent copies go with the menu.
        m_lent.clear();
        ::DestroyMenu(m_menu);
    }
    m_menu = menu;
    BuildControls();
    return TRUE;
}

void CXTPMenuBar::ShowDocumentMenu(UINT nIDMenu) {
    if (nIDMenu == m_nIDDocumentMenu) {
        return;
    }
    TakeBackLentItems();
    if (m_documentMenu) {
        ::DestroyMenu(m_documentMenu);
    }
    const LPCSTR name = MAKEINTRESOURCE(nIDMenu);
    m_documentMenu = nIDMenu ? ::LoadMenu(AfxFindResourceHandle(name, RT_MENU), name) : HMENU{};
    m_nIDDocumentMenu = m_documentMenu ? nIDMenu : 0;
    if (m_menu) {
        BuildControls();
        Invalidate();
    }
}

void CXTPMenuBar::BuildControls() {
    GetControls()->RemoveAll();
    TakeBackLentItems();
    const int count = ::GetMenuItemCount(m_menu);
    const HMENU windowMenu = CMDIFrameWnd::GetWindowMenuPopup(m_menu);
    int windowPopup = 0;
    while (windowPopup < count &&
           !(windowMenu && ::GetSubMenu(m_menu, windowPopup) == windowMenu)) {
        ++windowPopup;
    }
    AddItems(m_menu, 0, windowPopup);
    AddDocumentItems();
    AddItems(m_menu, windowPopup, count);
    RecalcSiteLayout();
}

void CXTPMenuBar::AddDocumentItems() {
    const int count = m_documentMenu ? ::GetMenuItemCount(m_documentMenu) : 0;
    for (int index = 0; index < count; ++index) {
        const HMENU popup = ::GetSubMenu(m_documentMenu, index);
        const HMENU own = popup ? PopupNamed(m_menu, MenuText(m_documentMenu, index)) : nullptr;
        if (!own) {
            AddItems(m_documentMenu, index, index + 1);
            continue;
        }
        m_lent.push_back({own, ::GetMenuItemCount(own)});
        AppendCopies(popup, own);
    }
}

void CXTPMenuBar::TakeBackLentItems() {
    for (const LentItems& lent : m_lent) {
        while (::GetMenuItemCount(lent.popup) > lent.ownItems) {
            ::DeleteMenu(lent.popup, static_cast<UINT>(lent.ownItems), MF_BYPOSITION);
        }
    }
    m_lent.clear();
}

void CXTPMenuBar::AddItems(HMENU menu, int first, int last) {
    CXTPControls& controls = *GetControls();
    for (int index = first; index < last; ++index) {
        const std::string text = MenuText(menu, index);
        if (const HMENU popup = ::GetSubMenu(menu, index)) {
            controls.Add(xtpControlPopup, 0, CString(text.c_str()))->SetPopupMenu(popup);
        } else if (const UINT id = ::GetMenuItemID(menu, index); id != 0) {
            controls.Add(xtpControlButton, static_cast<int>(id), CString(text.c_str()));
        }
    }
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

CMDIChildWnd* CXTPMenuBar::MaximizedChild() const {
    auto* mdi =
        DYNAMIC_DOWNCAST(CMDIFrameWnd, GetCommandBars() ? GetCommandBars()->GetSite() : nullptr);
    BOOL maximized = FALSE;
    CMDIChildWnd* child = mdi ? mdi->MDIGetActive(&maximized) : nullptr;
    return child && maximized && hb::win::HasFrame(child->GetStyle()) ? child : nullptr;
}

void CXTPMenuBar::OnPaint() {
    CXTPToolBar::OnPaint();
    const CMDIChildWnd* child = MaximizedChild();
    if (!child) {
        return;
    }
    CClientDC dc(this);
    for (hb::win::CaptionButton& button : ChildButtons(*this, *child)) {
        ::DrawFrameControl(dc, &button.rect, DFC_CAPTION, hb::win::CaptionButtonOf(button.command));
    }
}

void CXTPMenuBar::OnLButtonDown(UINT nFlags, CPoint point) {
    if (CMDIChildWnd* child = MaximizedChild()) {
        for (const hb::win::CaptionButton& button : ChildButtons(*this, *child)) {
            if (::PtInRect(&button.rect, point)) {
                child->PostMessage(WM_SYSCOMMAND, button.command);
                return;
            }
        }
    }
    CXTPToolBar::OnLButtonDown(nFlags, point);
}
