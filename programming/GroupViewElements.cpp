// The group view's element commands, from one table: the fixed-organisation guard, what each
// runs on the grid, what it tells when it cannot, and the context menu that offers them.
#include "platform/afx/res/ResourceLoading.h"
#include "platform/tessary/app/GroupDoc.h"
#include "platform/tessary/grid/GroupGrid.h"
#include "platform/tessary/model/Group.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/MessageBox.h"
#include "platform/win/menu/Menus.h"
#include "programming/GroupView.h"
#include "resources/ResourceIds.h"

#include <algorithm>
#include <utility>

namespace {

constexpr UINT kFixedChannels = 28742;
constexpr LPCSTR kFixedCaption = "Fixed Group Size";

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
