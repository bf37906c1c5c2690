#include "platform/testkit/TestWindow.h"
#include "tests/platform/afx/AfxTest.h"
#include "tests/platform/afx/TestComboBox.h"
#include "tests/platform/afx/forms/TestFormIds.h"

#include <string>
#include <vector>

namespace {

using hb::afx::ResourceType;

constexpr UINT kMenuId = 27000;
constexpr UINT kProgramFormId = 27417;

std::string StringOf(UINT id) {
    CString text;
    return text.LoadString(id) ? text.str() : "<none>";
}

class ResourceChainTest : public hb::afx::test::AfxTest {
protected:
    ResourceChainTest() {
        UseProgramResources({
            .dialogs = {{.id = kProgramFormId, .cx = 100, .cy = 40}},
            .strings = {{kSharedStringId, "from the program"}},
            .icons = {{27315, {{16, 16}, {32, 32}}}, {27316, {{48, 48}, {16, 16}}}},
            .bitmaps = {{27000, 576, 32, 18}},
            .menus = {{kMenuId,
                       {{.text = "&File",
                         .items = {{.id = 57601, .text = "&Open"},
                                   {.flags = MF_SEPARATOR},
                                   {.id = 57665, .text = "E&xit", .flags = MF_GRAYED}}},
                        {.id = 28573, .text = "&Manual"}}}},
            .toolBars = {{.id = kMenuId, .bitmapId = 27000, .buttons = {57665, 0, 57601}}},
            .accelerators = {{kMenuId, {{FVIRTKEY | FCONTROL, 'O', 57601}}}},
        });
    }

    static LPCSTR Id(UINT id) { return MAKEINTRESOURCE(id); }
};

TEST_F(ResourceChainTest, TheProgramsResourcesLoadByIdFromItsHandle) {
    const HINSTANCE program = AfxGetResourceHandle();
    EXPECT_EQ(AfxFindResourceHandle(Id(27315), RT_GROUP_ICON), program);

    const auto icon = hb::win::GetImageInfo(LoadIcon(program, Id(27315)));
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->size.cx, 32);
    EXPECT_EQ(icon->resourceId, 27315u);
    EXPECT_EQ(hb::win::GetImageInfo(LoadIcon(program, Id(27316)))->size.cx, 48);
    const auto bitmap = hb::win::GetImageInfo(LoadBitmap(program, Id(27000)));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->cells, 18);
    EXPECT_FALSE(LoadIcon(program, "named"));

    const HMENU menu = LoadMenu(program, Id(kMenuId));
    ASSERT_EQ(GetMenuItemCount(menu), 2);
    const HMENU file = GetSubMenu(menu, 0);
    EXPECT_EQ(GetMenuItemCount(file), 3);
    EXPECT_TRUE(GetMenuState(file, 1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(GetMenuState(menu, 57665, MF_BYCOMMAND), MF_GRAYED);
    EXPECT_EQ(GetMenuItemID(menu, 1), 28573u);
    EXPECT_NE(LoadMenu(program, Id(kMenuId)), menu);

    // One table shared by every caller.
    const HACCEL table = LoadAccelerators(program, Id(kMenuId));
    EXPECT_TRUE(table);
    EXPECT_EQ(LoadAccelerators(program, Id(kMenuId)), table);

    char text[8];
    EXPECT_EQ(LoadString(program, kSharedStringId, text, sizeof text), 7);
    EXPECT_STREQ(text, "from th");
    EXPECT_EQ(LoadString(program, 1, text, sizeof text), 0);
    EXPECT_EQ(hb::afx::FindToolBarResource(kMenuId)->buttons, (std::vector<UINT>{57665, 0, 57601}));
}

TEST_F(ResourceChainTest, AnExtensionLibraryServesItsResourcesWhileLoaded) {
    EXPECT_EQ(hb::afx::FindDialogTemplate(kFormId), nullptr);
    EXPECT_EQ(StringOf(kLibraryStringId), "<none>");

    const HMODULE library = AfxLoadLibrary(kFormsLibrary);
    ASSERT_TRUE(library);
    ASSERT_EQ(hb::afx::ResourceChain().size(), 2u);
    EXPECT_EQ(hb::afx::ResourceChain()[1].handle, library);

    const hb::afx::DialogTemplate* form = hb::afx::FindDialogTemplate(kFormId);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->controls.size(), 2u);
    EXPECT_EQ(hb::afx::FindDialogTemplate(kProgramFormId)->cx, 100);
    EXPECT_EQ(StringOf(kLibraryStringId), "library only");
    EXPECT_EQ(AfxFindResourceHandle(Id(kLibraryIconId), RT_GROUP_ICON), library);
    EXPECT_EQ(hb::win::GetImageInfo(LoadIcon(library, Id(kLibraryIconId)))->size.cx, 16);
    // An id both have resolves to the program's.
    EXPECT_EQ(StringOf(kSharedStringId), "from the program");
    EXPECT_EQ(AfxFindResourceHandle(Id(kSharedStringId), RT_STRING), AfxGetResourceHandle());

    EXPECT_TRUE(AfxFreeLibrary(library));
    EXPECT_EQ(hb::afx::ResourceChain().size(), 1u);
    EXPECT_EQ(hb::afx::FindDialogTemplate(kFormId), nullptr);
    EXPECT_EQ(StringOf(kLibraryStringId), "<none>");
    EXPECT_EQ(AfxFindResourceHandle(Id(kLibraryIconId), RT_GROUP_ICON), AfxGetResourceHandle());
}

TEST_F(ResourceChainTest, AFormsComboBoxesGetTheirEntriesInRecordOrder) {
    hb::afx::test::RegisterTestComboBox();
    const HMODULE library = AfxLoadLibrary(kFormsLibrary);
    ASSERT_TRUE(library);
    hb::testkit::TestWindow parent({.style = WS_VISIBLE});
    ASSERT_TRUE(
        hb::afx::CreateTemplateControls(parent.hwnd(), *hb::afx::FindDialogTemplate(kFormId)));
    EXPECT_EQ(hb::afx::test::ComboEntries(GetDlgItem(parent.hwnd(), kFormComboId)),
              (std::vector<std::string>{"25 µs", "50 µs", "75 µs", "750 µs"}));
    char text[16];
    GetWindowText(GetDlgItem(parent.hwnd(), kFormEditId), text, sizeof text);
    EXPECT_STREQ(text, "start");
    AfxFreeLibrary(library);
}

TEST_F(ResourceChainTest, ALibraryLeavesTheChainWhenItsEntryDetaches) {
    const HMODULE library = AfxLoadLibrary(kFormsLibrary);
    const HACCEL table = LoadAccelerators(AfxGetResourceHandle(), Id(kMenuId));
    // A second load counts; only the last free detaches.
    EXPECT_EQ(AfxLoadLibrary(kFormsLibrary), library);
    AfxFreeLibrary(library);
    EXPECT_NE(hb::afx::FindDialogTemplate(kFormId), nullptr);
    AfxFreeLibrary(library);
    EXPECT_EQ(hb::afx::FindDialogTemplate(kFormId), nullptr);
    EXPECT_EQ(LoadAccelerators(AfxGetResourceHandle(), Id(kMenuId)), table);
}

class ProgramResourcesTest : public hb::afx::test::AfxTest {};

TEST_F(ProgramResourcesTest, TheRegisteredResourcesOutliveResetsAndGiveWayToATestsOwn) {
    const hb::afx::ResourceModule program{"program", {.strings = {{1, "registered"}}}};
    const hb::afx::ProgramResources registration(program);
    EXPECT_EQ(StringOf(1), "registered");
    UseProgramResources({.strings = {{1, "the test's"}}});
    EXPECT_EQ(StringOf(1), "the test's");
    hb::testkit::ResetPlatform();
    EXPECT_EQ(StringOf(1), "registered");
    ASSERT_EQ(hb::afx::ResourceChain().size(), 1u);
    EXPECT_EQ(hb::afx::ResourceChain()[0].module, &program);
}

} // namespace
