#include "platform/testkit/PlatformTest.h"

#include <cstring>

using hb::testkit::PlatformTest;
using hb::win::DisplayListOf;

namespace {

class TextMetricsTest : public PlatformTest {
protected:
    TextMetricsTest() { SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT)); }
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
    const char* face;
    LONG tmHeight;
    LONG ave;
    LONG widest;
    LONG scanner; // the width of "Scanner"
};

TEST_F(TextMetricsTest, MetricsFollowTheFontsHeightWeightAndPitch) {
    const MetricsCase cases[] = {
        // The dialog font: an average of 6 across, 12 high, as dialog units are made for.
        {-11, 0, FW_NORMAL, VARIABLE_PITCH | FF_SWISS, "MS Shell Dlg", 12, 6, 15, 41},
        {12, 0, FW_BOLD, FF_SWISS, "Arial", 12, 7, 14, 43},
        {14, 0, FW_NORMAL, FIXED_PITCH, "Test", 14, 7, 7, 52},
        {0, 0, FW_NORMAL, 0, "Test", 16, 8, 19, 54},
        {-20, 9, FW_BOLD, 0, "Test", 22, 9, 20, 58},
    };
    for (const auto& c : cases) {
        const HFONT font =
            CreateFont(c.height, c.width, 0, 0, c.weight, 0, 0, 0, 0, 0, 0, 0, c.pitch, c.face);
        DeleteObject(SelectObject(hdc, font));
        TEXTMETRIC tm;
        ASSERT_TRUE(GetTextMetrics(hdc, &tm));
        EXPECT_EQ(tm.tmHeight, c.tmHeight) << c.height;
        EXPECT_EQ(tm.tmAveCharWidth, c.ave) << c.height;
        EXPECT_EQ(tm.tmMaxCharWidth, c.widest) << c.height;
        EXPECT_EQ(tm.tmAscent + tm.tmDescent, tm.tmHeight);
        SIZE size;
        ASSERT_TRUE(GetTextExtentPoint32(hdc, "Scanner", 7, &size));
        EXPECT_EQ(size.cx, c.scanner) << c.height;
        EXPECT_EQ(size.cy, c.tmHeight);
    }
}

TEST_F(TextMetricsTest, EachCharacterIsAsWideAsInTheFaceThatStandsIn) {
    const auto width = [&](const char* face, LONG weight, BYTE pitch, const char* text) {
        DeleteObject(
            SelectObject(hdc, CreateFont(-13, 0, 0, 0, weight, 0, 0, 0, 0, 0, 0, 0, pitch, face)));
        SIZE size;
        GetTextExtentPoint32(hdc, text, static_cast<int>(std::strlen(text)), &size);
        return size.cx;
    };
    EXPECT_LT(width("Arial", FW_NORMAL, 0, "iiii"), width("Arial", FW_NORMAL, 0, "WWWW"));
    EXPECT_EQ(width("Courier New", FW_NORMAL, 0, "iiii"),
              width("Courier New", FW_NORMAL, 0, "WWWW"));
    EXPECT_EQ(width("Test", FW_NORMAL, FIXED_PITCH, "iiii"),
              width("Courier", FW_NORMAL, 0, "WWWW"));
    // The dialog faces are sans faces like Arial; Times is narrower; bold is wider.
    EXPECT_EQ(width("MS Sans Serif", FW_NORMAL, 0, "Remote Radios"),
              width("Arial", FW_NORMAL, 0, "Remote Radios"));
    EXPECT_LT(width("Times New Roman", FW_NORMAL, 0, "Remote Radios"),
              width("Arial", FW_NORMAL, 0, "Remote Radios"));
    EXPECT_EQ(width("Test", FW_NORMAL, FF_ROMAN, "Remote Radios"),
              width("Times New Roman", FW_NORMAL, 0, "Remote Radios"));
    EXPECT_LT(width("Arial", FW_NORMAL, 0, "Remote Radios"),
              width("Arial", FW_SEMIBOLD, 0, "Remote Radios"));
}

TEST_F(TextMetricsTest, ExtentsMeasureTheGivenLength) {
    SIZE size;
    ASSERT_TRUE(GetTextExtentPoint32(hdc, "146.520 MHz", 7, &size));
    EXPECT_EQ(size.cx, 40);
    ASSERT_TRUE(GetTextExtentPoint32(hdc, "12\xC2\xB0", 4, &size)); // "12°" in UTF-8
    EXPECT_EQ(size.cx, 17);
    ASSERT_TRUE(GetTextExtentPoint32(hdc, "12\xB0", 3, &size)); // the same in Latin-1
    EXPECT_EQ(size.cx, 17);
    ASSERT_TRUE(GetTextExtentPoint32(hdc, nullptr, 0, &size));
    EXPECT_EQ(size.cx, 0);
    EXPECT_EQ(size.cy, 12);
    EXPECT_FALSE(GetTextExtentPoint32(hdc, "x", -1, &size));
    EXPECT_FALSE(GetTextExtentPoint32(HDC(1u), "x", 1, &size));
}

TEST_F(TextMetricsTest, CalcRectFitsTheTextWithoutDrawing) {
    RECT r = Calc("&Save", {10, 20, 10, 20}, DT_SINGLELINE);
    EXPECT_EQ(r.right, 10 + 26);
    EXPECT_EQ(r.bottom, 20 + 12);
    EXPECT_EQ(Calc("R&&D", {0, 0, 0, 0}, DT_SINGLELINE).right, 24);               // "R&D"
    EXPECT_EQ(Calc("R&&D", {0, 0, 0, 0}, DT_SINGLELINE | DT_NOPREFIX).right, 31); // "R&&D"

    r = Calc("a\nbb\r\nccc", {0, 0, 0, 0}, DT_LEFT);
    EXPECT_EQ(r.right, 17); // "ccc"
    EXPECT_EQ(r.bottom, 36);

    r = Calc("one two three", {0, 0, 60, 0}, DT_WORDBREAK);
    EXPECT_EQ(r.right, 39); // "one two" | "three"
    EXPECT_EQ(r.bottom, 24);
    EXPECT_EQ(Calc("frequencies", {0, 0, 30, 0}, DT_WORDBREAK).right, 57); // a long word widens

    EXPECT_EQ(Calc("frequencies", {0, 0, 30, 0}, DT_SINGLELINE | DT_END_ELLIPSIS).right, 30);
    EXPECT_TRUE(DisplayListOf(hdc).empty());
}

TEST_F(TextMetricsTest, DrawTextRecordsTheBoxAndReturnsTheTextHeight) {
    RECT box{0, 0, 100, 40};
    EXPECT_EQ(DrawText(hdc, "Mode", -1, &box, DT_LEFT), 12);
    EXPECT_EQ(DrawText(hdc, "Mode", 2, &box, DT_SINGLELINE | DT_VCENTER), 26);
    EXPECT_EQ(DrawText(hdc, "Mode", -1, &box, DT_SINGLELINE | DT_BOTTOM), 40);
    EXPECT_EQ(DrawText(hdc, "Mode", -1, nullptr, DT_LEFT), 0);
    const auto& list = DisplayListOf(hdc);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[1].text, "Mo");
    EXPECT_EQ(list[1].flags, DT_SINGLELINE | DT_VCENTER);
    EXPECT_EQ(list[0].rect.right, 100);
}

} // namespace
