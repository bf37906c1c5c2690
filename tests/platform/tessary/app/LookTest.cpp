#include "platform/tessary/app/AppHooks.h"
#include "tests/platform/tessary/app/ScanAppTest.h"

#include <cstring>

namespace hb::tessary::test {
namespace {

using LookTest = ScanAppTest;

TEST_F(LookTest, StoredColoursOverTheDefaultsAndChosenEntriesAreKept) {
    app.WriteSuiteProfileInt("Colors", "Color13", 0x123456);
    ASSERT_EQ(app.AppSetup(kProduct), 1);
    app.calls.clear();
    EXPECT_EQ(app.Color(13), 0x123456u);
    EXPECT_EQ(app.Color(12), kDefaultColors[12]);
    EXPECT_EQ(app.Color(32), 0u);
    app.SetColor(40, 1); // out of range: ignored

    std::vector<int> asked;
    SetColorChooser([&](int index, COLORREF& color) {
        asked.push_back(index);
        color = 0x0000FF;
        return index != 5;
    });
    app.AdjustColorEntry(4);
    app.AdjustColorEntry(5);  // cancelled
    app.AdjustColorEntry(32); // no such entry: no dialog
    EXPECT_EQ(asked, (std::vector<int>{4, 5}));
    EXPECT_EQ(app.Color(4), 0x0000FFu);
    EXPECT_EQ(app.Color(5), kDefaultColors[5]);
    EXPECT_EQ(app.GetSuiteProfileInt("Colors", "Color4", 0), 0x0000FF);
    EXPECT_EQ(app.GetSuiteProfileInt("Colors", "Color5", -1), -1);
    // The colour entries never reach the application's AdjustColors.
    EXPECT_TRUE(app.calls.empty());

    // Reset forgets what was stored and lets the application apply its colours again.
    app.ResetColors();
    EXPECT_EQ(app.Color(4), kDefaultColors[4]);
    EXPECT_EQ(app.Color(13), kDefaultColors[13]);
    EXPECT_EQ(app.GetSuiteProfileInt("Colors", "Color13", -1), -1);
    EXPECT_EQ(app.calls, (std::vector<std::string>{"AdjustColors 32"}));
}

TEST_F(LookTest, ChosenFontsAreStoredAndReadBackAtTheNextStart) {
    ASSERT_EQ(app.AppSetup(kProduct), 1);
    EXPECT_EQ(app.GetLogFont().lfHeight, -13);
    EXPECT_STREQ(app.GetLogFont().lfFaceName, "Arial");
    const HFONT listFont = app.GetListFont();
    EXPECT_TRUE(listFont);
    EXPECT_TRUE(app.GetCaptionFont());

    app.SetFontDialogTitle(0, "Select Default Font");
    app.SetFontDialogTitle(2, "Select History List Font");
    std::vector<std::string> titles;
    SetFontChooser([&](const std::string& title, LOGFONT& font) {
        titles.push_back(title);
        font.lfHeight = -16;
        font.lfWeight = 700;
        std::strcpy(font.lfFaceName, "Tahoma, narrow");
        return title != "Select History List Font";
    });
    app.SelectFont(0);
    app.SelectFont(2); // cancelled
    app.SelectFont(4); // no such font: no dialog
    EXPECT_EQ(titles,
              (std::vector<std::string>{"Select Default Font", "Select History List Font"}));
    EXPECT_EQ(app.GetLogFont().lfHeight, -16);
    EXPECT_NE(app.GetListFont(), listFont);
    EXPECT_EQ(app.GetFontDescription(2).lfHeight, -13);

    CRecordingApp next;
    ASSERT_EQ(next.AppSetup(kProduct), 1);
    EXPECT_EQ(next.GetLogFont().lfHeight, -16);
    EXPECT_EQ(next.GetLogFont().lfWeight, 700);
    EXPECT_STREQ(next.GetLogFont().lfFaceName, "Tahoma, narrow");
    EXPECT_EQ(next.GetFontDescription(1).lfHeight, -13);

    // A damaged stored font gives the default again.
    app.WriteProfileStringA("Fonts", "Font0", "-16,9999,0");
    ASSERT_EQ(next.AppSetup(kProduct), 1);
    EXPECT_EQ(next.GetLogFont().lfHeight, -13);
}

TEST_F(LookTest, OpeningWithoutATemplateOnlyBeeps) {
    ExpectBeeps(1);
    app.OnFileOpen(nullptr);
    EXPECT_EQ(Beeps(), (std::vector<UINT>{MB_ICONASTERISK}));
}

} // namespace
} // namespace hb::tessary::test
