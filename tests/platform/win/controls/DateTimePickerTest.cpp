#include "ControlTest.h"
#include "platform/win/controls/DateTimePick.h"
#include "platform/win/core/Keys.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using hb::win::DrawOp;

constexpr UINT kId = 28624;

class DateTimePickerTest : public ControlTest {
protected:
    DateTimePickerTest() {
        parent.On(WM_NOTIFY, [this](WPARAM, LPARAM lParam) -> LRESULT {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            EXPECT_EQ(header->code, DTN_CLOSEUP);
            SYSTEMTIME now{};
            SendMessage(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&now));
            if (header->hwndFrom == picker) {
                closings.push_back({header->code, now.wMonth, now.wDay});
            }
            return 0;
        });
        picker = Create(DATETIMEPICK_CLASS, "", 0, kId, {10, 10, 110, 32});
        SYSTEMTIME march{.wYear = 2026, .wMonth = 3, .wDay = 5, .wHour = 14, .wMinute = 20};
        SendMessage(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&march));
    }

    SYSTEMTIME Time() const {
        SYSTEMTIME time{};
        SendMessage(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
        return time;
    }

    void ClickDay(int day) {
        const POINT at = hb::win::DatePickerDayPoint(picker, day);
        Click(picker, at.x, at.y);
    }

    struct Closing {
        UINT code;
        WORD month;
        WORD day;
        bool operator==(const Closing&) const = default;
    };
    std::vector<Closing> closings;
    HWND picker{};
};

TEST_F(DateTimePickerTest, AClickDropsTheCalendarAndADayTakesThatDayAndClosesIt) {
    EXPECT_EQ(DrawnTexts(Painted(picker)), std::vector<std::string>{"3/5/2026"});
    Click(picker);
    ASSERT_TRUE(hb::win::DatePickerDropped(picker));
    RECT open{};
    GetClientRect(picker, &open);
    EXPECT_GT(open.bottom, 22) << "the calendar shows below the field";
    const std::vector<std::string> shown = DrawnTexts(Painted(picker));
    EXPECT_NE(std::find(shown.begin(), shown.end(), "March 2026"), shown.end());
    EXPECT_NE(std::find(shown.begin(), shown.end(), "31"), shown.end());
    EXPECT_TRUE(closings.empty());

    ClickDay(7);
    EXPECT_FALSE(hb::win::DatePickerDropped(picker));
    EXPECT_EQ(closings, (std::vector<Closing>{{DTN_CLOSEUP, 3, 7}})) << "the day is set first";
    const SYSTEMTIME chosen = Time();
    EXPECT_EQ(chosen.wYear, 2026);
    EXPECT_EQ(chosen.wHour, 14) << "the time of day stays";
    EXPECT_EQ(chosen.wMinute, 20);
    EXPECT_EQ(chosen.wDayOfWeek, 6) << "a Saturday";
    RECT closed{};
    GetClientRect(picker, &closed);
    EXPECT_EQ(closed.bottom, 22);
    EXPECT_EQ(closed.right, 100);
}

TEST_F(DateTimePickerTest, TheTitleArrowsChangeTheMonthShownAndKeysCloseAsItIs) {
    Click(picker);
    const RECT field{0, 0, 100, 22};
    // The left arrow sits at the title's left end, the right one at its right end.
    Click(picker, 4, field.bottom + 5);
    Click(picker, 4, field.bottom + 5);
    EXPECT_EQ(DrawnTexts(Painted(picker))[1], "January 2026");
    ClickDay(31);
    EXPECT_EQ(closings, (std::vector<Closing>{{DTN_CLOSEUP, 1, 31}}));
    Click(picker);
    SendMessage(picker, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(hb::win::DatePickerDropped(picker));
    SendMessage(picker, WM_KEYDOWN, VK_F4, 0);
    EXPECT_TRUE(hb::win::DatePickerDropped(picker));
    SendMessage(picker, WM_KILLFOCUS, 0, 0);
    EXPECT_FALSE(hb::win::DatePickerDropped(picker));
    EXPECT_EQ(closings, (std::vector<Closing>{
                            {DTN_CLOSEUP, 1, 31}, {DTN_CLOSEUP, 1, 31}, {DTN_CLOSEUP, 1, 31}}))
        << "closing without a day keeps the date";
}

TEST_F(DateTimePickerTest, NearTheRightEdgeTheCalendarOpensLeftwardsAboveItsNeighbours) {
    const HWND right = Create(DATETIMEPICK_CLASS, "", 0, kId + 1, {300, 10, 390, 32});
    const HWND below = Create("Button", "Below", BS_PUSHBUTTON, 1, {300, 40, 390, 60});
    const auto order = [this] {
        std::vector<HWND> children;
        for (HWND child = GetWindow(parent.hwnd(), GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            children.push_back(child);
        }
        return children;
    };
    const std::vector<HWND> before = order();
    const auto placed = [right] {
        RECT rect{};
        GetWindowRect(right, &rect);
        MapWindowPoints(HWND{}, GetParent(right), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    };
    SendMessage(right, WM_KEYDOWN, VK_F4, 0);
    ASSERT_TRUE(hb::win::DatePickerDropped(right));
    RECT client{};
    GetClientRect(parent.hwnd(), &client);
    EXPECT_EQ(placed().right, client.right) << "the calendar stays inside the parent";
    EXPECT_EQ(order().back(), right) << "above the button it covers";
    // The field keeps its place: a click on it closes the calendar.
    Click(right, 300 - placed().left + 5, 5);
    EXPECT_FALSE(hb::win::DatePickerDropped(right));
    EXPECT_EQ(placed().left, 300);
    EXPECT_EQ(placed().right, 390);
    EXPECT_EQ(order(), before) << "the tab order is as it was";
    EXPECT_TRUE(IsWindow(below));
}

TEST_F(DateTimePickerTest, TheCalendarTitleTakesTheColourSetForIt) {
    EXPECT_EQ(SendMessage(picker, DTM_SETMCCOLOR, MCSC_TITLEBK, 0x00C000),
              static_cast<LRESULT>(CLR_DEFAULT));
    EXPECT_EQ(SendMessage(picker, DTM_GETMCCOLOR, MCSC_TITLEBK, 0), 0x00C000);
    Click(picker);
    const hb::win::DisplayList& list = Painted(picker);
    EXPECT_NE(std::find_if(list.begin(), list.end(),
                           [](const auto& record) {
                               return record.op == DrawOp::FillRect &&
                                      record.brush.color == 0x00C000;
                           }),
              list.end());
    SYSTEMTIME bad{.wYear = 2026, .wMonth = 2, .wDay = 30};
    EXPECT_FALSE(SendMessage(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&bad)));
}

} // namespace
