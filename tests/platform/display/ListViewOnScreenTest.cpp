// A report list with more rows and columns than fit, on a real X server (Xvfb): the wheel and a
// click on the horizontal bar scroll it, and the screenshot shows the bars and the headings moved
// along with the rows.
#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"
#include "platform/testkit/xdriver/Artefacts.h"
#include "platform/testkit/xdriver/ScreenSession.h"
#include "platform/testkit/xdriver/XDriver.h"
#include "platform/win/Windows.h"

#include <string>
#include <thread>
#include <vector>

namespace {

using hb::testkit::ArtefactPath;
using hb::testkit::TestWindow;
using hb::testkit::XDriver;
using namespace std::chrono_literals;

constexpr RECT kList{10, 10, 410, 250};
constexpr int kColumns = 9;
constexpr int kRows = 51;
constexpr unsigned kWheelDown = 5;

class ListViewOnScreenTest : public hb::testkit::PlatformTest {
protected:
    void SetUp() override { screen.Start(); }

    void TearDown() override {
        screen.Stop();
        PlatformTest::TearDown();
    }

    hb::testkit::ScreenSession screen;
};

HWND MakeList(HWND parent) {
    const HWND list =
        CreateWindowEx(WS_EX_CLIENTEDGE, WC_LISTVIEW, "",
                       WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL, kList.left, kList.top,
                       kList.right - kList.left, kList.bottom - kList.top, parent, 100, nullptr);
    SendMessage(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    for (int c = 0; c < kColumns; ++c) {
        std::string title = "Column " + std::to_string(c + 1);
        LVCOLUMN column;
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = title.data();
        column.cx = 90;
        SendMessage(list, LVM_INSERTCOLUMN, static_cast<WPARAM>(c),
                    reinterpret_cast<LPARAM>(&column));
    }
    for (int r = 0; r < kRows; ++r) {
        std::string text = "Row " + std::to_string(r + 1);
        LVITEM item;
        item.mask = LVIF_TEXT;
        item.iItem = r;
        item.pszText = text.data();
        SendMessage(list, LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&item));
        for (int c = 1; c < kColumns; ++c) {
            std::string cell = std::to_string(r + 1) + "." + std::to_string(c + 1);
            item.iSubItem = c;
            item.pszText = cell.data();
            SendMessage(list, LVM_SETITEMTEXT, static_cast<WPARAM>(r),
                        reinterpret_cast<LPARAM>(&item));
        }
    }
    return list;
}

TEST_F(ListViewOnScreenTest, TheWheelAndTheBarsBringHiddenRowsAndColumnsIntoView) {
    TestWindow frame;
    frame.Create(
        {.style = WS_OVERLAPPEDWINDOW, .rect = {100, 80, 520, 340}, .text = "List Scroll Test"});
    const HWND list = MakeList(frame.hwnd());
    LRESULT topRow = 0;
    frame.On(WM_DESTROY, [&](WPARAM, LPARAM) {
        topRow = SendMessage(list, LVM_GETTOPINDEX, 0, 0);
        PostQuitMessage(0);
        return LRESULT{0};
    });
    ShowWindow(frame.hwnd(), SW_SHOWNORMAL);

    std::string failure;
    const HWND top = frame.hwnd();
    std::thread user([&, top] {
        auto driver = XDriver::Connect(screen.name());
        const auto window = driver ? driver->FindWindow("List Scroll Test", 10s) : std::nullopt;
        if (!window || !driver->WaitUntilPainted(*window, 10s)) {
            failure = "the window never showed";
        } else {
            const unsigned width = kList.right - kList.left;
            const unsigned height = kList.bottom - kList.top;
            const auto changes = [&](const auto& act) {
                const auto before = driver->Pixels(*window, kList.left, kList.top, width, height);
                act();
                return driver->WaitUntilChanged(*window, kList.left, kList.top, width, height,
                                                before, 10s);
            };
            const int middleX = kList.left + 100;
            const int middleY = kList.top + 100;
            if (!changes([&] { driver->Click(*window, middleX, middleY, kWheelDown); })) {
                failure = "the wheel did not scroll the rows";
            }
            // Three more notches, then a click on the track right of the horizontal thumb.
            for (int notch = 0; notch < 3; ++notch) {
                driver->Click(*window, middleX, middleY, kWheelDown);
            }
            if (!changes([&] { driver->Click(*window, kList.right - 40, kList.bottom - 8); })) {
                failure += "; the bar did not scroll the columns";
            }
            driver->Screenshot(*window, ArtefactPath("list-scrolled.png"));
        }
        PostMessage(top, WM_CLOSE, 0, 0);
    });
    MSG msg;
    while (GetMessage(&msg, HWND{}, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
    user.join();
    EXPECT_EQ(failure, "");
    EXPECT_EQ(topRow, 12) << "four notches of three rows";
}

} // namespace
