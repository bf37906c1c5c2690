#include "app/mainframe/StyleCheckButtonTheme.h"
#include "platform/afx/CDC.h"
#include "platform/toolkit/CXTPButton.h"
#include "platform/win/gdi/DeviceContext.h"
#include "resources/ResourceIds.h"
#include "tests/app/CommandState.h"
#include "tests/app/ProgramTest.h"

namespace hb::app::test {
namespace {

using hb::win::DrawOp;

constexpr RECT kButtonRect{0, 0, 80, 24};

// A fill of the DC: where and in which colour.
struct Fill {
    RECT rect;
    COLORREF color;
};

class VisualStyleTest : public ProgramTest {
protected:
    VisualStyleTest() { Settings(kTwoRadios); }

    std::vector<std::pair<std::string, int>> SuiteWrites(std::size_t from) const {
        std::vector<std::pair<std::string, int>> writes;
        const auto& journal = RegistryWrites();
        for (std::size_t i = from; i < journal.size(); ++i) {
            if (journal[i].keyPath.find("\\Suite\\") != std::string::npos &&
                journal[i].data.size() == sizeof(DWORD)) {
                DWORD value = 0;
                std::memcpy(&value, journal[i].data.data(), sizeof value);
                writes.emplace_back(journal[i].valueName, static_cast<int>(value));
            }
        }
        return writes;
    }

    // The button painted by the theme on a recording DC: its fills, and the colour of its text.
    std::pair<std::vector<Fill>, COLORREF> Paint(CXTPButtonTheme* theme) {
        button.SetTheme(theme);
        const HDC hdc = hb::win::CreateRecordingDC();
        CDC dc;
        dc.Attach(hdc);
        theme->DrawButton(&dc, &button);
        std::vector<Fill> fills;
        COLORREF text = CLR_INVALID;
        for (const auto& record : hb::win::DisplayListOf(hdc)) {
            if (record.op == DrawOp::ExtTextOut && record.text.empty()) {
                fills.push_back({record.rect, record.state.bkColor});
            } else if (record.op == DrawOp::DrawText) {
                text = record.state.textColor;
            }
        }
        dc.Detach();
        DeleteDC(hdc);
        return {fills, text};
    }
    void StartWithButton() {
        ASSERT_EQ(Start(), std::nullopt);
        ASSERT_TRUE(button.Create("Scan", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, kButtonRect,
                                  &Main(), 4000));
    }
    static void ExpectFramed(const std::vector<Fill>& fills, COLORREF fill, COLORREF border) {
        ASSERT_EQ(fills.size(), 9u);
        EXPECT_TRUE(EqualRect(&fills[0].rect, &kButtonRect));
        EXPECT_EQ(fills[0].color, fill);
        for (std::size_t i = 1; i < fills.size(); ++i) {
            EXPECT_EQ(fills[i].color, border) << i;
        }
        // The second ring lies a pixel inside the first.
        EXPECT_EQ(fills[5].rect.left, 1);
        EXPECT_EQ(fills[5].rect.top, 1);
    }

    CXTPButton button;
};

TEST_F(VisualStyleTest, TheLastStyleStoresThemeThenStyleAndItsColoursButLeavesBothAtZero) {
    ASSERT_EQ(Start(), std::nullopt);
    const std::size_t before = RegistryWrites().size();
    Command(ID_VIEW_STYLE_4);
    const auto writes = SuiteWrites(before);
    ASSERT_EQ(writes.size(), 14u);
    EXPECT_EQ(writes[0], (std::pair<std::string, int>{"VisualTheme", 3}));
    EXPECT_EQ(writes[1], (std::pair<std::string, int>{"VisualStyle", 1}));
    EXPECT_EQ(writes[2].first, "Color12");
    EXPECT_EQ(writes[13], (std::pair<std::string, int>{"Color30", 0xD54600}));
    EXPECT_EQ(app->Color(30), 0xD54600u);
    EXPECT_EQ(app->m_visualStyle, 0);
    EXPECT_EQ(app->m_visualTheme, 0);
    EXPECT_TRUE(CommandState(Main(), ID_VIEW_STYLE_1).checked);
    EXPECT_FALSE(CommandState(Main(), ID_VIEW_STYLE_4).checked);
}

TEST_F(VisualStyleTest, TheFirstStyleWritesSixColoursAndOtherModesOrDepthsNone) {
    ASSERT_EQ(Start(), std::nullopt);
    app->WriteSuiteProfileInt("Colors", "Color12", 0x123456);
    std::size_t before = RegistryWrites().size();
    Command(ID_VIEW_STYLE_1);
    EXPECT_EQ(SuiteWrites(before).size(), 2u + 6u);
    EXPECT_EQ(app->Color(12), 0x123456u);

    app->m_visualTheme = 2;
    before = RegistryWrites().size();
    app->AdjustColors(16);
    EXPECT_TRUE(SuiteWrites(before).empty());
    app->SetDisplayColorMode(1);
    app->m_visualStyle = 1;
    app->AdjustColors(32);
    EXPECT_TRUE(SuiteWrites(before).empty());
    EXPECT_EQ(app->m_visualStyle, 0);
    EXPECT_EQ(app->m_visualTheme, 0);
}

TEST_F(VisualStyleTest, TheStyleFontFollowsTheTheme) {
    LOGFONT font{};
    app->BuildStyleFont(font);
    EXPECT_STREQ(font.lfFaceName, "Arial");
    app->m_visualTheme = 1;
    app->BuildStyleFont(font);
    EXPECT_STREQ(font.lfFaceName, "Tahoma");
    EXPECT_EQ(font.lfHeight, -13);
    EXPECT_EQ(font.lfWeight, FW_NORMAL);
}

TEST_F(VisualStyleTest, ACheckedButtonIsRedWithABlackBorderUnderTheFirstStyle) {
    StartWithButton();
    button.SetChecked(TRUE);
    const auto [fills, text] = Paint(new CStyleCheckButtonTheme);
    ExpectFramed(fills, 0x0000FF, 0x000000);
    EXPECT_EQ(text, app->Color(12));
}

TEST_F(VisualStyleTest, UnderTheFilledLookAPushedButtonTakesItsColoursFromTheTable) {
    StartWithButton();
    app->m_visualStyle = 1;
    app->m_visualTheme = 2;
    button.SetState(TRUE);
    auto [fills, text] = Paint(new CStyleButtonTheme);
    ExpectFramed(fills, app->Color(14), app->Color(14));
    EXPECT_EQ(text, app->Color(0));

    button.SetState(FALSE);
    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(button.IsHighlighted());
    std::tie(fills, text) = Paint(new CStyleButtonTheme);
    ExpectFramed(fills, app->Color(18), app->Color(24));
    EXPECT_EQ(text, app->Color(12));
    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(500, 5));
    EXPECT_FALSE(button.IsHighlighted());
}

} // namespace
} // namespace hb::app::test
