#include "app/mainframe/ControlTools.h"
#include "app/mainframe/CustomizePageTools.h"
#include "app/mainframe/MainFrame.h"
#include "app/mainframe/UserTool.h"
#include "platform/afx/CArchive.h"
#include "platform/afx/Input.h"
#include "platform/afx/ModalScript.h"
#include "platform/records/ToolkitMessages.h"
#include "platform/testkit/TempFolder.h"
#include "platform/toolkit/CXTFolderDialog.h"
#include "platform/toolkit/CXTPCommandBars.h"
#include "platform/toolkit/CXTPCustomizeSheet.h"
#include "platform/toolkit/CXTPImageManager.h"
#include "platform/toolkit/CXTPPopupBar.h"
#include "platform/toolkit/CXTPToolBar.h"
#include "platform/win/gdi/Bitmaps.h"
#include "platform/win/menu/Menus.h"
#include "platform/win/sys/FileInfo.h"
#include "platform/win/sys/ProcessLauncher.h"
#include "platform/win/sys/Shell.h"
#include "resources/ResourceIds.h"
#include "tests/app/ProgramTest.h"

#include <filesystem>
#include <string>
#include <vector>

namespace hb::app::test {
namespace {

struct Tool {
    std::string title, arguments, command, directory;
};

std::vector<BYTE> Archive(const std::vector<Tool>& tools) {
    CArchive ar;
    ar.WriteCount(static_cast<DWORD>(tools.size()));
    for (const Tool& tool : tools) {
        ar << CString(tool.title) << CString(tool.arguments) << CString(tool.command)
           << CString(tool.directory);
    }
    return ar.GetBytes();
}

std::vector<std::string> Titles() {
    std::vector<std::string> titles;
    for (const auto& tool : UserTools()) {
        titles.push_back(tool->m_strTitle.str());
    }
    return titles;
}

class UserToolsTest : public ProgramTest {
protected:
    UserToolsTest() {
        Settings(kTwoRadios);
        UseResourceLibrary();
    }
    void SetUp() override {
        ProgramTest::SetUp();
        hb::win::UseRecordingLauncher();
    }

    // The value as a user left it before the program starts.
    void SeedTools(const std::vector<BYTE>& bytes) {
        const std::string path = "Software\\Corvanta\\Halbridge Pro\\Settings";
        HKEY key;
        ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                                 &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueEx(key, "UserTools", 0, REG_BINARY, bytes.data(),
                      static_cast<DWORD>(bytes.size()));
        RegCloseKey(key);
    }
    static std::vector<BYTE> StoredTools() {
        BYTE* data = nullptr;
        UINT size = 0;
        if (!CHalbridgeApp::Get()->GetProfileBinary("Settings", "UserTools", &data, &size)) {
            return {};
        }
        std::vector<BYTE> bytes(data, data + size);
        delete[] data;
        return bytes;
    }

    CMainFrame& Frame() const { return *static_cast<CMainFrame*>(app->m_pMainWnd); }
    CXTPToolBar& Bar() const { return *Frame().m_pMainToolBar; }
    int PlaceIndex() const {
        for (int index = 0; CXTPControl* control = Bar().GetControl(index); ++index) {
            if (control->GetClassName() == CControlTools::kClassName) {
                return index;
            }
        }
        return -1;
    }
    CXTPControl* Place() const { return Bar().GetControl(PlaceIndex()); }
    // The tool buttons after the place, as the bar lays itself out now.
    std::vector<CXTPControl*> ToolButtons() const {
        Bar().OnRecalcLayout();
        std::vector<CXTPControl*> buttons;
        for (int index = PlaceIndex() + 1; CXTPControl* control = Bar().GetControl(index);
             ++index) {
            if (control->GetID() != static_cast<int>(ID_TOOLS_USER_TOOL)) {
                break;
            }
            buttons.push_back(control);
        }
        return buttons;
    }
    using PageSteps = std::function<void(CCustomizePageTools&)>;
    // Opens the customize sheet from a right click on the Main tool bar, runs the steps on the
    // Tools page, and closes the sheet with the button.
    void Customize(const PageSteps& steps, int button) const {
        hb::afx::SetModalScript("CXTPCustomizeSheet", [&](CDialog& dialog) {
            auto& sheet = static_cast<CXTPCustomizeSheet&>(dialog);
            ASSERT_EQ(sheet.GetPageCount(), 2);
            ASSERT_TRUE(sheet.SetActivePage(1));
            auto* page = dynamic_cast<CCustomizePageTools*>(sheet.GetActivePage());
            ASSERT_NE(page, nullptr);
            EXPECT_TRUE(Frame().GetCommandBars()->IsCustomizeMode());
            steps(*page);
            hb::afx::ClickButton(sheet.m_hWnd, button);
        });
        hb::win::ExpectPopupMenu(1);
        const CPoint at = Bar().GetControl(0)->GetRect().CenterPoint();
        Bar().SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(at.x, at.y));
        EXPECT_FALSE(Frame().GetCommandBars()->IsCustomizeMode());
    }
    // Adds a tool through the Insert key and its label.
    static void InsertTool(CCustomizePageTools& page, LPCSTR title) {
        hb::afx::PressKey(page.m_listTools.m_hWnd, VK_INSERT);
        CEdit* label = page.m_listTools.GetEditControl();
        ASSERT_NE(label, nullptr);
        label->SetWindowText(title);
        hb::afx::PressKey(label->m_hWnd, VK_RETURN);
    }
    static void ClickItem(CCustomizePageTools& page, int index, UINT message = WM_LBUTTONDOWN) {
        CRect row;
        ASSERT_NE(page.m_listTools.GetItemRect(index, &row), LB_ERR);
        page.m_listTools.SendMessage(message, MK_LBUTTON,
                                     MAKELPARAM(row.CenterPoint().x, row.CenterPoint().y));
    }
    static std::vector<std::string> Items(const CCustomizePageTools& page) {
        std::vector<std::string> items;
        for (int index = 0; index < page.m_listTools.GetCount(); ++index) {
            CString text;
            page.m_listTools.GetText(index, text);
            items.push_back(text.str());
        }
        return items;
    }

    void Press(CXTPControl* control) const {
        const CPoint at = control->GetRect().CenterPoint();
        Bar().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        Bar().SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    }
};

TEST_F(UserToolsTest, TheStoredListComesBackInOrderAfterARestart) {
    SeedTools(Archive(
        {{"Editor", "-n notes.txt", "/usr/bin/editor", "/tmp"}, {"Mixer", "", "alsamixer", ""}}));
    ASSERT_EQ(Start(), std::nullopt);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Editor", "Mixer"}));
    const CUserTool& first = *UserTools().front();
    EXPECT_EQ(first.m_strArguments.str(), "-n notes.txt");
    EXPECT_EQ(first.m_strCommand.str(), "/usr/bin/editor");
    EXPECT_EQ(first.m_strInitialDirectory.str(), "/tmp");
    EXPECT_EQ(first.m_nIconId, 0u);

    UserTools().back()->m_strTitle = "Sound";
    SaveUserTools();
    NewApp();
    ASSERT_EQ(Start(), std::nullopt);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Editor", "Sound"}));
}

TEST_F(UserToolsTest, AValueCutShortOrCountingPastItsEndGivesNoToolsAndStaysAsItWas) {
    const std::vector<BYTE> whole = Archive({{"One", "a", "b", "c"}, {"Two", "d", "e", "f"}});
    std::vector<BYTE> cut(whole.begin(), whole.end() - 3);
    std::vector<BYTE> overCounted = Archive({{"One", "a", "b", "c"}});
    overCounted[0] = 2;
    std::vector<BYTE> longString = Archive({{"One", "a", "b", "c"}});
    longString[4] = 0xFF; // the title's length runs far past the end
    for (const std::vector<BYTE>& bytes : {cut, overCounted, longString}) {
        SeedTools(bytes);
        ASSERT_EQ(Start(), std::nullopt);
        EXPECT_TRUE(UserTools().empty());
        EXPECT_EQ(StoredTools(), bytes);
        NewApp();
    }
}

TEST_F(UserToolsTest, AnEmptyListShowsThePlaceDisabledAndNoButtons) {
    ASSERT_EQ(Start(), std::nullopt);
    ASSERT_GE(PlaceIndex(), 0);
    EXPECT_EQ(PlaceIndex(), Bar().GetControlCount() - 1);
    EXPECT_TRUE(Place()->GetBeginGroup());
    EXPECT_TRUE(ToolButtons().empty());
    EXPECT_TRUE(Place()->IsVisible());
    EXPECT_FALSE(Place()->GetEnabled());
    // The idle pass leaves it alone.
    Pump();
    EXPECT_FALSE(Place()->GetEnabled());
}

TEST_F(UserToolsTest, ToolsBecomeButtonsAfterTheHiddenPlaceOnceAndNotWhileCustomising) {
    SeedTools(
        Archive({{"One", "", "one", ""}, {"Two", "", "two", ""}, {"Three", "", "three", ""}}));
    ASSERT_EQ(Start(), std::nullopt);
    UserTools().front()->m_nIconId = 8000;
    UserTools().back()->m_nIconId = 8001;
    std::vector<CXTPControl*> buttons = ToolButtons();
    ASSERT_EQ(buttons.size(), 3u);
    EXPECT_EQ(Place()->GetHideFlags(), static_cast<DWORD>(xtpHideGeneric));
    const std::vector<std::string> captions{"One", "Two", "Three"};
    const std::vector<int> icons{8000, 0, 8001};
    auto tool = UserTools().begin();
    for (std::size_t i = 0; i < buttons.size(); ++i, ++tool) {
        EXPECT_EQ(buttons[i]->GetCaption().str(), captions[i]);
        EXPECT_EQ(buttons[i]->GetFlags(), static_cast<DWORD>(xtpFlagManualUpdate));
        EXPECT_EQ(buttons[i]->GetIconId(), icons[i]);
        EXPECT_EQ(buttons[i]->GetTag(), reinterpret_cast<DWORD_PTR>(tool->get()));
        EXPECT_EQ(buttons[i]->GetBeginGroup(), i == 0);
        EXPECT_TRUE(buttons[i]->IsTemporary());
        EXPECT_TRUE(buttons[i]->IsVisible());
    }
    const int count = Bar().GetControlCount();
    EXPECT_EQ(ToolButtons().size(), 3u);
    EXPECT_EQ(Bar().GetControlCount(), count);

    Place()->SetBeginGroup(FALSE);
    EXPECT_FALSE(ToolButtons().front()->GetBeginGroup());

    Frame().GetCommandBars()->SetCustomizeMode(TRUE);
    EXPECT_TRUE(ToolButtons().empty());
    EXPECT_TRUE(Place()->IsVisible());
    EXPECT_TRUE(Place()->GetEnabled());
    Frame().GetCommandBars()->SetCustomizeMode(FALSE);
    EXPECT_EQ(ToolButtons().size(), 3u);
}

TEST_F(UserToolsTest, ThePlaceDropsOnlyOntoMenusAndClonesAsItsOwnClass) {
    ASSERT_EQ(Start(), std::nullopt);
    CXTPPopupBar menu;
    EXPECT_EQ(Place()->GetCustomizeDropEffect(&Bar()), xtpDropNone);
    EXPECT_EQ(Place()->GetCustomizeDropEffect(&menu), xtpDropMove);
    const auto clone = Place()->Clone();
    ASSERT_NE(dynamic_cast<CControlTools*>(clone.get()), nullptr);
    EXPECT_EQ(clone->GetID(), static_cast<int>(ID_TOOLS_USER_TOOL));
    EXPECT_TRUE(clone->GetBeginGroup());
}

TEST_F(UserToolsTest, SavedBarsMakeThePlaceAgainWithoutTheToolButtons) {
    SeedTools(Archive({{"One", "", "one", ""}}));
    ASSERT_EQ(Start(), std::nullopt);
    ASSERT_EQ(ToolButtons().size(), 1u);
    // Elsewhere on the bar, where only the saved bars can say it belongs.
    Bar().GetControls()->MoveTo(Place(), 0);
    ASSERT_EQ(ToolButtons().size(), 1u);
    NewApp();
    ASSERT_EQ(Start(), std::nullopt);
    EXPECT_EQ(PlaceIndex(), 0);
    EXPECT_EQ(ToolButtons().size(), 1u);
    int places = 0;
    for (int index = 0; CXTPControl* control = Bar().GetControl(index); ++index) {
        places += control->GetID() == static_cast<int>(ID_TOOLS_USER_TOOL) ? 1 : 0;
    }
    EXPECT_EQ(places, 2);
}

TEST_F(UserToolsTest, PressingAToolRunsItsCommandAndAButtonOfAReplacedListDoesNothing) {
    SeedTools(Archive({{"Editor", "-n 'my notes.txt'", "editor", "/tmp"}}));
    ASSERT_EQ(Start(), std::nullopt);
    CXTPControl* button = ToolButtons().at(0);
    Press(button);
    ASSERT_EQ(hb::win::LaunchLog().size(), 1u);
    const hb::win::LaunchRequest& request = hb::win::LaunchLog().back();
    EXPECT_EQ(request.verb, "open");
    EXPECT_EQ(request.file, "editor");
    EXPECT_EQ(hb::win::SplitShellWords(request.parameters),
              (std::vector<std::string>{"-n", "my notes.txt"}));
    EXPECT_EQ(request.directory, "/tmp");
    EXPECT_EQ(request.show, SW_SHOW);

    // The list is rebuilt; the button still names the record that is gone.
    NMXTPCONTROL notify{};
    notify.hdr.idFrom = ID_TOOLS_USER_TOOL;
    notify.hdr.code = COMMANDBAR_NOTIFY_EXECUTE;
    notify.pControl = button;
    UserTools().clear();
    auto tool = std::make_unique<CUserTool>();
    tool->m_strTitle = "Viewer";
    tool->m_strCommand = "viewer";
    UserTools().push_back(std::move(tool));
    EXPECT_EQ(Main().SendMessage(WM_NOTIFY, ID_TOOLS_USER_TOOL, reinterpret_cast<LPARAM>(&notify)),
              0);
    EXPECT_EQ(hb::win::LaunchLog().size(), 1u);

    Press(ToolButtons().at(0));
    ASSERT_EQ(hb::win::LaunchLog().size(), 2u);
    EXPECT_EQ(hb::win::LaunchLog().back().file, "viewer");
}

TEST_F(UserToolsTest, TheToolsPageAddsRenamesEditsAndDeletesToolsAndOkKeepsThemInOrder) {
    ASSERT_EQ(Start(), std::nullopt);
    hb::win::SetFileIconProvider([](const std::string& path, bool small) {
        EXPECT_TRUE(small);
        return path.find("two") == std::string::npos ? hb::win::CreateIconHandle(16, 16, 0)
                                                     : HICON{};
    });
    Customize(
        [](CCustomizePageTools& page) {
            EXPECT_EQ(page.m_editCommand.GetDlgStyle(), BES_XT_CHOOSEFILE);
            EXPECT_EQ(page.m_editCommand.GetDlgTitle().str(), "Browse");
            EXPECT_EQ(page.m_editArguments.GetDlgStyle(), BES_XT_CHOOSEFILE);
            EXPECT_EQ(page.m_editDirectory.GetDlgStyle(), BES_XT_CHOOSEDIR);
            // Nothing to edit yet.
            EXPECT_FALSE(page.m_editCommand.IsWindowEnabled());
            for (LPCSTR title : {"One", "Two", "Doomed", "Three"}) {
                InsertTool(page, title);
            }
            EXPECT_EQ(Items(page), (std::vector<std::string>{"One", "Two", "Doomed", "Three"}));
            EXPECT_TRUE(page.m_editCommand.IsWindowEnabled());
            EXPECT_EQ(page.m_strCommand.str(), "");

            ClickItem(page, 0, WM_LBUTTONDBLCLK);
            page.m_listTools.GetEditControl()->SetWindowText("First");
            hb::afx::PressKey(page.m_listTools.GetEditControl()->m_hWnd, VK_RETURN);

            const char* commands[] = {"/bin/one", "/bin/two", "/bin/doomed", "/bin/three"};
            for (int index = 0; index < 4; ++index) {
                ClickItem(page, index);
                page.m_editCommand.SetWindowText(commands[index]);
            }
            ClickItem(page, 0);
            page.m_editArguments.SetWindowText("-v 'a b'");
            page.m_editDirectory.SetWindowText("/tmp");
            // Moving on shows the other tool's strings without changing either tool.
            ClickItem(page, 1);
            EXPECT_EQ(page.m_strCommand.str(), "/bin/two");
            EXPECT_EQ(page.m_strArguments.str(), "");

            ClickItem(page, 2);
            hb::afx::PressKey(page.m_listTools.m_hWnd, VK_DELETE);
            EXPECT_EQ(Items(page), (std::vector<std::string>{"First", "Two", "Three"}));
        },
        IDOK);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"First", "Two", "Three"}));
    const CUserTool& first = *UserTools().front();
    EXPECT_EQ(first.m_strCommand.str(), "/bin/one");
    EXPECT_EQ(first.m_strArguments.str(), "-v 'a b'");
    EXPECT_EQ(first.m_strInitialDirectory.str(), "/tmp");
    std::vector<UINT> icons;
    for (const auto& tool : UserTools()) {
        icons.push_back(tool->m_nIconId);
    }
    EXPECT_EQ(icons, (std::vector<UINT>{8000, 0, 8001}));
    EXPECT_TRUE(XTPImageManager()->HasIcon(8000));
    EXPECT_TRUE(XTPImageManager()->HasIcon(8001));

    // The buttons follow the new list, and the new command runs.
    ASSERT_EQ(ToolButtons().size(), 3u);
    EXPECT_EQ(ToolButtons().at(2)->GetIconId(), 8001);
    Press(ToolButtons().at(0));
    ASSERT_EQ(hb::win::LaunchLog().size(), 1u);
    EXPECT_EQ(hb::win::LaunchLog().back().file, "/bin/one");

    NewApp();
    ASSERT_EQ(Start(), std::nullopt);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"First", "Two", "Three"}));
    EXPECT_EQ(UserTools().front()->m_nIconId, 0u);
}

TEST_F(UserToolsTest, CancelStillAppliesThePagesEditsAndACancelledLabelAddsNothing) {
    SeedTools(Archive({{"Old", "", "old", ""}}));
    ASSERT_EQ(Start(), std::nullopt);
    Customize(
        [](CCustomizePageTools& page) {
            EXPECT_EQ(Items(page), (std::vector<std::string>{"Old"}));
            EXPECT_EQ(page.m_strCommand.str(), "old");
            hb::afx::PressKey(page.m_listTools.m_hWnd, VK_INSERT);
            page.m_listTools.GetEditControl()->SetWindowText("Never");
            hb::afx::PressKey(page.m_listTools.GetEditControl()->m_hWnd, VK_ESCAPE);
            InsertTool(page, "New");
            EXPECT_EQ(Items(page), (std::vector<std::string>{"Old", "New"}));
        },
        IDCANCEL);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Old", "New"}));
    EXPECT_EQ(UserTools().back()->m_strCommand.str(), "");
    NewApp();
    ASSERT_EQ(Start(), std::nullopt);
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Old", "New"}));
}

TEST_F(UserToolsTest, TheInitialDirectoryIsChosenInTheFolderDialog) {
    const hb::testkit::TempFolder work("hb-tool-folders");
    std::filesystem::create_directories(work.File("Logs"));
    SeedTools(Archive({{"Editor", "", "editor", work.Path()}}));
    ASSERT_EQ(Start(), std::nullopt);
    hb::afx::SetModalScript("CXTFolderDialog", [](CDialog& dialog) {
        auto* list = static_cast<CListBox*>(dialog.GetDlgItem(CXTFolderDialog::kFolderList));
        // The tool's folder is chosen as the dialog opens: go into it and choose its folder.
        hb::afx::ClickButton(dialog, CXTFolderDialog::kOpenButton);
        ASSERT_EQ(list->GetCount(), 1);
        CRect row;
        list->GetItemRect(0, &row);
        list->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON,
                          MAKELPARAM(row.CenterPoint().x, row.CenterPoint().y));
        hb::afx::ClickButton(dialog, IDOK);
    });
    Customize(
        [&](CCustomizePageTools& page) {
            EXPECT_EQ(page.m_strInitialDirectory.str(), work.Path());
            ASSERT_TRUE(hb::afx::ClickButton(page.m_editDirectory.m_hWnd, 1));
            EXPECT_EQ(page.m_strInitialDirectory.str(), work.File("Logs"));
        },
        IDOK);
    EXPECT_EQ(UserTools().front()->m_strInitialDirectory.str(), work.File("Logs"));
}

} // namespace
} // namespace hb::app::test
