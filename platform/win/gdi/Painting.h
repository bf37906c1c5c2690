#pragma once
#include "platform/win/WinTypes.h"
#include "platform/win/gdi/DisplayList.h"
#include "platform/win/gdi/GdiTypes.h"

#include <vector>

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase = FALSE;
    RECT rcPaint;
};

// WM_PRINT options.
inline constexpr LPARAM PRF_CHECKVISIBLE = 0x0001;
inline constexpr LPARAM PRF_NONCLIENT = 0x0002;
inline constexpr LPARAM PRF_CLIENT = 0x0004;
inline constexpr LPARAM PRF_ERASEBKGND = 0x0008;
inline constexpr LPARAM PRF_CHILDREN = 0x0010;

// For the WM_PAINT handler. BeginPaint sends a pending WM_ERASEBKGND (wParam: the DC) and leaves
// fErase set when that was not answered with nonzero; rcPaint is what was invalid (empty when
// nothing was), and the DC is clipped to it. The window is valid afterwards. EndPaint makes what
// the DC recorded the window's last paint.
HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint);

namespace hb::win {

// What the window drew in its last paint, with anything drawn through GetDC since; empty for a
// window never painted.
const DisplayList& LastPaint(HWND hwnd);

// Whether the window painted itself (UpdateWindow outside PaintWindowTree) since PaintWindowTree
// last took its list: a picture made before then is out of date, though nothing is dirty.
bool HasUntakenPaint(HWND hwnd);

struct PaintedWindow {
    HWND hwnd;
    DisplayList list;
};

// Invalidates and paints the window, then its visible children depth first in creation order,
// each through its own WM_PAINT; returns their display lists in that order, parents first.
std::vector<PaintedWindow> PaintWindowTree(HWND hwnd);

} // namespace hb::win
