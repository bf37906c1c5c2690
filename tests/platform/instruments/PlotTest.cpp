// The plot: channels of points, axes, cursors the user drags, annotations, update brackets, its
// events, and the errors its interfaces raise.
#include "platform/afx/EventSinkMap.h"
#include "platform/instruments/CiPlotX.h"
#include "tests/platform/instruments/InstrumentTest.h"

#include <algorithm>

namespace hb::instruments::test {
namespace {

using hb::win::DrawOp;
using hb::win::DrawRecord;

constexpr UINT kPlotId = 28245;

// A container that logs the plot's events and may move the data area.
class CPlotPanel : public CWnd {
public:
    std::vector<std::string> log;
    bool moveArea = false;

protected:
    void OnPointer(short button, long x, long y) {
        log.push_back("pointer " + std::to_string(button) + " " + std::to_string(x) + " " +
                      std::to_string(y));
    }
    void OnCursor() { log.emplace_back("cursor"); }
    void OnLimits(long* left, long* top, long* right, long* bottom, BOOL* handled) {
        if (moveArea) {
            *left = 100;
            *top = 10;
            *right = 300;
            *bottom = 110;
            *handled = TRUE;
        }
        log.emplace_back("limits");
    }
    void OnClick() {
        log.push_back(std::string("click ") +
                      (tool != nullptr && tool->ToolState() ? "dragging" : "plain"));
    }

public:
    CiPlotX* tool = nullptr;

    DECLARE_EVENTSINK_MAP()
};

BEGIN_EVENTSINK_MAP(CPlotPanel, CWnd)
ON_EVENT(CPlotPanel, kPlotId, 4, &CPlotPanel::OnPointer)
ON_EVENT(CPlotPanel, kPlotId, 6, &CPlotPanel::OnCursor)
ON_EVENT(CPlotPanel, kPlotId, 33, &CPlotPanel::OnLimits)
ON_EVENT(CPlotPanel, kPlotId, 53, &CPlotPanel::OnClick)
END_EVENTSINK_MAP()

class PlotTest : public InstrumentTest {
protected:
    PlotTest() {
        container.CreateEx(0, "Static", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 500, 300), &panel,
                           1);
        const HWND hwnd = CreateWindowEx(0, "TiPlot", "", WS_CHILD | WS_VISIBLE, 0, 0, 400, 200,
                                         container.GetSafeHwnd(), kPlotId, nullptr);
        EXPECT_TRUE(plot.SubclassWindow(hwnd));
        container.tool = &plot;
    }
    ~PlotTest() override { FailPlotCallsForTests(0); }

    std::vector<DrawRecord> Polylines(COLORREF color) {
        std::vector<DrawRecord> lines;
        for (const DrawRecord& record : Repaint(plot.GetSafeHwnd())) {
            if (record.op == DrawOp::Polyline && record.state.pen.color == color) {
                lines.push_back(record);
            }
        }
        return lines;
    }

    CPlotPanel container;
    CiPlotX plot;
};

TEST_F(PlotTest, ChannelsTakePointsByIndexAndDrawThemAsLines) {
    auto channel = plot.Channel(2);
    channel.SetCapacity(3);
    EXPECT_EQ(channel.Capacity(), 3);
    channel.AddXY(10, 1);
    channel.AddXY(20, 2);
    channel.AddXY(30, 3);
    channel.SetYAt(1, 50);
    EXPECT_EQ(channel.Count(), 3);
    EXPECT_EQ(channel.YAt(1), 50);
    EXPECT_EQ(channel.XAt(2), 30);
    EXPECT_EQ(plot.Channel(0).Count(), 0);

    plot.XAxis().SetMin(0);
    plot.XAxis().SetSpan(40);
    plot.YAxis().SetMin(0);
    plot.YAxis().SetSpan(100);
    channel.SetColor(0x0000FF);
    const auto lines = Polylines(0x0000FF);
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_EQ(lines[0].points.size(), 3u);
    // Higher values stand higher; the points run left to right.
    EXPECT_LT(lines[0].points[1].y, lines[0].points[0].y);
    EXPECT_LT(lines[0].points[0].x, lines[0].points[2].x);

    channel.SetVisible(false);
    EXPECT_TRUE(Polylines(0x0000FF).empty());
    channel.SetVisible(true);
    channel.Clear();
    EXPECT_EQ(channel.Count(), 0);
    EXPECT_TRUE(Polylines(0x0000FF).empty());
}

TEST_F(PlotTest, BadIndexesAndMissingPlotsRaiseTheirResults) {
    EXPECT_THROW(
        {
            try {
                plot.Channel(0).SetYAt(0, 1);
            } catch (const PlotError& error) {
                EXPECT_EQ(error.result(), kInvalidArgument);
                throw;
            }
        },
        PlotError);
    EXPECT_THROW(plot.Cursor(2).SetVisible(true), PlotError);
    CiPlotX unbound;
    try {
        unbound.Channel(0).AddXY(1, 1);
        ADD_FAILURE() << "no error from a plot that is not there";
    } catch (const PlotError& error) {
        EXPECT_EQ(error.result(), kNullInterface);
    }
    FailPlotCallsForTests(static_cast<long>(0x80004005));
    EXPECT_THROW(plot.Channel(0).Count(), PlotError);
    FailPlotCallsForTests(0);
    EXPECT_EQ(plot.Channel(0).Count(), 0);
}

TEST_F(PlotTest, NothingIsDrawnUntilTheOuterBracketCloses) {
    UpdateWindow(plot.GetSafeHwnd());
    plot.BeginUpdate();
    plot.DisableLayout();
    plot.Channel(0).AddXY(1, 1);
    EXPECT_FALSE(plot.Drawable());
    EXPECT_FALSE(GetUpdateRect(plot.GetSafeHwnd(), nullptr, FALSE));
    plot.EnableLayout();
    EXPECT_FALSE(GetUpdateRect(plot.GetSafeHwnd(), nullptr, FALSE));
    plot.EndUpdate();
    EXPECT_TRUE(plot.Drawable());
    EXPECT_TRUE(GetUpdateRect(plot.GetSafeHwnd(), nullptr, FALSE));
}

TEST_F(PlotTest, PixelsAndPercentsMeetInTheDataArea) {
    container.moveArea = true;
    plot.MoveWindow(0, 0, 420, 220);
    auto view = plot.DataView();
    EXPECT_DOUBLE_EQ(view.PixelToPercentX(100), 0);
    EXPECT_DOUBLE_EQ(view.PixelToPercentX(200), 50);
    EXPECT_DOUBLE_EQ(view.PixelToPercentY(110), 0);
    EXPECT_DOUBLE_EQ(view.PixelToPercentY(10), 100);
    EXPECT_EQ(view.PercentToPixelX(25), 150);
    EXPECT_EQ(view.PercentToPixelY(50), 60);
    EXPECT_NE(std::find(container.log.begin(), container.log.end(), "limits"), container.log.end());
}

TEST_F(PlotTest, TheUserMovesTheCursorsAndAnEndedDragIsNoPlainClick) {
    container.moveArea = true;
    plot.MoveWindow(0, 0, 420, 220);
    plot.Cursor(0).SetPosition(0, 25);
    plot.Cursor(0).SetPosition(1, 75);
    // A hidden cursor is not picked up.
    EXPECT_FALSE(PlotDragCursor(plot.GetSafeHwnd(), 0, 0, 180));
    plot.Cursor(0).SetVisible(true);
    container.log.clear();

    ASSERT_TRUE(PlotDragCursor(plot.GetSafeHwnd(), 0, 1, 280));
    EXPECT_DOUBLE_EQ(plot.Cursor(0).Position(1), 90);
    EXPECT_EQ(container.log, (std::vector<std::string>{"cursor", "cursor", "click dragging"}));
    EXPECT_FALSE(plot.ToolState());

    container.log.clear();
    ASSERT_TRUE(PlotClick(plot.GetSafeHwnd(), 200, 50));
    EXPECT_EQ(container.log, (std::vector<std::string>{"pointer 0 200 50", "click plain"}));
    // A press on a cursor line picks it up and drags it with the mouse.
    container.log.clear();
    plot.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 50));
    EXPECT_TRUE(plot.ToolState());
    plot.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(120, 50));
    plot.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(120, 50));
    EXPECT_DOUBLE_EQ(plot.Cursor(0).Position(0), 10);
    EXPECT_EQ(container.log.back(), "click dragging");
}

TEST_F(PlotTest, AnnotationsTitleAndColoursArePainted) {
    plot.SetBackColor(0xFFFFFF);
    plot.SetFrameColor(0x800000);
    plot.SetTitle("RF Spectrum Analyzer - Receiver", 0x800000);
    const int line = plot.Annotations().AddHorizontalLine(50, 0x00FFFF);
    const int text = plot.Annotations().AddText(10, 90, "RES BW 15 kHz", 0x800000);
    plot.Annotations().SetText(text, "RES BW 6 kHz");
    EXPECT_THROW(plot.Annotations().SetVerticalLine(0, 10, true), PlotError);
    bool title = false;
    bool annotation = false;
    bool lineDrawn = false;
    bool white = false;
    for (const DrawRecord& record : Repaint(plot.GetSafeHwnd())) {
        title |= record.op == DrawOp::DrawText && record.text == "RF Spectrum Analyzer - Receiver";
        annotation |= record.op == DrawOp::DrawText && record.text == "RES BW 6 kHz";
        lineDrawn |= record.op == DrawOp::LineTo && record.state.pen.color == 0x00FFFF;
        white |= record.op == DrawOp::FillRect && record.brush.color == 0xFFFFFF &&
                 record.rect.right == 400;
    }
    EXPECT_TRUE(title);
    EXPECT_TRUE(annotation);
    EXPECT_TRUE(lineDrawn);
    EXPECT_TRUE(white);
    plot.Annotations().SetHorizontalLine(line, 50, false);
    EXPECT_EQ(plot.BackColor(), 0xFFFFFFu);
    EXPECT_EQ(plot.FrameColor(), 0x800000u);
}

} // namespace
} // namespace hb::instruments::test
