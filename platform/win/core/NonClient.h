#pragma once
// The frame a child window with a caption keeps around its client area (MDI children, tool
// windows): a border, a caption bar with the icon, the title and the system buttons. Top-level
// windows have none here; the window manager frames them.
#include "platform/win/WinTypes.h"

// WM_NCHITTEST answers.
inline constexpr LRESULT HTNOWHERE = 0;
inline constexpr LRESULT HTCLIENT = 1;
inline constexpr LRESULT HTCAPTION = 2;
inline constexpr LRESULT HTSYSMENU = 3;
inline constexpr LRESULT HTMINBUTTON = 8;
inline constexpr LRESULT HTMAXBUTTON = 9;
inline constexpr LRESULT HTLEFT = 10;
inline constexpr LRESULT HTRIGHT = 11;
inline constexpr LRESULT HTTOP = 12;
inline constexpr LRESULT HTTOPLEFT = 13;
inline constexpr LRESULT HTTOPRIGHT = 14;
inline constexpr LRESULT HTBOTTOM = 15;
inline constexpr LRESULT HTBOTTOMLEFT = 16;
inline constexpr LRESULT HTBOTTOMRIGHT = 17;
inline constexpr LRESULT HTBORDER = 18;
inline constexpr LRESULT HTCLOSE = 20;

namespace hb::win {

// Where the parts of a frame are, in the window's own coordinates (its top-left corner at 0, 0).
// Parts a window does not have are empty.
struct FrameLayout {
    RECT client;
    RECT caption;
    RECT icon;
    RECT minimize;
    RECT maximize;
    RECT close;
    bool toolWindow = false;
};

// Whether windows of this style have a frame: children with a caption.
bool HasFrame(DWORD style);
// The thickness of the frame on each side (all zero without one).
RECT FrameInsets(DWORD style, DWORD exStyle);
// Zero-sized parts for a window without a frame, its client area filling it.
FrameLayout LayOutFrame(HWND hwnd);
// The part of the window under `point` (window coordinates): HTCLIENT, HTCAPTION, a button, an
// edge or corner of a sizing border, HTNOWHERE outside.
LRESULT FrameHitTest(HWND hwnd, POINT point);
// The caption shows the active colours: the active child of an MDI client, or a frame that holds
// the focus.
bool FrameIsActive(HWND hwnd);
// The system command a frame button stands for: the maximize button of a maximized window and the
// minimize button of a minimized one restore it. 0 for the other parts.
WPARAM ButtonCommand(HWND hwnd, LRESULT part);

} // namespace hb::win
