#pragma once
// Small drawing steps the instruments paint with. Each leaves the DC as it found it and deletes
// the pens, brushes and fonts it made. Angles are in degrees, anticlockwise from 3 o'clock.
#include "platform/win/WinTypes.h"
#include "platform/win/gdi/GdiTypes.h"

#include <string>

namespace hb::instruments::detail {

RECT ClientOf(HWND hwnd);
// The square box of a circle.
RECT CircleBox(double cx, double cy, double radius);
POINT OnCircle(double cx, double cy, double radius, double degrees);

void FillSolid(HDC hdc, const RECT& rect, COLORREF color);
void SunkenEdge(HDC hdc, const RECT& rect);
void RaisedEdge(HDC hdc, const RECT& rect);
void FilledEllipse(HDC hdc, const RECT& box, COLORREF outline, COLORREF fill);
void FilledPolygon(HDC hdc, const POINT* points, int count, COLORREF outline, COLORREF fill);
void Line(HDC hdc, POINT from, POINT to, COLORREF color, int width);
// The arc of the circle from `fromDegrees` anticlockwise to `toDegrees`; the whole circle when
// they are equal.
void ArcOf(HDC hdc, double cx, double cy, double radius, double fromDegrees, double toDegrees,
           COLORREF color, int width);
// Transparent text in `rect`; a null font draws in the DC's font.
void Text(HDC hdc, const std::string& text, RECT rect, UINT format, COLORREF color,
          HFONT font = {});

// A font of the face at a character height in pixels.
HFONT MakeFont(const std::string& face, int height);
// The character height, from `height` down to 6 pixels, at which the text of the face fits in
// `width` pixels (6 when none does).
int FittingHeight(const std::string& face, const std::string& text, int height, int width);
// A number as a knob shows it: whole numbers without decimals, others with two at most.
std::string NumberText(double value);

} // namespace hb::instruments::detail
