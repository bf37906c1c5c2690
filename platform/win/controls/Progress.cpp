// The "msctls_progress32" class: a bar that fills from left to right as the position moves from
// the low to the high end of the range.
#include "platform/win/controls/CommonControls.h"
#include "platform/win/controls/ControlSupport.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/Paint.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/core/WindowClass.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/gdi/Objects.h"

#include <algorithm>
#include <utility>

using namespace hb::win;
using namespace hb::win::detail;

namespace {

struct ProgressState {
    HFONT font;
    int low = 0;
    int high = 100;
    int pos = 0;
    int step = 10;
    COLORREF bar = CLR_DEFAULT;
};

LRESULT RangeAsPair(const ProgressState& state) {
    return static_cast<LRESULT>(
        MAKELONG(static_cast<WORD>(state.low), static_cast<WORD>(state.high)));
}

// A range with its ends the wrong way round is taken as it comes: nothing is then in it but the
// low end.
int Clamp(const ProgressState& state, long long pos) {
    return static_cast<int>(std::max<long long>(state.low, std::min<long long>(pos, state.high)));
}

// Returns the range before, as PBM_SETRANGE does, whichever message set it.
LRESULT SetRange(HWND hwnd, ProgressState& state, int low, int high) {
    const LRESULT previous = RangeAsPair(state);
    state.low = low;
    state.high = high;
    state.pos = Clamp(state, state.pos);
    InvalidateRect(hwnd, nullptr, TRUE);
    return previous;
}

LRESULT SetPos(HWND hwnd, ProgressState& state, long long pos) {
    const int previous = std::exchange(state.pos, Clamp(state, pos));
    if (state.pos != previous) {
        InvalidateRect(hwnd, nullptr, TRUE);
    }
    return previous;
}

// Stepping past the high end starts again from the low end.
LRESULT StepIt(HWND hwnd, ProgressState& state) {
    long long next = static_cast<long long>(state.pos) + state.step;
    const long long span = static_cast<long long>(state.high) - state.low;
    if (span > 0 && next > state.high) {
        next = state.low + (next - state.low) % span;
    }
    return SetPos(hwnd, state, next);
}

void Paint(HWND hwnd, HDC hdc) {
    const ProgressState& state = StateOf<ProgressState>(hwnd);
    RECT box = ClientRectOf(hwnd);
    FillRect(hdc, &box, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(hdc, &box, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    const long long span = static_cast<long long>(state.high) - state.low;
    if (span <= 0 || state.pos <= state.low) {
        return;
    }
    RECT bar = box;
    bar.right =
        box.left + static_cast<LONG>((box.right - box.left) * (state.pos - state.low) / span);
    const COLORREF color = state.bar == CLR_DEFAULT ? GetSysColor(COLOR_HIGHLIGHT) : state.bar;
    const HBRUSH brush = CreateSolidBrush(color);
    FillRect(hdc, &bar, brush);
    DeleteObject(brush);
}

std::optional<LRESULT> Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                              ProgressState& state) {
    switch (message) {
    case PBM_SETRANGE:
        return SetRange(hwnd, state, static_cast<SHORT>(LOWORD(lParam)),
                        static_cast<SHORT>(HIWORD(lParam)));
    case PBM_SETRANGE32:
        return SetRange(hwnd, state, static_cast<int>(wParam), static_cast<int>(lParam));
    case PBM_GETRANGE:
        if (auto* range = reinterpret_cast<PBRANGE*>(lParam)) {
            *range = {state.low, state.high};
        }
        return wParam ? state.low : state.high;
    case PBM_SETPOS:
        return SetPos(hwnd, state, static_cast<int>(wParam));
    case PBM_GETPOS:
        return state.pos;
    case PBM_DELTAPOS:
        return SetPos(hwnd, state, static_cast<long long>(state.pos) + static_cast<int>(wParam));
    case PBM_SETSTEP:
        return std::exchange(state.step, static_cast<int>(wParam));
    case PBM_STEPIT:
        return StepIt(hwnd, state);
    case PBM_SETBARCOLOR: {
        const COLORREF previous = std::exchange(state.bar, static_cast<COLORREF>(lParam));
        InvalidateRect(hwnd, nullptr, TRUE);
        return static_cast<LRESULT>(previous);
    }
    default:
        return std::nullopt;
    }
}

[[maybe_unused]] const ATOM kRegistered =
    RegisterControlClass(PROGRESS_CLASS, &ControlProc<ProgressState, &Handle, &Paint>);

} // namespace
