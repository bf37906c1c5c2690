#include "tests/platform/toolkit/ToolkitApp.h"

namespace hb::toolkit::test {
namespace {

using Strings = std::vector<std::string>;

// The width of a text in the bars' default font.
LONG TextWidth(const char* text) {
    const HDC dc = hb::win::CreateRecordingDC();
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE size{};
    GetTextExtentPoint32(dc, text, static_cast<int>(std::string_view(text).size()), &size);
    DeleteDC(dc);
    return size.cx;
}

TEST_F(ToolkitAppTest, TheStatusBarShowsItsPanesTextsAndFollowsTheirUpdateHandlers) {
    Start();
    CXTPStatusBar& status = Main().m_statusBar;
    ASSERT_EQ(status.GetCount(), 3);
    EXPECT_EQ(status.GetItemID(1), ID_INDICATOR_CAPS);
    EXPECT_EQ(status.CommandToIndex(ID_INDICATOR_NUM), 2);
    EXPECT_EQ(status.CommandToIndex(12345), -1);
    EXPECT_EQ(status.GetPaneText(1), "CAP");
    EXPECT_TRUE(status.SetPaneText(0, "Ready"));
    EXPECT_FALSE(status.SetPaneText(3, "nowhere"));

    // The message pane stretches; the others are as wide as their first texts.
    UINT id = 0;
    UINT style = 0;
    int width = 0;
    int numWidth = 0;
    status.GetPaneInfo(2, id, style, numWidth);
    status.GetPaneInfo(1, id, style, width);
    EXPECT_EQ(id, ID_INDICATOR_CAPS);
    EXPECT_EQ(style, SBPS_NORMAL);
    EXPECT_EQ(width, TextWidth("CAP"));
    EXPECT_EQ(numWidth, TextWidth("NUM"));
    CRect client;
    status.GetClientRect(&client);
    EXPECT_GT(status.GetItemRect(0).Width(), 3 * status.GetItemRect(1).Width());
    EXPECT_LE(status.GetItemRect(2).right, client.right);
    EXPECT_GE(status.GetItemRect(2).right, client.right - 4);

    Log().checked = true;
    Pump();
    EXPECT_EQ(status.GetPaneText(2), "NUM");
    Log().checked = false;
    Pump();
    EXPECT_EQ(DrawnTexts(Repaint(status.m_hWnd)), (Strings{"Ready", "CAP", ""}));

    status.SetPaneInfo(1, ID_INDICATOR_CAPS, SBPS_DISABLED, width);
    EXPECT_EQ(DrawnTexts(Repaint(status.m_hWnd)), (Strings{"Ready", ""}));
}

TEST_F(ToolkitAppTest, TheMdiTabsFollowTheChildrenAndActivateTheOneClicked) {
    Start();
    const int clientTop = PlaceOf(Main().m_hWndMDIClient).top;
    CXTMDIWndTab& tabs = Main().m_tabs;
    ASSERT_TRUE(tabs.Install(&Main(), TCS_HOTTRACK, TRUE));
    EXPECT_FALSE(tabs.Install(&Main()));
    tabs.m_bShowBorder = FALSE;
    tabs.m_nBorderGap = GetSystemMetrics(SM_CXFRAME);
    Main().RecalcLayout();
    EXPECT_EQ(PlaceOf(tabs.m_hWnd).top, clientTop);
    EXPECT_EQ(PlaceOf(Main().m_hWndMDIClient).top, PlaceOf(tabs.m_hWnd).bottom);

    CDocument* first = OpenChild();
    CDocument* second = OpenChild();
    ASSERT_TRUE(first && second);
    Pump();
    ASSERT_EQ(tabs.GetItemCount(), 2);
    EXPECT_EQ(tabs.GetItem(0)->GetCaption(), "Doc1");
    EXPECT_EQ(tabs.GetItem(1)->GetCaption(), "Doc2");
    EXPECT_EQ(tabs.GetCurSel(), 1);

    const CPoint at = tabs.GetItem(0)->GetRect().CenterPoint();
    tabs.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(at.x, at.y));
    EXPECT_EQ(Main().MDIGetActive()->GetActiveDocument(), first);
    EXPECT_EQ(tabs.GetCurSel(), 0);

    Main().MDIGetActive()->SendMessage(WM_CLOSE);
    Pump();
    ASSERT_EQ(tabs.GetItemCount(), 1);
    EXPECT_EQ(tabs.GetItem(0)->GetCaption(), "Doc2");

    tabs.UnInstall();
    EXPECT_EQ(PlaceOf(Main().m_hWndMDIClient).top, clientTop);
    EXPECT_EQ(tabs.GetItemCount(), 0);
}

TEST_F(ToolkitAppTest, ThemesAreKeptAndTheGlobalFontSizesTheBars) {
    EXPECT_EQ(CXTPPaintManager::Instance(), nullptr);
    Start();
    CXTPPaintManager::SetTheme(0);
    ASSERT_NE(CXTPPaintManager::Instance(), nullptr);
    CXTPPaintManager::SetTheme(2);
    EXPECT_EQ(CXTPPaintManager::Instance()->GetCurrentTheme(), 2);
    // A change of theme repaints what is on the screen.
    Repaint(MainBar().m_hWnd);
    EXPECT_FALSE(GetUpdateRect(MainBar().m_hWnd, nullptr, FALSE));
    CXTThemeManager::SetTheme(3);
    EXPECT_EQ(CXTThemeManager::GetTheme(), 3);
    EXPECT_TRUE(GetUpdateRect(MainBar().m_hWnd, nullptr, FALSE));

    CFont large;
    large.CreateFont(-30, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    XTAuxData().SetGlobalFont(&large);
    EXPECT_EQ(MainBar().GetRowHeight(), 33 + 10); // the face's ascent and descent at 30 pixels
    // A bar given its own font keeps it.
    CFont small;
    small.CreateFont(-8, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    Bars().GetMenuBar()->SetFont(&small);
    EXPECT_EQ(Bars().GetMenuBar()->GetRowHeight(), 9 + 10);
    EXPECT_EQ(PlaceOf(MainBar().m_hWnd).top, 9 + 10);
    Bars().GetMenuBar()->SetFont(nullptr);
}

} // namespace
} // namespace hb::toolkit::test
