#include "ControlTest.h"

using hb::win::DrawOp;
using hb::win::ParamFromHandle;

namespace {

class StaticTest : public ControlTest {};

TEST_F(StaticTest, SetIconHandsBackThePreviousIconAndDrawsTheNewOne) {
    const HWND icon = Create("Static", "", SS_ICON, 50, {0, 0, 32, 32});
    const HICON wizard = hb::win::CreateIconHandle(32, 32, 27060);
    const HICON other = hb::win::CreateIconHandle(32, 32, 27061);
    EXPECT_EQ(Painted(icon).size(), 1u); // no icon yet: the background only
    EXPECT_EQ(SendMessage(icon, STM_SETICON, wizard.id(), 0), 0);
    EXPECT_EQ(SendMessage(icon, STM_SETICON, other.id(), 0), ParamFromHandle(wizard));
    EXPECT_EQ(SendMessage(icon, STM_GETICON, 0, 0), ParamFromHandle(other));
    const auto& list = Painted(icon);
    ASSERT_EQ(OpsOf(list), (std::vector{DrawOp::FillRect, DrawOp::DrawIcon}));
    EXPECT_EQ(list[1].image.resourceId, 27061u);
}

TEST_F(StaticTest, OnlyANotifyingLabelReportsClicks) {
    const HWND quiet = Create("Static", "Signal", SS_LEFT, 60);
    const HWND notifying = Create("Static", "Signal", SS_NOTIFY, 61);
    Click(quiet);
    Click(notifying);
    EXPECT_TRUE(Notes(60).empty());
    EXPECT_EQ(Notes(61), std::vector<UINT>{STN_CLICKED});
    EnableWindow(notifying, FALSE);
    Click(notifying);
    EXPECT_EQ(Notes(61).size(), 1u);
}

TEST_F(StaticTest, TextIsDrawnWrappedInItsAlignmentAndFollowsSetText) {
    const HWND label = Create("Static", "Left", SS_CENTER, 70);
    SetWindowText(label, "Centred");
    const auto& list = Painted(label);
    ASSERT_EQ(OpsOf(list), (std::vector{DrawOp::FillRect, DrawOp::DrawText}));
    EXPECT_EQ(list[1].text, "Centred");
    EXPECT_EQ(list[1].flags, DT_CENTER | DT_WORDBREAK);
    EXPECT_EQ(list[1].state.font.handle, HFONT(GetStockObject(DEFAULT_GUI_FONT)));
    EXPECT_EQ(list[1].state.bkMode, TRANSPARENT);
}

} // namespace
