// The plot's window: its state by window, its events and the user's gestures.
#include "platform/afx/EventSinkMap.h"
#include "platform/instruments/CiPlotX.h"
#include "platform/instruments/PaintTools.h"
#include "platform/instruments/PlotState.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/Window.h"
#include "platform/win/core/WindowClass.h"
#include "platform/win/gdi/DeviceContext.h"

#include <cmath>
#include <cstdint>
#include <map>

namespace hb::instruments {

namespace detail {

namespace {

constexpr int kMarginLeft = 58;
constexpr int kMarginRight = 24;
constexpr int kMarginTop = 24;
constexpr int kMarginBottom = 24;
constexpr int kGrip = 3; // pixels either side of a cursor line that pick it up

std::map<HWND, PlotState>& Plots() {
    static std::map<HWND, PlotState> plots;
    return plots;
}

long MouseX(LPARAM lParam) {
    return static_cast<std::int16_t>(LOWORD(lParam));
}

long MouseY(LPARAM lParam) {
    return static_cast<std::int16_t>(HIWORD(lParam));
}

void FireSimple(HWND hwnd, long dispid, std::vector<hb::afx::EventArg> args = {}) {
    hb::afx::FireEvent(hwnd, dispid, args);
}

// The cursor line within reach of x: cursor * 2 + line, or -1.
int CursorLineAt(HWND hwnd, PlotState& state, long x) {
    const RECT area = PlotArea(hwnd, state);
    const double width = area.right - area.left;
    for (int cursor = 0; cursor < 2; ++cursor) {
        if (!state.cursors[cursor].visible) {
            continue;
        }
        for (int line = 0; line < 2; ++line) {
            const double at = area.left + state.cursors[cursor].positions[line] * width / 100;
            if (std::abs(at - x) <= kGrip) {
                return cursor * 2 + line;
            }
        }
    }
    return -1;
}

void DragTo(HWND hwnd, PlotState& state, long x) {
    const RECT area = PlotArea(hwnd, state);
    const double width = std::max<double>(1, area.right - area.left);
    const double percent = std::clamp((x - area.left) * 100.0 / width, 0.0, 100.0);
    state.cursors[state.dragging / 2].positions[state.dragging % 2] = percent;
    PlotChanged(hwnd, state);
    FireSimple(hwnd, 6);
}

void MouseDown(HWND hwnd, PlotState& state, long x) {
    state.pressed = true;
    state.dragging = CursorLineAt(hwnd, state, x);
    state.toolState = state.dragging >= 0;
    SetCapture(hwnd);
}

void MouseMove(HWND hwnd, short button, long x, long y) {
    PlotState* state = FindPlot(hwnd);
    if (state != nullptr && state->dragging >= 0) {
        DragTo(hwnd, *state, x);
        return;
    }
    FireSimple(hwnd, 4,
               {std::int16_t{button}, static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)});
}

void MouseUp(HWND hwnd, long x) {
    PlotState* state = FindPlot(hwnd);
    if (state == nullptr || !state->pressed) {
        return;
    }
    ReleaseCapture();
    if (state->dragging >= 0) {
        DragTo(hwnd, *state, x);
    }
    state = FindPlot(hwnd);
    if (state == nullptr) {
        return;
    }
    state->pressed = false;
    state->dragging = -1;
    FireSimple(hwnd, 53);
    if (PlotState* after = FindPlot(hwnd)) {
        after->toolState = false;
    }
}

LRESULT PlotProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        Plots()[hwnd] = PlotState{};
    }
    PlotState* state = FindPlot(hwnd);
    if (state == nullptr) {
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        const HDC hdc = BeginPaint(hwnd, &ps);
        PaintPlot(hwnd, hdc, *state);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_PRINTCLIENT:
        PaintPlot(hwnd, hb::win::HandleFromParam<HDC>(wParam), *state);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        LayoutPlot(hwnd, *state);
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_LBUTTONDOWN:
        MouseDown(hwnd, *state, MouseX(lParam));
        return 0;
    case WM_MOUSEMOVE:
        MouseMove(hwnd, static_cast<short>(wParam & MK_LBUTTON ? 1 : 0), MouseX(lParam),
                  MouseY(lParam));
        return 0;
    case WM_LBUTTONUP:
        MouseUp(hwnd, MouseX(lParam));
        return 0;
    case WM_NCDESTROY:
        Plots().erase(hwnd);
        return DefWindowProc(hwnd, message, wParam, lParam);
    default:
        return DefWindowProc(hwnd, message, wParam, lParam);
    }
}

bool RegisterPlot() {
    hb::win::RegisterBuiltinClass(
        {.style = 0, .lpfnWndProc = &PlotProc, .lpszClassName = "TiPlot"});
    return true;
}

[[maybe_unused]] const bool kRegistered = RegisterPlot();

} // namespace

PlotState* FindPlot(HWND hwnd) {
    const auto found = Plots().find(hwnd);
    return found != Plots().end() ? &found->second : nullptr;
}

RECT PlotArea(HWND hwnd, PlotState& state) {
    if (IsRectEmpty(&state.area)) {
        LayoutPlot(hwnd, state);
    }
    return state.area;
}

void LayoutPlot(HWND hwnd, PlotState&) {
    const RECT client = ClientOf(hwnd);
    std::vector<hb::afx::EventArg> limits = {
        std::int32_t{client.left + kMarginLeft}, std::int32_t{client.top + kMarginTop},
        std::int32_t{std::max(client.left + kMarginLeft + 1, client.right - kMarginRight)},
        std::int32_t{std::max(client.top + kMarginTop + 1, client.bottom - kMarginBottom)}, false};
    const std::vector<hb::afx::EventArg> defaults = limits;
    hb::afx::FireEvent(hwnd, 33, limits);
    PlotState* after = FindPlot(hwnd);
    if (after == nullptr) {
        return;
    }
    const bool handled = std::holds_alternative<bool>(limits[4]) && std::get<bool>(limits[4]);
    const auto& chosen = handled ? limits : defaults;
    auto at = [&chosen, &defaults](std::size_t i) {
        return std::holds_alternative<std::int32_t>(chosen[i])
                   ? std::get<std::int32_t>(chosen[i])
                   : std::get<std::int32_t>(defaults[i]);
    };
    after->area = {at(0), at(1), std::max(at(0) + 1, at(2)), std::max(at(1) + 1, at(3))};
}

void PlotChanged(HWND hwnd, PlotState& state) {
    if (state.outerUpdates > 0 || state.innerUpdates > 0) {
        state.drawPending = true;
        return;
    }
    state.drawPending = false;
    InvalidateRect(hwnd, nullptr, FALSE);
}

} // namespace detail

bool PlotMovePointer(HWND plot, long x, long y) {
    if (detail::FindPlot(plot) == nullptr) {
        return false;
    }
    detail::MouseMove(plot, 0, x, y);
    return true;
}

bool PlotClick(HWND plot, long x, long y) {
    detail::PlotState* state = detail::FindPlot(plot);
    if (state == nullptr) {
        return false;
    }
    detail::MouseMove(plot, 0, x, y);
    detail::MouseDown(plot, *state, x);
    detail::MouseUp(plot, x);
    return true;
}

bool PlotDragCursor(HWND plot, int cursor, int line, long x) {
    detail::PlotState* state = detail::FindPlot(plot);
    if (state == nullptr || cursor < 0 || cursor > 1 || line < 0 || line > 1 ||
        !state->cursors[cursor].visible) {
        return false;
    }
    state->pressed = true;
    state->dragging = cursor * 2 + line;
    state->toolState = true;
    detail::MouseMove(plot, 1, x, 0);
    detail::MouseUp(plot, x);
    return true;
}

} // namespace hb::instruments
