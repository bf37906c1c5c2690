// The plot's picture: background, data area with its grid, axis labels, channels, annotations,
// cursors, the channel legend and the title.
#include "platform/instruments/PaintTools.h"
#include "platform/instruments/PlotState.h"
#include "platform/win/gdi/DeviceContext.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/gdi/TextDrawing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace hb::instruments::detail {

namespace {

constexpr int kDivisions = 10;
constexpr int kTextHeight = 13;
constexpr int kPointHalf = 2;
constexpr const char* kFace = "MS Sans Serif";

struct Mapping {
    RECT area;
    const PlotAxis& x;
    const PlotAxis& y;

    LONG X(double value) const {
        const double span = x.span != 0 ? x.span : 1;
        const double at = area.left + (value - x.min) / span * (area.right - area.left);
        return static_cast<LONG>(std::lround(std::clamp<double>(at, area.left, area.right)));
    }
    LONG Y(double value) const {
        const double span = y.span != 0 ? y.span : 1;
        const double at = area.bottom - (value - y.min) / span * (area.bottom - area.top);
        return static_cast<LONG>(std::lround(std::clamp<double>(at, area.top, area.bottom)));
    }
};

std::string Label(double value, int decimals) {
    char text[40];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

void Grid(HDC hdc, const RECT& area, const PlotState& state, HFONT font) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    for (int i = 0; i <= kDivisions; ++i) {
        const LONG x = area.left + width * i / kDivisions;
        const LONG y = area.bottom - height * i / kDivisions;
        Line(hdc, {x, area.top}, {x, area.bottom}, state.gridColor, 1);
        Line(hdc, {area.left, y}, {area.right, y}, state.gridColor, 1);
        if (i % 2 == 0) {
            const double xValue = state.xAxis.min + state.xAxis.span * i / kDivisions;
            Text(hdc, Label(xValue, state.xAxis.decimals),
                 {x - 40, area.bottom + 3, x + 40, area.bottom + 3 + kTextHeight},
                 DT_CENTER | DT_SINGLELINE, state.xAxis.labelColor, font);
            const double yValue = state.yAxis.min + state.yAxis.span * i / kDivisions;
            Text(hdc, Label(yValue, state.yAxis.decimals),
                 {0, y - kTextHeight / 2, area.left - 4, y + kTextHeight / 2 + 1},
                 DT_RIGHT | DT_SINGLELINE, state.yAxis.labelColor, font);
        }
    }
    Line(hdc, {area.left, area.bottom}, {area.right, area.bottom}, state.xAxis.color, 1);
    Line(hdc, {area.left, area.top}, {area.left, area.bottom}, state.yAxis.color, 1);
}

void Channel(HDC hdc, const Mapping& map, const PlotChannel& channel) {
    if (!channel.visible || channel.points.empty()) {
        return;
    }
    std::vector<POINT> points;
    points.reserve(channel.points.size());
    for (const auto& [x, y] : channel.points) {
        points.push_back({map.X(x), map.Y(y)});
    }
    if (channel.pointDisplay || points.size() == 1) {
        for (const POINT& p : points) {
            FillSolid(
                hdc,
                {p.x - kPointHalf, p.y - kPointHalf, p.x + kPointHalf + 1, p.y + kPointHalf + 1},
                channel.color);
        }
        if (points.size() == 1) {
            return;
        }
    }
    const HPEN pen = CreatePen(PS_SOLID, channel.lineWidth, channel.color);
    const int saved = SaveDC(hdc);
    SelectObject(hdc, pen);
    Polyline(hdc, points.data(), static_cast<int>(points.size()));
    RestoreDC(hdc, saved);
    DeleteObject(pen);
}

void Annotations(HDC hdc, const RECT& area, const PlotState& state, HFONT font) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    for (const PlotLine& line : state.horizontalLines) {
        if (line.visible) {
            const LONG y =
                area.bottom - static_cast<LONG>(std::lround(line.position * height / 100));
            Line(hdc, {area.left, y}, {area.right, y}, line.color, 1);
        }
    }
    for (const PlotLine& line : state.verticalLines) {
        if (line.visible) {
            const LONG x = area.left + static_cast<LONG>(std::lround(line.position * width / 100));
            Line(hdc, {x, area.top}, {x, area.bottom}, line.color, 1);
        }
    }
    for (const PlotText& text : state.texts) {
        const LONG x = area.left + static_cast<LONG>(std::lround(text.x * width / 100));
        const LONG y = area.bottom - static_cast<LONG>(std::lround(text.y * height / 100));
        // A text in the right half ends at its place, so that it stays inside the plot.
        const bool right = text.x > 50;
        const RECT box =
            right ? RECT{x - 200, y, x, y + kTextHeight} : RECT{x, y, x + 200, y + kTextHeight};
        Text(hdc, text.text, box, (right ? DT_RIGHT : DT_LEFT) | DT_SINGLELINE, text.color, font);
    }
    for (const PlotCursor& cursor : state.cursors) {
        if (!cursor.visible) {
            continue;
        }
        for (const double position : cursor.positions) {
            const LONG x = area.left + static_cast<LONG>(std::lround(position * width / 100));
            Line(hdc, {x, area.top}, {x, area.bottom}, cursor.color, 1);
        }
    }
}

void Legend(HDC hdc, const RECT& client, const RECT& area, const PlotState& state, HFONT font) {
    LONG x = area.right;
    for (auto channel = state.channels.rbegin(); channel != state.channels.rend(); ++channel) {
        if (!channel->visible || channel->title.empty()) {
            continue;
        }
        const LONG left = x - 8 * static_cast<LONG>(channel->title.size()) - 14;
        FillSolid(hdc, {left, client.top + 8, left + 8, client.top + 14}, channel->color);
        Text(hdc, channel->title, {left + 10, client.top + 4, x, client.top + 4 + kTextHeight},
             DT_LEFT | DT_SINGLELINE, state.legendColor, font);
        x = left - 6;
    }
}

} // namespace

void PaintPlot(HWND hwnd, HDC hdc, PlotState& state) {
    const RECT client = ClientOf(hwnd);
    const RECT area = PlotArea(hwnd, state);
    FillSolid(hdc, client, state.background);
    FillSolid(hdc, area, state.dataViewColor);
    const HFONT font = MakeFont(kFace, kTextHeight);
    Grid(hdc, area, state, font);
    const Mapping map{area, state.xAxis, state.yAxis};
    for (const PlotChannel& channel : state.channels) {
        Channel(hdc, map, channel);
    }
    Annotations(hdc, area, state, font);
    Legend(hdc, client, area, state, font);
    Text(hdc, state.title, {area.left, client.top + 4, area.right, client.top + 4 + kTextHeight},
         DT_LEFT | DT_SINGLELINE, state.titleColor, font);
    const HPEN pen = CreatePen(PS_SOLID, 2, state.frame);
    const int framed = SaveDC(hdc);
    SelectObject(hdc, pen);
    SelectObject(hdc, GetStockObject(NULL_BRUSH));
    Rectangle(hdc, client.left + 1, client.top + 1, client.right, client.bottom);
    RestoreDC(hdc, framed);
    DeleteObject(pen);
    DeleteObject(font);
}

} // namespace hb::instruments::detail
