#include "platform/display/InputTranslator.h"

#include "platform/display/HitTest.h"
#include "platform/display/KeyMap.h"
#include "platform/display/MenuBar.h"
#include "platform/win/core/Clock.h"
#include "platform/win/core/Geometry.h"
#include "platform/win/core/Input.h"
#include "platform/win/core/Keyboard.h"
#include "platform/win/core/Keys.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/Window.h"
#include "platform/win/core/WindowClass.h"
#include "platform/win/core/WindowState.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace hb::display {

namespace {

constexpr int kWheelNotch = 120;

// Shift, Control and Alt as the event saw them.
void NoteModifiers(unsigned state) {
    hb::win::SetKeyDown(VK_SHIFT, (state & ShiftMask) != 0);
    hb::win::SetKeyDown(VK_CONTROL, (state & ControlMask) != 0);
    hb::win::SetKeyDown(VK_MENU, (state & Mod1Mask) != 0);
}

WPARAM MouseKeys(unsigned state) {
    return ((state & Button1Mask) ? MK_LBUTTON : 0) | ((state & Button3Mask) ? MK_RBUTTON : 0) |
           ((state & Button2Mask) ? MK_MBUTTON : 0) | ((state & ShiftMask) ? MK_SHIFT : 0) |
           ((state & ControlMask) ? MK_CONTROL : 0);
}

LPARAM PointParam(POINT pt) {
    return MAKELPARAM(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y));
}

bool TakesDoubleClicks(HWND hwnd) {
    char name[64] = {};
    WNDCLASS wc;
    return GetClassName(hwnd, name, sizeof name) > 0 && GetClassInfo(name, &wc) &&
           (wc.style & CS_DBLCLKS);
}

// The window the mouse talks to and the point in its client area: the capture holds the mouse
// wherever it is; otherwise the window under it.
HWND MouseTarget(HWND top, POINT client, POINT& pt) {
    const HWND capture = GetCapture();
    if (capture) {
        pt = client;
        MapWindowPoints(top, capture, &pt, 1);
        return capture;
    }
    const HWND hit = HitTest(top, client);
    pt = client;
    MapWindowPoints(top, hit, &pt, 1);
    return hit;
}

UINT ButtonMessage(unsigned button, bool press) {
    switch (button) {
    case Button1:
        return press ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    case Button2:
        return press ? WM_MBUTTONDOWN : WM_MBUTTONUP;
    case Button3:
        return press ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    default:
        return 0;
    }
}

UINT ButtonKey(unsigned button) {
    return button == Button1 ? VK_LBUTTON : button == Button2 ? VK_MBUTTON : VK_RBUTTON;
}

WPARAM ButtonFlag(unsigned button) {
    return button == Button1 ? MK_LBUTTON : button == Button2 ? MK_MBUTTON : MK_RBUTTON;
}

} // namespace

void InputTranslator::Handle(XEvent& event) {
    ShownWindow* shown = m_windows.Find(event.xany.window);
    if (!shown || !IsWindow(shown->hwnd)) {
        return;
    }
    switch (event.type) {
    case Expose:
        shown->exposed = shown->exposed || event.xexpose.count == 0;
        break;
    case ConfigureNotify:
        Configure(*shown);
        break;
    case ClientMessage:
        if (static_cast<XId>(event.xclient.data.l[0]) == m_connection.wmDeleteWindow &&
            hb::win::TakesInput(shown->hwnd)) {
            PostMessage(shown->hwnd, WM_CLOSE, 0, 0);
        }
        break;
    case ButtonPress:
    case ButtonRelease:
        Button(event, event.type == ButtonPress);
        break;
    case MotionNotify:
        Motion(event);
        break;
    case KeyPress:
    case KeyRelease:
        Key(event, event.type == KeyPress);
        break;
    case LeaveNotify:
        // The pointer left the window (not merely for a window inside it).
        if (event.xcrossing.detail != NotifyInferior && event.xcrossing.mode == NotifyNormal) {
            hb::win::NoteMouseOver({});
        }
        break;
    case FocusIn:
        if (GetActiveWindow() != shown->hwnd && hb::win::TakesInput(shown->hwnd)) {
            SetActiveWindow(shown->hwnd);
        }
        break;
    case FocusOut: // keys released elsewhere never come back here
        NoteModifiers(0);
        break;
    default:
        break;
    }
}

std::optional<char> InputTranslator::TypedBy(UINT keycode) const {
    if (keycode >= m_typed.size() || m_typed[keycode] == 0) {
        return std::nullopt;
    }
    return m_typed[keycode];
}

void InputTranslator::Button(XEvent& event, bool press) {
    const XButtonEvent& xb = event.xbutton;
    const ShownWindow& shown = *m_windows.Find(xb.window);
    const HWND top = shown.hwnd;
    NoteModifiers(xb.state);
    // The wheel's notches are no presses: they leave a double-click be.
    const bool pressed = press && xb.button != Button4 && xb.button != Button5;
    if (xb.y < shown.menuHeight && !GetCapture()) {
        if (pressed) {
            m_clicks.Break();
        }
        if (press && xb.button == Button1 && hb::win::TakesInput(top)) {
            const RECT outer = shown.Outer();
            ClickMenuBar(top, {outer.left, outer.top}, xb.x);
        }
        return;
    }
    const POINT client{xb.x, xb.y - shown.menuHeight};
    POINT screen = client;
    ClientToScreen(top, &screen);
    if (xb.button == Button1 && !press && m_frames.Tracking()) {
        m_frames.Release(screen);
        return;
    }
    if (!GetCapture()) {
        const Hit hit = HitTestFrames(top, client);
        if (hit.onFrame) {
            if (press && xb.button == Button1 && hb::win::TakesInput(hit.hwnd)) {
                if (GetActiveWindow() != top) {
                    SetActiveWindow(top);
                }
                m_frames.Press(hit.hwnd, screen);
            } else if (pressed) {
                m_clicks.Break();
            }
            return;
        }
    }
    POINT pt;
    const HWND target = MouseTarget(top, client, pt);
    if (!hb::win::TakesInput(target)) {
        if (pressed) {
            m_clicks.Break();
        }
        return;
    }
    if (xb.button == Button4 || xb.button == Button5) {
        if (press) {
            const int delta = xb.button == Button4 ? kWheelNotch : -kWheelNotch;
            hb::win::PostMouseInput(target, WM_MOUSEWHEEL,
                                    MAKEWPARAM(static_cast<WORD>(MouseKeys(xb.state)),
                                               static_cast<WORD>(static_cast<SHORT>(delta))),
                                    PointParam({xb.x_root, xb.y_root}));
        }
        return;
    }
    UINT message = ButtonMessage(xb.button, press);
    if (!message) {
        return;
    }
    hb::win::SetKeyDown(ButtonKey(xb.button), press);
    // The state is the one before the event: the button pressed is down now, the one released up.
    const WPARAM keys = press ? MouseKeys(xb.state) | ButtonFlag(xb.button)
                              : MouseKeys(xb.state) & ~ButtonFlag(xb.button);
    if (press) {
        if (GetActiveWindow() != top) {
            SetActiveWindow(top);
        }
        FrameTracker::ActivateChildOf(target);
        if ((GetWindowLong(target, GWL_STYLE) & WS_TABSTOP) && GetFocus() != target) {
            SetFocus(target);
        }
        const std::int64_t now = hb::win::NowMs();
        const bool again =
            m_clicks.Completes(target, message, screen, now) && TakesDoubleClicks(target);
        m_clicks.Note(target, message, screen, now, again);
        if (again) {
            message += WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
        }
    }
    hb::win::PostMouseInput(target, message, keys, PointParam(pt));
}

void InputTranslator::Motion(XEvent& event) {
    // Only the latest of the moves in a row matters; a move after a press or a key stays after it.
    ::Display* display = m_connection.display();
    XEvent next;
    while (XPending(display) > 0) {
        XPeekEvent(display, &next);
        if (next.type != MotionNotify || next.xmotion.window != event.xmotion.window) {
            break;
        }
        XNextEvent(display, &event);
    }
    const XMotionEvent& xm = event.xmotion;
    const ShownWindow& shown = *m_windows.Find(xm.window);
    NoteModifiers(xm.state);
    if (m_frames.Tracking()) {
        POINT screen{xm.x, xm.y - shown.menuHeight};
        ClientToScreen(shown.hwnd, &screen);
        m_frames.Move(screen);
        return;
    }
    if (xm.y < shown.menuHeight && !GetCapture()) {
        return;
    }
    POINT pt;
    const HWND target = MouseTarget(shown.hwnd, {xm.x, xm.y - shown.menuHeight}, pt);
    if (hb::win::TakesInput(target)) {
        hb::win::PostMouseInput(target, WM_MOUSEMOVE, MouseKeys(xm.state), PointParam(pt));
    }
}

void InputTranslator::Key(XEvent& event, bool press) {
    XKeyEvent& xk = event.xkey;
    char text[8] = {};
    KeySym keysym = 0;
    const int length = XLookupString(&xk, text, sizeof text, &keysym, nullptr);
    const UINT vk = VirtualKeyOf(keysym);
    if (xk.keycode < m_typed.size() && press) {
        m_typed[xk.keycode] = length == 1 ? text[0] : '\0';
    }
    NoteModifiers(xk.state);
    if (!vk) {
        return;
    }
    const bool wasDown = (GetKeyState(static_cast<int>(vk)) & 0x8000) != 0;
    hb::win::SetKeyDown(vk, press);
    const bool alt = (xk.state & Mod1Mask) != 0 || vk == VK_MENU;
    const UINT message =
        press ? (alt ? WM_SYSKEYDOWN : WM_KEYDOWN) : (alt ? WM_SYSKEYUP : WM_KEYUP);
    // The repeat count, the scan code, and whether the key was down before / is being released.
    LPARAM flags = 1 | static_cast<LPARAM>((xk.keycode & 0xFF) << 16);
    if (!press || wasDown) {
        flags |= LPARAM{1} << 30;
    }
    if (!press) {
        flags |= LPARAM{1} << 31;
    }
    hb::win::PostKeyInput(m_windows.Find(xk.window)->hwnd, message, vk, flags);
}

void InputTranslator::Configure(ShownWindow& shown) {
    ::Display* display = m_connection.display();
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, shown.xid, &attributes)) {
        return;
    }
    int x = 0;
    int y = 0;
    ::Window child = 0;
    XTranslateCoordinates(display, shown.xid, m_connection.root(), 0, 0, &x, &y, &child);
    m_windows.Configured(shown, {x, y, x + attributes.width, y + attributes.height});
}

} // namespace hb::display
