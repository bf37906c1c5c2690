#pragma once
// The "MDIClient" class: the area of an MDI frame that holds its child frames. Children are its
// WS_CHILD windows; it keeps them in activation order, the active one first, and learns of a child
// when the child is first activated (WM_MDIACTIVATE). Messages it answers:
//  - WM_MDIACTIVATE(child): sends WM_MDIACTIVATE(deactivated, activated) to the child losing and
//    the child gaining the activation, then gives the new child the focus;
//  - WM_MDIGETACTIVE(0, BOOL* maximized): the active child;
//  - WM_MDIDESTROY(child): activates the next child first (or deactivates the last one), then
//    destroys the child; a child being destroyed sends it too, from its WM_DESTROY;
//  - WM_MDINEXT(child or 0 for the active one, 0): activates the child behind it and sends it to
//    the back; with a nonzero lParam activates the backmost child instead;
//  - WM_MDIMAXIMIZE(child), WM_MDIRESTORE(child);
//  - WM_MDITILE(MDITILE_HORIZONTAL: one above the other; MDITILE_VERTICAL: side by side) and
//    WM_MDICASCADE: the visible children that are not minimized share the client area in
//    activation order (those never activated last), or are cascaded with the active one on top;
//    TRUE when there were any.
// A maximized child keeps filling the client area when it is resized, and a child activated while
// the active one is maximized is maximized in its place. The active child is drawn over the others.
// With a window menu (CLIENTCREATESTRUCT, or WM_MDISETMENU(0, menu)), the client keeps the list of
// its children at the end of that menu: a separator, then "&1 title", "&2 title", ... in the order
// they came, with ids from idFirstChild and the active one checked. It refreshes the list when a
// child comes, goes or is activated, and on WM_MDIREFRESHMENU (after a title changes).

#include "platform/win/WinTypes.h"

inline constexpr LPCSTR MDICLIENT_CLASS = "MDIClient";

inline constexpr WPARAM MDITILE_VERTICAL = 0;
inline constexpr WPARAM MDITILE_HORIZONTAL = 1;

// What CreateWindowEx's last parameter points to for an MDI client.
struct CLIENTCREATESTRUCT {
    HMENU hWindowMenu;
    UINT idFirstChild = 0;
};

// The keys an MDI frame's loop gives its client first: Ctrl+F4 sends SC_CLOSE to the active child,
// Ctrl+F6 SC_NEXTWINDOW (with Shift SC_PREVWINDOW). TRUE when the message was one of them.
BOOL TranslateMDISysAccel(HWND client, MSG* msg);
// What an MDI frame does with the messages it leaves: a command of its window list activates that
// child; the rest go to DefWindowProc.
LRESULT DefFrameProc(HWND frame, HWND client, UINT message, WPARAM wParam, LPARAM lParam);

namespace hb::win {

// How far each cascaded child sits from the one below it.
inline constexpr int kMdiCascadeStep = 24;

} // namespace hb::win
