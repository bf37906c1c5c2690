#pragma once
#include "platform/win/WinTypes.h"

inline constexpr HWND HWND_TOP{0u};
inline constexpr HWND HWND_BOTTOM{1u};
inline constexpr HWND HWND_TOPMOST{0xFFFFFFFFu};
inline constexpr HWND HWND_NOTOPMOST{0xFFFFFFFEu};

inline constexpr UINT SWP_NOSIZE = 0x0001;
inline constexpr UINT SWP_NOMOVE = 0x0002;
inline constexpr UINT SWP_NOZORDER = 0x0004;
inline constexpr UINT SWP_NOREDRAW = 0x0008;
inline constexpr UINT SWP_NOACTIVATE = 0x0010;
inline constexpr UINT SWP_FRAMECHANGED = 0x0020;
inline constexpr UINT SWP_SHOWWINDOW = 0x0040;
inline constexpr UINT SWP_HIDEWINDOW = 0x0080;

BOOL SetRect(RECT* rect, int left, int top, int right, int bottom);
BOOL SetRectEmpty(RECT* rect);
BOOL OffsetRect(RECT* rect, int dx, int dy);
BOOL InflateRect(RECT* rect, int dx, int dy);
// Both return FALSE and an empty rectangle when the result is empty.
BOOL IntersectRect(RECT* dest, const RECT* a, const RECT* b);
BOOL UnionRect(RECT* dest, const RECT* a, const RECT* b);
BOOL IsRectEmpty(const RECT* rect);
BOOL EqualRect(const RECT* a, const RECT* b);
BOOL PtInRect(const RECT* rect, POINT pt);

// Sends WM_MOVE when the position changes and WM_SIZE when the size does. Z-order only records
// HWND_TOPMOST/HWND_NOTOPMOST as WS_EX_TOPMOST; sibling order stays creation order.
BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL MoveWindow(HWND hwnd, int x, int y, int cx, int cy, BOOL repaint);
// A child window goes after its siblings: drawn over them and found first under the mouse.
BOOL BringWindowToTop(HWND hwnd);
// Screen coordinates.
BOOL GetWindowRect(HWND hwnd, RECT* rect);
// (0, 0, width, height) of the client area: the whole window, or what its frame leaves of it
// (NonClient.h).
BOOL GetClientRect(HWND hwnd, RECT* rect);
BOOL ScreenToClient(HWND hwnd, POINT* pt);
BOOL ClientToScreen(HWND hwnd, POINT* pt);
// No window stands for the screen. Returns the offset applied, x in the low word, y in the high.
int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count);
