#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"
#include "platform/toolkit/Toolkit.h"

#include <vector>

namespace hb::toolkit::test {
namespace {

constexpr UINT kTabsId = 28507;

class TabControlTest : public hb::testkit::PlatformTest {
protected:
    TabControlTest() {
        // The parent answers each notification with `veto` for TCN_SELCHANGING.
        parent.On(WM_NOTIFY, [this](WPARAM, LPARAM lParam) -> LRESULT {
            const UINT code = reinterpret_cast<const NMHDR*>(lParam)->code;
            notifications.push_back(code);
            return code == TCN_SELCHANGING ? veto : 0;
        });
        parent.Create({.style = WS_OVERLAPPED | WS_VISIBLE, .rect = {0, 0, 400, 300}});
        EXPECT_TRUE(tabs.Create(0x56000000, CRect(0, 0, 400, 300), CWnd::FromHandle(parent.hwnd()),
                                kTabsId));
        for (const char* caption : {"Scan List", "History", "Audio"}) {
            const HWND page = CreateWindowEx(0, "Static", caption, WS_CHILD | WS_VISIBLE, 0, 0, 10,
                                             10, tabs.m_hWnd, 1, nullptr);
            pages.push_back(page);
            tabs.InsertItem(tabs.GetItemCount(), caption, page);
        }
    }

    std::vector<bool> Shown() const {
        std::vector<bool> shown;
        for (const HWND page : pages) {
            shown.push_back(IsWindowVisible(page) != FALSE);
        }
        return shown;
    }

    void ClickTab(int index) {
        const CPoint at = tabs.GetItem(index)->GetRect().CenterPoint();
        tabs.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(at.x, at.y));
    }

    std::vector<UINT> notifications;
    LRESULT veto = 0;
    hb::testkit::TestWindow parent;
    CXTPTabControl tabs;
    std::vector<HWND> pages;
};

TEST_F(TabControlTest, TheSelectedTabsWindowFillsThePageAreaAndTheOthersHide) {
    EXPECT_EQ(tabs.GetCurSel(), 0);
    EXPECT_EQ(Shown(), (std::vector<bool>{true, false, false}));
    CRect page;
    GetWindowRect(pages[0], &page);
    tabs.ScreenToClient(&page);
    EXPECT_EQ(page, tabs.GetPageRect());
    EXPECT_GT(page.top, 0);

    tabs.SetCurSel(2);
    EXPECT_EQ(Shown(), (std::vector<bool>{false, false, true}));
    for (const int outside : {-1, 3, 99}) {
        tabs.SetCurSel(outside);
        EXPECT_EQ(tabs.GetCurSel(), 2);
    }
    EXPECT_EQ(tabs.GetItem(3), nullptr);
    EXPECT_EQ(tabs.GetItem(1)->GetHandle(), pages[1]);
    tabs.GetItem(1)->SetCaption("Hits");
    EXPECT_EQ(tabs.GetItem(1)->GetCaption(), "Hits");
    // Programmatic selection tells the parent nothing.
    EXPECT_TRUE(notifications.empty());
}

TEST_F(TabControlTest, DeletingTabsLeavesTheirWindowsAliveAndPassesTheSelectionOn) {
    tabs.SetCurSel(1);
    tabs.DeleteItem(1);
    EXPECT_TRUE(IsWindow(pages[1]));
    EXPECT_EQ(tabs.GetItemCount(), 2);
    EXPECT_EQ(tabs.GetSelectedItem()->GetHandle(), pages[2]);
    EXPECT_TRUE(IsWindowVisible(pages[2]));

    tabs.DeleteItem(1);
    EXPECT_EQ(tabs.GetCurSel(), 0);
    EXPECT_TRUE(IsWindowVisible(pages[0]));
    tabs.DeleteItem(5);
    EXPECT_EQ(tabs.GetItemCount(), 1);
    tabs.DeleteAllItems();
    EXPECT_EQ(tabs.GetCurSel(), -1);
    EXPECT_EQ(tabs.GetSelectedItem(), nullptr);
    for (const HWND page : pages) {
        EXPECT_TRUE(IsWindow(page));
    }

    // Inserting before the selection keeps the same tab selected.
    tabs.InsertItem(0, "Scan List", pages[0]);
    tabs.InsertItem(0, "Radio", pages[1]);
    EXPECT_EQ(tabs.GetSelectedItem()->GetHandle(), pages[0]);
    EXPECT_FALSE(IsWindowVisible(pages[1]));
}

TEST_F(TabControlTest, AClickAsksTheParentFirstAndThenTellsIt) {
    ClickTab(1);
    EXPECT_EQ(tabs.GetCurSel(), 1);
    EXPECT_EQ(notifications, (std::vector<UINT>{TCN_SELCHANGING, TCN_SELCHANGE}));
    // Clicking the selected tab changes nothing.
    ClickTab(1);
    EXPECT_EQ(notifications.size(), 2u);

    // A parent that refuses keeps the selection.
    veto = 1;
    ClickTab(2);
    EXPECT_EQ(tabs.GetCurSel(), 1);
    EXPECT_EQ(notifications.size(), 3u);
}

TEST_F(TabControlTest, TheTabsAreDrawnWithTheSelectedCaptionInBold) {
    tabs.GetPaintManager()->m_bBoldSelected = TRUE;
    tabs.GetPaintManager()->SetAppearance(9);
    tabs.Reposition();
    std::vector<std::pair<std::string, LONG>> captions;
    InvalidateRect(tabs.m_hWnd, nullptr, TRUE);
    UpdateWindow(tabs.m_hWnd);
    for (const auto& record : hb::win::LastPaint(tabs.m_hWnd)) {
        if (record.op == hb::win::DrawOp::DrawText) {
            captions.emplace_back(record.text, record.state.font.weight);
        }
    }
    ASSERT_EQ(captions.size(), 3u);
    EXPECT_EQ(captions[0], (std::pair<std::string, LONG>{"Scan List", FW_BOLD}));
    EXPECT_NE(captions[1].second, FW_BOLD);
    EXPECT_EQ(tabs.GetPaintManager()->GetAppearance(), 9);
}

} // namespace
} // namespace hb::toolkit::test
