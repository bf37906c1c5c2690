#include "programming/GroupView.h"

#include "platform/afx/CCmdUI.h"
#include "platform/afx/CFrameWnd.h"
#include "platform/afx/CPrintInfo.h"
#include "platform/engine/EngineApi.h"
#include "platform/tessary/app/GroupDoc.h"
#include "platform/tessary/app/RadioGroupSettings.h"
#include "platform/tessary/grid/GroupGrid.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/MessageBox.h"
#include "programming/ChangeRadioType.h"
#include "programming/ViewIcon.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CGroupView, CView)

BEGIN_MESSAGE_MAP(CGroupView, CView)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_SETFOCUS()
ON_COMMAND(57607, &CView::OnFilePrint)
ON_COMMAND(57609, &CView::OnFilePrintPreview)
ON_COMMAND(57634, &CGroupView::OnEditCopy)
ON_COMMAND(57635, &CGroupView::OnEditCut)
ON_COMMAND(57637, &CGroupView::OnEditPaste)
ON_COMMAND(57632, &CGroupView::OnEditClear)
ON_COMMAND(57633, &CGroupView::OnEditClearAll)
ON_COMMAND(57642, &CGroupView::OnEditSelectAll)
ON_COMMAND(27148, &CGroupView::OnDeselectAll)
ON_COMMAND(57636, &CGroupView::OnEditFind)
ON_COMMAND(27142, &CGroupView::OnEditFind)
ON_COMMAND(57641, &CGroupView::OnEditReplace)
ON_COMMAND_RANGE(27051, 27058, &CGroupView::OnEditChangeColor)
ON_COMMAND(27137, &CGroupView::OnInsertRowAfter)
ON_COMMAND(27138, &CGroupView::OnInsertRowBefore)
ON_COMMAND(27166, &CGroupView::OnRenumber)
ON_COMMAND(27146, &CGroupView::OnSortByFrequency)
ON_COMMAND(27145, &CGroupView::OnSortByName)
ON_COMMAND_RANGE(27152, 27155, &CGroupView::OnElementCommand)
ON_COMMAND_RANGE(28731, 28740, &CGroupView::OnElementCommand)
ON_COMMAND(27161, &CGroupView::OnToggleFixed)
ON_COMMAND(27181, &CGroupView::OnChangeRadioType)
ON_COMMAND(27139, &CGroupView::OnRadioGlobalSettings)
ON_COMMAND_RANGE(27156, 27157, &CGroupView::OnResetStatistics)
ON_COMMAND(27158, &CGroupView::OnCloneRows)
ON_UPDATE_COMMAND_UI(27161, &CGroupView::OnUpdateToggleFixed)
ON_MESSAGE(WM_GROUP_GRID_FORWARD, &CGroupView::OnGridForward)
ON_MESSAGE(WM_CONTEXTMENU, &CGroupView::OnContextMenu)
END_MESSAGE_MAP()

namespace {

constexpr UINT kGroupIcon = 27295;
constexpr UINT kGridId = 1234;
constexpr UINT kResetStatistics = 27156;
// The engine's "Rows cannot be cloned; copy and paste them instead."
constexpr std::uint32_t kCloneRowsMessage = 1;

} // namespace

CGroupView::CGroupView() = default;

CGroupView::~CGroupView() {
    if (m_grid && m_grid->m_hWnd) {
        m_grid->DestroyWindow();
    }
}

CGroupDoc* CGroupView::GetGroupDoc() const {
    return dynamic_cast<CGroupDoc*>(GetDocument());
}

int CGroupView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CView::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    hb::programming::SetViewIcon(*this, kGroupIcon);
    return 0;
}

void CGroupView::OnInitialUpdate() {
    CGroupDoc* doc = GetGroupDoc();
    Radio* radio = doc ? doc->GetRadio() : nullptr;
    // A group of no radio type still shows on the group grid.
    m_grid = radio ? radio->CreateGrid() : std::make_unique<CGroupGrid>();
    m_grid->m_doc = doc;
    m_grid->m_radio = radio;
    CRect client;
    GetClientRect(&client);
    m_grid->CreateGrid(WS_CHILD | WS_VISIBLE, client, this, kGridId);
    CView::OnInitialUpdate();
    m_grid->SetupGrid();
}

void CGroupView::RefreshGrid() {
    if (m_grid && m_grid->m_hWnd) {
        m_grid->SetupGrid();
        m_grid->RedrawAll();
    }
}

void CGroupView::OnSize(UINT nType, int cx, int cy) {
    CView::OnSize(nType, cx, cy);
    if (m_grid && m_grid->m_hWnd) {
        m_grid->MoveWindow(0, 0, cx, cy);
        m_grid->RedrawAll();
    }
}

void CGroupView::OnSetFocus(CWnd*) {
    if (m_grid && m_grid->m_hWnd) {
        m_grid->SetFocus();
    }
}

void CGroupView::OnDraw(CDC* pDC) {
    if (m_printing && m_grid) {
        m_grid->PrintPage(pDC, m_page);
    }
}

BOOL CGroupView::OnPreparePrinting(CPrintInfo* pInfo) {
    return DoPreparePrinting(pInfo);
}

void CGroupView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) {
    if (!m_grid) {
        return;
    }
    const int pages = m_grid->PrintInit(pDC, nullptr, 0, 0, m_grid->GetNumberCols() - 1,
                                        m_grid->GetNumberRows() - 1);
    pInfo->SetMaxPage(static_cast<UINT>(std::max(pages, 1)));
    m_printing = true;
}

void CGroupView::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
    m_page = static_cast<int>(pInfo->m_nCurPage);
    CView::OnPrint(pDC, pInfo);
}

void CGroupView::OnEndPrinting(CDC*, CPrintInfo*) {
    m_printing = false;
}

void CGroupView::OnEditCopy() {
    if (m_grid) {
        m_grid->OnEditCopy(FALSE);
    }
}

void CGroupView::OnEditCut() {
    if (m_grid) {
        m_grid->OnEditCopy(TRUE);
    }
}

void CGroupView::OnEditPaste() {
    if (m_grid) {
        m_grid->OnEditPaste();
    }
}

void CGroupView::OnEditClear() {
    if (m_grid) {
        m_grid->OnEditClearSelected();
    }
}

void CGroupView::OnEditClearAll() {
    if (m_grid) {
        m_grid->OnEditClearAll();
    }
}

void CGroupView::OnEditSelectAll() {
    if (m_grid) {
        m_grid->OnEditSelectAll();
    }
}

void CGroupView::OnDeselectAll() {
    if (m_grid) {
        m_grid->ClearSelections();
        m_grid->RedrawAll();
    }
}

void CGroupView::OnEditFind() {
    if (m_grid) {
        m_grid->OnEditFind();
    }
}

void CGroupView::OnEditReplace() {
    if (m_grid) {
        m_grid->OnEditReplace();
    }
}

void CGroupView::OnEditChangeColor(UINT nID) {
    constexpr UINT kBlack = 27051;
    if (m_grid) {
        m_grid->OnEditChangeColor(static_cast<int>(nID - kBlack));
    }
}

CGroupGrid* CGroupView::GetGroupGrid() const {
    return dynamic_cast<CGroupGrid*>(m_grid.get());
}

void CGroupView::OnRenumber() {
    if (CGroupGrid* grid = GetGroupGrid()) {
        grid->Renumber(1);
    }
}

void CGroupView::OnSortByFrequency() {
    if (CGroupGrid* grid = GetGroupGrid()) {
        grid->SortChannels(CGroupGrid::kSortFrequency);
    }
}

void CGroupView::OnSortByName() {
    if (CGroupGrid* grid = GetGroupGrid()) {
        grid->SortChannels(CGroupGrid::kSortName);
    }
}

void CGroupView::OnToggleFixed() {
    CGroupDoc* doc = GetGroupDoc();
    if (!doc) {
        return;
    }
    Group& group = *doc->GetGroup();
    group.setFlags(group.flags() ^ Group::kFlagFixed);
    group.markChanged();
    doc->SetModifiedFlag(TRUE);
}

void CGroupView::OnChangeRadioType() {
    CGroupDoc* doc = GetGroupDoc();
    // A shared object's type is its scan list's to change.
    if (!doc || doc->IsShared()) {
        return;
    }
    Group& group = *doc->GetGroup();
    hb::programming::ChangeRadioType(*this, *doc, group.radioType(), true, [&](const Radio& model) {
        group.setRadioType(static_cast<std::uint8_t>(model.RadioTypeCode() & 0xFF));
        group.markChanged();
        if (model.organisationFlags() & Radio::kOrganisationFixed) {
            model.ConformGroup(group);
        }
    });
}

void CGroupView::OnRadioGlobalSettings() {
    CGroupDoc* doc = GetGroupDoc();
    if (doc && CRadioGroupSettings(doc->GetGroup(), doc->GetRadio(), this).Run() == 1) {
        doc->SetModifiedFlag(TRUE);
    }
}

void CGroupView::OnResetStatistics(UINT nID) {
    CGroupDoc* doc = GetGroupDoc();
    if (!doc || !m_grid) {
        return;
    }
    MessageBeep(MB_ICONASTERISK);
    CString text;
    text.LoadString(kResetStatistics);
    if (::MessageBox(m_hWnd, text, "Caution - Resetting Statistics", MB_OKCANCEL | MB_ICONHAND) !=
        IDOK) {
        return;
    }
    const bool onlyOneSheet = nID != kResetStatistics;
    doc->GetGroup()->ResetStatistics(onlyOneSheet, onlyOneSheet ? m_grid->GetSheetNumber() : 0);
    doc->SetModifiedFlag(TRUE);
    RefreshGrid();
}

void CGroupView::OnCloneRows() {
    scan_message(m_hWnd, kCloneRowsMessage);
}

void CGroupView::OnUpdateToggleFixed(CCmdUI* pCmdUI) {
    const CGroupDoc* doc = GetGroupDoc();
    pCmdUI->Enable(TRUE);
    pCmdUI->SetCheck(doc && (doc->GetGroup()->flags() & Group::kFlagFixed) ? 1 : 0);
}

LRESULT CGroupView::ForwardToGrid(WPARAM wParam, LPARAM lParam) {
    if (m_grid && m_grid->m_hWnd) {
        m_grid->SendMessage(WM_GROUP_GRID_FORWARD, wParam, lParam);
    }
    if (CFrameWnd* frame = GetParentFrame()) {
        frame->SetActiveView(this);
    }
    return 0;
}

LRESULT CGroupView::OnGridForward(WPARAM wParam, LPARAM lParam) {
    return ForwardToGrid(wParam, lParam);
}
