#include "platform/testkit/PlatformTest.h"

using hb::testkit::PlatformTest;
using hb::win::DisplayListOf;

namespace {

class TextMetricsTest : public PlatformTest {
protected:
    TextMetricsTest() { SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT)); } // 16 px, 7 wide
    ~TextMetricsTest() override { DeleteDC(hdc); }

    RECT Calc(const char* text, RECT rect, UINT format) {
        DrawText(hdc, text, -1, &rect, format | DT_CALCRECT);
        return rect;
    }

    HDC hdc = hb::win::CreateRecordingDC();
};

struct MetricsCase {
    LONG height;
    LONG width;
    LONG weight;
    BYTE pitch;
    LONG tmHeight;
    LONG ave;
    LONG widest;
};

TEST_F(TextMetricsTest, MetricsFollowTheFontsHeightWeightAndPitch) {
    const MetricsCase cases[] = {
        {-12, 0, FW_NORMAL, VARIABLE_PITCH, 12, 5, 10},
        {12, 0, FW_BOLD, FF_SWISS, 12, 6, 12},
        {14, 0, FW_NORMAL, FIXED_PITCH, 14, 6, 6},
        {0, 0, FW_NORMAL, 0, 16, 7, 14},
        {-20, 9, FW_BOLD, 0, 20, 9, 18},
    };
    for (const auto& c : cases) {
        const HFONT font =
            CreateFont(c.height, c.width, 0, 0, c.weight, 0, 0, 0, 0, 0, 0, 0, c.pitch, "Test");
        DeleteObject(SelectObject(hdc, font));
        TEXTMETRIC tm;
        ASSERT_TRUE(GetTextMetrics(hdc, &tm));
        EXPECT_EQ(tm.tmHeight, c.tmHeight) << c.height;
        EXPECT_EQ(tm.tmAveCharWidth, c.ave) << c.height;
        EXPECT_EQ(tm.tmMaxCharWidth, c.widest) << c.height;
        EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);
        SIZE size;
        ASSERT_TRUE(GetTextExtentPoint32(hdc, "Scanner", 7, &size));
        EXPECT_EQ(size.cx, 7 * c.ave);
        EXPECT_EQ(size.cy, c.tmHeight);
    }
}

TEST_F(TextMetricsTest, ExtentsCountCharactersOfTheGivenLength) {
    SIZE size;
    ASSERT_TRUE(GetTextExtentPoint32(hdc, "146.520 MHz", 7, &size));
    EXPECT_EQ(size.cx, 49);
    ASSERT_TRUE(GetTextExtentPoint32(hdc, "12\xC2\xB0", 4, &size)); // "12°" in UTF-8
    EXPECT_EQ(size.cx, 21);
    ASSERT_TRUE(GetTextExtentPoint32(hdc, nullptr, 0, &size));
    EXPECT_EQ(size.cx, 0);
    EXPECT_EQ(size.cy, 16);
    EXPECT_FALSE(GetTextExtentPoint32(hdc, "x", -1, &size));
    EXPECT_FALSE(GetTextExtentPoint32(HDC(1u), "x", 1, &size));
}

TEST_F(TextMetricsTest, CalcRectFitsTheTextWithoutDrawing) {
    RECT r = Calc("&Save", {10, 20, 10, 20}, DT_SINGLELINE);
    EXPECT_EQ(r.right, 10 + 4 * 7);
    EXPECT_EQ(r.bottom, 20 + 16);
    EXPECT_EQ(Calc("R&&D", {0, 0, 0, 0}, DT_SINGLELINE).right, 3 * 7);
    EXPECT_EQ(Calc("R&&D", {0, 0, 0, 0}, DT_SINGLELINE | DT_NOPREFIX).right, 4 * 7);

    r = Calc("a\nbb\r\nccc", {0, 0, 0, 0}, DT_LEFT);
    EXPECT_EQ(r.right, 21);
    EXPECT_EQ(r.bottom, 48);

    r = Calc("one two three", {0, 0, 60, 0}, DT_WORDBREAK);
    EXPECT_EQ(r.right, 49); // "one two" | "three"
    EXPECT_EQ(r.bottom, 32);
    EXPECT_EQ(Calc("frequencies", {0, 0, 30, 0}, DT_WORDBREAK).right, 77); // a long word widens

    EXPECT_EQ(Calc("frequencies", {0, 0, 30, 0}, DT_SINGLELINE | DT_END_ELLIPSIS).right, 30);
    EXPECT_TRUE(DisplayListOf(hdc).empty());
}

TEST_F(TextMetricsTest, DrawTextRecordsTheBoxAndReturnsTheTextHeight) {
    RECT box{0, 0, 100, 40};
    EXPECT_EQ(DrawText(hdc, "Mode", -1, &box, DT_LEFT), 16);
    EXPECT_EQ(DrawText(hdc, "Mode", 2, &box, DT_SINGLELINE | DT_VCENTER), 28);
    EXPECT_EQ(DrawText(hdc, "Mode", -1, &box, DT_SINGLELINE | DT_BOTTOM), 40);
    EXPECT_EQ(DrawText(hdc, "Mode", -1, nullptr, DT_LEFT), 0);
    const auto& list = DisplayListOf(hdc);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[1].text, "Mo");
    EXPECT_EQ(list[1].flags, DT_SINGLELINE | DT_VCENTER);
    EXPECT_EQ(list[0].rect.right, 100);
}

} // namespace
