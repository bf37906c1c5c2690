#include "platform/afx/CFileDialog.h"
#include "platform/afx/ModalScript.h"
#include "platform/testkit/PlatformTest.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/MessageBox.h"

namespace hb::afx::test {
namespace {

using FileDialogTest = hb::testkit::PlatformTest;

TEST_F(FileDialogTest, TheAnswerGetsTheDefaultExtensionWhenItHasNone) {
    std::vector<std::string> answers{"/scans/Receiver", "/scans/Receiver.txt", ""};
    SetFileDialogHook([&](const FileDialogRequest&) {
        std::string answer = answers.front();
        answers.erase(answers.begin());
        return std::optional<std::string>(answer);
    });
    CFileDialog dialog(TRUE, "sws", "Receiver", OFN_HIDEREADONLY,
                       "Scan List Files|*.sws|All Files (*.*)|*.*||");
    dialog.m_ofn.lpstrInitialDir = "/scans";
    dialog.m_ofn.lpstrTitle = "Open";
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(std::string(dialog.GetPathName().GetString()), "/scans/Receiver.sws");
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(std::string(dialog.GetPathName().GetString()), "/scans/Receiver.txt");
    // An empty answer is a cancel.
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);

    ASSERT_EQ(FileDialogLog().size(), 3u);
    const FileDialogRequest& request = FileDialogLog()[0];
    EXPECT_TRUE(request.open);
    EXPECT_EQ(request.fileName, "Receiver");
    EXPECT_EQ(request.initialFolder, "/scans");
    EXPECT_EQ(request.title, "Open");
    EXPECT_EQ(request.filter, "Scan List Files|*.sws|All Files (*.*)|*.*||");
    EXPECT_EQ(request.flags, OFN_HIDEREADONLY);
}

TEST_F(FileDialogTest, WithoutAnAnswerAStrictTestFailsAndTheDialogIsCancelled) {
    std::vector<std::string> failures;
    hb::win::SetFailureHandler([&](const std::string& text) { failures.push_back(text); });
    CFileDialog dialog(FALSE);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(failures.size(), 1u);
    EXPECT_FALSE(FileDialogLog()[0].open);
}

TEST_F(FileDialogTest, OnADisplayTheHookStillAnswersFirst) {
    hb::win::SetInteractive(true);
    SetFileDialogHook([](const FileDialogRequest&) { return std::optional<std::string>("/a/b"); });
    CFileDialog dialog(TRUE, "swg");
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(std::string(dialog.GetPathName().GetString()), "/a/b.swg");
    EXPECT_TRUE(ModalLog().empty());
}

TEST_F(FileDialogTest, WithoutADisplayOrAHookTheDialogIsCancelledAtOnce) {
    hb::win::SetStrictMode(false);
    CFileDialog dialog(TRUE, "swg", "Receiver", OFN_FILEMUSTEXIST, "Groups|*.swg||");
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.GetPathName().GetLength(), 0);
    EXPECT_TRUE(ModalLog().empty());
    EXPECT_EQ(FileDialogLog().size(), 1u);
}

TEST_F(FileDialogTest, OnADisplayAnUnscriptedDialogStillFailsAStrictTest) {
    hb::win::SetInteractive(true);
    std::vector<std::string> failures;
    hb::win::SetFailureHandler([&](const std::string& text) { failures.push_back(text); });
    CFileDialog dialog(TRUE);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("CFileChooserDialog"), std::string::npos);
}

} // namespace
} // namespace hb::afx::test
