#include "platform/afx/CMDIChildWnd.h"

#include "platform/afx/CDocument.h"
#include "platform/afx/CMDIFrameWnd.h"
#include "platform/afx/CView.h"
#include "platform/afx/CWinApp.h"
#include "platform/afx/HandleMap.h"
#include "platform/afx/res/ResourceLoading.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
ON_WM_MDIACTIVATE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

WPARAM ParamOf(HWND hwnd) {
    return static_cast<WPARAM>(hb::win::ParamFromHwnd(hwnd));
}

// How many cascade steps a new child is placed from the corner before the steps start again.
constexpr int kCascadeSteps = 8;
constexpr SIZE kSmallest{240, 180};

// A new child without a place of its own: three quarters of the client area, one cascade step
// further than the children already there, so that none hides another.
CRect DefaultPlace(HWND client) {
    CRect area;
    ::GetClientRect(client, &area);
    int count = 0;
    for (HWND child = ::GetWindow(client, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        ++count;
    }
    const int offset = (count % kCascadeSteps) * hb::win::kMdiCascadeStep;
    const int width = std::max(area.Width() * 3 / 4, kSmallest.cx);
    const int height = std::max(area.Height() * 3 / 4, kSmallest.cy);
    return {offset, offset, offset + width, offset + height};
}

} // namespace

BOOL CMDIChildWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                          const RECT& rect, CMDIFrameWnd* pParentWnd, CCreateContext* pContext) {
    if (!pParentWnd) {
        pParentWnd = DYNAMIC_DOWNCAST(CMDIFrameWnd, AfxGetMainWnd());
    }
    if (!pParentWnd || !pParentWnd->m_hWndMDIClient) {
        return FALSE;
    }
    if (lpszWindowName) {
        m_strTitle = lpszWindowName;
    }
    const CRect placed =
        ::EqualRect(&rect, &rectDefault) ? DefaultPlace(pParentWnd->m_hWndMDIClient) : CRect(rect);
    if (!CreateFrame(lpszClassName, lpszWindowName, dwStyle | WS_CHILD, placed,
                     pParentWnd->m_hWndMDIClient, HMENU{}, WS_EX_MDICHILD, pContext)) {
        return FALSE;
    }
    MDIActivate();
    return TRUE;
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                             CCreateContext* pContext) {
    LoadFrameResources(nIDResource);
    const LPCSTR name = MAKEINTRESOURCE(nIDResource);
    if (const HMENU menu = ::LoadMenu(AfxFindResourceHandle(name, RT_MENU), name)) {
        ::DestroyMenu(menu);
        m_nIDMenuShared = nIDResource;
    }
    const CString title = m_strTitle;
    auto* parent = DYNAMIC_DOWNCAST(CMDIFrameWnd, pParentWnd);
    if (!hb::afx::detail::CreateSelfDeleting(this, [&] {
            return Create(nullptr, title, dwDefaultStyle, rectDefault, parent, pContext);
        })) {
        return FALSE;
    }
    FinishLoadFrame(nIDResource, pContext);
    return TRUE;
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const {
    const HWND client = ::GetParent(m_hWnd);
    return DYNAMIC_DOWNCAST(CMDIFrameWnd, FromHandlePermanent(::GetParent(client)));
}

void CMDIChildWnd::MDIActivate() {
    ::SendMessage(::GetParent(m_hWnd), WM_MDIACTIVATE, ParamOf(m_hWnd), 0);
}

void CMDIChildWnd::MDIDestroy() {
    ::SendMessage(::GetParent(m_hWnd), WM_MDIDESTROY, ParamOf(m_hWnd), 0);
}

void CMDIChildWnd::MDIMaximize() {
    ::SendMessage(::GetParent(m_hWnd), WM_MDIMAXIMIZE, ParamOf(m_hWnd), 0);
}

void CMDIChildWnd::MDIRestore() {
    ::SendMessage(::GetParent(m_hWnd), WM_MDIRESTORE, ParamOf(m_hWnd), 0);
}

void CMDIChildWnd::ActivateFrame(int nCmdShow) {
    CFrameWnd::ActivateFrame(nCmdShow);
    MDIActivate();
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
    if (GetStyle() & FWS_ADDTOTITLE) {
        const CDocument* doc = GetActiveDocument();
        ShowTitle(bAddToTitle && doc ? doc->GetTitle() : m_strTitle);
    }
    if (CMDIFrameWnd* frame = GetMDIFrame()) {
        frame->OnUpdateFrameTitle(TRUE);
    }
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG* pMsg) {
    return CWnd::PreTranslateMessage(pMsg);
}

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd*, CWnd*) {
    CView* view = GetActiveView();
    if (!bActivate && view) {
        view->OnActivateView(FALSE, view, view);
    }
    if (CMDIFrameWnd* frame = GetMDIFrame()) {
        frame->OnUpdateFrameTitle(TRUE);
        frame->OnUpdateFrameMenu();
    }
    if (bActivate && view) {
        view->OnActivateView(TRUE, view, view);
    }
}

void CMDIChildWnd::OnDestroy() {
    MDIDestroy();
    CFrameWnd::OnDestroy();
}
