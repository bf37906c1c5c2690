// The LED matrix: a grid of lamps whose cells are lit, coloured and captioned one by one, and a
// click that names the cell under the mouse.
#include "platform/instruments/EventLog.h"
#include "platform/instruments/Gestures.h"
#include "tests/platform/instruments/InstrumentTest.h"

#include <cstdint>

namespace hb::instruments::test {
namespace {

using hb::win::DrawOp;
using hb::win::DrawRecord;

constexpr UINT kId = 27802;
constexpr const char* kLedMatrixClass = "{A8B345A5-74B5-11D3-85C2-00105AC8B715}";
constexpr COLORREF kUnlit = 0x004000;

class LedMatrixTest : public InstrumentTest {
protected:
    LedMatrixTest() {
        // 8 columns of 16 pixels, 2 rows of 13.
        const hb::afx::DialogTemplate form{
            .id = 27366,
            .style = WS_CHILD,
            .cx = 200,
            .cy = 40,
            .controls = {Instrument(kId, kLedMatrixClass, 0, 0, 86, 16,
                                    {{ledMatrix::kRowCount, 2}, {ledMatrix::kColCount, 8}})}};
        EXPECT_TRUE(hb::afx::CreateTemplateControls(panel, form));
        EXPECT_TRUE(matrix.SubclassDlgItem(kId, &panel));
    }

    // The lamps filled in a colour.
    std::vector<RECT> Lamps(COLORREF color) {
        std::vector<RECT> lamps;
        for (const DrawRecord& record : Repaint(matrix)) {
            if (record.op == DrawOp::FillRect && record.brush.color == color &&
                record.rect.right - record.rect.left < 20) {
                lamps.push_back(record.rect);
            }
        }
        return lamps;
    }

    CiLedMatrixX matrix;
};

TEST_F(LedMatrixTest, CellsAreLitColouredAndCaptionedOneByOne) {
    EXPECT_EQ(matrix.GetRowCount(), 2);
    EXPECT_EQ(matrix.GetColCount(), 8);
    EXPECT_EQ(Lamps(kUnlit).size(), 16u);

    matrix.SetIndicatorActiveColor(0x8000FF);
    matrix.SetIndicatorActive(0, 3, TRUE);
    matrix.SetIndicatorActive(1, 7, TRUE);
    matrix.SetIndicatorColor(1, 7, 0x0000FF);
    matrix.SetIndicatorCaption(1, 7, "V5");
    EXPECT_TRUE(matrix.GetIndicatorActive(0, 3));
    EXPECT_FALSE(matrix.GetIndicatorActive(0, 4));
    EXPECT_EQ(matrix.GetIndicatorColor(0, 3), 0x8000FFu);
    EXPECT_EQ(matrix.GetIndicatorColor(1, 7), 0x0000FFu);
    EXPECT_EQ(matrix.GetIndicatorCaption(1, 7), "V5");

    // Column 3 of the top row, and the last cell of the bottom row.
    const std::vector<RECT> shared = Lamps(0x8000FF);
    ASSERT_EQ(shared.size(), 1u);
    EXPECT_EQ(shared[0].left, 49);
    EXPECT_EQ(shared[0].top, 1);
    const std::vector<RECT> own = Lamps(0x0000FF);
    ASSERT_EQ(own.size(), 1u);
    EXPECT_EQ(own[0].top, 14);
    EXPECT_EQ(Lamps(kUnlit).size(), 14u);
    bool captioned = false;
    for (const DrawRecord& record : Repaint(matrix)) {
        captioned = captioned || (record.op == DrawOp::DrawText && record.text == "V5");
    }
    EXPECT_TRUE(captioned);

    matrix.SetIndicatorActive(0, 3, FALSE);
    EXPECT_TRUE(Lamps(0x8000FF).empty());
}

TEST_F(LedMatrixTest, CellsOutsideTheGridReadAsUnlitAndTakeNothing) {
    matrix.SetIndicatorActive(2, 0, TRUE);
    matrix.SetIndicatorActive(0, 8, TRUE);
    matrix.SetIndicatorActive(0, 0xFF, TRUE);
    matrix.SetIndicatorActive(-1, 0, TRUE);
    EXPECT_FALSE(matrix.GetIndicatorActive(2, 0));
    EXPECT_FALSE(matrix.GetIndicatorActive(0, 8));
    EXPECT_EQ(matrix.GetIndicatorCaption(0, 0xFF), "");
    EXPECT_EQ(Lamps(kUnlit).size(), 16u);

    // A cell beyond a narrowed grid is out of reach, and keeps its state for when it grows again.
    matrix.SetIndicatorActive(0, 1, TRUE);
    matrix.SetColCount(1);
    EXPECT_FALSE(matrix.GetIndicatorActive(0, 1));
    matrix.SetColCount(8);
    EXPECT_TRUE(matrix.GetIndicatorActive(0, 1));
}

TEST_F(LedMatrixTest, AClickNamesTheRowAndColumnUnderTheMouse) {
    EXPECT_TRUE(UserClick(matrix, 1, 0, 5 * 16 + 3, 14));
    EXPECT_TRUE(UserClick(matrix, 2, 1, 0, 0));
    std::vector<std::vector<hb::afx::EventArg>> clicks;
    for (const FiredEvent& event : FiredEvents(panel)) {
        if (event.dispid == 1) {
            EXPECT_EQ(event.controlId, kId);
            clicks.push_back(event.args);
        }
    }
    const std::vector<std::vector<hb::afx::EventArg>> expected{{std::int16_t{1}, std::int16_t{5}},
                                                               {std::int16_t{0}, std::int16_t{0}}};
    EXPECT_EQ(clicks, expected);
    // Clicks change no cell: the container decides what a click means.
    EXPECT_FALSE(matrix.GetIndicatorActive(1, 5));
}

} // namespace
} // namespace hb::instruments::test
