#include "platform/afx/CView.h"

#include "platform/afx/CCreateContext.h"
#include "platform/afx/CDocument.h"
#include "platform/afx/CFrameWnd.h"
#include "platform/afx/CPaintDC.h"
#include "platform/afx/CPrintInfo.h"
#include "platform/afx/PrintJobs.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CView, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_PAINT()
ON_MESSAGE(WM_INITIALUPDATE, &CView::HandleInitialUpdate)
END_MESSAGE_MAP()

CView::~CView() {
    if (m_pDocument) {
        m_pDocument->RemoveView(this);
    }
}

void CView::OnInitialUpdate() {
    OnUpdate(nullptr, 0, nullptr);
}

void CView::OnUpdate(CView*, LPARAM, CObject*) {
    Invalidate(TRUE);
}

void CView::OnActivateView(BOOL bActivate, CView* pActivateView, CView*) {
    if (bActivate && pActivateView == this && m_hWnd &&
        ::GetActiveWindow() == ::GetAncestor(m_hWnd, GA_ROOT)) {
        SetFocus();
    }
}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo) ||
           (m_pDocument && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo));
}

int CView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    const auto* context = static_cast<const CCreateContext*>(lpCreateStruct->lpCreateParams);
    if (context && context->m_pCurrentDoc) {
        context->m_pCurrentDoc->AddView(this);
    }
    return 0;
}

void CView::OnDestroy() {
    if (CFrameWnd* frame = GetParentFrame(); frame && frame->GetActiveView() == this) {
        frame->SetActiveView(nullptr, FALSE);
    }
    CWnd::OnDestroy();
}

void CView::OnPaint() {
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

void CView::OnPrepareDC(CDC*, CPrintInfo*) {}

void CView::PostNcDestroy() {
    delete this;
}

LRESULT CView::HandleInitialUpdate(WPARAM, LPARAM) {
    if (!m_bInitialUpdateDone) {
        m_bInitialUpdateDone = true;
        OnInitialUpdate();
    }
    return 0;
}

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo) {
    return DoPreparePrinting(pInfo);
}

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo) {
    return hb::afx::detail::PreparePrinting(*pInfo);
}

void CView::OnBeginPrinting(CDC*, CPrintInfo*) {}

void CView::OnPrint(CDC* pDC, CPrintInfo*) {
    OnDraw(pDC);
}

void CView::OnEndPrinting(CDC*, CPrintInfo*) {}

void CView::OnFilePrint() {
    Print(false);
}

void CView::OnFilePrintPreview() {
    Print(true);
}

void CView::Print(bool preview) {
    CPrintInfo info;
    info.m_bPreview = preview;
    if (!OnPreparePrinting(&info)) {
        return;
    }
    hb::afx::PrintJob job;
    if (m_pDocument) {
        job.title = m_pDocument->GetTitle().str();
    } else {
        CString text;
        GetWindowText(text);
        job.title = text.str();
    }
    job.preview = preview;
    const CRect page(0, 0, hb::afx::kPrintPageWidth, hb::afx::kPrintPageHeight);
    CDC dc;
    dc.Attach(hb::win::CreateRecordingDC());
    dc.m_bPrinting = TRUE;
    info.m_rectDraw = page;
    OnBeginPrinting(&dc, &info);
    const UINT last =
        info.GetMaxPage() == CPrintInfo::kUnknownPage ? info.GetMinPage() : info.GetMaxPage();
    std::size_t drawn = 0;
    for (UINT number = info.GetMinPage(); number <= last && info.m_bContinuePrinting; ++number) {
        info.m_nCurPage = number;
        info.m_rectDraw = page;
        OnPrepareDC(&dc, &info);
        OnPrint(&dc, &info);
        const hb::win::DisplayList& list = hb::win::DisplayListOf(dc);
        job.pages.push_back(
            {number,
             hb::win::DisplayList(list.begin() + static_cast<std::ptrdiff_t>(drawn), list.end())});
        drawn = list.size();
    }
    OnEndPrinting(&dc, &info);
    dc.DeleteDC();
    hb::afx::detail::LogPrintJob(std::move(job));
}
