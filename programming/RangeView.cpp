#include "programming/RangeView.h"

#include "app/radiowindow/RadioFrame.h"
#include "platform/afx/CPrintInfo.h"
#include "platform/afx/CWinApp.h"
#include "platform/tessary/app/BandSelect.h"
#include "platform/tessary/app/LockMapEdit.h"
#include "platform/tessary/app/RangeDoc.h"
#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/Range.h"
#include "programming/ChangeRadioType.h"
#include "programming/ViewIcon.h"
#include "radioview/RadioView.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CRangeView, CView)

BEGIN_MESSAGE_MAP(CRangeView, CView)
ON_WM_CREATE()
ON_WM_SIZE()
ON_COMMAND(57607, &CView::OnFilePrint)
ON_COMMAND(57609, &CView::OnFilePrintPreview)
ON_COMMAND(27324, &CRangeView::OnFillFromBandTable)
ON_COMMAND(27181, &CRangeView::OnChangeRadioType)
ON_COMMAND(27186, &CRangeView::OnLockOutMap)
END_MESSAGE_MAP()

CRangeDoc* CRangeView::GetRangeDoc() const {
    return dynamic_cast<CRangeDoc*>(GetDocument());
}

int CRangeView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CView::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    constexpr UINT kGridId = 1234;
    constexpr UINT kRangeIcon = 27354;
    m_grid.m_doc = GetRangeDoc();
    m_grid.CreateGrid(WS_CHILD | WS_VISIBLE, CRect(0, 0, lpCreateStruct->cx, lpCreateStruct->cy),
                      this, kGridId);
    hb::programming::SetViewIcon(*this, kRangeIcon);
    return 0;
}

void CRangeView::OnInitialUpdate() {
    CView::OnInitialUpdate();
    if (CRangeDoc* doc = GetRangeDoc()) {
        m_grid.Setup(doc->GetRange(), doc->GetRadio(), doc);
    }
}

void CRangeView::OnSize(UINT nType, int cx, int cy) {
    CView::OnSize(nType, cx, cy);
    if (m_grid.m_hWnd) {
        m_grid.MoveWindow(0, 0, cx, cy);
        m_grid.RedrawAll();
    }
}

void CRangeView::OnDraw(CDC* pDC) {
    if (m_printing) {
        m_grid.PrintPage(pDC, m_page);
    }
}

BOOL CRangeView::OnPreparePrinting(CPrintInfo* pInfo) {
    return DoPreparePrinting(pInfo);
}

void CRangeView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) {
    const int pages = m_grid.PrintInit(pDC, nullptr, 0, 0, m_grid.GetNumberCols() - 1,
                                       m_grid.GetNumberRows() - 1);
    pInfo->SetMaxPage(static_cast<UINT>(std::max(pages, 1)));
    m_printing = true;
}

void CRangeView::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
    m_printRect = pInfo->m_rectDraw;
    m_page = static_cast<int>(pInfo->m_nCurPage);
    CView::OnPrint(pDC, pInfo);
}

void CRangeView::OnEndPrinting(CDC*, CPrintInfo*) {
    m_printing = false;
}

void CRangeView::OnFillFromBandTable() {
    CRangeDoc* doc = GetRangeDoc();
    if (!doc) {
        return;
    }
    Range& range = *doc->GetRange();
    parm record = range.record();
    CString band;
    if (CBandSelect::SelectBand(&record, &band) != 1) {
        return;
    }
    range.SetParm(record);
    doc->SetModifiedFlag(TRUE);
    range.setName(band.str());
    CString description;
    const CWinApp* app = AfxGetApp();
    description.Format("Created from %s band table.",
                       app && app->m_pszAppName ? app->m_pszAppName : "");
    range.setDescription(description.str());
    range.markChanged();
    m_grid.SetupGrid();
    Invalidate(TRUE);
}

void CRangeView::OnChangeRadioType() {
    CRangeDoc* doc = GetRangeDoc();
    // A shared object's type is its scan list's to change.
    if (!doc || doc->IsShared()) {
        return;
    }
    Range& range = *doc->GetRange();
    hb::programming::ChangeRadioType(
        *this, *doc, range.radioType(), false, [&range](const Radio& model) {
            range.setRadioType(static_cast<std::uint8_t>(model.RadioTypeCode() & 0xFF));
            range.markChanged();
        });
}

void CRangeView::OnLockOutMap() {
    CRangeDoc* doc = GetRangeDoc();
    if (!doc) {
        return;
    }
    if (!doc->IsShared()) {
        CLockMapEdit(doc->GetRange(), doc->GetRadio(), doc, this).DoModal();
        return;
    }
    // A range of a scan list is edited in its running radio's window, when that is open.
    auto* list = dynamic_cast<CRosterDoc*>(doc->GetOwner());
    POSITION pos = list ? list->GetFirstViewPosition() : nullptr;
    auto* panel = pos ? dynamic_cast<CRadioView*>(list->GetNextView(pos)) : nullptr;
    if (auto* frame = panel ? dynamic_cast<CRadioFrame*>(panel->GetParentFrame()) : nullptr) {
        frame->ShowLockOutMap(doc->GetRange());
    }
}
