#pragma once
#include "platform/win/WinTypes.h"

inline constexpr UINT RDW_INVALIDATE = 0x0001;
inline constexpr UINT RDW_ERASE = 0x0004;
inline constexpr UINT RDW_VALIDATE = 0x0008;
inline constexpr UINT RDW_ALLCHILDREN = 0x0080;
inline constexpr UINT RDW_UPDATENOW = 0x0100;
inline constexpr UINT RDW_FRAME = 0x0400;

// Painting happens on demand only: invalidating marks a window dirty, and UpdateWindow (or
// RedrawWindow with RDW_UPDATENOW) sends WM_PAINT to a dirty window. A null rectangle means the
// whole client area.
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase);
// Clears the window when `rect` is null or covers everything that is dirty.
BOOL ValidateRect(HWND hwnd, const RECT* rect);
// Returns whether the window is dirty; with `erase`, sends the pending WM_ERASEBKGND first.
BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL erase);
BOOL UpdateWindow(HWND hwnd);
// RDW_INVALIDATE (with RDW_ERASE) or RDW_VALIDATE, for the window and with RDW_ALLCHILDREN its
// children too, then with RDW_UPDATENOW paints the dirty ones, parents first. There is no
// non-client frame, so RDW_FRAME changes nothing.
BOOL RedrawWindow(HWND hwnd, const RECT* rect, UINT flags);

namespace hb::win {

// Whether a window inside the top-level window `top` was shown, hidden, moved, resized or given
// another parent since the last call. Such changes make nothing dirty, yet what the display shows
// of the tree is out of date.
bool TakeRearranged(HWND top);

} // namespace hb::win
