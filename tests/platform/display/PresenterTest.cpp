// The windows on a real X server (Xvfb), driven from another thread as a user would drive them
// while the test's thread runs the program's message loop on the real clock.
#include "platform/afx/Afx.h"
#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"
#include "platform/testkit/xdriver/Artefacts.h"
#include "platform/testkit/xdriver/ScreenSession.h"
#include "platform/testkit/xdriver/XDriver.h"

#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

using hb::testkit::ArtefactPath;
using hb::testkit::PlatformTest;
using hb::testkit::TestWindow;
using hb::testkit::XDriver;
using namespace std::chrono_literals;

namespace {

constexpr auto kWait = 10s;
constexpr int kButtonId = 100;
constexpr int kEditId = 101;

class PresenterTest : public PlatformTest {
protected:
    void SetUp() override {
        if (!screen.Start()) {
            return;
        }
        frame.On(WM_DESTROY, [](WPARAM, LPARAM) {
            PostQuitMessage(0);
            return LRESULT{0};
        });
        frame.Create(
            {.style = WS_OVERLAPPEDWINDOW, .rect = {100, 80, 420, 280}, .text = "Presenter Test"});
        button = CreateWindowEx(0, "Button", "Press", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 20, 20,
                                100, 30, frame.hwnd(), kButtonId, nullptr);
        edit = CreateWindowEx(0, "Edit", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 20, 70, 200, 24,
                              frame.hwnd(), kEditId, nullptr);
        ShowWindow(frame.hwnd(), SW_SHOWNORMAL);
    }

    void TearDown() override {
        screen.Stop();
        PlatformTest::TearDown();
    }

    // Runs the message loop until the frame is closed, while `act` drives the display from
    // another thread with the frame's X window; the frame is closed when `act` is done, whatever
    // happened.
    void RunWhile(const std::function<void(XDriver&, XDriver::XId)>& act) {
        const HWND hwnd = frame.hwnd();
        std::thread user([&, hwnd] {
            auto driver = XDriver::Connect(screen.name());
            const auto window = driver ? driver->FindWindow("Presenter Test", kWait) : std::nullopt;
            if (window) {
                act(*driver, *window);
            } else {
                failure = "no window titled \"Presenter Test\"";
            }
            PostMessage(hwnd, WM_CLOSE, 0, 0);
        });
        MSG msg;
        while (GetMessage(&msg, HWND{}, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
        user.join();
        EXPECT_EQ(failure, "");
    }

    // From the driver thread: keeps the loop busy in a handler while `act` drives the display, so
    // that all the input it makes waits in the X queue at once, as a fast typist's keys do while
    // the program is busy.
    void WhileTheLoopIsBusy(const std::function<void()>& act) {
        frame.On(WM_APP, [this](WPARAM, LPARAM) {
            std::unique_lock lock(m_busyMutex);
            m_busy = true;
            m_busyChanged.notify_all();
            m_busyChanged.wait_for(lock, kWait, [this] { return m_acted; });
            return LRESULT{0};
        });
        PostMessage(frame.hwnd(), WM_APP, 0, 0);
        {
            std::unique_lock lock(m_busyMutex);
            if (!m_busyChanged.wait_for(lock, kWait, [this] { return m_busy; })) {
                failure = "the loop never got busy";
            }
        }
        act();
        std::lock_guard lock(m_busyMutex);
        m_acted = true;
        m_busyChanged.notify_all();
    }

    hb::testkit::ScreenSession screen;
    TestWindow frame;
    HWND button;
    HWND edit;
    // Set by the driver thread, read after it has joined.
    std::string failure;

private:
    std::mutex m_busyMutex;
    std::condition_variable m_busyChanged;
    bool m_busy = false;
    bool m_acted = false;
};

TEST_F(PresenterTest, AClickOnAButtonReachesItsHandlerAndTheTitleShowsTheEffect) {
    int clicks = 0;
    frame.On(WM_COMMAND, [&](WPARAM wParam, LPARAM) {
        if (LOWORD(wParam) == kButtonId && HIWORD(wParam) == BN_CLICKED) {
            ++clicks;
            SetWindowText(frame.hwnd(), "Pressed");
        }
        return LRESULT{0};
    });
    std::string title;
    RunWhile([&](XDriver& driver, XDriver::XId window) {
        driver.WaitUntilPainted(window, kWait);
        driver.Click(window, 70, 35);
        if (!driver.WaitForTitle(window, "Pressed", kWait)) {
            failure = "the title stayed \"" + driver.Title(window) + "\"";
        }
        if (!driver.Screenshot(window, ArtefactPath("presenter-button.png"))) {
            failure += "; no screenshot";
        }
    });
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(std::filesystem::file_size(ArtefactPath("presenter-button.png")) > 0);
}

// A window may paint itself at once (as a status bar does for its clock): nothing is dirty after
// that, yet its new picture must reach the screen.
TEST_F(PresenterTest, AWindowThatPaintsItselfAtOnceShowsItsNewPicture) {
    constexpr RECT kLamp{250, 20, 290, 60};
    COLORREF color = RGB(0, 128, 0);
    TestWindow lamp({.style = WS_CHILD | WS_VISIBLE, .parent = frame.hwnd(), .rect = kLamp});
    lamp.On(WM_PAINT, [&](WPARAM, LPARAM) {
        PAINTSTRUCT ps;
        const HDC hdc = BeginPaint(lamp.hwnd(), &ps);
        const HBRUSH brush = CreateSolidBrush(color);
        RECT area;
        GetClientRect(lamp.hwnd(), &area);
        FillRect(hdc, &area, brush);
        DeleteObject(brush);
        EndPaint(lamp.hwnd(), &ps);
        return LRESULT{0};
    });
    frame.On(WM_APP, [&](WPARAM, LPARAM) {
        color = RGB(200, 0, 0);
        InvalidateRect(lamp.hwnd(), nullptr, TRUE);
        UpdateWindow(lamp.hwnd());
        return LRESULT{0};
    });
    RunWhile([&](XDriver& driver, XDriver::XId window) {
        const unsigned side = kLamp.right - kLamp.left;
        const std::vector<unsigned long> green(side * side, 0x008000);
        // The first picture holds the whole tree, the lamp with it.
        if (!driver.WaitUntilPainted(window, kWait) ||
            driver.Pixels(window, kLamp.left, kLamp.top, side, side) != green) {
            failure = "the lamp never showed green";
            return;
        }
        // Posted, not clicked: a click would dirty the button and so repaint everything anyway.
        PostMessage(frame.hwnd(), WM_APP, 0, 0);
        if (!driver.WaitUntilChanged(window, kLamp.left, kLamp.top, side, side, green, kWait)) {
            failure = "the lamp's new colour never reached the screen";
            return;
        }
        if (driver.Pixels(window, kLamp.left, kLamp.top, 1, 1).front() != 0xC80000) {
            failure = "the lamp shows neither colour";
        }
    });
}

// Hiding a child (as a docking pane is put away) makes nothing dirty, yet the screen must follow.
TEST_F(PresenterTest, AChildHiddenInsideItsFrameLeavesTheScreen) {
    frame.On(WM_APP, [&](WPARAM, LPARAM) {
        ShowWindow(button, SW_HIDE);
        return LRESULT{0};
    });
    RunWhile([&](XDriver& driver, XDriver::XId window) {
        if (!driver.WaitUntilPainted(window, kWait)) {
            failure = "the frame was never painted";
            return;
        }
        const std::vector<unsigned long> shown = driver.Pixels(window, 20, 20, 100, 30);
        PostMessage(frame.hwnd(), WM_APP, 0, 0);
        if (!driver.WaitUntilChanged(window, 20, 20, 100, 30, shown, kWait)) {
            failure = "the hidden button stayed on the screen";
        }
    });
}

TEST_F(PresenterTest, TypedKeysReachTheFocusedEditWithTheirCase) {
    char typed[32] = {};
    frame.On(WM_COMMAND, [&](WPARAM wParam, LPARAM) {
        if (LOWORD(wParam) == kButtonId) {
            GetWindowText(edit, typed, sizeof typed);
            SetWindowText(frame.hwnd(), "Typed");
        }
        return LRESULT{0};
    });
    RunWhile([&](XDriver& driver, XDriver::XId window) {
        driver.Click(window, 60, 80);
        driver.Type("Ch 12");
        driver.Press("BackSpace");
        // The loop has handled the keys once a title set after them shows.
        driver.Click(window, 70, 35);
        if (!driver.WaitForTitle(window, "Typed", kWait)) {
            failure = "the click after the keys never came";
        }
    });
    EXPECT_STREQ(typed, "Ch 1");
}

// A list that opens a box to type a name in on Insert, as the edit lists do.
class FocusMovingTest : public PresenterTest {
protected:
    void SetUp() override {
        PresenterTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        list.On(WM_SETFOCUS, [this](WPARAM, LPARAM) {
            SetWindowText(frame.hwnd(), "Ready");
            return LRESULT{0};
        });
        list.On(WM_KEYDOWN, [this](WPARAM key, LPARAM) {
            if (key == VK_INSERT) {
                SetFocus(edit);
            }
            return LRESULT{0};
        });
        list.Create({.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                     .parent = frame.hwnd(),
                     .rect = {20, 110, 220, 150}});
        frame.On(WM_COMMAND, [this](WPARAM wParam, LPARAM) {
            if (LOWORD(wParam) == kButtonId) {
                GetWindowText(edit, typed, sizeof typed);
                SetWindowText(frame.hwnd(), "Typed");
            }
            return LRESULT{0};
        });
    }

    // Gives the list the focus, runs `type` while the loop is busy, then reads the edit with a
    // click on the button.
    void TypeInOneGo(const std::function<void(XDriver&, XDriver::XId)>& type) {
        RunWhile([&](XDriver& driver, XDriver::XId window) {
            driver.WaitUntilPainted(window, kWait);
            driver.Click(window, 120, 130);
            if (!driver.WaitForTitle(window, "Ready", kWait)) {
                failure = "the list never took the focus";
                return;
            }
            WhileTheLoopIsBusy([&] { type(driver, window); });
            driver.Click(window, 70, 35);
            if (!driver.WaitForTitle(window, "Typed", kWait)) {
                failure += "; the click after the keys never came";
            }
        });
    }

    TestWindow list;
    char typed[32] = {};
};

TEST_F(FocusMovingTest, KeysTypedAfterOneThatMovesTheFocusReachTheNewlyFocusedEdit) {
    TypeInOneGo([](XDriver& driver, XDriver::XId) {
        driver.Press("Insert");
        driver.Type("ab");
    });
    EXPECT_STREQ(typed, "ab");
    EXPECT_EQ(list.Count(WM_CHAR), 0u);
}

// A click that moves the focus between keys leaves the keys before it where they were typed, and
// the same key typed with and without Shift keeps its case.
TEST_F(FocusMovingTest, KeysAndClicksTypedInOneGoKeepTheirOrder) {
    TypeInOneGo([](XDriver& driver, XDriver::XId window) {
        driver.Type("x");
        driver.Click(window, 60, 80);
        driver.Type("aA");
    });
    EXPECT_STREQ(typed, "aA");
    ASSERT_EQ(list.Count(WM_CHAR), 1u);
}

TEST_F(PresenterTest, ResizingTheXWindowResizesTheWindowAndItsTitleFollows) {
    RECT client{};
    frame.On(WM_SIZE, [&](WPARAM, LPARAM lParam) {
        GetClientRect(frame.hwnd(), &client);
        SetWindowText(frame.hwnd(), ("Size " + std::to_string(LOWORD(lParam)) + "x" +
                                     std::to_string(HIWORD(lParam)))
                                        .c_str());
        return LRESULT{0};
    });
    RunWhile([&](XDriver& driver, XDriver::XId window) {
        driver.Resize(window, 400, 250);
        if (!driver.WaitForTitle(window, "Size 400x250", kWait)) {
            failure = "the title stayed \"" + driver.Title(window) + "\"";
        }
    });
    EXPECT_EQ(client.right, 400);
    EXPECT_EQ(client.bottom, 250);
}

TEST_F(PresenterTest, AMessageBoxIsARealWindowThatAnswersTheUser) {
    int answer = 0;
    frame.On(WM_COMMAND, [&](WPARAM, LPARAM) {
        answer = MessageBox(frame.hwnd(), "Save the changes?", "Question Box",
                            MB_YESNO | MB_ICONQUESTION);
        SetWindowText(frame.hwnd(), "Answered");
        return LRESULT{0};
    });
    RunWhile([&](XDriver& driver, XDriver::XId window) {
        driver.Click(window, 70, 35);
        const auto box = driver.FindWindow("Question Box", kWait);
        if (!box) {
            failure = "no message box";
            return;
        }
        driver.WaitUntilPainted(*box, kWait);
        driver.Screenshot(*box, ArtefactPath("presenter-message-box.png"));
        // The frame is out of reach while the box is up.
        driver.Click(window, 70, 35);
        driver.Press("Tab");
        driver.Press("Return");
        if (!driver.WaitUntilGone(*box, kWait) || !driver.WaitForTitle(window, "Answered", kWait)) {
            failure = "the box did not close";
        }
    });
    EXPECT_EQ(answer, IDNO);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].caption, "Question Box");
}

TEST_F(PresenterTest, AMenuItemChosenFromTheMenuBarReachesTheOwner) {
    constexpr UINT kOpen = 200;
    constexpr UINT kExit = 201;
    const HMENU file = CreatePopupMenu();
    AppendMenu(file, MF_STRING, kOpen, "&Open...\tCtrl+O");
    AppendMenu(file, MF_SEPARATOR, 0, nullptr);
    AppendMenu(file, MF_STRING, kExit, "E&xit");
    const HMENU bar = CreateMenu();
    AppendMenu(bar, MF_POPUP, file.id(), "&File");
    SetMenu(frame.hwnd(), bar);
    UINT command = 0;
    int popupsPrepared = 0;
    frame.On(WM_INITMENUPOPUP, [&](WPARAM, LPARAM) {
        ++popupsPrepared;
        return LRESULT{0};
    });
    frame.On(WM_COMMAND, [&](WPARAM wParam, LPARAM) {
        command = LOWORD(wParam);
        SetWindowText(frame.hwnd(), "Chosen");
        return LRESULT{0};
    });
    RunWhile([&](XDriver& driver, XDriver::XId window) {
        driver.Click(window, 20, 10); // "File" on the bar above the client area
        const auto popup = driver.FindPopup(kWait);
        if (!popup) {
            failure = "no popup menu";
            return;
        }
        driver.WaitUntilPainted(*popup, kWait);
        driver.Screenshot(window, ArtefactPath("presenter-menu.png"));
        driver.Click(*popup, 30, 10); // the first item
        if (!driver.WaitForTitle(window, "Chosen", kWait)) {
            failure = "no command came";
        }
    });
    EXPECT_EQ(command, kOpen);
    EXPECT_EQ(popupsPrepared, 1);
}

TEST_F(PresenterTest, TheCloseButtonAsksTheWindowToClose) {
    int closes = 0;
    frame.On(WM_CLOSE, [&](WPARAM, LPARAM) {
        ++closes;
        return DefWindowProc(frame.hwnd(), WM_CLOSE, 0, 0);
    });
    RunWhile([&](XDriver& driver, XDriver::XId window) {
        driver.Close(window);
        if (!driver.WaitUntilGone(window, kWait)) {
            failure = "the window stayed";
        }
    });
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(IsWindow(frame.hwnd()));
}

TEST_F(PresenterTest, AModalDialogShowsOverItsOwnerAndEndsWithTheUsersKey) {
    hb::win::SetStrictMode(false); // as the program runs: dialogs wait for the user
    const hb::afx::DialogTemplate options{
        .id = 900,
        .caption = "Scan Options",
        .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
        .cx = 160,
        .cy = 60,
        .controls = {{.id = IDOK,
                      .className = "Button",
                      .text = "OK",
                      .style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                      .x = 50,
                      .y = 36,
                      .cx = 50,
                      .cy = 14}}};
    int result = 0;
    frame.On(WM_COMMAND, [&](WPARAM, LPARAM) {
        CDialog dialog(&options, CWnd::FromHandle(frame.hwnd()));
        result = dialog.DoModal();
        SetWindowText(frame.hwnd(), "Dialog done");
        return LRESULT{0};
    });
    XDriver::XId owner = 0;
    RunWhile([&](XDriver& driver, XDriver::XId window) {
        driver.Click(window, 70, 35);
        const auto dialog = driver.FindWindow("Scan Options", kWait);
        if (!dialog) {
            failure = "no dialog";
            return;
        }
        owner = driver.TransientFor(*dialog);
        driver.WaitUntilPainted(*dialog, kWait);
        driver.Screenshot(*dialog, ArtefactPath("presenter-dialog.png"));
        driver.Press("Return");
        if (!driver.WaitForTitle(window, "Dialog done", kWait)) {
            failure = "the dialog did not end";
        }
        if (owner != window) {
            failure += "; the dialog is not over its owner";
        }
    });
    EXPECT_EQ(result, IDOK);
}

TEST_F(PresenterTest, TheWindowManagerIsGivenThePictureOfTheWindowsIcon) {
    const HICON icon = hb::win::CreateIconHandle(32, 32, 27000, "program");
    SendMessage(frame.hwnd(), WM_SETICON, ICON_BIG, hb::win::ParamFromHandle(icon));
    std::vector<int> sizes;
    RunWhile([&](XDriver& driver, XDriver::XId window) {
        sizes = driver.WaitForIconSizes(window, kWait);
    });
    EXPECT_EQ(sizes, (std::vector<int>{16, 32}));
    DestroyIcon(icon);
}

} // namespace

namespace {

TEST_F(PresenterTest, ATopmostWindowStaysOverWindowsShownAfterIt) {
    TestWindow mini;
    mini.Create({.style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
                 .rect = {160, 140, 360, 220},
                 .text = "Mini Status"});
    // Red, so that the screenshot shows which window lies over which.
    mini.On(WM_PAINT, [&](WPARAM, LPARAM) {
        PAINTSTRUCT ps;
        const HDC hdc = BeginPaint(mini.hwnd(), &ps);
        RECT client;
        GetClientRect(mini.hwnd(), &client);
        const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        FillRect(hdc, &client, red);
        DeleteObject(red);
        EndPaint(mini.hwnd(), &ps);
        return LRESULT{0};
    });
    SetWindowPos(mini.hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    TestWindow second;
    frame.On(WM_COMMAND, [&](WPARAM, LPARAM) {
        second.Create(
            {.style = WS_OVERLAPPEDWINDOW, .rect = {120, 100, 440, 300}, .text = "Radio 2"});
        ShowWindow(second.hwnd(), SW_SHOWNORMAL);
        return LRESULT{0};
    });
    const HWND hwnd = frame.hwnd();
    RunWhile([&](XDriver& driver, XDriver::XId window) {
        const auto over = driver.FindWindow("Mini Status", kWait);
        if (!over || !driver.WaitUntilAbove(*over, window, kWait)) {
            failure = "the topmost window is not over the main window";
            return;
        }
        PostMessage(hwnd, WM_COMMAND, 1, 0);
        const auto later = driver.FindWindow("Radio 2", kWait);
        if (!later || !driver.WaitUntilAbove(*over, *later, kWait)) {
            failure = "a window shown later covers the topmost one";
            return;
        }
        driver.WaitForPixel(*over, 5, 5, 0xFF0000, kWait);
        driver.Screenshot(*later, ArtefactPath("presenter-topmost.png"));
    });
}

} // namespace
