#include "radioview/FocusColorEdit.h"

#include "platform/afx/Afx.h"
#include "platform/testkit/PlatformTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

using hb::win::DrawOp;
using hb::win::DrawRecord;

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr UINT kKeypadField = 28031;
constexpr UINT kStepField = 27787;

// A panel holding the keypad field and a second field to move the focus to.
class FocusColorEditTest : public hb::testkit::PlatformTest {
protected:
    FocusColorEditTest() {
        panel.CreateEx(0, nullptr, "Panel", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 200, 100),
                       nullptr, 0);
        keypad = std::make_unique<CFocusColorEdit>();
        keypad->Create(WS_VISIBLE | WS_BORDER, CRect(10, 10, 110, 30), &panel, kKeypadField);
        step.Create(WS_VISIBLE | WS_BORDER, CRect(10, 40, 110, 60), &panel, kStepField);
    }

    // What the keypad field fills its background with when it is painted.
    COLORREF PaintedBackground() const {
        for (const auto& window : hb::win::PaintWindowTree(panel.m_hWnd)) {
            if (window.hwnd != keypad->m_hWnd) {
                continue;
            }
            const auto fill =
                std::find_if(window.list.begin(), window.list.end(), [](const DrawRecord& record) {
                    return record.op == DrawOp::FillRect;
                });
            if (fill != window.list.end()) {
                return fill->brush.color;
            }
        }
        ADD_FAILURE() << "the keypad field painted no background";
        return 0;
    }

    // The panel's answer when the keypad field asks for its colours, and the background colour
    // set on the DC.
    std::pair<HBRUSH, COLORREF> AskedColours() {
        CClientDC dc(keypad.get());
        const LRESULT brush = panel.SendMessage(WM_CTLCOLOREDIT, static_cast<WPARAM>(dc.m_hDC.id()),
                                                hb::win::ParamFromHwnd(*keypad));
        return {hb::win::HandleFromParam<HBRUSH>(static_cast<std::uintptr_t>(brush)),
                dc.GetBkColor()};
    }

    void Click(CWnd& field) {
        field.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        field.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        PumpUntilIdle();
    }

    CWnd panel;
    std::unique_ptr<CFocusColorEdit> keypad;
    CEdit step;
};

TEST_F(FocusColorEditTest, TheKeypadFieldIsWhiteWhileFocusedAndTheMenuColourOtherwise) {
    const COLORREF menu = GetSysColor(COLOR_MENU);
    ASSERT_NE(menu, kWhite);
    EXPECT_EQ(PaintedBackground(), menu);
    EXPECT_EQ(AskedColours().second, menu);

    Click(*keypad);
    ASSERT_EQ(::GetFocus(), keypad->m_hWnd);
    EXPECT_TRUE(keypad->IsFocused());
    EXPECT_EQ(PaintedBackground(), kWhite);
    EXPECT_EQ(AskedColours().second, kWhite);

    Click(step);
    EXPECT_FALSE(keypad->IsFocused());
    EXPECT_EQ(PaintedBackground(), menu);
    EXPECT_EQ(AskedColours().second, menu);
}

TEST_F(FocusColorEditTest, TheNormalColourIsTheMenuColourOfWhenTheFieldWasMade) {
    const COLORREF classicMenu = GetSysColor(COLOR_MENU);
    hb::win::SetSysColorForTest(COLOR_MENU, RGB(90, 0, 0));
    EXPECT_EQ(keypad->GetNormalColor(), classicMenu);
    EXPECT_EQ(PaintedBackground(), classicMenu);

    // A field made after the change takes the new colour; the focused one stays white.
    keypad = std::make_unique<CFocusColorEdit>();
    keypad->Create(WS_VISIBLE | WS_BORDER, CRect(10, 10, 110, 30), &panel, kKeypadField);
    EXPECT_EQ(PaintedBackground(), RGB(90, 0, 0));
    Click(*keypad);
    EXPECT_EQ(PaintedBackground(), kWhite);
}

TEST_F(FocusColorEditTest, EachStateAnswersWithItsOwnBrushAndTheFieldDeletesBoth) {
    const auto [normal, normalBk] = AskedColours();
    Click(*keypad);
    const auto [focused, focusedBk] = AskedColours();
    ASSERT_TRUE(normal);
    ASSERT_TRUE(focused);
    EXPECT_NE(normal, focused);
    // The same two brushes every time, not a new one per question.
    EXPECT_EQ(AskedColours().first, focused);
    Click(step);
    EXPECT_EQ(AskedColours().first, normal);

    keypad.reset();
    EXPECT_EQ(GetObjectType(normal), 0u);
    EXPECT_EQ(GetObjectType(focused), 0u);
}

} // namespace
