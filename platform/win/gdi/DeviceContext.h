#pragma once
#include "platform/win/WinTypes.h"
#include "platform/win/gdi/DisplayList.h"
#include "platform/win/gdi/GdiTypes.h"

inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

inline constexpr UINT TA_LEFT = 0;
inline constexpr UINT TA_TOP = 0;
inline constexpr UINT TA_RIGHT = 2;
inline constexpr UINT TA_CENTER = 6;
inline constexpr UINT TA_BOTTOM = 8;
inline constexpr UINT TA_BASELINE = 24;

inline constexpr int MM_TEXT = 1;

inline constexpr int RGN_ERROR = 0;
inline constexpr int NULLREGION = 1;
inline constexpr int SIMPLEREGION = 2;

inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// Every DC starts with the system font, the black pen, the white brush, black text on white,
// opaque, aligned top-left, with both origins at 0 and no clipping. A DC of a window records in
// its client coordinates; what is drawn through GetDC joins the window's last paint on ReleaseDC.
// GetDC(nullptr) is a screen DC for measuring.
HDC GetDC(HWND hwnd);
// There is no non-client area, so this is the client DC.
HDC GetWindowDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC hdc);
// A memory DC, holding a 1x1 bitmap until another is selected into it.
HDC CreateCompatibleDC(HDC hdc);
// For memory and recording DCs.
BOOL DeleteDC(HDC hdc);

// Returns the object of the same kind selected before, or null (the DC keeps its object) for an
// unknown object or a bitmap selected into a DC that is not a memory DC.
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object);
// The setters return the previous value (CLR_INVALID or 0 for a bad DC).
COLORREF SetTextColor(HDC hdc, COLORREF color);
COLORREF GetTextColor(HDC hdc);
COLORREF SetBkColor(HDC hdc, COLORREF color);
COLORREF GetBkColor(HDC hdc);
int SetBkMode(HDC hdc, int mode);
UINT SetTextAlign(HDC hdc, UINT align);
// Only MM_TEXT exists: any other mode fails with 0.
int SetMapMode(HDC hdc, int mode);
BOOL SetViewportOrgEx(HDC hdc, int x, int y, POINT* previous);
BOOL SetWindowOrgEx(HDC hdc, int x, int y, POINT* previous);
// SaveDC returns the new depth (0 on failure); RestoreDC takes a depth, or a negative count back
// from the latest (-1: the latest), and drops every state saved after it.
int SaveDC(HDC hdc);
BOOL RestoreDC(HDC hdc, int saved);
// Returns NULLREGION when nothing is left to draw in, SIMPLEREGION otherwise, RGN_ERROR for a bad
// DC.
int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom);

namespace hb::win {

// A DC that only records, for printing and for tests; delete it with DeleteDC.
HDC CreateRecordingDC();
// What a live DC has recorded so far; empty for an unknown DC.
const DisplayList& DisplayListOf(HDC hdc);

} // namespace hb::win
