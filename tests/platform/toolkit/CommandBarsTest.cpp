#include "platform/toolkit/CXTPImageManager.h"
#include "platform/win/gdi/FrameControls.h"
#include "tests/platform/toolkit/ToolkitApp.h"

#include <optional>
#include <utility>

namespace hb::toolkit::test {
namespace {

using Strings = std::vector<std::string>;

std::vector<int> VisibleIds(const CXTPCommandBar& bar) {
    std::vector<int> ids;
    for (int index = 0; const CXTPControl* control = bar.GetControl(index); ++index) {
        if (control->IsVisible()) {
            ids.push_back(control->GetID());
        }
    }
    return ids;
}

TEST_F(ToolkitAppTest, TheBarsAreBuiltFromTheResourcesAndStackAboveTheClientArea) {
    Start();
    CXTPMenuBar* menu = Bars().GetMenuBar();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->GetControlCount(), 3);
    EXPECT_EQ(menu->GetControl(0)->GetType(), xtpControlPopup);
    EXPECT_EQ(menu->GetControl(1)->GetCaption(), "&Tools");
    // The frame's own menu gave way to the bar.
    EXPECT_FALSE(GetMenu(Main().m_hWnd));

    // One button per command, in order, captioned with its tooltip; the separator opens a group.
    EXPECT_EQ(VisibleIds(MainBar()),
              (std::vector<int>{kViewCommand, kOrphanCommand, kCheckCommand, kFrameCommand}));
    EXPECT_EQ(MainBar().FindControl(kViewCommand)->GetCaption(), "View");
    EXPECT_EQ(MainBar().FindControl(kCheckCommand)->GetCaption(), "Mute");
    EXPECT_TRUE(MainBar().FindControl(kCheckCommand)->GetBeginGroup());
    EXPECT_EQ(MainBar().FindControl(kFrameCommand)->GetIconIndex(), 3);
    EXPECT_EQ(MainBar().FindControl(27225), nullptr);

    // Bars on top in the order they came, the status bar at the bottom, the pane at the left.
    CRect client;
    Main().GetClientRect(&client);
    const CRect first = PlaceOf(Bars().GetAt(0)->m_hWnd);
    const CRect second = PlaceOf(Bars().GetAt(1)->m_hWnd);
    const CRect status = PlaceOf(Main().m_statusBar.m_hWnd);
    const CRect mdi = PlaceOf(Main().m_hWndMDIClient);
    EXPECT_EQ(first.top, 0);
    EXPECT_EQ(second.top, first.bottom);
    EXPECT_EQ(second.Height(), MainBar().GetRowHeight());
    EXPECT_EQ(status.bottom, client.bottom);
    EXPECT_EQ(mdi, CRect(120, second.bottom, client.right, status.top));

    // The buttons show their cells of the bar's bitmap.
    std::vector<int> cells;
    for (const auto& record : Repaint(MainBar().m_hWnd)) {
        if (record.op == hb::win::DrawOp::ImageListDraw) {
            EXPECT_EQ(record.image.resourceId, kMainId);
            cells.push_back(record.image.index);
        }
    }
    EXPECT_EQ(cells, (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(ToolkitAppTest, HideFlagsTakeControlsOffTheBarUntilEveryFlagIsCleared) {
    Start();
    CXTPControl* orphan = MainBar().FindControl(kOrphanCommand);
    CXTPControl* check = MainBar().FindControl(kCheckCommand);
    const CRect before = check->GetRect();
    orphan->SetHideFlags(orphan->GetHideFlags() | xtpHideCustomize);
    EXPECT_FALSE(orphan->IsVisible());
    EXPECT_TRUE(orphan->GetRect().IsRectEmpty());
    EXPECT_EQ(check->GetRect().left, before.left - (16 + 8));

    orphan->SetVisible(FALSE);
    EXPECT_EQ(orphan->GetHideFlags(), DWORD{xtpHideCustomize | xtpHideGeneric});
    orphan->SetVisible(TRUE);
    EXPECT_FALSE(orphan->IsVisible());
    orphan->SetHideFlag(xtpHideCustomize, FALSE);
    EXPECT_TRUE(orphan->IsVisible());
    EXPECT_EQ(check->GetRect(), before);
}

TEST_F(ToolkitAppTest, TheIdlePassEnablesAndChecksTheButtonsAlongTheRoute) {
    Start();
    Pump();
    // No view yet: its command has no handler; the orphan never has one.
    EXPECT_FALSE(MainBar().FindControl(kViewCommand)->GetEnabled());
    EXPECT_FALSE(MainBar().FindControl(kOrphanCommand)->GetEnabled());
    EXPECT_TRUE(MainBar().FindControl(kFrameCommand)->GetEnabled());
    EXPECT_FALSE(MainBar().FindControl(kCheckCommand)->GetChecked());

    ASSERT_NE(OpenChild(), nullptr);
    Log().checked = true;
    Pump();
    EXPECT_TRUE(MainBar().FindControl(kViewCommand)->GetEnabled());
    EXPECT_TRUE(MainBar().FindControl(kCheckCommand)->GetChecked());
    EXPECT_FALSE(MainBar().FindControl(kOrphanCommand)->GetEnabled());

    // Checked and disabled buttons look so: sunken, and their picture greyed.
    const hb::win::DisplayList& paint = Repaint(MainBar().m_hWnd);
    const CRect checked = MainBar().FindControl(kCheckCommand)->GetRect();
    const CRect orphan = MainBar().FindControl(kOrphanCommand)->GetRect();
    bool sunken = false;
    bool greyed = false;
    for (const auto& record : paint) {
        sunken = sunken || (record.op == hb::win::DrawOp::DrawEdge && record.rect == checked &&
                            record.flags == EDGE_SUNKEN);
        greyed = greyed || (record.op == hb::win::DrawOp::DrawIcon &&
                            record.flags2 == DSS_DISABLED && record.image.resourceId == kMainId &&
                            CRect(record.rect).PtInRect(orphan.CenterPoint()));
    }
    EXPECT_TRUE(sunken);
    EXPECT_TRUE(greyed);
}

TEST_F(ToolkitAppTest, AButtonWithAnIconOfTheImageManagerShowsItSmallBeforeItsCaption) {
    Start();
    XTPImageManager()->SetIcon(hb::win::CreateIconHandle(32, 32, 0, "program"), 8000);
    CXTPControl* plain = MainBar().GetControls()->Add(xtpControlButton, kFrameCommand, "Tool");
    CXTPControl* tool = MainBar().GetControls()->Add(xtpControlButton, kFrameCommand, "Tool");
    tool->SetFlags(xtpFlagManualUpdate);
    // An id the image manager has no icon for shows the caption alone.
    tool->SetIconId(8001);
    EXPECT_EQ(tool->GetRect().Width(), plain->GetRect().Width());
    tool->SetIconId(8000);
    EXPECT_EQ(tool->GetRect().Width(), plain->GetRect().Width() + 16 + 4);

    const auto drawn = [this](const CRect& place) {
        const hb::win::DrawRecord* icon = nullptr;
        const hb::win::DrawRecord* caption = nullptr;
        for (const auto& record : Repaint(MainBar().m_hWnd)) {
            if (record.op == hb::win::DrawOp::DrawIcon &&
                place.PtInRect(CRect(record.rect).TopLeft())) {
                icon = &record;
            }
            if (record.op == hb::win::DrawOp::DrawText && record.text == "Tool" &&
                place.PtInRect(CRect(record.rect).CenterPoint())) {
                caption = &record;
            }
        }
        return std::pair{icon ? std::optional(*icon) : std::nullopt,
                         caption ? std::optional(*caption) : std::nullopt};
    };
    const CRect place = tool->GetRect();
    auto [icon, caption] = drawn(place);
    ASSERT_TRUE(icon && caption);
    EXPECT_EQ(icon->image.picture, "program");
    EXPECT_EQ(CRect(icon->rect).Size(), CSize(16, 16));
    EXPECT_EQ(icon->flags2, 0u);
    EXPECT_EQ(CRect(icon->rect).CenterPoint().y, place.CenterPoint().y);
    EXPECT_LE(CRect(icon->rect).right + 4, caption->rect.left);
    EXPECT_FALSE(drawn(plain->GetRect()).first);

    // Disabled, the icon is greyed.
    tool->SetEnabled(FALSE);
    icon = drawn(place).first;
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->flags2, static_cast<UINT>(DSS_DISABLED));
}

TEST_F(ToolkitAppTest, AClickedButtonsCommandTakesTheFramesRouteToTheActiveView) {
    Start();
    ASSERT_NE(OpenChild(), nullptr);
    Pump();
    Click(MainBar().FindControl(kViewCommand));
    Click(MainBar().FindControl(kFrameCommand));
    // A disabled button does nothing, and neither does a release away from the pressed button.
    Click(MainBar().FindControl(kOrphanCommand));
    const CPoint pressed = MainBar().FindControl(kViewCommand)->GetRect().CenterPoint();
    const CPoint released = MainBar().FindControl(kFrameCommand)->GetRect().CenterPoint();
    MainBar().SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(pressed.x, pressed.y));
    MainBar().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(released.x, released.y));
    Pump();
    EXPECT_EQ(Log().commands, (Strings{"view Doc1", "frame"}));

    // A menu-bar popup opens its menu, updated along the same route.
    hb::win::ExpectPopupMenu(kViewCommand);
    Click(Bars().GetMenuBar()->GetControl(1));
    ASSERT_EQ(hb::win::PopupMenuLog().size(), 1u);
    EXPECT_EQ(hb::win::PopupMenuLog()[0].enabled, (std::vector<UINT>{kViewCommand, kFrameCommand}));
    EXPECT_EQ(Log().commands, (Strings{"view Doc1", "frame", "view Doc1"}));
}

Strings Captions(const CXTPCommandBar& bar) {
    Strings captions;
    for (int index = 0; const CXTPControl* control = bar.GetControl(index); ++index) {
        captions.push_back(control->GetCaption().str());
    }
    return captions;
}

TEST_F(ToolkitAppTest, TheActiveChildsDocumentMenuStandsBeforeTheWindowMenuWhileItIsOpen) {
    Start();
    CXTPMenuBar& bar = *Bars().GetMenuBar();
    const Strings own{"&File", "&Tools", "&Window"};
    EXPECT_EQ(Captions(bar), own);

    CDocument* first = OpenChild();
    ASSERT_NE(first, nullptr);
    Pump();
    EXPECT_EQ(Captions(bar), (Strings{"&File", "&Tools", "&Doc", "&Window"}));
    // Its "Tools" items join the bar's own, after them.
    const HMENU tools = bar.GetControl(1)->GetPopupMenu();
    ASSERT_EQ(::GetMenuItemCount(tools), 3);
    EXPECT_EQ(::GetMenuItemID(tools, 2), kOrphanCommand);
    // Its commands take the route of every other command, to the active view first.
    hb::win::ExpectPopupMenu(kViewCommand);
    Click(bar.GetControl(2));
    EXPECT_EQ(Log().commands, (Strings{"view Doc1"}));

    // A second child of the same type keeps the menu; the last one closed takes it away.
    CDocument* second = OpenChild();
    ASSERT_NE(second, nullptr);
    Pump();
    EXPECT_EQ(bar.GetControlCount(), 4);
    second->OnCloseDocument();
    Pump();
    EXPECT_EQ(Captions(bar), (Strings{"&File", "&Tools", "&Doc", "&Window"}));
    EXPECT_EQ(::GetMenuItemCount(tools), 3);
    first->OnCloseDocument();
    Pump();
    EXPECT_EQ(Captions(bar), own);
    EXPECT_EQ(::GetMenuItemCount(bar.GetControl(1)->GetPopupMenu()), 2);
}

TEST_F(ToolkitAppTest, AQuickSecondClickOnTheMenuBarIsAClickLikeTheFirst) {
    Start();
    CXTPMenuBar& bar = *Bars().GetMenuBar();
    const CPoint tools = bar.GetControl(1)->GetRect().CenterPoint();
    // Both times the menu is left without a choice.
    hb::win::ExpectPopupMenu(0);
    hb::win::ExpectPopupMenu(0);
    Click(bar.GetControl(1));
    // The second press of a quick pair comes as a double-click.
    bar.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(tools.x, tools.y));
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(tools.x, tools.y));
    Pump();
    EXPECT_EQ(hb::win::PopupMenuLog().size(), 2u);

    // So does a press on a maximized child's restore button right after another on the bar.
    ASSERT_NE(OpenChild(), nullptr);
    Pump();
    CMDIChildWnd* child = Main().MDIGetActive();
    ASSERT_NE(child, nullptr);
    Main().MDIMaximize(child);
    Pump();
    ASSERT_TRUE(::IsZoomed(child->m_hWnd));
    CRect client;
    bar.GetClientRect(&client);
    const auto buttons = hb::win::LayOutMenuBarButtons(child->GetStyle(), client);
    ASSERT_EQ(buttons.size(), 3u);
    ASSERT_EQ(buttons[1].command, SC_RESTORE);
    const CPoint restore = CRect(buttons[1].rect).CenterPoint();
    bar.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(restore.x, restore.y));
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(restore.x, restore.y));
    Pump();
    EXPECT_FALSE(::IsZoomed(child->m_hWnd));
}

std::vector<std::string> BinaryValuesWritten(const std::string& section) {
    std::vector<std::string> names;
    for (const auto& entry : hb::win::registry::Journal()) {
        if (entry.change == hb::win::registry::Change::SetValue && entry.type == REG_BINARY &&
            entry.keyPath.ends_with("\\" + section)) {
            names.push_back(entry.valueName);
        }
    }
    return names;
}

TEST_F(ToolkitAppTest, BarStateAndShortcutsSurviveARestartThroughTheRegistry) {
    Start();
    MainBar().FindControl(kOrphanCommand)->SetHideFlag(xtpHideCustomize, TRUE);
    MainBar().GetControls()->MoveTo(MainBar().FindControl(kFrameCommand), 0);
    Bars().GetShortcutManager()->SetShortcuts({{FVIRTKEY | FCONTROL, VK_F3, kFrameCommand}});
    EXPECT_EQ(Finish(), 0);
    EXPECT_EQ(BinaryValuesWritten("CommandBars"),
              (Strings{"CommandBarOptions", "CommandBarState", "CommandBarShortcuts"}));

    Start();
    EXPECT_EQ(VisibleIds(MainBar()),
              (std::vector<int>{kFrameCommand, kViewCommand, kCheckCommand}));
    EXPECT_EQ(MainBar().FindControl(kOrphanCommand)->GetHideFlags(), DWORD{xtpHideCustomize});
    // The menu resource's shortcuts until the saved ones are loaded.
    CXTPShortcutManager& shortcuts = *Bars().GetShortcutManager();
    ASSERT_EQ(shortcuts.GetShortcuts().size(), 1u);
    EXPECT_EQ(shortcuts.GetShortcuts()[0].key, VK_F2);
    ASSERT_TRUE(shortcuts.LoadShortcuts("CommandBars"));
    EXPECT_EQ(shortcuts.GetShortcuts()[0].key, VK_F3);

    // With the frame's own table dropped, the bars' shortcuts rule.
    Main().m_hAccelTable = HACCEL{};
    EXPECT_TRUE(hb::afx::PressKey(Main().m_hWnd, VK_F3, FCONTROL));
    EXPECT_EQ(Log().commands, Strings{"frame"});
}

TEST_F(ToolkitAppTest, UnreadableSavedStatesLeaveTheBarsAsBuilt) {
    Start();
    Bars().EnableCustomization(FALSE);
    Bars().SaveOptions("Locked");
    Bars().EnableCustomization(TRUE);
    ASSERT_TRUE(Bars().LoadOptions("Locked"));
    EXPECT_FALSE(Bars().IsCustomizationEnabled());

    MainBar().FindControl(kOrphanCommand)->SetVisible(FALSE);
    Bars().SaveBarState("Saved");
    MainBar().FindControl(kOrphanCommand)->SetVisible(TRUE);
    BYTE* data = nullptr;
    UINT size = 0;
    ASSERT_TRUE(app->GetProfileBinary("Saved", "CommandBarState", &data, &size));
    std::vector<BYTE> blob(data, data + size);
    delete[] data;

    const auto loadsWith = [&](std::vector<BYTE> bytes) {
        app->WriteProfileBinary("Saved", "CommandBarState", bytes.data(),
                                static_cast<UINT>(bytes.size()));
        return Bars().LoadBarState("Saved");
    };
    std::vector<BYTE> otherVersion = blob;
    otherVersion[6] = 2;
    std::vector<BYTE> cut(blob.begin(), blob.end() - 1);
    std::vector<BYTE> padded = blob;
    padded.push_back(0);
    EXPECT_FALSE(loadsWith(otherVersion));
    EXPECT_FALSE(loadsWith(cut));
    EXPECT_FALSE(loadsWith(padded));
    EXPECT_FALSE(Bars().LoadBarState("Missing"));
    EXPECT_TRUE(MainBar().FindControl(kOrphanCommand)->IsVisible());
    EXPECT_TRUE(loadsWith(blob));
    EXPECT_FALSE(MainBar().FindControl(kOrphanCommand)->IsVisible());
}

TEST_F(ToolkitAppTest, AResetRebuildsTheBarAndTellsTheSiteUnlessTheBarsAreLocked) {
    Start();
    MainBar().FindControl(kOrphanCommand)->SetHideFlag(xtpHideCustomize, TRUE);
    Bars().EnableCustomization(FALSE);
    EXPECT_FALSE(MainBar().Reset());
    EXPECT_FALSE(MainBar().FindControl(kOrphanCommand)->IsVisible());
    EXPECT_EQ(Log().barResets, 0);

    Bars().EnableCustomization(TRUE);
    EXPECT_TRUE(MainBar().Reset());
    EXPECT_TRUE(MainBar().FindControl(kOrphanCommand)->IsVisible());
    EXPECT_EQ(Log().barResets, 1);
}

} // namespace
} // namespace hb::toolkit::test
