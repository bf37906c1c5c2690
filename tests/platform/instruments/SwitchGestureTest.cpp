#include "platform/instruments/CiSliderX.h"
#include "platform/instruments/CiSwitchRotaryX.h"
#include "tests/platform/instruments/InstrumentTest.h"

namespace hb::instruments::test {
namespace {

std::vector<long> Dispids(HWND container) {
    std::vector<long> ids;
    for (const FiredEvent& fired : FiredEvents(container)) {
        ids.push_back(fired.dispid);
    }
    return ids;
}

TEST_F(InstrumentTest, ASliderFollowsTheMouseWithinItsRangeAndReportsTheMouseUp) {
    // 4 pixels are free at each end of the 100-pixel track of a 16-pixel-high slider.
    const HWND hwnd = CreateWindowEx(0, "TiSlider", "", WS_CHILD | WS_VISIBLE, 0, 0, 108, 16, panel,
                                     7001u, nullptr);
    CiSliderX slider;
    slider.Attach(hwnd);
    slider.SetPosition(10);
    EXPECT_TRUE(Dispids(panel).empty());

    EXPECT_TRUE(UserMouse(hwnd, MouseAction::Down, 1, 0, 54, 8));
    EXPECT_DOUBLE_EQ(slider.GetPosition(), 50);
    UserMouse(hwnd, MouseAction::Move, 1, 0, 300, 8);
    EXPECT_DOUBLE_EQ(slider.GetPosition(), 100);
    UserMouse(hwnd, MouseAction::Up, 1, 0, 300, 8);
    EXPECT_EQ(Dispids(panel), (std::vector<long>{4, 18, 9, 4, 18, 11}));
    EXPECT_EQ(GetCapture(), HWND{});

    slider.SetPositionMin(-127);
    slider.SetPositionMax(127);
    EXPECT_TRUE(UserSetPosition(hwnd, -300));
    EXPECT_DOUBLE_EQ(slider.GetPosition(), -127);
    EXPECT_TRUE(UserSetPosition(hwnd, -2.5));
    EXPECT_DOUBLE_EQ(slider.GetPosition(), -2.5);
    slider.Detach();
}

TEST_F(InstrumentTest, ARotarySwitchTurnsToItsNextPositionAndTakesOnlyWholeOnes) {
    const HWND hwnd = CreateWindowEx(0, "TiSwitchRotary", "", WS_CHILD | WS_VISIBLE, 0, 0, 40, 40,
                                     panel, 7002u, nullptr);
    CiSwitchRotaryX rotary;
    rotary.Attach(hwnd);
    rotary.SetPositionCount(3);
    EXPECT_TRUE(UserClick(hwnd, 1, 0, 20, 20));
    EXPECT_EQ(rotary.GetPosition(), 1);
    UserClick(hwnd, 1, 0, 20, 20);
    UserClick(hwnd, 1, 0, 20, 20);
    EXPECT_EQ(rotary.GetPosition(), 0);
    EXPECT_TRUE(UserSetPosition(hwnd, 1.6));
    EXPECT_EQ(rotary.GetPosition(), 2);
    UserSetPosition(hwnd, 9);
    EXPECT_EQ(rotary.GetPosition(), 2);
    std::vector<long> changes;
    for (long id : Dispids(panel)) {
        if (id == 1) {
            changes.push_back(id);
        }
    }
    EXPECT_EQ(changes.size(), 4u);
    rotary.Detach();
}

} // namespace
} // namespace hb::instruments::test
