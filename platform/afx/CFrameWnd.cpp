#include "platform/afx/CFrameWnd.h"

#include "platform/afx/CControlBar.h"
#include "platform/afx/CCreateContext.h"
#include "platform/afx/CDockState.h"
#include "platform/afx/CDocument.h"
#include "platform/afx/CView.h"
#include "platform/afx/CWinApp.h"
#include "platform/afx/HandleMap.h"
#include "platform/afx/MenuCmdUI.h"
#include "platform/afx/res/ResourceLoading.h"
#include "platform/afx/res/StringLookup.h"
#include "platform/win/menu/Menus.h"

#include <string>
#include <utility>
#include <vector>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CREATE()
ON_WM_CLOSE()
ON_WM_SIZE()
ON_WM_SETFOCUS()
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CFrameWnd::HandleIdleUpdate)
ON_MESSAGE(WM_INITMENUPOPUP, &CFrameWnd::HandleInitMenuPopup)
ON_MESSAGE(WM_SETMESSAGESTRING, &CFrameWnd::HandleSetMessageString)
ON_MESSAGE(WM_MENUSELECT, &CFrameWnd::HandleMenuSelect)
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(0, 0, 800, 600);

namespace {

// The child frame an MDI frame is routing a command through.
const CFrameWnd* g_routedChild = nullptr;

void AskApplicationForHelp(UINT nID) {
    if (CWinApp* app = AfxGetApp()) {
        app->OnCmdMsg(nID, CN_COMMAND, nullptr, nullptr);
    }
}

} // namespace

CFrameWnd::~CFrameWnd() {
    if (m_hIcon) {
        ::DestroyIcon(m_hIcon);
    }
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                          CCreateContext* pContext) {
    LoadFrameResources(nIDResource);
    const LPCSTR name = MAKEINTRESOURCE(nIDResource);
    const HMENU menu = ::LoadMenu(AfxFindResourceHandle(name, RT_MENU), name);
    m_hMenuDefault = menu;
    const CString title = m_strTitle;
    const HWND parent = pParentWnd ? pParentWnd->m_hWnd : HWND{};
    if (!hb::afx::detail::CreateSelfDeleting(this, [&] {
            return CreateFrame(nullptr, title, dwDefaultStyle, rectDefault, parent, menu, 0,
                               pContext);
        })) {
        // A window that was made took its menu along; one never made did not.
        ::DestroyMenu(menu);
        return FALSE;
    }
    FinishLoadFrame(nIDResource, pContext);
    return TRUE;
}

void CFrameWnd::LoadFrameResources(UINT nIDResource) {
    const LPCSTR name = MAKEINTRESOURCE(nIDResource);
    m_nIDHelp = nIDResource;
    const std::string strings = hb::afx::LoadResourceString(nIDResource).value_or("");
    m_strTitle = strings.substr(0, strings.find('\n'));
    m_hAccelTable = ::LoadAccelerators(AfxFindResourceHandle(name, RT_ACCELERATOR), name);
}

void CFrameWnd::FinishLoadFrame(UINT nIDResource, CCreateContext* pContext) {
    const LPCSTR name = MAKEINTRESOURCE(nIDResource);
    m_hIcon = ::LoadIcon(AfxFindResourceHandle(name, RT_GROUP_ICON), name);
    if (m_hIcon) {
        SendMessage(WM_SETICON, ICON_BIG, hb::win::ParamFromHandle(m_hIcon));
    }
    if (!pContext) {
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    }
}

BOOL CFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCSTR lpszMenuName, DWORD dwExStyle,
                       CCreateContext* pContext) {
    const HMENU menu = lpszMenuName
                           ? ::LoadMenu(AfxFindResourceHandle(lpszMenuName, RT_MENU), lpszMenuName)
                           : HMENU{};
    m_hMenuDefault = menu;
    if (lpszWindowName) {
        m_strTitle = lpszWindowName;
    }
    if (!CreateFrame(lpszClassName, lpszWindowName, dwStyle, rect,
                     pParentWnd ? pParentWnd->m_hWnd : HWND{}, menu, dwExStyle, pContext)) {
        ::DestroyMenu(menu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::CreateFrame(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                            const RECT& rect, HWND hWndParent, HMENU hMenu, DWORD dwExStyle,
                            CCreateContext* pContext) {
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, hWndParent, hMenu.id(),
                    pContext);
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) {
    return !pContext || !pContext->m_pNewViewClass || CreateView(pContext) != nullptr;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID) {
    CRuntimeClass* viewClass = pContext ? pContext->m_pNewViewClass : nullptr;
    auto* view = viewClass ? DYNAMIC_DOWNCAST(CWnd, viewClass->CreateObject()) : nullptr;
    if (!view) {
        return nullptr;
    }
    const BOOL created = hb::afx::detail::CreateSelfDeleting(view, [&] {
        return view->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(), this, nID, pContext);
    });
    return created ? view : nullptr;
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify) {
    CView* old = m_pViewActive;
    if (pViewNew == old) {
        return;
    }
    m_pViewActive = pViewNew;
    if (old && bNotify) {
        old->OnActivateView(FALSE, pViewNew, old);
    }
    if (pViewNew && bNotify) {
        pViewNew->OnActivateView(TRUE, pViewNew, old);
    }
}

CFrameWnd* CFrameWnd::GetActiveFrame() {
    return this;
}

CDocument* CFrameWnd::GetActiveDocument() {
    return m_pViewActive ? m_pViewActive->GetDocument() : nullptr;
}

void CFrameWnd::RecalcLayout(BOOL) {
    m_bLayoutPending = false;
    const HWND pane = ::GetDlgItem(m_hWnd, static_cast<int>(AFX_IDW_PANE_FIRST));
    // A bar's placing may make or destroy windows: the children are those of the start.
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    AFX_SIZEPARENTPARAMS layout{};
    GetClientRect(&layout.rect);
    for (const HWND child : children) {
        if (child != pane && ::IsWindow(child)) {
            ::SendMessage(child, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
        }
    }
    if (pane) {
        const CRect rest(layout.rect);
        ::MoveWindow(pane, rest.left, rest.top, rest.Width(), rest.Height(), TRUE);
    }
}

void CFrameWnd::DelayRecalcLayout(BOOL) {
    m_bLayoutPending = true;
}

void CFrameWnd::EnableDocking(DWORD) {}

void CFrameWnd::DockControlBar(CControlBar* pBar) {
    if (pBar == nullptr) {
        return;
    }
    pBar->m_pDockSite = this;
    DelayRecalcLayout();
}

void CFrameWnd::OnHelp() {
    AskApplicationForHelp(ID_HELP);
}

void CFrameWnd::OnHelpFinder() {
    AskApplicationForHelp(ID_HELP_FINDER);
}

void CFrameWnd::OnContextHelp() {
    AskApplicationForHelp(ID_HELP);
}

void CFrameWnd::GetDockState(CDockState& state) const {
    state.Clear();
    state.m_sizeScreen = CSize(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
}

void CFrameWnd::ActivateFrame(int nCmdShow) {
    if (nCmdShow == -1) {
        nCmdShow = IsWindowVisible() ? SW_SHOW : SW_SHOWNORMAL;
    }
    ShowWindow(nCmdShow);
}

void CFrameWnd::InitialUpdateFrame(CDocument*, BOOL bMakeVisible) {
    if (!m_pViewActive) {
        if (auto* view = DYNAMIC_DOWNCAST(
                CView, GetDescendantWindow(static_cast<int>(AFX_IDW_PANE_FIRST), TRUE))) {
            SetActiveView(view, FALSE);
        }
    }
    if (bMakeVisible) {
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
        ActivateFrame();
        if (m_pViewActive) {
            m_pViewActive->OnActivateView(TRUE, m_pViewActive, m_pViewActive);
        }
    }
    OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
    if (!(GetStyle() & FWS_ADDTOTITLE)) {
        return;
    }
    CDocument* doc = GetActiveDocument();
    UpdateFrameTitleForDocument(bAddToTitle && doc ? doc->GetTitle().GetString() : nullptr);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCSTR lpszDocName) {
    CString text = m_strTitle;
    if (lpszDocName && *lpszDocName) {
        text = text.IsEmpty() ? CString(lpszDocName) : text + " - " + lpszDocName;
    }
    ShowTitle(text);
}

void CFrameWnd::ShowTitle(const CString& text) {
    CString current;
    GetWindowText(current);
    if (current != text) {
        SetWindowText(text);
    }
}

void CFrameWnd::OnIdleUpdateCmdUI() {
    if (m_bLayoutPending) {
        RecalcLayout();
    }
    if (m_bTitlePending) {
        m_bTitlePending = false;
        OnUpdateFrameTitle(TRUE);
    }
    if (const HMENU menu = ::GetMenu(m_hWnd)) {
        hb::afx::UpdateMenuCmdUI(menu, this, TRUE);
    }
}

BOOL CFrameWnd::IsFrameWnd() const {
    return TRUE;
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg) {
    if (CWnd::PreTranslateMessage(pMsg)) {
        return TRUE;
    }
    return pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_hAccelTable &&
           ::TranslateAccelerator(m_hWnd, m_hAccelTable, pMsg);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (m_pViewActive && m_pViewActive->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) {
        return TRUE;
    }
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) {
        return TRUE;
    }
    if (g_routedChild == this) {
        return FALSE;
    }
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::RouteThroughChild(CFrameWnd* child, UINT nID, int nCode, void* pExtra,
                                  AFX_CMDHANDLERINFO* pHandlerInfo) {
    const CFrameWnd* saved = std::exchange(g_routedChild, child);
    const BOOL handled = child->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    g_routedChild = saved;
    return handled;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    if (!OnCreateClient(lpCreateStruct,
                        static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams))) {
        return -1;
    }
    RecalcLayout();
    return 0;
}

void CFrameWnd::OnClose() {
    CDocument* doc = GetActiveDocument();
    if (doc && !doc->CanCloseFrame(this)) {
        return;
    }
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == this) {
        if (!doc && !app->SaveAllModified()) {
            return;
        }
        app->CloseAllDocuments(FALSE);
        // Closing the documents may have taken this frame along.
        if (app->m_pMainWnd != this) {
            return;
        }
        doc = GetActiveDocument();
    }
    // The last frame of a document closes the document, which destroys the frame.
    if (doc && doc->m_bAutoDelete) {
        bool otherFrame = false;
        for (POSITION pos = doc->GetFirstViewPosition(); pos;) {
            otherFrame = otherFrame || doc->GetNextView(pos)->GetParentFrame() != this;
        }
        if (!otherFrame) {
            doc->OnCloseDocument();
            return;
        }
        doc->PreCloseFrame(this);
    }
    DestroyWindow();
}

void CFrameWnd::OnSize(UINT nType, int, int) {
    if (nType != SIZE_MINIMIZED) {
        RecalcLayout();
    }
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd) {
    if (m_pViewActive && m_pViewActive->m_hWnd) {
        m_pViewActive->SetFocus();
    } else {
        CWnd::OnSetFocus(pOldWnd);
    }
}

void CFrameWnd::PostNcDestroy() {
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    delete this;
}

LRESULT CFrameWnd::HandleIdleUpdate(WPARAM, LPARAM) {
    OnIdleUpdateCmdUI();
    // The message pane starts with the idle text.
    if (m_nIDLastMessage == 0 && GetMessageBar()) {
        SetMessageText(AFX_IDS_IDLEMESSAGE);
    }
    return 0;
}

LRESULT CFrameWnd::HandleInitMenuPopup(WPARAM wParam, LPARAM) {
    hb::afx::UpdateMenuCmdUI(HMENU(static_cast<std::uint32_t>(wParam)), this, TRUE);
    return 0;
}
