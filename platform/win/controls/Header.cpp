// The "SysHeader32" class: a row of column headings, side by side from the left. With
// HDS_BUTTONS a click on a heading is reported to the parent (HDN_ITEMCLICK). Dragging the divider
// at a heading's right edge changes that heading's width, and the parent hears of it.
#include "platform/win/controls/CommonControls.h"
#include "platform/win/controls/ControlSupport.h"
#include "platform/win/core/Geometry.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/Paint.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/core/Window.h"
#include "platform/win/core/WindowClass.h"
#include "platform/win/core/WindowState.h"
#include "platform/win/gdi/DeviceContext.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/gdi/TextDrawing.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

using namespace hb::win;
using namespace hb::win::detail;

namespace {

struct Heading {
    std::string text;
    int width = 0;
    int fmt = HDF_LEFT;
};

// How near a heading's right edge the mouse catches its divider.
constexpr int kDividerReach = 4;

struct HeaderState {
    HFONT font;
    std::vector<Heading> items;
    int pressed = -1;
    // The heading whose divider is being dragged (-1: none), where the drag began and the
    // heading's width then.
    int tracked = -1;
    int trackFrom = 0;
    int widthBefore = 0;
};

bool InRange(const HeaderState& state, WPARAM index) {
    return index < state.items.size();
}

void Apply(Heading& heading, const HDITEM& item) {
    if (item.mask & HDI_WIDTH) {
        heading.width = std::max(0, item.cxy);
    }
    if (item.mask & HDI_TEXT) {
        heading.text = item.pszText ? item.pszText : "";
    }
    if (item.mask & HDI_FORMAT) {
        heading.fmt = item.fmt;
    }
}

void CopyOut(const Heading& heading, HDITEM& item) {
    if (item.mask & HDI_WIDTH) {
        item.cxy = heading.width;
    }
    if ((item.mask & HDI_TEXT) && item.pszText && item.cchTextMax > 0) {
        const std::size_t length =
            std::min(heading.text.size(), static_cast<std::size_t>(item.cchTextMax - 1));
        std::memcpy(item.pszText, heading.text.data(), length);
        item.pszText[length] = '\0';
    }
    if (item.mask & HDI_FORMAT) {
        item.fmt = heading.fmt;
    }
}

int ItemAt(const HeaderState& state, int x) {
    int left = 0;
    for (std::size_t i = 0; i < state.items.size(); ++i) {
        const int right = left + state.items[i].width;
        if (x >= left && x < right) {
            return static_cast<int>(i);
        }
        left = right;
    }
    return -1;
}

// The heading whose divider is within reach of `x`, the nearest (the leftmost of equals); -1: none.
int DividerAt(const HeaderState& state, int x) {
    int found = -1;
    int nearest = kDividerReach + 1;
    int right = 0;
    for (std::size_t i = 0; i < state.items.size(); ++i) {
        right += state.items[i].width;
        const int distance = std::abs(x - right);
        if (distance < nearest) {
            found = static_cast<int>(i);
            nearest = distance;
        }
    }
    return found;
}

LRESULT NotifyWidth(HWND hwnd, UINT code, int index, int width) {
    HDITEM item;
    item.mask = HDI_WIDTH;
    item.cxy = width;
    NMHEADER note;
    note.iItem = index;
    note.pitem = &item;
    return NotifyParent(hwnd, code, note.hdr);
}

void BeginTrack(HWND hwnd, HeaderState& state, int index, int x) {
    const int width = state.items[static_cast<std::size_t>(index)].width;
    if (NotifyWidth(hwnd, HDN_BEGINTRACK, index, width) != 0 || !IsWindow(hwnd)) {
        return;
    }
    HeaderState& after = StateOf<HeaderState>(hwnd);
    if (!InRange(after, static_cast<WPARAM>(index))) {
        return;
    }
    after.tracked = index;
    after.trackFrom = x;
    after.widthBefore = width;
    SetCapture(hwnd);
}

// The tracked heading takes the width the mouse at `x` gives it, unless the parent refuses.
void Track(HWND hwnd, int x) {
    HeaderState& state = StateOf<HeaderState>(hwnd);
    if (!InRange(state, static_cast<WPARAM>(state.tracked))) {
        return;
    }
    const int index = state.tracked;
    const int width = std::max(0, state.widthBefore + x - state.trackFrom);
    if (width == state.items[static_cast<std::size_t>(index)].width ||
        NotifyWidth(hwnd, HDN_ITEMCHANGING, index, width) != 0 || !IsWindow(hwnd)) {
        return;
    }
    HeaderState& after = StateOf<HeaderState>(hwnd);
    if (!InRange(after, static_cast<WPARAM>(index))) {
        return;
    }
    after.items[static_cast<std::size_t>(index)].width = width;
    InvalidateRect(hwnd, nullptr, TRUE);
    NotifyWidth(hwnd, HDN_ITEMCHANGED, index, width);
}

void EndTrack(HWND hwnd, int x) {
    Track(hwnd, x);
    HeaderState& state = StateOf<HeaderState>(hwnd);
    const int index = std::exchange(state.tracked, -1);
    if (GetCapture() == hwnd) {
        ReleaseCapture();
    }
    if (InRange(state, static_cast<WPARAM>(index))) {
        NotifyWidth(hwnd, HDN_ENDTRACK, index, state.items[static_cast<std::size_t>(index)].width);
    }
}

void Paint(HWND hwnd, HDC hdc) {
    const HeaderState& state = StateOf<HeaderState>(hwnd);
    const RECT client = ClientRectOf(hwnd);
    FillRect(hdc, &client, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
    int left = 0;
    for (std::size_t i = 0; i < state.items.size(); ++i) {
        const Heading& heading = state.items[i];
        RECT box{left, 0, left + heading.width, client.bottom};
        left = box.right;
        const bool pressed = state.pressed == static_cast<int>(i);
        DrawEdge(hdc, &box, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
        InflateRect(&box, -4, 0);
        const int justify = heading.fmt & HDF_JUSTIFYMASK;
        const UINT align = justify == HDF_RIGHT    ? DT_RIGHT
                           : justify == HDF_CENTER ? DT_CENTER
                                                   : DT_LEFT;
        DrawText(hdc, heading.text.c_str(), -1, &box,
                 align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
}

std::optional<LRESULT> Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                              HeaderState& state) {
    auto* item = reinterpret_cast<HDITEM*>(lParam);
    switch (message) {
    case HDM_GETITEMCOUNT:
        return static_cast<LRESULT>(state.items.size());
    case HDM_INSERTITEM: {
        if (!item) {
            return -1;
        }
        const std::size_t at = std::min<std::size_t>(wParam, state.items.size());
        Heading heading;
        Apply(heading, *item);
        state.items.insert(state.items.begin() + static_cast<std::ptrdiff_t>(at), heading);
        InvalidateRect(hwnd, nullptr, TRUE);
        return static_cast<LRESULT>(at);
    }
    case HDM_DELETEITEM:
        if (!InRange(state, wParam)) {
            return FALSE;
        }
        state.items.erase(state.items.begin() + static_cast<std::ptrdiff_t>(wParam));
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    case HDM_SETITEM:
        if (!item || !InRange(state, wParam)) {
            return FALSE;
        }
        Apply(state.items[wParam], *item);
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    case HDM_GETITEM:
        if (!item || !InRange(state, wParam)) {
            return FALSE;
        }
        CopyOut(state.items[wParam], *item);
        return TRUE;
    case WM_LBUTTONDOWN: {
        const int divider = DividerAt(state, GET_X_LPARAM(lParam));
        if (divider >= 0 && IsWindowEnabled(hwnd)) {
            BeginTrack(hwnd, state, divider, GET_X_LPARAM(lParam));
        } else if ((StyleOf(hwnd) & HDS_BUTTONS) && IsWindowEnabled(hwnd)) {
            state.pressed = ItemAt(state, GET_X_LPARAM(lParam));
            if (state.pressed >= 0) {
                SetCapture(hwnd);
                InvalidateRect(hwnd, nullptr, TRUE);
            }
        }
        return 0;
    }
    case WM_MOUSEMOVE:
        if (state.tracked >= 0) {
            Track(hwnd, GET_X_LPARAM(lParam));
        }
        return 0;
    case WM_CAPTURECHANGED:
        state.tracked = -1;
        return 0;
    case WM_LBUTTONUP: {
        if (state.tracked >= 0) {
            EndTrack(hwnd, GET_X_LPARAM(lParam));
            return 0;
        }
        const int pressed = std::exchange(state.pressed, -1);
        if (GetCapture() == hwnd) {
            ReleaseCapture();
        }
        if (pressed < 0) {
            return 0;
        }
        InvalidateRect(hwnd, nullptr, TRUE);
        const POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        const RECT client = ClientRectOf(hwnd);
        if (PtInRect(&client, pt) && ItemAt(state, pt.x) == pressed) {
            NMHEADER click;
            click.iItem = pressed;
            NotifyParent(hwnd, HDN_ITEMCLICKA, click.hdr);
        }
        return 0;
    }
    default:
        return std::nullopt;
    }
}

[[maybe_unused]] const ATOM kRegistered =
    RegisterControlClass(WC_HEADER, &ControlProc<HeaderState, &Handle, &Paint>);

} // namespace
