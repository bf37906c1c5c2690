#pragma once
#include "platform/win/WinTypes.h"

#include <cstdint>
#include <functional>
#include <vector>

inline constexpr DWORD WS_OVERLAPPED = 0x00000000;
inline constexpr DWORD WS_POPUP = 0x80000000;
inline constexpr DWORD WS_CHILD = 0x40000000;
inline constexpr DWORD WS_MINIMIZE = 0x20000000;
inline constexpr DWORD WS_VISIBLE = 0x10000000;
inline constexpr DWORD WS_DISABLED = 0x08000000;
inline constexpr DWORD WS_CLIPSIBLINGS = 0x04000000;
inline constexpr DWORD WS_CLIPCHILDREN = 0x02000000;
inline constexpr DWORD WS_MAXIMIZE = 0x01000000;
inline constexpr DWORD WS_CAPTION = 0x00C00000;
inline constexpr DWORD WS_BORDER = 0x00800000;
inline constexpr DWORD WS_DLGFRAME = 0x00400000;
inline constexpr DWORD WS_VSCROLL = 0x00200000;
inline constexpr DWORD WS_HSCROLL = 0x00100000;
inline constexpr DWORD WS_SYSMENU = 0x00080000;
inline constexpr DWORD WS_THICKFRAME = 0x00040000;
inline constexpr DWORD WS_GROUP = 0x00020000;
inline constexpr DWORD WS_TABSTOP = 0x00010000;
inline constexpr DWORD WS_MINIMIZEBOX = 0x00020000;
inline constexpr DWORD WS_MAXIMIZEBOX = 0x00010000;
inline constexpr DWORD WS_OVERLAPPEDWINDOW =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
inline constexpr DWORD WS_POPUPWINDOW = WS_POPUP | WS_BORDER | WS_SYSMENU;

inline constexpr DWORD WS_EX_DLGMODALFRAME = 0x00000001;
inline constexpr DWORD WS_EX_TOPMOST = 0x00000008;
inline constexpr DWORD WS_EX_MDICHILD = 0x00000040;
inline constexpr DWORD WS_EX_TOOLWINDOW = 0x00000080;
inline constexpr DWORD WS_EX_WINDOWEDGE = 0x00000100;
inline constexpr DWORD WS_EX_CLIENTEDGE = 0x00000200;
inline constexpr DWORD WS_EX_CONTROLPARENT = 0x00010000;
inline constexpr DWORD WS_EX_STATICEDGE = 0x00020000;
inline constexpr DWORD WS_EX_APPWINDOW = 0x00040000;

inline constexpr int GWLP_WNDPROC = -4;
inline constexpr int GWL_ID = -12;
inline constexpr int GWL_STYLE = -16;
inline constexpr int GWL_EXSTYLE = -20;
inline constexpr int GWLP_USERDATA = -21;

inline constexpr UINT GW_HWNDFIRST = 0;
inline constexpr UINT GW_HWNDLAST = 1;
inline constexpr UINT GW_HWNDNEXT = 2;
inline constexpr UINT GW_HWNDPREV = 3;
inline constexpr UINT GW_OWNER = 4;
inline constexpr UINT GW_CHILD = 5;

inline constexpr UINT GA_PARENT = 1;
inline constexpr UINT GA_ROOT = 2;

// What WM_NCCREATE and WM_CREATE point to. hMenu carries a child window's id.
struct CREATESTRUCT {
    LPVOID lpCreateParams = nullptr;
    HMENU hMenu{};
    HWND hwndParent{};
    int cy = 0;
    int cx = 0;
    int y = 0;
    int x = 0;
    LONG style = 0;
    LPCSTR lpszName = nullptr;
    LPCSTR lpszClass = nullptr;
    DWORD dwExStyle = 0;
};

// Sends WM_NCCREATE (FALSE fails), WM_CREATE (-1 fails and destroys the half-made window) and the
// first WM_SIZE. A WS_CHILD window's rectangle is in its parent's client coordinates and `id` is
// its control id; a top-level window takes a menu handle's id there instead, for its menu. A
// top-level window created with a parent is owned by that parent's top-level window. Only a child
// with a caption has a non-client area (a frame, NonClient.h); the client area fills other windows.
HWND CreateWindowEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                    int cx, int cy, HWND parent, UINT id, LPVOID createParam);

// Destroys the owned windows, sends WM_DESTROY, destroys the children depth first in creation
// order, and sends WM_NCDESTROY last; then the window's timers, posted messages, focus, capture
// and activation go, and its handle is dead for good. FALSE for a window already being destroyed.
BOOL DestroyWindow(HWND hwnd);
BOOL IsWindow(HWND hwnd);

// The parent of a child window, the owner of a WS_POPUP window, else none.
HWND GetParent(HWND hwnd);
// Moves the window to the end of the new parent's children (none: to the top level); returns the
// old parent.
HWND SetParent(HWND hwnd, HWND newParent);
// Siblings and children in creation order.
HWND GetWindow(HWND hwnd, UINT command);
HWND GetAncestor(HWND hwnd, UINT flags);
BOOL IsChild(HWND parent, HWND hwnd);
HWND GetDlgItem(HWND parent, int id);
int GetDlgCtrlID(HWND hwnd);
int GetClassName(HWND hwnd, LPSTR buffer, int size);

LONG GetWindowLong(HWND hwnd, int index);
LONG SetWindowLong(HWND hwnd, int index, LONG value);
LONG_PTR GetWindowLongPtr(HWND hwnd, int index);
// With GWLP_WNDPROC this subclasses the window and returns the procedure it replaces.
LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value);
LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Keeps the window text (WM_NCCREATE, WM_SETTEXT, WM_GETTEXT, WM_GETTEXTLENGTH) and icons
// (WM_SETICON, WM_GETICON), destroys the window on WM_CLOSE, validates it on WM_PAINT, turns
// WM_PRINT into WM_ERASEBKGND, WM_PRINTCLIENT and the children's WM_PRINT as its flags ask,
// answers WM_NCHITTEST from the frame (lParam: the point on the screen), and carries out SC_CLOSE
// (as WM_CLOSE), SC_MINIMIZE, SC_MAXIMIZE and SC_RESTORE; everything else returns 0.
LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// These go through WM_SETTEXT, WM_GETTEXT and WM_GETTEXTLENGTH, so a window may answer them itself.
BOOL SetWindowText(HWND hwnd, LPCSTR text);
int GetWindowText(HWND hwnd, LPSTR buffer, int size);
int GetWindowTextLength(HWND hwnd);

namespace hb::win {

// Runs `hook` with the handle of the window the next CreateWindowEx call makes, before its first
// message, so that a class library can attach its object and install its procedure. The next
// CreateWindowEx disarms the hook whether or not it creates a window.
void HookNextWindowCreation(std::function<void(HWND)> hook);

// The windows without a parent, in creation order.
std::vector<HWND> TopLevelWindows();

// Window handles in message parameters (WM_SETFOCUS, WM_ACTIVATE, ...).
constexpr LPARAM ParamFromHwnd(HWND hwnd) {
    return static_cast<LPARAM>(hwnd.id());
}
constexpr HWND HwndFromParam(std::uintptr_t param) {
    return HWND(static_cast<std::uint32_t>(param));
}

} // namespace hb::win
