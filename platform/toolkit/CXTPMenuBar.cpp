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
    const int count = ::GetMenuItemCount(m_menu);
    const HMENU windowMenu = CMDIFrameWnd::GetWindowMenuPopup(m_menu);
    int windowPopup = 0;
    while (windowPopup < count &&
           !(windowMenu && ::GetSubMenu(m_menu, windowPopup) == windowMenu)) {
        ++windowPopup;
    }
    AddItems(m_menu, 0, windowPopup);
    if (m_documentMenu) {
        AddItems(m_documentMenu, 0, ::GetMenuItemCount(m_documentMenu));
    }
    AddItems(m_menu, windowPopup, count);
    RecalcSiteLayout();
}

void CXTPMenuBar::AddItems(HMENU menu, int first, int last) {
    CXTPControls& controls = *GetControls();
    for (int index = first; index < last; ++index) {
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
