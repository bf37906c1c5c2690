#include "programming/ScanListView.h"

#include "platform/afx/CPrintInfo.h"
#include "platform/tessary/app/RosterDoc.h"
#include "platform/tessary/grid/Grid.h"
#include "platform/tessary/model/Chan.h"
#include "platform/tessary/model/Roster.h"

#include <algorithm>
#include <exception>

IMPLEMENT_DYNAMIC(CScanListView, CView)

BEGIN_MESSAGE_MAP(CScanListView, CView)
ON_COMMAND(57607, &CView::OnFilePrint)
ON_COMMAND(57609, &CView::OnFilePrintPreview)
END_MESSAGE_MAP()

namespace {

using Kind = hb::records::ObjectKind;

} // namespace

void CScanListView::GoToObject(Object*) {}

void CScanListView::RefreshObject(Object*) {}

void CScanListView::Refresh() {}

void CScanListView::OpenFile(CString) {}

int CScanListView::ChooseNewGroup() {
    return 1;
}

int CScanListView::OpenGroup() {
    return 0;
}

void CScanListView::Cut() {}

void CScanListView::Copy() {}

void CScanListView::Paste() {}

void CScanListView::InsertBefore() {}

void CScanListView::InsertAfter() {}

int CScanListView::StoreChannel(parm* record, CString info, int, BYTE flag) {
    try {
        Roster* roster = GetRoster();
        if (flag != 0 || !record || !roster) {
            return 0;
        }
        const std::uint32_t handle = record->get(parm::kObjectHandle);
        auto* channel = dynamic_cast<Chan*>(roster->TagToObject(handle));
        if (!channel ||
            (!hb::records::IsChannelKind(channel->kind()) &&
             channel->kind() != Kind::SearchRange) ||
            channel->record().get(parm::kObjectHandle) != handle) {
            return 0;
        }
        channel->SetParm(*record);
        if (!info.IsEmpty()) {
            channel->setName(info.str());
        }
        channel->markChanged();
        GetRosterDoc()->SetModifiedFlag(TRUE);
        return 1;
    } catch (const std::exception&) {
        return 0;
    }
}

CRosterDoc* CScanListView::GetRosterDoc() const {
    return dynamic_cast<CRosterDoc*>(GetDocument());
}

Roster* CScanListView::GetRoster() const {
    CRosterDoc* doc = GetRosterDoc();
    return doc ? doc->GetRoster() : nullptr;
}

CGrid* CScanListView::GetGrid() {
    return nullptr;
}

void CScanListView::OnDraw(CDC* pDC) {
    if (CGrid* grid = GetGrid(); grid && m_printing) {
        grid->PrintPage(pDC, m_page);
    }
}

BOOL CScanListView::OnPreparePrinting(CPrintInfo* pInfo) {
    return DoPreparePrinting(pInfo);
}

void CScanListView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) {
    CGrid* grid = GetGrid();
    if (!grid) {
        return;
    }
    const int pages =
        grid->PrintInit(pDC, nullptr, 0, 0, grid->GetNumberCols() - 1, grid->GetNumberRows() - 1);
    pInfo->SetMaxPage(static_cast<UINT>(std::max(pages, 1)));
    m_printing = true;
}

void CScanListView::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
    m_printRect = pInfo->m_rectDraw;
    m_page = static_cast<int>(pInfo->m_nCurPage);
    CView::OnPrint(pDC, pInfo);
}

void CScanListView::OnEndPrinting(CDC*, CPrintInfo*) {
    m_printing = false;
}
