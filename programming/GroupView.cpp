#include "programming/GroupView.h"

#include "platform/afx/CCmdUI.h"
#include "platform/afx/CFrameWnd.h"
#include "platform/afx/CPrintInfo.h"
#include "platform/afx/CWinApp.h"
#include "platform/afx/res/ResourceLoading.h"
#include "platform/engine/EngineApi.h"
#include "platform/tessary/app/GroupDoc.h"
#include "platform/tessary/app/RadioGroupSettings.h"
#include "platform/tessary/grid/GroupGrid.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/MessageBox.h"
#include "platform/win/menu/Menus.h"
#include "programming/ChangeRadioType.h"
#include "programming/ViewIcon.h"
#include "resources/ResourceIds.h"

#include <algorithm>
#include <utility>

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
constexpr UINT kFixedChannels = 28742;
constexpr LPCSTR kFixedCaption = "Fixed Group Size";
constexpr UINT kResetStatistics = 27156;
// The engine's "Rows cannot be cloned; copy and paste them instead."
constexpr std::uint32_t kCloneRowsMessage = 1;

// The kinds of element the element commands work on, and what is told when they cannot.
struct ElementKind {
    int sheet;
    UINT fixedText;
    UINT noneSelectedText;
    LPCSTR noneSelectedCaption;
};

constexpr ElementKind kBanks{Object::kBanksSheet, 28741, 28745, "No Banks Selected"};
constexpr ElementKind kMergedBanks{Object::kBanksSheet, 28741, 28749, "No Banks Selected"};
constexpr ElementKind kChannels{Object::kChannelsSheet, 28742, 28746, "No Channels Selected"};
constexpr ElementKind kUserIds{Object::kUserIdsSheet, 28743, 28747, "No User IDs Selected"};
constexpr ElementKind kRanges{Object::kRangesSheet, 28744, 28748, "No Search Ranges Selected"};

// The element commands: the grid operation each runs, and its text in the context menu.
struct ElementCommand {
    UINT id;
    const ElementKind& kind;
    int (*operation)(CGroupGrid&);
    LPCSTR text;
};

const ElementCommand kElementCommands[] = {
    {27153, kBanks, [](CGroupGrid& g) { return g.InsertBanks(TRUE); }, "Insert banks &before"},
    {27154, kBanks, [](CGroupGrid& g) { return g.InsertBanks(FALSE); }, "Insert banks &after"},
    {27152, kBanks, [](CGroupGrid& g) { return g.DeleteBanks(); }, "De&lete banks"},
    {28740, kBanks, [](CGroupGrid& g) { return g.DuplicateBanks(); }, "D&uplicate banks"},
    {27155, kMergedBanks, [](CGroupGrid& g) { return g.MergeBanks(); }, "&Merge banks"},
    {28735, kChannels, [](CGroupGrid& g) { return g.DeleteChannels(); }, "De&lete channels"},
    {28738, kChannels, [](CGroupGrid& g) { return g.DuplicateChannels(); }, "D&uplicate channels"},
    {28731, kUserIds, [](CGroupGrid& g) { return g.InsertUserIds(TRUE); },
     "Insert user IDs &before"},
    {28732, kUserIds, [](CGroupGrid& g) { return g.InsertUserIds(FALSE); },
     "Insert user IDs &after"},
    {28736, kUserIds, [](CGroupGrid& g) { return g.DeleteUserIds(); }, "De&lete user IDs"},
    {28739, kUserIds, [](CGroupGrid& g) { return g.DuplicateUserIds(); }, "D&uplicate user IDs"},
    {28733, kRanges, [](CGroupGrid& g) { return g.InsertRanges(TRUE); },
     "Insert search ranges &before"},
    {28734, kRanges, [](CGroupGrid& g) { return g.InsertRanges(FALSE); },
     "Insert search ranges &after"},
    {28737, kRanges, [](CGroupGrid& g) { return g.DeleteRanges(); }, "De&lete search ranges"},
};

void Tell(const CWnd& view, UINT text, LPCSTR caption) {
    MessageBeep(MB_ICONASTERISK);
    CString shown;
    shown.LoadString(text);
    ::MessageBox(view.m_hWnd, shown, caption, MB_OK | MB_ICONINFORMATION);
}

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

bool CGroupView::RefusedAsFixed(UINT text) {
    const CGroupDoc* doc = GetGroupDoc();
    if (!doc || !(doc->GetGroup()->flags() & Group::kFlagFixed)) {
        return false;
    }
    Tell(*this, text, kFixedCaption);
    return true;
}

void CGroupView::InsertRow(BOOL before) {
    CGroupGrid* grid = GetGroupGrid();
    if (!grid || RefusedAsFixed(kFixedChannels)) {
        return;
    }
    grid->InsertRow(before);
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

void CGroupView::OnElementCommand(UINT nID) {
    const auto* command = std::ranges::find(kElementCommands, nID, &ElementCommand::id);
    CGroupGrid* grid = GetGroupGrid();
    CGroupDoc* doc = GetGroupDoc();
    if (command == std::end(kElementCommands) || !grid || !doc ||
        RefusedAsFixed(command->kind.fixedText)) {
        return;
    }
    if (command->operation(*grid) != 0) {
        doc->SetModifiedFlag(TRUE);
        return;
    }
    Tell(*this, command->kind.noneSelectedText, command->kind.noneSelectedCaption);
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

LRESULT CGroupView::OnContextMenu(WPARAM, LPARAM lParam) {
    const LPCSTR name = MAKEINTRESOURCE(IDR_GRID_MENU);
    const HMENU menu = ::LoadMenu(AfxFindResourceHandle(name, RT_MENU), name);
    if (!menu) {
        return 0;
    }
    const HMENU popup = ::GetSubMenu(menu, 0);
    if (m_grid) {
        // What the current sheet's elements offer.
        const int sheet = m_grid->GetSheetNumber();
        bool first = true;
        for (const ElementCommand& command : kElementCommands) {
            if (command.kind.sheet == sheet) {
                if (std::exchange(first, false)) {
                    ::AppendMenu(popup, MF_SEPARATOR, 0, nullptr);
                }
                ::AppendMenu(popup, MF_STRING, command.id, command.text);
            }
        }
    }
    ::TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, GET_X_LPARAM(lParam),
                     GET_Y_LPARAM(lParam), 0, m_hWnd, nullptr);
    ::DestroyMenu(menu);
    return 0;
}
