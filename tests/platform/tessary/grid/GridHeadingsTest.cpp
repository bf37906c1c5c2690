// The grid's headings as the scan list views use them: heading rows of a shared height with a
// joined cell in its own font and colour, hints shown as tooltips, file buttons that notify, a
// row-heading hook, the alternate-row shade, and column widths kept under the grid's identity.
#include "platform/afx/Input.h"
#include "platform/tessary/grid/Grid.h"
#include "platform/testkit/TestWindow.h"
#include "platform/win/gdi/Painting.h"
#include "tests/platform/tessary/app/ScanAppTest.h"

#include <string>
#include <vector>

namespace hb::tessary::test {
namespace {

constexpr UINT kTitleHint = 27663;
constexpr UINT kRowHint = 27665;

class CRecordingGrid : public CGrid {
public:
    void SetupGrid() override {}
    void OnCellEvent(int col, long row, int notification, LPCSTR text) override {
        events.push_back(std::to_string(col) + "," + std::to_string(row) + ":" +
                         std::to_string(notification) + " " + text);
    }
    void OnRowHeadingClick(long row, UINT flags) override {
        headingClicks.push_back(row);
        CGrid::OnRowHeadingClick(row, flags);
    }

    std::vector<std::string> events;
    std::vector<long> headingClicks;
};

class GridHeadingsTest : public ScanAppTest {
protected:
    GridHeadingsTest() {
        UseProgramResources({.strings = {{kTitleHint, "The group's name"},
                                         {kRowHint, "The entry's place in the list"}}});
        parent.Create({.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, .rect = {0, 0, 500, 300}});
        grid.CreateGrid(WS_CHILD | WS_VISIBLE, CRect(0, 0, 500, 300),
                        CWnd::FromHandle(parent.hwnd()), 1234);
        grid.SetNumberCols(3);
        grid.SetNumberRows(3);
        for (int col = 0; col < 3; ++col) {
            grid.QuickSetText(col, -1, ("Heading " + std::to_string(col)).c_str());
        }
        CUGCell button;
        button.SetCellType(UGCT_FILEBUTTON);
        button.SetText("Police.swg");
        button.SetReadOnly(TRUE);
        grid.SetCell(1, 0, &button);
    }
    void Click(CPoint at, UINT message = WM_LBUTTONDOWN) {
        grid.SendMessage(message, 0, MAKELPARAM(at.x, at.y));
        grid.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    }
    // The text of the tooltip that shows, else empty.
    static std::string Tip() {
        for (const HWND w : hb::win::TopLevelWindows()) {
            char name[32] = {};
            GetClassName(w, name, sizeof name);
            if (std::string(name) == TOOLTIPS_CLASS && IsWindowVisible(w)) {
                char text[80] = {};
                GetWindowText(w, text, sizeof text);
                return text;
            }
        }
        return {};
    }

    hb::testkit::TestWindow parent;
    CRecordingGrid grid;
};

TEST_F(GridHeadingsTest, HeadingRowsShareTheHeightAndAJoinedCellShowsAcrossItsColumns) {
    const int height = grid.GetTH_Height();
    grid.SetTH_NumberRows(2);
    grid.SetTH_Height(2 * height);
    EXPECT_TRUE(grid.JoinCells(0, -2, 2, -2));
    EXPECT_FALSE(grid.JoinCells(0, 0, 2, 0)) << "only heading cells join";
    EXPECT_FALSE(grid.JoinCells(0, -3, 2, -3));
    CUGCell line;
    line.SetText("File name: POLICE.SWG [Receiver 42]");
    line.SetTextColor(RGB(0, 0, 255));
    line.SetFont(grid.GetFont());
    line.SetAlignment(DT_LEFT);
    ASSERT_TRUE(grid.SetCell(0, -2, &line));

    EXPECT_EQ(grid.CellRect(0, -2).top, 0);
    EXPECT_EQ(grid.CellRect(0, -1).top, height);
    EXPECT_EQ(grid.CellRect(0, 0).top, 2 * height);

    RedrawWindow(grid.m_hWnd, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    std::vector<hb::win::DrawRecord> lines;
    for (const auto& record : hb::win::LastPaint(grid.m_hWnd)) {
        if (record.op == hb::win::DrawOp::DrawText && record.text == line.GetText().str()) {
            lines.push_back(record);
        }
    }
    ASSERT_EQ(lines.size(), 1u) << "the join shows its first cell once";
    EXPECT_EQ(lines[0].state.textColor, RGB(0, 0, 255));
    EXPECT_EQ(lines[0].rect.right - lines[0].rect.left + 8,
              grid.CellRect(2, -1).right - grid.CellRect(0, -1).left);
}

TEST_F(GridHeadingsTest, AHeadingsHintIsItsTooltip) {
    grid.SetColumnHint(2, kTitleHint);
    grid.SetColumnHint(-1, kRowHint);
    const CPoint title = grid.CellRect(2, -1).CenterPoint();
    hb::afx::MoveMouse(grid.m_hWnd, title.x, title.y);
    AdvanceAndPump(500);
    EXPECT_EQ(Tip(), "The group's name");

    // The row headings share the side column's hint; cells and hintless headings have none.
    const CPoint side = grid.CellRect(-1, 1).CenterPoint();
    hb::afx::MoveMouse(grid.m_hWnd, side.x, side.y);
    AdvanceAndPump(500);
    EXPECT_EQ(Tip(), "The entry's place in the list");
    for (const CPoint none :
         {grid.CellRect(2, 1).CenterPoint(), grid.CellRect(0, -1).CenterPoint()}) {
        hb::afx::MoveMouse(grid.m_hWnd, none.x, none.y);
        AdvanceAndPump(500);
        EXPECT_EQ(Tip(), "");
    }
}

TEST_F(GridHeadingsTest, AFileButtonNotifiesFromItsButtonOrADoubleClickAndRowHeadingsHaveAHook) {
    const CRect cell = grid.CellRect(1, 0);
    Click({cell.left + 4, cell.CenterPoint().y});
    EXPECT_TRUE(grid.events.empty()) << "the text part only selects";
    EXPECT_TRUE(grid.IsSelected(1, 0));
    Click({cell.right - 3, cell.CenterPoint().y});
    Click({cell.left + 4, cell.CenterPoint().y}, WM_LBUTTONDBLCLK);
    EXPECT_EQ(grid.events, (std::vector<std::string>{"1,0:100 Police.swg", "1,0:100 Police.swg"}));
    EXPECT_EQ(grid.GetEditCtrl(), nullptr) << "no edit of a file button";

    const CPoint side = grid.CellRect(-1, 2).CenterPoint();
    Click(side);
    EXPECT_EQ(grid.headingClicks, std::vector<long>{2});
    EXPECT_TRUE(grid.IsSelected(0, 2) && grid.IsSelected(2, 2)) << "by default the whole row";
}

TEST_F(GridHeadingsTest, EveryOtherRowTakesTheAlternateShadeUnlessTheCellHasAColourOfItsOwn) {
    CUGCell plain;
    grid.SetBackgroundCellColor(0, &plain);
    EXPECT_EQ(plain.GetBackColor(), RGB(255, 255, 255));
    grid.SetBackgroundCellColor(1, &plain);
    EXPECT_EQ(plain.GetBackColor(), app.Colors().alternateRow);
    CUGCell menu;
    menu.SetBackColor(GetSysColor(COLOR_MENU));
    grid.SetBackgroundCellColor(3, &menu);
    EXPECT_EQ(menu.GetBackColor(), GetSysColor(COLOR_MENU));
}

TEST_F(GridHeadingsTest, AWidthTheUserDragsIsKeptUnderTheIdentityAndGivenBackAfterSetUp) {
    const auto drag = [&](int col, int by) {
        const CRect heading = grid.CellRect(col, -1);
        const int y = heading.CenterPoint().y;
        grid.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(heading.right, y));
        grid.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(heading.right + by, y));
        grid.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(heading.right + by, y));
    };
    const int before = grid.GetColWidth(1);
    drag(1, 30);
    EXPECT_EQ(grid.GetColWidth(1), before + 30);
    EXPECT_EQ(app.GetProfileIntA("Receiver-ScanList", "ColumnWidth1", -1), -1)
        << "no identity, nothing kept";

    grid.SetGridIdent("Receiver-ScanList");
    drag(1, -20);
    EXPECT_EQ(grid.GetColWidth(1), before + 10);
    EXPECT_EQ(app.GetProfileIntA("Receiver-ScanList", "ColumnWidth1", -1), before + 10);

    CRecordingGrid again;
    again.CreateGrid(WS_CHILD | WS_VISIBLE, CRect(0, 0, 500, 300), CWnd::FromHandle(parent.hwnd()),
                     1235);
    again.SetGridIdent("Receiver-ScanList");
    again.PreSetup();
    again.SetNumberCols(3);
    again.PostSetup();
    EXPECT_EQ(again.GetColWidth(1), before + 10);
    EXPECT_EQ(again.GetColWidth(0), before) << "only what was kept";
}

} // namespace
} // namespace hb::tessary::test
