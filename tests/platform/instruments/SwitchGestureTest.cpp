#include "platform/instruments/CiLinearGaugeX.h"
#include "platform/instruments/CiModeComboBoxX.h"
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

namespace hb::instruments::test {
namespace {

TEST_F(InstrumentTest, AModeListStepsThroughItsEntriesAndAGaugeReportsItsClick) {
    const HWND list = CreateWindowEx(0, "TiModeComboBox", "", WS_CHILD | WS_VISIBLE, 0, 0, 80, 16,
                                     panel, 7003u, nullptr);
    CiModeComboBoxX modes;
    modes.Attach(list);
    EXPECT_TRUE(UserClick(list, 1, 0, 5, 5));
    EXPECT_TRUE(Dispids(panel).empty()) << "nothing to choose";
    modes.AddItem("2632 Hz", 2632);
    modes.AddItem("3750 Hz", 3750);
    UserClick(list, 1, 0, 5, 5);
    EXPECT_EQ(modes.GetItemIndex(), 0);
    UserClick(list, 1, 0, 5, 5);
    UserClick(list, 1, 0, 5, 5);
    EXPECT_EQ(modes.GetItemIndex(), 0) << "after the last, the first";
    EXPECT_EQ(Dispids(panel), (std::vector<long>{2, 2, 2}));
    modes.RemoveItem(0);
    EXPECT_EQ(modes.GetItemIndex(), -1);
    EXPECT_EQ(modes.GetItemText(0), "3750 Hz");
    modes.RemoveItem(5);
    EXPECT_EQ(modes.GetItemCount(), 1);
    modes.Detach();

    const HWND gaugeWindow = CreateWindowEx(0, "TiLinearGauge", "", WS_CHILD | WS_VISIBLE, 0, 20,
                                            80, 12, panel, 7004u, nullptr);
    CiLinearGaugeX gauge;
    gauge.Attach(gaugeWindow);
    gauge.SetPointersPosition(1, 40);
    gauge.SetPointersPosition(2, 90);
    EXPECT_DOUBLE_EQ(gauge.GetPointersPosition(1), 40);
    EXPECT_DOUBLE_EQ(gauge.GetPointersPosition(0), 0);
    UserClick(gaugeWindow, 1, 0, 5, 5);
    EXPECT_EQ(FiredEvents(panel).back().dispid, 5);
    gauge.Detach();
}

} // namespace
} // namespace hb::instruments::test
