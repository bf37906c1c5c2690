#include "audio/LogSearchBar.h"

#include "audio/GenericReportView.h"
#include "platform/tessary/app/ScanApp.h"

BEGIN_MESSAGE_MAP(CLogSearchBar, CWnd)
ON_COMMAND(CLogSearchBar::kApply, &CLogSearchBar::OnApply)
ON_COMMAND(CLogSearchBar::kClear, &CLogSearchBar::OnClear)
ON_WM_SYSCOMMAND()
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

constexpr int kMargin = 6;
constexpr int kButtonWidth = 64;
constexpr int kHeight = 24;

} // namespace

BOOL CLogSearchBar::Create(CGenericReportView* view, CWnd* owner, const RECT& rect) {
    if (!CreateEx(0, nullptr, "Search", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, rect,
                  owner, 0)) {
        return FALSE;
    }
    CRect client;
    GetClientRect(&client);
    const int buttons = client.right - kMargin - 2 * kButtonWidth - kMargin;
    m_text.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL,
                  CRect(kMargin, kMargin, buttons - kMargin, kMargin + kHeight), this, kTextId);
    m_apply.Create("Search", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON,
                   CRect(buttons, kMargin, buttons + kButtonWidth, kMargin + kHeight), this,
                   kApply);
    m_clearButton.Create("Clear", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                         CRect(buttons + kButtonWidth + kMargin, kMargin,
                               buttons + 2 * kButtonWidth + kMargin, kMargin + kHeight),
                         this, kClear);
    m_view = view;
    if (view) {
        view->m_searchBar = this;
    }
    return TRUE;
}

void CLogSearchBar::OnApply() {
    m_text.GetWindowText(m_searchText);
    if (m_view) {
        m_view->SetFilterText(m_searchText);
    }
}

void CLogSearchBar::OnClear() {
    m_searchText.Empty();
    m_text.SetWindowText(m_searchText);
    if (m_view) {
        m_view->SetFilterText("");
    }
}

void CLogSearchBar::OnSysCommand(UINT nID, LPARAM lParam) {
    if ((nID & 0xFFF0) == SC_CLOSE) {
        DestroyWindow();
        return;
    }
    CWnd::OnSysCommand(nID, lParam);
}

void CLogSearchBar::OnDestroy() {
    CRect place;
    GetWindowRect(&place);
    if (CScanApp* app = CScanApp::GetScanApp()) {
        app->WriteProfileInt(kSection, "Left", place.left);
        app->WriteProfileInt(kSection, "Right", place.right);
        app->WriteProfileInt(kSection, "Top", place.top);
        app->WriteProfileInt(kSection, "Bottom", place.bottom);
    }
    if (m_view) {
        m_view->SetFilterText("");
        m_view->m_searchBar = nullptr;
        m_view = nullptr;
    }
    CWnd::OnDestroy();
}
