#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"

#include <gtest/gtest-spi.h>

#include <string>
#include <vector>

using hb::testkit::PlatformTest;
using hb::testkit::TestWindow;

namespace {

class MessageBoxTest : public PlatformTest {
protected:
    std::vector<std::string> CaptureFailures() {
        hb::win::SetFailureHandler([this](const std::string& m) { failures.push_back(m); });
        return {};
    }

    std::vector<std::string> failures;
    TestWindow owner{{}};
};

TEST_F(MessageBoxTest, ScriptedBoxesAreAnsweredInOrderAndLogged) {
    ExpectBox("Delete", IDNO, "Confirm");
    ExpectBox("Saved", IDOK);
    EXPECT_EQ(MessageBox(owner.hwnd(), "Delete all channels?", "Confirm", MB_YESNO), IDNO);
    EXPECT_EQ(MessageBox(HWND{}, "Saved.", nullptr, MB_OK | MB_ICONASTERISK), IDOK);

    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[0].owner, owner.hwnd());
    EXPECT_EQ(Boxes()[0].caption, "Confirm");
    EXPECT_EQ(Boxes()[0].type, MB_YESNO);
    EXPECT_EQ(Boxes()[0].answer, IDNO);
    EXPECT_EQ(Boxes()[1].caption, "Error"); // no caption given
}

TEST_F(MessageBoxTest, AnUnexpectedBoxFailsAndGetsItsDefaultButton) {
    CaptureFailures();
    EXPECT_EQ(MessageBox(owner.hwnd(), "Overwrite?", "Save", MB_YESNOCANCEL | MB_DEFBUTTON2), IDNO);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("unexpected message box: caption \"Save\", text \"Overwrite?\""),
              std::string::npos);
}

TEST_F(MessageBoxTest, ABoxNotMatchingTheScriptFailsAndLeavesTheExpectation) {
    CaptureFailures();
    ExpectBox("Overwrite", IDYES, "Save");
    EXPECT_EQ(MessageBox(owner.hwnd(), "Overwrite?", "Export", MB_YESNO), IDYES);
    EXPECT_EQ(failures.size(), 1u);
    EXPECT_EQ(hb::win::UnmetBoxExpectations().size(), 1u);
    EXPECT_EQ(MessageBox(owner.hwnd(), "Overwrite the file?", "Save", MB_YESNO), IDYES);
    EXPECT_EQ(failures.size(), 1u);
}

TEST_F(MessageBoxTest, AScriptedAnswerMustBeAButtonOfTheBox) {
    CaptureFailures();
    ExpectBox("Done", IDYES);
    MessageBox(owner.hwnd(), "Done.", "Scan", MB_OK);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("not a button"), std::string::npos);
}

TEST_F(MessageBoxTest, DefaultButtonFollowsTheTypeAndDefaultFlags) {
    EXPECT_EQ(hb::win::DefaultBoxAnswer(MB_OK), IDOK);
    EXPECT_EQ(hb::win::DefaultBoxAnswer(MB_OKCANCEL | MB_DEFBUTTON2), IDCANCEL);
    EXPECT_EQ(hb::win::DefaultBoxAnswer(MB_ABORTRETRYIGNORE | MB_DEFBUTTON3), IDIGNORE);
    EXPECT_EQ(hb::win::DefaultBoxAnswer(MB_YESNOCANCEL | MB_DEFBUTTON3 | MB_ICONQUESTION),
              IDCANCEL);
    EXPECT_EQ(hb::win::DefaultBoxAnswer(MB_YESNO | MB_DEFBUTTON3), IDYES); // no third button
    EXPECT_EQ(hb::win::DefaultBoxAnswer(MB_RETRYCANCEL), IDRETRY);
}

TEST_F(MessageBoxTest, AHandlerAnswersInsteadOfTheScript) {
    hb::win::SetMessageBoxHandler(
        [](const hb::win::BoxRequest& box) { return box.text == "Retry?" ? IDRETRY : IDCANCEL; });
    EXPECT_EQ(MessageBox(owner.hwnd(), "Retry?", "Port", MB_RETRYCANCEL), IDRETRY);
    EXPECT_EQ(Boxes().back().answer, IDRETRY);
}

TEST_F(MessageBoxTest, OutsideStrictModeTheDefaultButtonAnswers) {
    hb::win::SetStrictMode(false);
    EXPECT_EQ(MessageBox(owner.hwnd(), "Quit?", "Halbridge", MB_OKCANCEL | MB_DEFBUTTON2),
              IDCANCEL);
}

TEST_F(MessageBoxTest, BeepsAndWaitCursorsAreCounted) {
    ExpectBeeps(2);
    MessageBeep(MB_ICONASTERISK);
    MessageBeep(0xFFFFFFFF);
    EXPECT_EQ(Beeps(), (std::vector<UINT>{MB_ICONASTERISK, 0xFFFFFFFF}));

    hb::win::BeginWaitCursor();
    hb::win::BeginWaitCursor();
    hb::win::EndWaitCursor();
    EXPECT_EQ(hb::win::WaitCursorDepth(), 1);
    EXPECT_EQ(hb::win::WaitCursorCount(), 2);
    hb::win::EndWaitCursor();
    EXPECT_NONFATAL_FAILURE(hb::win::EndWaitCursor(), "without BeginWaitCursor");
}

} // namespace
