#include "app/radiowindow/TabViewContainer.h"

#include "app/HalbridgeApp.h"
#include "platform/afx/CCreateContext.h"
#include "platform/afx/CDocument.h"
#include "platform/afx/CFrameWnd.h"
#include "platform/afx/CPaintDC.h"
#include "platform/afx/HandleMap.h"

BEGIN_MESSAGE_MAP(CTabViewContainer, CView)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_DESTROY()
ON_NOTIFY(TCN_SELCHANGE, CTabViewContainer::kTabControlId, &CTabViewContainer::OnSelChange)
END_MESSAGE_MAP()

CObject* CTabViewContainer::CreateObject() {
    auto* container = new CTabViewContainer;
    container->m_bAutoDelete = true;
    return container;
}

HB_AFX_IMPLEMENT_RUNTIMECLASS(CTabViewContainer, CView, &CTabViewContainer::CreateObject)

namespace {

constexpr DWORD kTabControlStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
constexpr int kStyledAppearance = 10;
constexpr int kPlainAppearance = 9;

bool VisualStyleOn() {
    const CHalbridgeApp* app = CHalbridgeApp::Get();
    return app && app->m_visualStyle != 0;
}

} // namespace

BOOL CTabViewContainer::AddControl(CWnd* pWnd, LPCSTR lpszCaption, int nImage) {
    if (!pWnd || !pWnd->GetSafeHwnd()) {
        return FALSE;
    }
    ::SetParent(pWnd->GetSafeHwnd(), m_tabControl.GetSafeHwnd());
    InsertPage(pWnd, lpszCaption, nImage);
    return TRUE;
}

BOOL CTabViewContainer::AddView(CRuntimeClass* pViewClass, CCreateContext* pContext,
                                LPCSTR lpszCaption, int nImage) {
    CObject* object = pViewClass ? pViewClass->CreateObject() : nullptr;
    if (!object) {
        return FALSE;
    }
    auto* view = DYNAMIC_DOWNCAST(CWnd, object);
    if (!view) {
        delete object;
        return FALSE;
    }
    const UINT id = AFX_IDW_PANE_FIRST + static_cast<UINT>(GetItemCount());
    // A failed creation leaves no object behind.
    if (!hb::afx::detail::CreateSelfDeleting(view, [&] {
            return view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0),
                                &m_tabControl, id, pContext);
        })) {
        return FALSE;
    }
    InsertPage(view, lpszCaption, nImage);
    return TRUE;
}

void CTabViewContainer::InsertPage(CWnd* pWnd, LPCSTR lpszCaption, int nImage) {
    m_tabControl.InsertItem(GetItemCount(), lpszCaption, pWnd->GetSafeHwnd(), nImage);
    if (m_bInitialised) {
        pWnd->SendMessage(WM_INITIALUPDATE);
    }
    pWnd->SetOwner(this);
}

BOOL CTabViewContainer::RemoveView(int nIndex, BOOL bDestroy) {
    if (nIndex < 0 || nIndex >= GetItemCount()) {
        return FALSE;
    }
    if (bDestroy) {
        const HWND page = PageOf(nIndex);
        if (CWnd* wnd = CWnd::FromHandlePermanent(page)) {
            wnd->DestroyWindow();
        } else if (page) {
            ::DestroyWindow(page);
        }
    }
    m_tabControl.DeleteItem(nIndex);
    return TRUE;
}

BOOL CTabViewContainer::RemoveView(CWnd* pWnd, BOOL bDestroy) {
    const CXTPTabManagerItem* item =
        pWnd && pWnd->GetSafeHwnd() ? m_tabControl.FindItem(pWnd->GetSafeHwnd()) : nullptr;
    if (!item) {
        return FALSE;
    }
    m_tabControl.DeleteItem(item->GetIndex());
    if (bDestroy) {
        pWnd->DestroyWindow();
    }
    return TRUE;
}

CWnd* CTabViewContainer::GetView(int nIndex) const {
    const HWND page = PageOf(nIndex);
    return page ? CWnd::FromHandlePermanent(page) : nullptr;
}

int CTabViewContainer::GetItemCount() const {
    return m_tabControl.GetItemCount();
}

CWnd* CTabViewContainer::GetActiveView() const {
    return GetView(GetActiveIndex());
}

int CTabViewContainer::GetActiveIndex() const {
    return m_tabControl.GetCurSel();
}

CRect CTabViewContainer::GetTabClientRect() const {
    return m_tabControl.GetSafeHwnd() ? m_tabControl.GetPageRect() : CRect();
}

CString CTabViewContainer::GetCaption(int nIndex) const {
    const CXTPTabManagerItem* item = m_tabControl.GetItem(nIndex);
    return item ? item->GetCaption() : CString();
}

void CTabViewContainer::SetCaption(int nIndex, LPCSTR lpszText) {
    if (CXTPTabManagerItem* item = m_tabControl.GetItem(nIndex)) {
        item->SetCaption(lpszText);
    }
}

BOOL CTabViewContainer::ActivateView(CWnd* pWnd) {
    const CXTPTabManagerItem* item =
        pWnd && pWnd->GetSafeHwnd() ? m_tabControl.FindItem(pWnd->GetSafeHwnd()) : nullptr;
    if (!item) {
        return FALSE;
    }
    m_tabControl.SetCurSel(item->GetIndex());
    return TRUE;
}

BOOL CTabViewContainer::SetActiveIndex(int nIndex) {
    // A saved index may come from another set of tabs.
    if (nIndex < 0 || nIndex >= GetItemCount()) {
        return FALSE;
    }
    m_tabControl.SetCurSel(nIndex);
    return TRUE;
}

void CTabViewContainer::OnTabChanged() {
    // A container embedded in a frame has no document.
    if (CDocument* document = GetDocument()) {
        document->OnChangedViewList();
    }
}

HWND CTabViewContainer::PageOf(int nIndex) const {
    const CXTPTabManagerItem* item = m_tabControl.GetItem(nIndex);
    return item ? item->GetHandle() : HWND{};
}

BOOL CTabViewContainer::PreCreateWindow(CREATESTRUCT& cs) {
    cs.dwExStyle &= ~static_cast<DWORD>(WS_EX_CLIENTEDGE);
    return CView::PreCreateWindow(cs);
}

void CTabViewContainer::OnInitialUpdate() {
    m_bInitialised = TRUE;
    CView::OnInitialUpdate();
}

void CTabViewContainer::PostNcDestroy() {
    if (m_bAutoDelete) {
        CView::PostNcDestroy();
    }
}

int CTabViewContainer::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CView::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    if (!m_tabControl.Create(kTabControlStyle, CRect(0, 0, 0, 0), this, kTabControlId)) {
        return -1;
    }
    CXTPTabPaintManager* paint = m_tabControl.GetPaintManager();
    paint->SetAppearance(VisualStyleOn() ? kStyledAppearance : kPlainAppearance);
    paint->m_bHotTracking = TRUE;
    paint->m_bBoldSelected = TRUE;
    paint->DisableLunaColors(FALSE);
    m_tabControl.Reposition();
    return 0;
}

void CTabViewContainer::OnSize(UINT, int cx, int cy) {
    Default();
    m_tabControl.MoveWindow(0, 0, cx, cy, TRUE);
}

void CTabViewContainer::OnPaint() {
    CPaintDC dc(this);
}

BOOL CTabViewContainer::OnEraseBkgnd(CDC*) {
    return TRUE;
}

void CTabViewContainer::OnDestroy() {
    m_tabControl.DeleteAllItems();
    CView::OnDestroy();
}

void CTabViewContainer::OnSelChange(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    OnTabChanged();
    // Any window may be a page; only a view can be the frame's active view.
    auto* view = DYNAMIC_DOWNCAST(CView, GetActiveView());
    CFrameWnd* frame = GetParentFrame();
    if (view && frame) {
        frame->SetActiveView(view, TRUE);
    }
}
