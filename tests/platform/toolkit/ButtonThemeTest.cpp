#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TestWindow.h"
#include "platform/toolkit/CXTPButton.h"
#include "platform/toolkit/XTPMarkup.h"
#include "tests/platform/toolkit/ToolkitApp.h"

#include <string>
#include <vector>

namespace hb::toolkit::test {
namespace {

using Strings = std::vector<std::string>;

// Draws as the toolkit does and notes each part it was asked for.
class CNotingTheme : public CXTPButtonTheme {
public:
    CNotingTheme(Strings& parts, int& deleted) : m_parts(parts), m_deleted(deleted) {}
    ~CNotingTheme() override { ++m_deleted; }

    void DrawButtonBackground(CDC* pDC, CXTPButton* pButton) override {
        m_parts.push_back("background");
        CXTPButtonTheme::DrawButtonBackground(pDC, pButton);
    }
    void DrawPushButtonIcon(CDC* pDC, CXTPButton* pButton) override {
        m_parts.push_back("icon");
        CXTPButtonTheme::DrawPushButtonIcon(pDC, pButton);
    }
    void DrawPushButtonText(CDC* pDC, CXTPButton* pButton) override {
        m_parts.push_back("text");
        CXTPButtonTheme::DrawPushButtonText(pDC, pButton);
    }
    void DrawPushButtonDropDown(CDC* pDC, CXTPButton* pButton) override {
        m_parts.push_back("drop-down");
        CXTPButtonTheme::DrawPushButtonDropDown(pDC, pButton);
    }

private:
    Strings& m_parts;
    int& m_deleted;
};

class ButtonThemeTest : public hb::testkit::PlatformTest {
protected:
    ButtonThemeTest() {
        EXPECT_TRUE(button.Create("<Bold>Scan</Bold> list", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                  CRect(10, 10, 90, 40), CWnd::FromHandle(parent.hwnd()), 1));
    }

    hb::testkit::TestWindow parent{{.style = WS_VISIBLE, .rect = {0, 0, 200, 100}}};
    CXTPButton button;
    Strings parts;
    int deleted = 0;
};

TEST_F(ButtonThemeTest, AThemePaintsThePartsInOrderWithTheDropDownOnlyForItsStyles) {
    button.SetTheme(new CNotingTheme(parts, deleted));
    Repaint(button.m_hWnd);
    EXPECT_EQ(parts, (Strings{"background", "icon", "text"}));

    parts.clear();
    button.SetPushButtonStyle(xtpButtonSplitDropDown);
    Repaint(button.m_hWnd);
    EXPECT_EQ(parts, (Strings{"background", "icon", "text", "drop-down"}));

    // The button owns its theme: a new one, or none, deletes the one before.
    button.SetTheme(new CNotingTheme(parts, deleted));
    EXPECT_EQ(deleted, 1);
    button.SetTheme(nullptr);
    EXPECT_EQ(deleted, 2);
}

TEST_F(ButtonThemeTest, MarkupShowsWithoutItsTagsOnlyWhenTheButtonTakesMarkup) {
    EXPECT_EQ(std::string(XTPMarkupPlainText("<Bold>Scan</Bold> list").GetString()), "Scan list");
    EXPECT_EQ(std::string(XTPMarkupPlainText("a > b").GetString()), "a > b");
    button.SetTheme(new CXTPButtonTheme);
    EXPECT_EQ(DrawnTexts(Repaint(button.m_hWnd)), (Strings{"<Bold>Scan</Bold> list"}));
    button.SetEnableMarkup(TRUE);
    EXPECT_EQ(DrawnTexts(Repaint(button.m_hWnd)), (Strings{"Scan list"}));
}

TEST_F(ButtonThemeTest, AThemedButtonIsHighlightedWhileTheMouseIsOverIt) {
    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(button.IsHighlighted());
    button.SetTheme(new CXTPButtonTheme);
    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(button.IsHighlighted());
    EXPECT_EQ(GetCapture(), button.m_hWnd);
    button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(300, 5));
    EXPECT_FALSE(button.IsHighlighted());
    EXPECT_EQ(GetCapture(), HWND{});
}

} // namespace
} // namespace hb::toolkit::test
