#include "platform/instruments/CiSwitchSliderX.h"
#include "platform/win/gdi/TextMetrics.h"
#include "tests/platform/instruments/InstrumentTest.h"

#include <string>
#include <vector>

namespace hb::instruments::test {
namespace {

using hb::win::DisplayList;
using hb::win::DrawOp;
using hb::win::DrawRecord;

constexpr COLORREF kPointer = 0x123456;

class SwitchSliderTest : public InstrumentTest {
protected:
    // A switch of the size the trunk panels give theirs, or an upright one.
    CiSwitchSliderX& Make(int cx, int cy, long positions) {
        const HWND hwnd = CreateWindowEx(0, "TiSwitchSlider", "", WS_CHILD | WS_VISIBLE, 0, 0, cx,
                                         cy, panel, 7010u, nullptr);
        slider.Attach(hwnd);
        slider.SetPositionCount(positions);
        slider.SetProperty(switchSlider::kPointerColor, std::int64_t{kPointer});
        return slider;
    }
    void TearDown() override {
        slider.Detach();
        InstrumentTest::TearDown();
    }
    // The pointer's box as painted now.
    RECT Pointer() {
        for (const DrawRecord& r : Repaint(slider.m_hWnd)) {
            if (r.op == DrawOp::FillRect && r.brush.color == kPointer) {
                return r.rect;
            }
        }
        ADD_FAILURE() << "no pointer painted";
        return {};
    }
    std::vector<long> Fired() {
        std::vector<long> ids;
        for (const FiredEvent& fired : FiredEvents(panel)) {
            ids.push_back(fired.dispid);
        }
        return ids;
    }

    CiSwitchSliderX slider;
};

TEST_F(SwitchSliderTest, EachPositionKeepsItsOwnCaptionAndOnlyPositionsTheSwitchHas) {
    Make(60, 21, 3);
    slider.SetPositionCaption(2, "Srch");
    slider.SetPositionCaption(0, "None");
    slider.SetPositionCaption(3, "Plus");
    slider.SetPositionCaption(-1, "Plus");
    slider.SetPositionCaption(1, "To\nne");
    EXPECT_EQ(std::string(slider.GetPositionCaption(0).GetString()), "None");
    EXPECT_EQ(std::string(slider.GetPositionCaption(1).GetString()), "To ne");
    EXPECT_EQ(std::string(slider.GetPositionCaption(2).GetString()), "Srch");
    EXPECT_EQ(slider.GetPositionCaption(3).GetLength(), 0);
    slider.SetPositionCaption(1, nullptr);
    EXPECT_EQ(slider.GetPositionCaption(1).GetLength(), 0);
    EXPECT_EQ(std::string(slider.GetPositionCaption(2).GetString()), "Srch");
}

TEST_F(SwitchSliderTest, CaptionsShowWholeWithinTheSwitchAndThePointerStandsAtThePosition) {
    for (const auto& [cx, cy] : {std::pair{60, 21}, std::pair{150, 33}, std::pair{30, 60}}) {
        SCOPED_TRACE(cx);
        Make(cx, cy, 3);
        const std::vector<std::string> captions{"None", "Tone", "Srch"};
        for (long n = 0; n < 3; ++n) {
            slider.SetPositionCaption(n, captions[static_cast<std::size_t>(n)].c_str());
        }
        std::vector<std::string> shown;
        for (const DrawRecord& r : Repaint(slider.m_hWnd)) {
            if (r.op != DrawOp::DrawText) {
                continue;
            }
            shown.push_back(r.text);
            const SIZE size = hb::win::MeasureText(r.state.font, r.text);
            EXPECT_LE(size.cx, r.rect.right - r.rect.left) << r.text;
            EXPECT_GE(r.rect.left, 0);
            EXPECT_LE(r.rect.right, cx);
            EXPECT_LE(r.rect.top + size.cy, cy) << r.text;
        }
        EXPECT_EQ(shown, captions);
        // The pointer moves along the switch's long side and stays inside it.
        const bool across = cx >= cy;
        long last = -1;
        for (long n = 0; n < 3; ++n) {
            slider.SetPosition(n);
            const RECT pointer = Pointer();
            EXPECT_GE(pointer.left, 0);
            EXPECT_GE(pointer.top, 0);
            EXPECT_LE(pointer.right, cx);
            EXPECT_LE(pointer.bottom, cy);
            const long at = across ? pointer.left : pointer.top;
            EXPECT_GT(at, last) << n;
            last = at;
        }
        slider.DestroyWindow();
        slider.Detach();
    }
}

TEST_F(SwitchSliderTest, AClickMovesThePointerToTheNearestPositionAndReportsTheChange) {
    Make(90, 21, 3);
    slider.SetPositionCaption(0, "Off");
    EXPECT_TRUE(UserClick(slider.m_hWnd, 1, 0, 85, 5));
    EXPECT_EQ(slider.GetPosition(), 2);
    UserClick(slider.m_hWnd, 1, 0, 47, 18);
    EXPECT_EQ(slider.GetPosition(), 1);
    // A click on the position it has already changes nothing.
    UserClick(slider.m_hWnd, 1, 0, 40, 5);
    UserClick(slider.m_hWnd, 1, 0, 0, 5);
    EXPECT_EQ(slider.GetPosition(), 0);
    std::vector<long> changes;
    for (long id : Fired()) {
        if (id == 1 || id == 4) {
            changes.push_back(id);
        }
    }
    EXPECT_EQ(changes, (std::vector<long>{1, 4, 1, 4, 1, 4}));
}

TEST_F(SwitchSliderTest, AnUprightSwitchTakesItsPositionsFromTopToBottom) {
    Make(20, 60, 3);
    UserClick(slider.m_hWnd, 1, 0, 10, 58);
    EXPECT_EQ(slider.GetPosition(), 2);
    UserClick(slider.m_hWnd, 1, 0, 10, 1);
    EXPECT_EQ(slider.GetPosition(), 0);
}

} // namespace
} // namespace hb::instruments::test
