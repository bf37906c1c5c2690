#pragma once
#include "platform/win/WinTypes.h"
#include "platform/win/gdi/GdiTypes.h"

// Raster operations.
inline constexpr DWORD SRCCOPY = 0x00CC0020;
inline constexpr DWORD SRCPAINT = 0x00EE0086;
inline constexpr DWORD SRCAND = 0x008800C6;
inline constexpr DWORD SRCINVERT = 0x00660046;
inline constexpr DWORD PATCOPY = 0x00F00021;

// DrawEdge edges and sides.
inline constexpr UINT BDR_RAISEDOUTER = 0x0001;
inline constexpr UINT BDR_SUNKENOUTER = 0x0002;
inline constexpr UINT BDR_RAISEDINNER = 0x0004;
inline constexpr UINT BDR_SUNKENINNER = 0x0008;
inline constexpr UINT EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
inline constexpr UINT EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
inline constexpr UINT EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
inline constexpr UINT EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
inline constexpr UINT BF_LEFT = 0x0001;
inline constexpr UINT BF_TOP = 0x0002;
inline constexpr UINT BF_RIGHT = 0x0004;
inline constexpr UINT BF_BOTTOM = 0x0008;
inline constexpr UINT BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
inline constexpr UINT BF_MIDDLE = 0x0800;
inline constexpr UINT BF_SOFT = 0x1000;
inline constexpr UINT BF_ADJUST = 0x2000;
inline constexpr UINT BF_FLAT = 0x4000;
inline constexpr UINT BF_MONO = 0x8000;

// DrawIconEx.
inline constexpr UINT DI_MASK = 0x0001;
inline constexpr UINT DI_IMAGE = 0x0002;
inline constexpr UINT DI_NORMAL = 0x0003;

// DrawState: what is drawn, and how.
using DRAWSTATEPROC = BOOL (*)(HDC hdc, LPARAM data, WPARAM extra, int cx, int cy);
inline constexpr UINT DST_ICON = 0x0003;
inline constexpr UINT DSS_NORMAL = 0x0000;
inline constexpr UINT DSS_DISABLED = 0x0020;

// Every call records one operation (see DisplayList.h) and fails for an unknown DC or object.
int FillRect(HDC hdc, const RECT* rect, HBRUSH brush);
int FrameRect(HDC hdc, const RECT* rect, HBRUSH brush);
BOOL InvertRect(HDC hdc, const RECT* rect);
BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom);
BOOL RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height);
BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom);
BOOL Arc(HDC hdc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
         int yEnd);
BOOL Pie(HDC hdc, int left, int top, int right, int bottom, int xStart, int yStart, int xEnd,
         int yEnd);
BOOL Polygon(HDC hdc, const POINT* points, int count);
BOOL Polyline(HDC hdc, const POINT* points, int count);
// Moves the current position; records nothing (the LineTo that follows carries both ends).
BOOL MoveToEx(HDC hdc, int x, int y, POINT* previous);
BOOL LineTo(HDC hdc, int x, int y);
// Returns the colour, or CLR_INVALID for a bad DC.
COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color);
// The source is the bitmap selected into `source` (a memory DC); raster operations that use no
// source may pass a null DC.
BOOL BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC source, int xSource, int ySource, DWORD rop);
BOOL StretchBlt(HDC hdc, int x, int y, int cx, int cy, HDC source, int xSource, int ySource,
                int cxSource, int cySource, DWORD rop);
BOOL DrawIcon(HDC hdc, int x, int y, HICON icon);
// A size of 0 draws at the icon's own size.
BOOL DrawIconEx(HDC hdc, int x, int y, HICON icon, int cx, int cy, UINT step, HBRUSH background,
                UINT flags);
// Only icons (DST_ICON, the icon in `data`): as DrawIconEx, greyed with DSS_DISABLED. A size of 0
// draws at the icon's own size.
BOOL DrawState(HDC hdc, HBRUSH foreground, DRAWSTATEPROC callback, LPARAM data, WPARAM extra, int x,
               int y, int cx, int cy, UINT flags);
// With BF_ADJUST, `rect` shrinks by the edge's width on the sides drawn.
BOOL DrawEdge(HDC hdc, RECT* rect, UINT edge, UINT flags);
BOOL DrawFocusRect(HDC hdc, const RECT* rect);
