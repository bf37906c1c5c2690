// The dot-matrix character display: made from a form, and drawn as lit and unlit dots.
#include "tests/platform/instruments/InstrumentTest.h"

#include <algorithm>
#include <cstdint>

namespace hb::instruments::test {
namespace {

using hb::win::DisplayList;
using hb::win::DrawOp;
using hb::win::DrawRecord;

constexpr UINT kId = 28777;
constexpr COLORREF kLit = 0x00FF00;
constexpr COLORREF kUnlit = 0x183018;

class LcdMatrixTest : public InstrumentTest {
protected:
    LcdMatrixTest() {
        const hb::afx::DialogTemplate form{
            .id = 27351,
            .style = WS_CHILD,
            .cx = 200,
            .cy = 30,
            .controls = {Instrument(
                kId, kLcdMatrixClass, 0, 80, 160, 16,
                {{lcdMatrix::kColumnCount, 12}, {lcdMatrix::kText, std::string("ID 1-10-021")}})}};
        EXPECT_TRUE(hb::afx::CreateTemplateControls(panel, form));
        EXPECT_TRUE(lcd.SubclassDlgItem(kId, &panel));
    }

    // The dots drawn in a colour.
    std::vector<RECT> Dots(COLORREF color) {
        std::vector<RECT> dots;
        for (const DrawRecord& record : Repaint(lcd)) {
            if (record.op == DrawOp::FillRect && record.brush.color == color) {
                dots.push_back(record.rect);
            }
        }
        return dots;
    }

    std::size_t LitFor(const char* text, long columns) {
        lcd.SetColumnCount(columns);
        lcd.SetText(text);
        return Dots(kLit).size();
    }

    CiLCDMatrixX lcd;
};

TEST_F(LcdMatrixTest, AFormMakesTheDisplayWithItsColumnsAndText) {
    char name[32] = {};
    GetClassName(lcd, name, sizeof name);
    EXPECT_STREQ(name, "TiLCDMatrix");
    EXPECT_EQ(lcd.GetColumnCount(), 12);
    EXPECT_EQ(lcd.GetText(), "ID 1-10-021");
    // The column count is read as a 32-bit integer, the text by the standard text property.
    EXPECT_EQ(lcd.GetProperty(8), hb::afx::Value(std::int32_t{12}));
    EXPECT_EQ(lcd.GetProperty(-517), hb::afx::Value(std::string("ID 1-10-021")));
    lcd.SetColumnCount(16);
    lcd.SetText(nullptr);
    EXPECT_EQ(lcd.GetColumnCount(), 16);
    EXPECT_EQ(lcd.GetText(), "");
}

TEST_F(LcdMatrixTest, EachCellLightsTheDotsOfItsCharacter) {
    // Twelve cells of 5 x 7 dots, lit or not.
    EXPECT_EQ(Dots(kLit).size() + Dots(kUnlit).size(), 12u * 35u);
    // "1": 1 + 2 + 1 + 1 + 1 + 1 + 3 dots; "8": 3 + 2 + 2 + 3 + 2 + 2 + 3.
    EXPECT_EQ(LitFor("1", 4), 10u);
    EXPECT_EQ(LitFor("8", 4), 17u);
    EXPECT_EQ(LitFor("18", 4), 27u);
    EXPECT_EQ(LitFor("    ", 4), 0u);
    // What does not fit the columns is cut, and small letters read as capitals.
    EXPECT_EQ(LitFor("818", 2), 27u);
    EXPECT_EQ(LitFor("fail", 4), LitFor("FAIL", 4));
    // A character without a picture is a full block rather than nothing.
    EXPECT_EQ(LitFor("\x7F", 1), 35u);
    EXPECT_EQ(LitFor("anything", 0), 0u);
    EXPECT_TRUE(Dots(kUnlit).empty());
}

TEST_F(LcdMatrixTest, TheTextRunsFromTheLeftInsideTheDisplay) {
    // The dash of the second cell: one row of five dots, right of the first cell's room.
    lcd.SetColumnCount(4);
    lcd.SetText(" -");
    const std::vector<RECT> dash = Dots(kLit);
    ASSERT_EQ(dash.size(), 5u);
    EXPECT_TRUE(std::all_of(dash.begin(), dash.end(),
                            [&](const RECT& dot) { return dot.top == dash[0].top; }));
    // The first cell is blank: its first two dots give the pitch; a cell is five dots and a gap.
    const std::vector<RECT> blank = Dots(kUnlit);
    const LONG pitch = blank[1].left - blank[0].left;
    EXPECT_GT(pitch, 0);
    EXPECT_EQ(dash.front().left, blank[0].left + 6 * pitch);
    EXPECT_EQ(dash.back().left, blank[0].left + 10 * pitch);
    EXPECT_EQ(dash.front().top, blank[0].top + 3 * pitch);

    RECT client;
    GetClientRect(lcd, &client);
    lcd.SetColumnCount(16);
    lcd.SetText("WWWWWWWWWWWWWWWW");
    for (const RECT& dot : Dots(kLit)) {
        EXPECT_GE(dot.left, client.left);
        EXPECT_LE(dot.right, client.right);
        EXPECT_GE(dot.top, client.top);
        EXPECT_LE(dot.bottom, client.bottom);
        EXPECT_LT(dot.left, dot.right);
    }
    lcd.SetIndicatorActiveColor(0x0000FF);
    EXPECT_EQ(Dots(0x0000FF).size(), 16u * 17u);
}

} // namespace
} // namespace hb::instruments::test
