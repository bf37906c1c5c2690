#pragma once
#include "platform/win/WinTypes.h"

#include <cstdint>
#include <vector>

using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);

// Returns `id`, or 0 when `hwnd` is not a window. Setting an existing (window, id) again replaces
// it: new period, counted from now. Periods below 10 ms are 10 ms. At most one WM_TIMER is pending
// per timer, and the next is counted from its delivery, so a late loop sees no backlog.
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT ms, TIMERPROC proc = nullptr);
// Returns whether the timer existed; a WM_TIMER it had pending goes with it.
BOOL KillTimer(HWND hwnd, UINT_PTR id);

namespace hb::win {

struct TimerInfo {
    HWND hwnd{};
    UINT_PTR id = 0;
    UINT period = 0;
    std::int64_t due = 0;
};

// The live timers, earliest due first.
std::vector<TimerInfo> ActiveTimers();

} // namespace hb::win
