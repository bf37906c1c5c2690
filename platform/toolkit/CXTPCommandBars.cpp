#include "platform/toolkit/CXTPCommandBars.h"

#include "platform/afx/CFrameWnd.h"
#include "platform/afx/CMDIFrameWnd.h"
#include "platform/records/ToolkitMessages.h"
#include "platform/toolkit/CXTPCustomizeSheet.h"
#include "platform/win/menu/Menus.h"

#include <algorithm>
#include <utility>

IMPLEMENT_DYNCREATE(CXTPCommandBars, CCmdTarget)

CXTPCommandBars::~CXTPCommandBars() {
    m_pMenuBar = nullptr;
    m_bars.clear();
}

namespace {

bool& CommandBarsFault() {
    static bool fail = false;
    return fail;
}

} // namespace

namespace hb::toolkit {

void FailNextCommandBars() {
    CommandBarsFault() = true;
}

namespace detail {

void ResetCommandBarsFault() {
    CommandBarsFault() = false;
}

} // namespace detail
} // namespace hb::toolkit

CXTPCommandBars* CXTPCommandBars::CreateCommandBars(CRuntimeClass* pCommandBarsClass) {
    if (std::exchange(CommandBarsFault(), false)) {
        return nullptr;
    }
    if (!pCommandBarsClass || !pCommandBarsClass->IsDerivedFrom(RUNTIME_CLASS(CXTPCommandBars))) {
        return nullptr;
    }
    return static_cast<CXTPCommandBars*>(pCommandBarsClass->CreateObject());
}

CXTPToolBar* CXTPCommandBars::Adopt(std::unique_ptr<CXTPToolBar> bar, LPCSTR lpszTitle,
                                    XTPBarPosition barPosition) {
    if (!bar || !bar->CreateBar(this, lpszTitle, barPosition)) {
        return nullptr;
    }
    m_bars.push_back(std::move(bar));
    RecalcFrameLayout();
    return m_bars.back().get();
}

CXTPMenuBar* CXTPCommandBars::SetMenu(LPCSTR lpszTitle, UINT nIDMenu) {
    auto menuBar = std::make_unique<CXTPMenuBar>();
    if (!m_pSite || !menuBar->LoadMenuBar(nIDMenu)) {
        return nullptr;
    }
    if (m_pMenuBar) {
        std::erase_if(m_bars, [this](const auto& bar) { return bar.get() == m_pMenuBar; });
    }
    m_pMenuBar = static_cast<CXTPMenuBar*>(Adopt(std::move(menuBar), lpszTitle, xtpBarTop));
    if (!m_pMenuBar) {
        return nullptr;
    }
    // The MDI client keeps its window list in the bar's window popup.
    if (auto* mdi = DYNAMIC_DOWNCAST(CMDIFrameWnd, m_pSite); mdi && mdi->m_hWndMDIClient) {
        ::SendMessage(
            mdi->m_hWndMDIClient, WM_MDISETMENU, 0,
            hb::win::ParamFromHandle(CMDIFrameWnd::GetWindowMenuPopup(m_pMenuBar->GetMenu())));
    }
    // The bar stands for the frame's own menu, which goes.
    if (const HMENU own = ::GetMenu(m_pSite->m_hWnd)) {
        ::SetMenu(m_pSite->m_hWnd, HMENU{});
        ::DestroyMenu(own);
        m_pSite->m_hMenuDefault = HMENU{};
        RecalcFrameLayout();
    }
    m_shortcuts.SetAccelerators(nIDMenu);
    return m_pMenuBar;
}

CXTPToolBar* CXTPCommandBars::Add(LPCSTR lpszTitle, XTPBarPosition barPosition,
                                  CRuntimeClass* pToolBarClass) {
    if (!m_pSite || !pToolBarClass || !pToolBarClass->IsDerivedFrom(RUNTIME_CLASS(CXTPToolBar))) {
        return nullptr;
    }
    return Adopt(
        std::unique_ptr<CXTPToolBar>(static_cast<CXTPToolBar*>(pToolBarClass->CreateObject())),
        lpszTitle, barPosition);
}

CXTPToolBar* CXTPCommandBars::GetAt(int nIndex) const {
    return nIndex >= 0 && nIndex < GetCount() ? m_bars[static_cast<std::size_t>(nIndex)].get()
                                              : nullptr;
}

void CXTPCommandBars::RemoveAll() {
    m_pMenuBar = nullptr;
    m_bars.clear();
    RecalcFrameLayout();
}

CXTPToolBar* CXTPCommandBars::FindBar(const CString& title) const {
    const auto found = std::ranges::find_if(
        m_bars, [&title](const auto& bar) { return bar->GetTitle() == title; });
    return found != m_bars.end() ? found->get() : nullptr;
}

void CXTPCommandBars::RecalcFrameLayout() const {
    if (m_pSite && m_pSite->m_hWnd) {
        m_pSite->RecalcLayout();
    }
}

void CXTPCommandBars::SetCustomizeMode(BOOL bMode) {
    m_bCustomizeMode = bMode ? TRUE : FALSE;
    for (const auto& bar : m_bars) {
        bar->OnRecalcLayout();
    }
    RecalcFrameLayout();
}

void CXTPCommandBars::ShowCustomizeSheet() {
    if (!m_bCustomizable || !m_pSite || m_bCustomizeMode) {
        return;
    }
    CXTPCustomizeSheet sheet(this);
    m_pSite->SendMessage(WM_TOOLKIT_CUSTOMIZE_SHEET, 0, reinterpret_cast<LPARAM>(&sheet));
    SetCustomizeMode(TRUE);
    sheet.DoModal();
    SetCustomizeMode(FALSE);
}
