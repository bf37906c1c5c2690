// The program's own resources as the main frame and the shell load them.
#include "resources/program/ProgramResources.h"

#include "platform/afx/Afx.h"
#include "platform/afx/res/TemplateLookup.h"
#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"
#include "resources/ResourceIds.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::string MenuText(HMENU menu, int position) {
    char text[128] = {};
    GetMenuString(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    return text;
}

std::string StringOf(UINT id) {
    CString text;
    return text.LoadString(id) ? text.str() : "<none>";
}

class ProgramResourcesTest : public hb::testkit::PlatformTest {
protected:
    ProgramResourcesTest() { UseProgramResources(ProgramResourceTables()); }
};

TEST_F(ProgramResourcesTest, TheMainMenuHasItsSixMenusAndTheCommandsTheyCarry) {
    const HMENU menu = LoadMenu(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_MAINFRAME));
    ASSERT_TRUE(menu);
    std::vector<std::string> top;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        top.push_back(MenuText(menu, i));
    }
    EXPECT_EQ(top, (std::vector<std::string>{"&File", "&Tools", "&View", "&Settings", "&Window",
                                             "&Help"}));
    const HMENU tools = GetSubMenu(menu, 1);
    EXPECT_EQ(GetMenuItemID(tools, 0), ID_TOOLS_RADIO_CONTROL);
    EXPECT_EQ(MenuText(tools, 0), "&Radio Control");
    // Nested open-by-kind menus keep their texts as the system has them.
    const HMENU open = GetSubMenu(GetSubMenu(menu, 0), 1);
    const HMENU analysis = GetSubMenu(open, 1);
    EXPECT_EQ(GetMenuItemID(analysis, 1), ID_FILE_OPEN_BAND_SCOPE);
    EXPECT_EQ(MenuText(analysis, 1), "&Band Scope Filess");
    // Every colour entry of the colour table has its command.
    const HMENU colors = GetSubMenu(GetSubMenu(menu, 3), 7);
    EXPECT_EQ(GetMenuItemCount(colors), 34);
    EXPECT_EQ(GetMenuItemID(colors, 33), ID_COLOR_LAST);
    EXPECT_EQ(GetMenuState(menu, ID_HELP_USER_MANUAL, MF_BYCOMMAND), 0u);

    const HMENU radio = LoadMenu(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_RADIO));
    EXPECT_EQ(MenuText(GetSubMenu(radio, 0), 2), "   Locked out");
    EXPECT_EQ(MenuText(radio, 1), "&View");
    EXPECT_EQ(GetMenuItemID(GetSubMenu(radio, 1), 0), ID_RADIO_MINI_STATUS);
    EXPECT_EQ(MenuText(GetSubMenu(radio, 1), 0), "&Mini Status DIsplay");
}

TEST_F(ProgramResourcesTest, TheAcceleratorsSendTheirCommands) {
    hb::testkit::TestWindow frame;
    std::vector<UINT> commands;
    frame.Create({.style = WS_VISIBLE});
    frame.On(WM_COMMAND, [&](WPARAM wParam, LPARAM) {
        commands.push_back(LOWORD(wParam));
        return LRESULT{0};
    });
    const HACCEL table = LoadAccelerators(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_MAINFRAME));
    ASSERT_TRUE(table);
    const auto press = [&](UINT key, std::vector<UINT> modifiers) {
        for (UINT modifier : modifiers) {
            hb::win::SetKeyDown(modifier, true);
        }
        MSG msg{};
        msg.hwnd = frame.hwnd();
        msg.message = WM_KEYDOWN;
        msg.wParam = key;
        TranslateAccelerator(frame.hwnd(), table, &msg);
        for (UINT modifier : modifiers) {
            hb::win::SetKeyDown(modifier, false);
        }
    };
    press(VK_F3, {VK_CONTROL});
    press('D', {VK_CONTROL, VK_MENU});
    press('D', {VK_CONTROL});
    press(VK_BACK, {VK_MENU});
    press(VK_F6, {VK_SHIFT});
    press(VK_F1, {});
    press('Q', {VK_CONTROL});
    EXPECT_EQ(commands, (std::vector<UINT>{IDC_VFO_1 + 2, ID_VIEW_ENGINE_TRACE, ID_VIEW_DIAGNOSTICS,
                                           ID_EDIT_UNDO, ID_PREV_PANE, ID_HELP_USER_MANUAL}));
    EXPECT_EQ(ProgramResourceTables().accelerators.front().entries.size(), 24u);
}

TEST_F(ProgramResourcesTest, TheToolBarStringsAndImagesAreThere) {
    const hb::afx::ToolBarResource* bar = hb::afx::FindToolBarResource(IDR_MAINFRAME);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->buttons,
              (std::vector<UINT>{57665, 28571, 57601, 27006, 27019, 27008, 27005, 28508, 27249,
                                 1646, 27182, 1645, 27017, 28343, 28039, 27117, 28573, 35001}));
    EXPECT_EQ(bar->buttonCx, 32);
    const auto strip =
        hb::win::GetImageInfo(LoadBitmap(AfxGetResourceHandle(), MAKEINTRESOURCE(bar->bitmapId)));
    ASSERT_TRUE(strip);
    EXPECT_EQ(strip->size.cx, 576);
    EXPECT_EQ(strip->cells, 18);

    EXPECT_EQ(StringOf(IDS_PRODUCT_NAME), "Halbridge Pro");
    EXPECT_EQ(StringOf(IDS_USER_MANUAL), "User Manual");
    EXPECT_EQ(StringOf(IDR_RADIO),
              "\nScan List\nScan List\nScan List Files (*.sws)\n.sws\nHalbridgePro.sws\nScan List");
    EXPECT_EQ(StringOf(IDR_SPECTRUM_ANALYZER).substr(StringOf(IDR_SPECTRUM_ANALYZER).rfind('\n')),
              "\nSpectrum Analysis");
    for (UINT n = 0; n < IDI_RADIO_COUNT; ++n) {
        EXPECT_TRUE(LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(IDI_RADIO_1 + n)));
    }
}

TEST_F(ProgramResourcesTest, TheConfigurationDialogHasItsTwelveButtonsWithTheirIcons) {
    const hb::afx::DialogTemplate* dialog = hb::afx::FindDialogTemplate(IDD_CONFIGURATION);
    ASSERT_NE(dialog, nullptr);
    const UINT buttons[] = {IDC_CONFIG_ENGINE_4,     IDC_CONFIG_ENGINE_3, IDC_CONFIG_RADIOS,
                            IDC_CONFIG_ENGINE_2,     IDC_CONFIG_ENGINE_5, IDC_CONFIG_LOGGER,
                            IDC_CONFIG_TONE_READERS, IDC_CONFIG_REMOTE,   IDC_CONFIG_DATABASES,
                            IDC_CONFIG_AUDIO,        IDC_CONFIG_DISPLAY,  IDC_CONFIG_SCAN_OPTIONS};
    for (UINT id : buttons) {
        EXPECT_TRUE(std::ranges::any_of(dialog->controls, [id](const auto& c) {
            return c.id == id;
        })) << id;
        EXPECT_TRUE(LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(id))) << id;
    }
    // The radio selection and progress dialogs carry the controls their classes bind.
    hb::testkit::TestWindow parent({.style = WS_VISIBLE, .rect = {0, 0, 400, 300}});
    ASSERT_TRUE(hb::afx::CreateTemplateControls(parent.hwnd(),
                                                *hb::afx::FindDialogTemplate(IDD_RADIO_SELECT)));
    EXPECT_TRUE(GetDlgItem(parent.hwnd(), IDC_RADIO_LIST));
    EXPECT_TRUE(GetDlgItem(parent.hwnd(), IDC_RADIO_LEGEND));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(parent.hwnd(), IDC_RUN_WIZARD)));
    const auto* progress = hb::afx::FindDialogTemplate(IDD_ENGINE_PROGRESS);
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->controls[1].id, IDC_ENGINE_PROGRESS);
    EXPECT_EQ(progress->controls[1].className, "msctls_progress32");
}

} // namespace

namespace {

class WizardPagesResourceTest : public hb::testkit::PlatformTest {
protected:
    WizardPagesResourceTest() { UseProgramResources(ProgramResourceTables()); }
    static std::vector<UINT> Ids(UINT page) {
        std::vector<UINT> ids;
        for (const hb::afx::DialogControl& control :
             hb::afx::FindDialogTemplate(IDD_WIZARD_PAGE_0 + page)->controls) {
            if (control.id != IDC_STATIC) {
                ids.push_back(control.id);
            }
        }
        std::sort(ids.begin(), ids.end());
        return ids;
    }
};

TEST_F(WizardPagesResourceTest, EveryPageCarriesTheControlsItsStepsFill) {
    for (UINT page = 0; page < IDD_WIZARD_PAGE_COUNT; ++page) {
        ASSERT_NE(hb::afx::FindDialogTemplate(IDD_WIZARD_PAGE_0 + page), nullptr) << page;
    }
    EXPECT_EQ(Ids(0), (std::vector<UINT>{IDC_WIZARD_SUBTITLE, IDC_WIZARD_SHOW_AT_STARTUP,
                                         IDC_WIZARD_BODY, IDC_WIZARD_TITLE}));
    EXPECT_EQ(Ids(1), (std::vector<UINT>{IDC_WIZARD_SUBTITLE, IDC_WIZARD_BODY, 27629, 27630, 27631,
                                         27632, 27633, IDC_WIZARD_TITLE}));
    for (const UINT page : {2u, 5u, 10u, 11u}) {
        EXPECT_EQ(Ids(page), (std::vector<UINT>{IDC_WIZARD_SUBTITLE, IDC_WIZARD_FILE_NAME,
                                                IDC_WIZARD_BROWSE, IDC_WIZARD_TITLE}));
    }
    EXPECT_EQ(Ids(3),
              (std::vector<UINT>{IDC_WIZARD_SUBTITLE, IDC_WIZARD_TITLE, IDC_WIZARD_STEP_LABEL,
                                 IDC_WIZARD_START, IDC_WIZARD_END, IDC_WIZARD_STEP}));
    EXPECT_TRUE(Ids(6).empty());
    EXPECT_TRUE(Ids(7).empty());
    EXPECT_EQ(Ids(9), (std::vector<UINT>{IDC_WIZARD_ICON, IDC_WIZARD_SUBTITLE, IDC_WIZARD_TEXT,
                                         IDC_WIZARD_TOOL_BAR_LINE, IDC_WIZARD_FINISH_LINE,
                                         IDC_WIZARD_TITLE}));
}

TEST_F(WizardPagesResourceTest, TheToolBarIconsThePagesPointAtAreThere) {
    for (const UINT icon : {IDR_WEB_GRABBER, IDR_SPECTRUM_ANALYZER, IDR_BAND_SCOPE,
                            IDI_START_SCANNING, IDR_AUDIO_PLAYER, ID_TOOLS_WIZARD, IDI_NEW_GROUP}) {
        LPCSTR name = MAKEINTRESOURCE(icon);
        EXPECT_TRUE(LoadIcon(AfxFindResourceHandle(name, RT_GROUP_ICON), name)) << icon;
    }
}

} // namespace
