#include "platform/instruments/PaintTools.h"

#include "platform/win/core/Geometry.h"
#include "platform/win/gdi/DeviceContext.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/Fonts.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/gdi/TextDrawing.h"
#include "platform/win/gdi/TextMetrics.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace hb::instruments::detail {

namespace {

int Round(double value) {
    return static_cast<int>(std::lround(value));
}

} // namespace

RECT ClientOf(HWND hwnd) {
    RECT rect;
    GetClientRect(hwnd, &rect);
    return rect;
}

RECT CircleBox(double cx, double cy, double radius) {
    return {Round(cx - radius), Round(cy - radius), Round(cx + radius), Round(cy + radius)};
}

POINT OnCircle(double cx, double cy, double radius, double degrees) {
    const double radians = degrees * std::numbers::pi / 180;
    return {Round(cx + radius * std::cos(radians)), Round(cy - radius * std::sin(radians))};
}

void FillSolid(HDC hdc, const RECT& rect, COLORREF color) {
    const HBRUSH brush = CreateSolidBrush(color);
    FillRect(hdc, &rect, brush);
    DeleteObject(brush);
}

void SunkenEdge(HDC hdc, const RECT& rect) {
    RECT edge = rect;
    DrawEdge(hdc, &edge, EDGE_SUNKEN, BF_RECT);
}

void RaisedEdge(HDC hdc, const RECT& rect) {
    RECT edge = rect;
    DrawEdge(hdc, &edge, EDGE_RAISED, BF_RECT);
}

void FilledEllipse(HDC hdc, const RECT& box, COLORREF outline, COLORREF fill) {
    const HPEN pen = CreatePen(PS_SOLID, 1, outline);
    const HBRUSH brush = CreateSolidBrush(fill);
    const int saved = SaveDC(hdc);
    SelectObject(hdc, pen);
    SelectObject(hdc, brush);
    Ellipse(hdc, box.left, box.top, box.right, box.bottom);
    RestoreDC(hdc, saved);
    DeleteObject(pen);
    DeleteObject(brush);
}

void FilledPolygon(HDC hdc, const POINT* points, int count, COLORREF outline, COLORREF fill) {
    const HPEN pen = CreatePen(PS_SOLID, 1, outline);
    const HBRUSH brush = CreateSolidBrush(fill);
    const int saved = SaveDC(hdc);
    SelectObject(hdc, pen);
    SelectObject(hdc, brush);
    Polygon(hdc, points, count);
    RestoreDC(hdc, saved);
    DeleteObject(pen);
    DeleteObject(brush);
}

void Line(HDC hdc, POINT from, POINT to, COLORREF color, int width) {
    const HPEN pen = CreatePen(PS_SOLID, width, color);
    const int saved = SaveDC(hdc);
    SelectObject(hdc, pen);
    MoveToEx(hdc, from.x, from.y, nullptr);
    LineTo(hdc, to.x, to.y);
    RestoreDC(hdc, saved);
    DeleteObject(pen);
}

void ArcOf(HDC hdc, double cx, double cy, double radius, double fromDegrees, double toDegrees,
           COLORREF color, int width) {
    const HPEN pen = CreatePen(PS_SOLID, width, color);
    const int saved = SaveDC(hdc);
    SelectObject(hdc, pen);
    const RECT box = CircleBox(cx, cy, radius);
    const POINT from = OnCircle(cx, cy, radius, fromDegrees);
    const POINT to = OnCircle(cx, cy, radius, toDegrees);
    Arc(hdc, box.left, box.top, box.right, box.bottom, from.x, from.y, to.x, to.y);
    RestoreDC(hdc, saved);
    DeleteObject(pen);
}

void Text(HDC hdc, const std::string& text, RECT rect, UINT format, COLORREF color, HFONT font) {
    const int saved = SaveDC(hdc);
    if (font) {
        SelectObject(hdc, font);
    }
    SetTextColor(hdc, color);
    SetBkMode(hdc, TRANSPARENT);
    DrawText(hdc, text.c_str(), static_cast<int>(text.size()), &rect, format | DT_NOPREFIX);
    RestoreDC(hdc, saved);
}

HFONT MakeFont(const std::string& face, int height) {
    return CreateFont(-height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face.c_str());
}

int FittingHeight(const std::string& face, const std::string& text, int height, int width) {
    constexpr int kSmallest = 6;
    hb::win::FontState font;
    font.face = face;
    for (; height > kSmallest; --height) {
        font.height = -height;
        if (hb::win::MeasureText(font, text).cx <= width) {
            break;
        }
    }
    return height;
}

std::string NumberText(double value) {
    char text[64];
    if (std::abs(value - std::round(value)) < 1e-9) {
        std::snprintf(text, sizeof text, "%.0f", value);
        return text;
    }
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string result = text;
    while (result.back() == '0') {
        result.pop_back();
    }
    if (result.back() == '.') {
        result.pop_back();
    }
    return result;
}

} // namespace hb::instruments::detail
