#include "platform/win/core/Timers.h"

#include "platform/win/core/Clock.h"
#include "platform/win/core/TimerTable.h"
#include "platform/win/core/WindowTable.h"

#include <algorithm>

namespace {
constexpr UINT kMinimumPeriod = 10;
}

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT ms, TIMERPROC proc) {
    using namespace hb::win::detail;
    if (!Windows().Find(hwnd)) {
        return 0;
    }
    Timers().Set(hwnd, id, std::max(ms, kMinimumPeriod), proc, hb::win::NowMs());
    return id;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
    return hb::win::detail::Timers().Kill(hwnd, id);
}

namespace hb::win {

std::vector<TimerInfo> ActiveTimers() {
    return detail::Timers().List();
}

} // namespace hb::win
