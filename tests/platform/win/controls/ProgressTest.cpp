#include "ControlTest.h"

namespace {

using hb::win::DrawOp;

class ProgressTest : public ControlTest {};

TEST_F(ProgressTest, PositionsStayInTheRangeAndTheSettersReturnWhatWasBefore) {
    const HWND bar = Create(PROGRESS_CLASS, "", 0, 100, {10, 10, 210, 30});
    EXPECT_EQ(SendMessage(bar, PBM_GETRANGE, TRUE, 0), 0);
    EXPECT_EQ(SendMessage(bar, PBM_GETRANGE, FALSE, 0), 100);
    EXPECT_EQ(SendMessage(bar, PBM_SETPOS, 50, 0), 0);
    EXPECT_EQ(SendMessage(bar, PBM_SETPOS, 150, 0), 50);
    EXPECT_EQ(SendMessage(bar, PBM_GETPOS, 0, 0), 100);

    EXPECT_EQ(SendMessage(bar, PBM_SETRANGE, 0, MAKELPARAM(10, 20)), MAKELONG(0, 100));
    EXPECT_EQ(SendMessage(bar, PBM_GETPOS, 0, 0), 20);
    EXPECT_EQ(SendMessage(bar, PBM_SETRANGE32, static_cast<WPARAM>(-5), 5), MAKELONG(10, 20));
    PBRANGE range;
    EXPECT_EQ(SendMessage(bar, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range)), -5);
    EXPECT_EQ(range.iHigh, 5);
    EXPECT_EQ(SendMessage(bar, PBM_DELTAPOS, static_cast<WPARAM>(-20), 0), 5);
    EXPECT_EQ(SendMessage(bar, PBM_GETPOS, 0, 0), -5);

    // Stepping past the top starts again from the bottom.
    EXPECT_EQ(SendMessage(bar, PBM_SETSTEP, 4, 0), 10);
    SendMessage(bar, PBM_SETPOS, 3, 0);
    EXPECT_EQ(SendMessage(bar, PBM_STEPIT, 0, 0), 3);
    EXPECT_EQ(SendMessage(bar, PBM_GETPOS, 0, 0), -3);
}

TEST_F(ProgressTest, TheBarFillsItsShareInItsColour) {
    const HWND bar = Create(PROGRESS_CLASS, "", 0, 100, {10, 10, 212, 30});
    SendMessage(bar, PBM_SETPOS, 25, 0);
    EXPECT_EQ(SendMessage(bar, PBM_SETBARCOLOR, 0, RGB(0, 128, 0)), LRESULT(CLR_DEFAULT));
    const auto& list = Painted(bar);
    ASSERT_FALSE(list.empty());
    const auto& filled = list.back();
    EXPECT_EQ(filled.op, DrawOp::FillRect);
    EXPECT_EQ(filled.brush.color, RGB(0, 128, 0));
    EXPECT_EQ(filled.rect.left, 1); // inside the frame, a quarter of the 200 pixels
    EXPECT_EQ(filled.rect.right, 51);

    SendMessage(bar, PBM_SETPOS, 0, 0);
    EXPECT_NE(Painted(bar).back().brush.color, RGB(0, 128, 0));
}

} // namespace
