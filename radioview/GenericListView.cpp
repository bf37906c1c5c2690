#include "radioview/GenericListView.h"

#include "platform/afx/CDC.h"
#include "platform/afx/CPrintInfo.h"
#include "platform/afx/res/AfxIds.h"
#include "platform/tessary/app/ScanApp.h"

IMPLEMENT_DYNCREATE(CGenericListView, CXTListView)

BEGIN_MESSAGE_MAP(CGenericListView, CXTListView)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_COMMAND(ID_FILE_PRINT, &CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_PREVIEW, &CView::OnFilePrintPreview)
END_MESSAGE_MAP()

namespace {

constexpr int kMinimumColumnWidth = 15;
constexpr LONG kBold = 700;

CScanApp& App() {
    return *CScanApp::GetScanApp();
}

} // namespace

BOOL CGenericListView::PreCreateWindow(CREATESTRUCT& cs) {
    const BOOL created = CXTListView::PreCreateWindow(cs);
    cs.style = (cs.style & ~LVS_SMALLICON) | LVS_REPORT;
    return created;
}

int CGenericListView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CXTListView::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    AttachHeader();
    const auto style = static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE));
    SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style | LVS_EX_GRIDLINES);
    return 0;
}

void CGenericListView::OnInitialUpdate() {
    CView::OnInitialUpdate();
    CScanApp& app = App();
    EnableUserRowColor(TRUE);
    const hb::tessary::NamedColors& colors = app.Colors();
    for (int row = 0; row < m_rowColorCount; ++row) {
        SetRowColor(row, RGB(0, 0, 0), row % 2 ? colors.listRows[0] : colors.listRows[1], TRUE);
    }
    SetMinimumColSize(kMinimumColumnWidth);
    const auto style = static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE));
    SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style | LVS_EX_FULLROWSELECT);

    LOGFONT description = app.GetLogFont();
    m_listFont.DeleteObject();
    m_listFont.CreateFontIndirect(&description);
    SetFont(&m_listFont, TRUE);
    description.lfWeight = kBold;
    m_boldFont.DeleteObject();
    m_boldFont.CreateFontIndirect(&description);
}

BOOL CGenericListView::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header && (header->code == HDN_ITEMCLICKA || header->code == HDN_ITEMCLICKW)) {
        return TRUE;
    }
    return CXTListBase::OnNotify(wParam, lParam, pResult);
}

void CGenericListView::OnDestroy() {
    SaveColumnWidths();
    CXTListView::OnDestroy();
}

CString CGenericListView::WidthEntry(int column) {
    CString entry;
    entry.Format("ColumnWidth%d", column);
    return entry;
}

void CGenericListView::SaveColumnWidths() {
    for (int column = 0; column < m_columnCount; ++column) {
        const auto width = static_cast<int>(SendMessage(LVM_GETCOLUMNWIDTH, column));
        App().WriteProfileInt(m_section, WidthEntry(column), width);
    }
}

BOOL CGenericListView::OnPreparePrinting(CPrintInfo* pInfo) {
    return DoPreparePrinting(pInfo);
}

void CGenericListView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) {
    CXTListView::OnBeginPrinting(pDC, pInfo);
    m_printing = TRUE;
}

void CGenericListView::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
    m_printArea = pInfo->m_rectDraw;
    m_printedPage = pInfo->m_nCurPage;
    CXTListView::OnPrint(pDC, pInfo);
}

void CGenericListView::OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) {
    m_printing = FALSE;
    CXTListView::OnEndPrinting(pDC, pInfo);
}

void CGenericListView::OnDraw(CDC* pDC) {
    if (m_printing) {
        SendMessage(WM_PRINT, static_cast<WPARAM>(pDC->GetSafeHdc().id()),
                    PRF_CLIENT | PRF_CHILDREN);
    }
}
