#pragma once
#include "platform/win/WinTypes.h"

inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWMINIMIZED = 2;
inline constexpr int SW_SHOWMAXIMIZED = 3;
inline constexpr int SW_MAXIMIZE = 3;
inline constexpr int SW_SHOWNOACTIVATE = 4;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_MINIMIZE = 6;
inline constexpr int SW_RESTORE = 9;

// Sends WM_SHOWWINDOW when the visibility changes and WM_SIZE when the placement does (a
// maximized window fills its parent's client area, or the screen); the commands that show a
// top-level window normally also activate it. Returns whether the window was visible before.
BOOL ShowWindow(HWND hwnd, int command);
// The window and all its ancestors are shown.
BOOL IsWindowVisible(HWND hwnd);
BOOL IsIconic(HWND hwnd);
BOOL IsZoomed(HWND hwnd);

// Sends WM_ENABLE when the state changes; disabling takes the focus away from the window and its
// children. Returns whether the window was disabled before.
BOOL EnableWindow(HWND hwnd, BOOL enable);
BOOL IsWindowEnabled(HWND hwnd);

// Activates the window's top-level window if needed, then sends WM_KILLFOCUS to the old focus
// (wParam: the new one) and WM_SETFOCUS to the new (wParam: the old one). Returns the old focus.
HWND SetFocus(HWND hwnd);
HWND GetFocus();

// WM_CAPTURECHANGED goes to the window that loses the capture.
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();

// TrackMouseEvent: with TME_LEAVE, the window gets one WM_MOUSELEAVE (posted) when the mouse next
// moves over another window; TME_CANCEL takes the request back.
inline constexpr UINT WM_MOUSELEAVE = 0x02A3;
inline constexpr DWORD TME_LEAVE = 0x00000002;
inline constexpr DWORD TME_CANCEL = 0x80000000;
struct TRACKMOUSEEVENT {
    DWORD cbSize = sizeof(TRACKMOUSEEVENT);
    DWORD dwFlags = 0;
    HWND hwndTrack;
    DWORD dwHoverTime = 0;
};
BOOL TrackMouseEvent(TRACKMOUSEEVENT* event);

// Activation is for top-level windows: WM_ACTIVATE(WA_INACTIVE) to the old one, then
// WM_ACTIVATE(WA_ACTIVE) to the new. Returns the previously active window.
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
BOOL SetForegroundWindow(HWND hwnd);

namespace hb::win {

// The mouse is over `hwnd` (null: over none of the program's windows): a window tracking the mouse
// that is not `hwnd` hears that the mouse left it. Message dispatch calls it for each WM_MOUSEMOVE.
void NoteMouseOver(HWND hwnd);

} // namespace hb::win
