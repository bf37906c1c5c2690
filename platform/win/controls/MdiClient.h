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
// A maximized child keeps filling the client area when it is resized.

#include "platform/win/WinTypes.h"

inline constexpr LPCSTR MDICLIENT_CLASS = "MDIClient";

inline constexpr WPARAM MDITILE_VERTICAL = 0;
inline constexpr WPARAM MDITILE_HORIZONTAL = 1;

namespace hb::win {

// How far each cascaded child sits from the one below it.
inline constexpr int kMdiCascadeStep = 24;

} // namespace hb::win
