#include "tests/platform/afx/AppFixture.h"

#include <filesystem>
#include <fstream>
#include <memory>

namespace hb::afx::test {
namespace {

using Commands = std::vector<std::string>;
using hb::testkit::FinishApp;
using hb::testkit::PumpApp;
using hb::testkit::StartApp;

std::string TextOf(HWND hwnd) {
    char text[128];
    GetWindowText(hwnd, text, sizeof text);
    return text;
}

std::size_t ChildrenOf(HWND hwnd) {
    std::size_t count = 0;
    for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        ++count;
    }
    return count;
}

CFrameWnd* FrameOf(CDocument* doc) {
    POSITION pos = doc->GetFirstViewPosition();
    return doc->GetNextView(pos)->GetParentFrame();
}

TEST_F(AppTest, CommandsAndKeysFollowTheActiveChildOfTwoTemplates) {
    ASSERT_EQ(StartApp(app), std::nullopt);
    CDocument* group = app.group->OpenDocumentFile(nullptr);
    CDocument* range = app.range->OpenDocumentFile(nullptr);
    ASSERT_TRUE(group && range);
    EXPECT_EQ(group->GetTitle(), "Group1");
    EXPECT_EQ(Counters().initialUpdates, 2);

    // The newest child is active; its view is the library's form.
    CView* view = ActiveView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetDocument(), range);
    EXPECT_EQ(ComboEntries(GetDlgItem(view->m_hWnd, kFormComboId)).size(), 4u);
    EXPECT_EQ(TextOf(Main().m_hWnd), "Test Suite - Range1");
    EXPECT_EQ(TextOf(FrameOf(range)->m_hWnd), "Range1");

    for (const UINT id : {kViewCommand, kDocCommand, kFrameCommand, kAppCommand}) {
        Main().SendMessage(WM_COMMAND, id);
    }
    EXPECT_EQ(Counters().commands, (Commands{"view Range1", "doc Range1", "frame", "app"}));

    Main().MDIActivate(FrameOf(group));
    EXPECT_EQ(TextOf(Main().m_hWnd), "Test Suite - Group1");
    Counters().commands.clear();
    const HWND edit = GetDlgItem(ActiveView()->m_hWnd, kFormEditId);
    EXPECT_TRUE(hb::afx::PressKey(edit, VK_F1, FCONTROL));
    EXPECT_FALSE(hb::afx::PressKey(edit, VK_F1));
    EXPECT_EQ(Counters().commands, Commands{"view Group1"});
    // The child frame saw both keys, and a click on its way through the loop.
    PostMessage(edit, WM_LBUTTONDOWN, 0, 0);
    PumpApp(app);
    EXPECT_EQ(Counters().childInput, 3);

    const auto icon = hb::win::GetImageInfo(
        HICON(static_cast<std::uint32_t>(Main().SendMessage(WM_GETICON, ICON_BIG))));
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->resourceId, kMainId);

    EXPECT_EQ(FinishApp(app), 0);
    EXPECT_EQ(Counters().docsDeleted, 2);
    EXPECT_EQ(Counters().viewsDeleted, 2);
    EXPECT_EQ(Counters().framesDeleted, 2);
    EXPECT_EQ(Counters().exitInstances, 1);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_EQ(hb::afx::FindDialogTemplate(kFormId), nullptr);
}

TEST_F(AppTest, ClosingAChildDeletesItsFrameViewAndDocument) {
    ASSERT_EQ(StartApp(app), std::nullopt);
    CDocument* group = app.group->OpenDocumentFile(nullptr);
    CDocument* range = app.range->OpenDocumentFile(nullptr);
    FrameOf(range)->PostMessage(WM_SYSCOMMAND, SC_CLOSE);
    PumpApp(app);
    EXPECT_EQ(Counters().docsDeleted, 1);
    EXPECT_EQ(Counters().viewsDeleted, 1);
    EXPECT_EQ(Counters().framesDeleted, 1);
    EXPECT_EQ(app.range->GetFirstDocPosition(), nullptr);
    EXPECT_EQ(Main().MDIGetActive(), FrameOf(group));
    EXPECT_EQ(TextOf(Main().m_hWnd), "Test Suite - Group1");

    // A modified document asks first; Cancel keeps it.
    group->SetModifiedFlag();
    ExpectBox("Save changes to Group1?", IDCANCEL, "Test Suite");
    FrameOf(group)->PostMessage(WM_CLOSE);
    PumpApp(app);
    EXPECT_EQ(Counters().docsDeleted, 1);
    ExpectBox("Save changes to Group1?", IDNO);
    FrameOf(group)->PostMessage(WM_CLOSE);
    PumpApp(app);
    EXPECT_EQ(Counters().docsDeleted, 2);
    EXPECT_EQ(Main().MDIGetActive(), nullptr);
    EXPECT_EQ(TextOf(Main().m_hWnd), "Test Suite");
    EXPECT_EQ(FinishApp(app), 0);
}

TEST_F(AppTest, AFailedInitInstanceRunsNoLoopButTheExitStep) {
    app.initResult = FALSE;
    app.postPing = true;
    EXPECT_EQ(StartApp(app), 0);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_EQ(Counters().exitInstances, 1);
    EXPECT_TRUE(Counters().commands.empty());
    EXPECT_EQ(hb::afx::ResourceChain().size(), 1u);
}

TEST_F(AppTest, AFrameWhoseClientFailsLeavesNothingBehind) {
    ASSERT_EQ(StartApp(app), std::nullopt);
    Counters().failClient = true;
    EXPECT_EQ(app.split->OpenDocumentFile(nullptr), nullptr);
    EXPECT_EQ(app.group->OpenDocumentFile(nullptr), nullptr);
    EXPECT_EQ(Counters().framesDeleted, 2);
    EXPECT_EQ(Counters().viewsDeleted, 2);
    EXPECT_EQ(Counters().docsDeleted, 2);
    EXPECT_EQ(ChildrenOf(Main().m_hWndMDIClient), 0u);
    EXPECT_EQ(Main().MDIGetActive(), nullptr);
    EXPECT_EQ(app.split->GetFirstDocPosition(), nullptr);
    EXPECT_EQ(Counters().initialUpdates, 0);
    EXPECT_EQ(FinishApp(app), 0);
}

TEST_F(AppTest, EachViewOfASplitterHasOneInitialUpdate) {
    ASSERT_EQ(StartApp(app), std::nullopt);
    ASSERT_NE(app.split->OpenDocumentFile(nullptr), nullptr);
    EXPECT_EQ(Counters().initialUpdates, 2);
    Main().SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    EXPECT_EQ(Counters().initialUpdates, 2);

    auto* frame = DYNAMIC_DOWNCAST(CSplitChildFrame, Main().MDIGetActive());
    ASSERT_NE(frame, nullptr);
    CWnd* top = frame->m_splitter.GetPane(0, 0);
    EXPECT_EQ(frame->GetActiveView(), top);
    EXPECT_EQ(top->GetParentFrame(), frame);
    CRect area;
    frame->m_splitter.GetClientRect(&area);
    CRect rect;
    frame->m_splitter.GetPane(1, 0)->GetWindowRect(&rect);
    frame->m_splitter.ScreenToClient(&rect);
    EXPECT_EQ(std::vector<LONG>({rect.left, rect.top, rect.right, rect.bottom}),
              std::vector<LONG>({0, 80 + CSplitterWnd::kSplitterGap, area.right, area.bottom}));
    EXPECT_EQ(FinishApp(app), 0);
    EXPECT_EQ(Counters().viewsDeleted, 2);
}

TEST_F(AppTest, TheIdlePassEnablesExactlyTheHandledMenuItems) {
    ASSERT_EQ(StartApp(app), std::nullopt);
    PumpApp(app);
    const HWND main = Main().m_hWnd;
    EXPECT_EQ(MenuState(main, kAppCommand), MF_ENABLED);
    EXPECT_EQ(MenuState(main, ID_APP_EXIT), MF_ENABLED);
    EXPECT_EQ(MenuState(main, kOrphanCommand), MF_GRAYED);
    EXPECT_EQ(MenuState(main, kViewCommand), MF_GRAYED);
    app.group->OpenDocumentFile(nullptr);
    PumpApp(app);
    EXPECT_EQ(MenuState(main, kViewCommand), MF_ENABLED);
    EXPECT_EQ(MenuState(main, kOrphanCommand), MF_GRAYED);

    // The title change waits for the idle step.
    Main().SetTitle("Test Suite (Administrator)");
    Main().DelayUpdateFrameTitle();
    EXPECT_EQ(TextOf(main), "Test Suite - Group1");
    PumpApp(app);
    EXPECT_EQ(TextOf(main), "Test Suite (Administrator) - Group1");

    // A popup of the frame's own gets the same pass before the choice.
    const HMENU popup = CreatePopupMenu();
    AppendMenu(popup, MF_STRING, kOrphanCommand, "&Orphan");
    AppendMenu(popup, MF_STRING | MF_GRAYED, kAppCommand, "&Ping");
    hb::win::ExpectPopupMenu(kAppCommand);
    EXPECT_TRUE(TrackPopupMenu(popup, 0, 0, 0, 0, main, nullptr));
    PumpApp(app);
    EXPECT_EQ(Counters().commands, Commands{"app"});
    DestroyMenu(popup);
    EXPECT_EQ(FinishApp(app), 0);
}

TEST_F(AppTest, ProfileValuesRoundTripThroughTheRegistry) {
    EXPECT_EQ(app.GetProfileInt("Settings", "UseCompactView", 7), 7u);
    EXPECT_FALSE(app.WriteProfileInt("Settings", "UseCompactView", 1));

    app.SetRegistryKey("Corvanta Test");
    EXPECT_EQ(app.GetProfileString("Settings", "Name", "none"), "none");
    EXPECT_TRUE(RegistryWrites().empty());
    EXPECT_TRUE(app.WriteProfileInt("Settings", "UseCompactView", -1));
    EXPECT_EQ(static_cast<int>(app.GetProfileInt("Settings", "UseCompactView", 0)), -1);
    EXPECT_TRUE(app.WriteProfileString("Settings", "Name", "25 µs"));
    EXPECT_EQ(app.GetProfileString("Settings", "Name"), "25 µs");
    std::vector<BYTE> record(129);
    for (std::size_t i = 0; i < record.size(); ++i) {
        record[i] = static_cast<BYTE>(i * 7);
    }
    EXPECT_TRUE(app.WriteProfileBinary("Radio1", "parm", record.data(), 129));
    BYTE* data = nullptr;
    UINT size = 0;
    ASSERT_TRUE(app.GetProfileBinary("Radio1", "parm", &data, &size));
    const std::unique_ptr<BYTE[]> owned(data);
    EXPECT_EQ(std::vector<BYTE>(data, data + size), record);
    EXPECT_FALSE(app.GetProfileBinary("Radio1", "Name", &data, &size));
    EXPECT_EQ(data, nullptr);

    HKEY key;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Corvanta Test\\Test Suite\\Settings", 0,
                           KEY_READ, &key),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_TRUE(app.WriteProfileString("Settings", "Name", nullptr));
    EXPECT_EQ(app.GetProfileString("Settings", "Name", "gone"), "gone");
    EXPECT_TRUE(app.WriteProfileString("Settings", nullptr, nullptr));
    EXPECT_EQ(app.GetProfileInt("Settings", "UseCompactView", 3), 3u);
    EXPECT_EQ(app.GetProfileBinary("Radio1", "parm", &data, &size), TRUE);
    delete[] data;
}

class ShellTest : public AppTest {
protected:
    ShellTest() {
        folder =
            std::filesystem::temp_directory_path() / ("hb-shell-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
    }
    ~ShellTest() override { std::filesystem::remove_all(folder); }

    std::string MakeFile(const std::string& name) const {
        const auto path = folder / name;
        std::ofstream(path) << "x";
        return path.string();
    }

    std::filesystem::path folder;
};

TEST_F(ShellTest, TheShellCommandOpensAFileWithTheTemplateOfItsExtension) {
    const std::string path = MakeFile("My Range.TR");
    ASSERT_EQ(StartApp(app, "-splash \"" + path + "\""), std::nullopt);
    EXPECT_EQ(app.shell.m_strFileName, path);
    CDocTemplate* pTemplate = app.range;
    POSITION pos = pTemplate->GetFirstDocPosition();
    ASSERT_NE(pos, nullptr);
    CDocument* doc = pTemplate->GetNextDoc(pos);
    EXPECT_EQ(doc->GetTitle(), "My Range.TR");
    EXPECT_EQ(doc->GetPathName(), path);

    // The same file again activates its document; an unknown extension goes to the first
    // template; a missing file leaves nothing.
    app.group->OpenDocumentFile(nullptr);
    EXPECT_EQ(app.OpenDocumentFile(path.c_str()), doc);
    EXPECT_EQ(Main().MDIGetActive(), FrameOf(doc));
    CDocument* other = app.OpenDocumentFile(MakeFile("notes.txt").c_str());
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->GetDocTemplate(), app.group);
    EXPECT_EQ(app.OpenDocumentFile((folder / "missing.tg").string().c_str()), nullptr);
    EXPECT_EQ(Counters().docsDeleted, 1);
    EXPECT_EQ(ChildrenOf(Main().m_hWndMDIClient), 3u);

    // Exit closes the main window and so ends the loop.
    Main().PostMessage(WM_COMMAND, ID_APP_EXIT);
    EXPECT_EQ(app.Run(), 0);
    EXPECT_EQ(Counters().docsDeleted, 4);
}

TEST_F(ShellTest, AShellCommandThatFailsEndsTheStart) {
    EXPECT_EQ(StartApp(app, (folder / "missing.tr").string()), 0);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_EQ(Counters().exitInstances, 1);
}

TEST_F(AppTest, CommandLineArgumentsSplitOnBlanksOutsideQuotes) {
    struct CRecordingInfo : CCommandLineInfo {
        void ParseParam(LPCSTR pszParam, BOOL bFlag, BOOL bLast) override {
            seen.push_back(std::string(bFlag ? "flag " : "") + pszParam + (bLast ? " last" : ""));
            CCommandLineInfo::ParseParam(pszParam, bFlag, bLast);
        }
        std::vector<std::string> seen;
    } info;
    std::string line = "-reset  /p \"a b.tg\"\t/home/user/c.tg";
    app.m_lpCmdLine = line.data();
    app.ParseCommandLine(info);
    EXPECT_EQ(info.seen,
              (std::vector<std::string>{"flag reset", "flag p", "a b.tg", "/home/user/c.tg last"}));
    EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FileOpen);
    EXPECT_EQ(info.m_strFileName, "a b.tg");
}

TEST_F(AppTest, DocumentStringsComeFromTheTemplatesString) {
    CMultiDocTemplate group(kGroupTemplate, RUNTIME_CLASS(CTestDoc), RUNTIME_CLASS(CTestChildFrame),
                            RUNTIME_CLASS(CTestFormView));
    CString text;
    EXPECT_FALSE(group.GetDocString(text, CDocTemplate::windowTitle));
    EXPECT_TRUE(group.GetDocString(text, CDocTemplate::filterExt));
    EXPECT_EQ(text, ".tg");
    EXPECT_TRUE(group.GetDocString(text, CDocTemplate::regFileTypeName));
    EXPECT_EQ(text, "Test Group");
    CMultiDocTemplate split(kSplitTemplate, nullptr, nullptr, nullptr);
    EXPECT_FALSE(split.GetDocString(text, CDocTemplate::docName));
    EXPECT_TRUE(text.IsEmpty());
}

} // namespace
} // namespace hb::afx::test
