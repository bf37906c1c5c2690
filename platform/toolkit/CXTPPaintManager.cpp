#include "platform/toolkit/CXTPPaintManager.h"

#include "platform/afx/CWinApp.h"
#include "platform/afx/CWnd.h"
#include "platform/toolkit/CXTThemeManager.h"

#include <memory>

namespace {

std::unique_ptr<CXTPPaintManager>& TheInstance() {
    static std::unique_ptr<CXTPPaintManager> instance;
    return instance;
}

int& ThemeManagerTheme() {
    static int theme = 0;
    return theme;
}

} // namespace

void CXTPPaintManager::SetTheme(int nTheme) {
    if (!TheInstance()) {
        TheInstance() = std::make_unique<CXTPPaintManager>();
    }
    TheInstance()->m_nTheme = nTheme;
    hb::toolkit::detail::RepaintAll();
}

CXTPPaintManager* CXTPPaintManager::Instance() {
    return TheInstance().get();
}

void CXTThemeManager::SetTheme(int nTheme) {
    ThemeManagerTheme() = nTheme;
    hb::toolkit::detail::RepaintAll();
}

int CXTThemeManager::GetTheme() {
    return ThemeManagerTheme();
}

namespace hb::toolkit::detail {

void ResetThemes() {
    TheInstance().reset();
    ThemeManagerTheme() = 0;
}

void RepaintAll() {
    if (CWnd* main = AfxGetMainWnd(); main && main->m_hWnd) {
        ::RedrawWindow(main->m_hWnd, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
}

} // namespace hb::toolkit::detail
