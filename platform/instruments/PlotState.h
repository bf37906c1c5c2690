#pragma once
// The plot window's state, shared by its window procedure, its painting and its interfaces; not
// part of the public surface.
#include "platform/win/WinTypes.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace hb::instruments::detail {

struct PlotChannel {
    std::vector<std::pair<double, double>> points;
    std::size_t capacity = 0;
    bool visible = true;
    bool pointDisplay = false;
    std::string title;
    COLORREF color = 0x00FF00;
    int lineWidth = 1;
    double xInterval = 1;
    double baseValue = 0;
};

struct PlotAxis {
    double min = 0;
    double span = 100;
    COLORREF color = 0xFFFFFF;
    COLORREF labelColor = 0xFFFFFF;
    int decimals = 0;
};

struct PlotCursor {
    std::array<double, 2> positions{25, 75}; // percent of the data area's width
    bool visible = false;
    COLORREF color = 0xFFFFFF;
};

struct PlotLine {
    double position = 0; // percent of the axis span
    bool visible = false;
    COLORREF color = 0xFFFFFF;
};

struct PlotText {
    double x = 0; // percent of the plot area
    double y = 0;
    std::string text;
    COLORREF color = 0xFFFFFF;
};

struct PlotState {
    std::vector<PlotChannel> channels;
    PlotAxis xAxis;
    PlotAxis yAxis;
    COLORREF background = 0;
    COLORREF frame = 0x808080;
    COLORREF gridColor = 0x404040;
    COLORREF dataViewColor = 0;
    std::string title;
    COLORREF titleColor = 0xFFFFFF;
    // The further text element: the legend of the channel titles.
    COLORREF legendColor = 0xFFFFFF;
    std::array<PlotCursor, 2> cursors;
    std::vector<PlotLine> horizontalLines;
    std::vector<PlotLine> verticalLines;
    std::vector<PlotText> texts;
    bool toolState = false;
    int outerUpdates = 0;
    int innerUpdates = 0;
    bool drawPending = false;
    // The cursor line being dragged: cursor * 2 + line, -1 when none.
    int dragging = -1;
    bool pressed = false;
    // The data area's limits as the container last set them.
    RECT area{};
};

// Null for a window that is not a plot.
PlotState* FindPlot(HWND hwnd);
// The data area by default margins, then as event 33's handler sets it when it says it handled it.
void LayoutPlot(HWND hwnd, PlotState& state);
// The rectangle the data is drawn in, after the container's say (event 33).
RECT PlotArea(HWND hwnd, PlotState& state);
// Repaints unless an update bracket is open; the closing bracket repaints then.
void PlotChanged(HWND hwnd, PlotState& state);
void PaintPlot(HWND hwnd, HDC hdc, PlotState& state);

} // namespace hb::instruments::detail
