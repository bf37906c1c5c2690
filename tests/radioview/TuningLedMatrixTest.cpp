#include "radioview/TuningLedMatrix.h"

#include "platform/afx/Afx.h"
#include "platform/afx/res/TemplateControls.h"
#include "platform/records/PrivateMessages.h"
#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

namespace {

constexpr UINT kStrip = 27802;
constexpr const char* kLedMatrixClass = "{A8B345A5-74B5-11D3-85C2-00105AC8B715}";
constexpr COLORREF kIdle = 0x8000FF;
constexpr COLORREF kPressed = 0xFFFFFF;

// A step as the receiver sees it: the weight, and lParam.
using Step = std::pair<WPARAM, LPARAM>;

LPARAM Flags(BYTE down, BYTE round) {
    return static_cast<LPARAM>((std::uint32_t{kStrip} << 16) | (std::uint32_t{down} << 8) | round);
}

LPARAM At(int column, int y = 5) {
    return MAKELPARAM(column * 16 + 7, y);
}

// The mini status panel's strip: eight columns of 16 pixels, and a front panel that takes steps.
class TuningLedMatrixTest : public hb::testkit::PlatformTest {
protected:
    TuningLedMatrixTest() {
        panel.CreateEx(0, nullptr, "panel", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 300, 60),
                       nullptr, 0);
        const hb::afx::DialogTemplate form{.id = 27366,
                                           .style = WS_CHILD,
                                           .cx = 200,
                                           .cy = 30,
                                           .controls = {{.id = kStrip,
                                                         .className = kLedMatrixClass,
                                                         .style = WS_VISIBLE,
                                                         .x = 4,
                                                         .y = 4,
                                                         .cx = 86,
                                                         .cy = 8}}};
        EXPECT_TRUE(hb::afx::CreateTemplateControls(panel, form));
        EXPECT_TRUE(strip.SubclassDlgItem(kStrip, &panel));
        front.Create({.text = "front panel"});
        front.On(WM_TUNE_DIGIT_STEP, [](WPARAM, LPARAM) { return LRESULT{0}; });
    }

    std::vector<Step> Steps() const {
        std::vector<Step> steps;
        for (const MSG& msg : front.Messages()) {
            if (msg.message == WM_TUNE_DIGIT_STEP) {
                steps.emplace_back(msg.wParam, msg.lParam);
            }
        }
        return steps;
    }

    void Mouse(UINT message, WPARAM keys, LPARAM at) { strip.SendMessage(message, keys, at); }

    CWnd panel;
    CTuningLedMatrix strip;
    hb::testkit::TestWindow front;
};

TEST_F(TuningLedMatrixTest, HoldingTheLeftButtonStepsDownAtOnceAndEveryQuarterSecondUntilRelease) {
    strip.Init(CWnd::FromHandle(front.hwnd()), 0, 4);
    EXPECT_EQ(strip.GetIndicatorActiveColor(), kIdle);

    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, At(3));
    const Step megahertzDown{1000000, Flags(0xFF, 0)};
    EXPECT_EQ(Steps(), std::vector<Step>{megahertzDown});
    EXPECT_TRUE(strip.GetIndicatorActive(0, 3));
    EXPECT_EQ(strip.GetIndicatorActiveColor(), kPressed);
    EXPECT_EQ(GetCapture(), strip.m_hWnd);

    AdvanceAndPump(249);
    EXPECT_EQ(Steps().size(), 1u);
    AdvanceAndPump(1);
    AdvanceAndPump(500);
    EXPECT_EQ(Steps(), std::vector<Step>(4, megahertzDown));

    Mouse(WM_LBUTTONUP, 0, At(3));
    EXPECT_FALSE(strip.GetIndicatorActive(0, 3));
    EXPECT_EQ(strip.GetIndicatorActiveColor(), kIdle);
    EXPECT_FALSE(GetCapture());
    AdvanceAndPump(1000);
    EXPECT_EQ(Steps().size(), 4u);
}

TEST_F(TuningLedMatrixTest, TheRightButtonStepsUpAndShiftAsksForRounding) {
    strip.Init(CWnd::FromHandle(front.hwnd()), 0, 3);
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, At(5));
    Mouse(WM_LBUTTONUP, 0, At(5));
    Mouse(WM_RBUTTONDOWN, MK_RBUTTON, At(7));
    Mouse(WM_RBUTTONUP, 0, At(7));
    Mouse(WM_RBUTTONDBLCLK, MK_RBUTTON | MK_SHIFT, At(0));
    Mouse(WM_RBUTTONUP, 0, At(0));
    const std::vector<Step> expected{
        {100, Flags(0xFF, 0xFF)}, {1, Flags(0, 0)}, {10000000, Flags(0, 0xFF)}};
    EXPECT_EQ(Steps(), expected);
}

TEST_F(TuningLedMatrixTest, NothingIsSentWithoutInitOrWithAModeThatHasNoWeights) {
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, At(2));
    EXPECT_TRUE(strip.GetIndicatorActive(0, 2)) << "the strip still lights";
    AdvanceAndPump(1000);
    Mouse(WM_LBUTTONUP, 0, At(2));

    strip.Init(CWnd::FromHandle(front.hwnd()), 7, 5);
    EXPECT_EQ(strip.spare, 7u);
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, At(2));
    AdvanceAndPump(1000);
    Mouse(WM_LBUTTONUP, 0, At(2));

    strip.digitMode = 4;
    strip.column = 0xFF;
    strip.SendStep();
    EXPECT_TRUE(Steps().empty());
}

TEST_F(TuningLedMatrixTest, HoverMovesTheLightAndLeavingTheStripEndsTracking) {
    strip.Init(CWnd::FromHandle(front.hwnd()), 0, 4);
    Mouse(WM_MOUSEMOVE, 0, At(2));
    EXPECT_TRUE(strip.GetIndicatorActive(0, 2));
    EXPECT_EQ(GetCapture(), strip.m_hWnd);
    EXPECT_TRUE(Steps().empty()) << "hovering sends nothing";

    // Held, then dragged to column 4: the repeats follow the column under the mouse.
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, At(2));
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, At(4));
    EXPECT_FALSE(strip.GetIndicatorActive(0, 2));
    EXPECT_TRUE(strip.GetIndicatorActive(0, 4));
    AdvanceAndPump(250);
    const std::vector<Step> expected{{10000000, Flags(0xFF, 0)}, {100000, Flags(0xFF, 0)}};
    EXPECT_EQ(Steps(), expected);

    // Below the strip: a release.
    Mouse(WM_MOUSEMOVE, MK_LBUTTON, At(4, 40));
    EXPECT_FALSE(strip.GetIndicatorActive(0, 4));
    EXPECT_FALSE(GetCapture());
    AdvanceAndPump(1000);
    EXPECT_EQ(Steps().size(), 2u);
}

TEST_F(TuningLedMatrixTest, APressBeyondTheEighthColumnIsIgnored) {
    strip.Init(CWnd::FromHandle(front.hwnd()), 0, 4);
    strip.SetWindowPos(nullptr, 0, 0, 200, 13, SWP_NOMOVE | SWP_NOZORDER);
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, At(9));
    AdvanceAndPump(500);
    EXPECT_TRUE(Steps().empty());
    EXPECT_EQ(strip.column, 0xFF);
}

} // namespace
