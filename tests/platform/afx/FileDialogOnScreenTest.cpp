// The open file dialog on a real X server (Xvfb), with no hook: it shows over a folder of groups,
// a click on a file names it, the screenshot shows whether it all reads, and Enter takes the file.
#include "platform/afx/CDialog.h"
#include "platform/afx/CFileDialog.h"
#include "platform/afx/ModalScript.h"
#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"
#include "platform/testkit/xdriver/Artefacts.h"
#include "platform/testkit/xdriver/ScreenSession.h"
#include "platform/testkit/xdriver/XDriver.h"
#include "platform/win/Windows.h"

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>

namespace {

using hb::testkit::ArtefactPath;
using hb::testkit::TestWindow;
using hb::testkit::XDriver;
using namespace std::chrono_literals;

// In the dialog's client area: the row of "Police and Fire.swg" (the sixth, after "[..]" and
// "[Archive]") and the start of the file name's text.
constexpr POINT kPoliceRow{60, 97};
constexpr POINT kName{97, 252};

class FileDialogOnScreenTest : public hb::testkit::PlatformTest {
protected:
    void SetUp() override {
        if (!screen.Start()) {
            return;
        }
        // A person answers the dialog here, not a script.
        hb::win::SetStrictMode(false);
    }

    void TearDown() override {
        screen.Stop();
        PlatformTest::TearDown();
    }

    hb::testkit::ScreenSession screen;
};

TEST_F(FileDialogOnScreenTest, TheDialogShowsAFolderOfGroupsAndTakesTheOneClicked) {
    hb::testkit::TempFolder folder{"hb-groups"};
    for (const char* name : {"Trunk Tracker.swg", "Marine.swg", "Police and Fire.swg",
                             "Air Show.swg", "Weather.swr"}) {
        hb::testkit::WriteFileBytes(folder.File(name), "x");
    }
    std::filesystem::create_directory(folder.File("Archive"));
    // The dialog's window, for the driver to close should the person fail to.
    std::atomic<HWND> shown{};
    hb::afx::SetModalScript("CFileChooserDialog",
                            [&shown](CDialog& dialog) { shown = dialog.m_hWnd; });

    // The window the dialog stays over; closing it ends the test's loop.
    TestWindow frame;
    frame.On(WM_DESTROY, [](WPARAM, LPARAM) {
        PostQuitMessage(0);
        return LRESULT{0};
    });
    frame.Create({.style = WS_OVERLAPPEDWINDOW, .rect = {40, 40, 760, 600}, .text = "Groups"});
    ShowWindow(frame.hwnd(), SW_SHOWNORMAL);

    std::string failure;
    const HWND top = frame.hwnd();
    std::thread user([&, top] {
        auto driver = XDriver::Connect(screen.name());
        const auto window = driver ? driver->FindWindow("Open Group", 10s) : std::nullopt;
        if (!window || !driver->WaitUntilPainted(*window, 10s)) {
            failure = "the dialog never showed";
        } else {
            // A click on a file puts its name in the edit; Enter in the list takes it.
            const auto name = driver->Pixels(*window, kName.x, kName.y, 200, 12);
            driver->Click(*window, kPoliceRow.x, kPoliceRow.y);
            if (!driver->WaitUntilChanged(*window, kName.x, kName.y, 200, 12, name, 10s)) {
                failure = "the name of the file clicked never showed; ";
            }
            driver->Screenshot(*window, ArtefactPath("file-dialog.png"));
            driver->Press("Return");
            if (!driver->WaitUntilGone(*window, 10s)) {
                failure += "the dialog stayed after Enter";
            }
        }
        if (!failure.empty() && shown.load()) {
            PostMessage(shown.load(), WM_CLOSE, 0, 0);
        }
        PostMessage(top, WM_CLOSE, 0, 0);
    });
    CFileDialog dialog(TRUE, "SWG", (folder.Path() + "/*.swg").c_str(),
                       OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, "Scan groups (*.swg)|*.swg||",
                       CWnd::FromHandle(frame.hwnd()));
    dialog.m_ofn.lpstrTitle = "Open Group";
    const int result = dialog.DoModal();
    // The screen still wants the dialog's end shown.
    MSG msg;
    while (GetMessage(&msg, HWND{}, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    user.join();
    EXPECT_EQ(failure, "");
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.GetPathName().str(), folder.File("Police and Fire.swg"));
}

} // namespace
