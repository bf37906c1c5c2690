#pragma once
#include "platform/win/core/Timers.h"

#include <map>
#include <optional>
#include <set>
#include <tuple>
#include <utility>

namespace hb::win::detail {

struct Timer {
    HWND hwnd{};
    UINT_PTR id = 0;
    UINT period = 0;
    std::int64_t due = 0;
    TIMERPROC proc = nullptr;
};

// The live timers, keyed by (window, id) and ordered by due time; every change is O(log n).
class TimerTable {
public:
    void Set(HWND hwnd, UINT_PTR id, UINT period, TIMERPROC proc, std::int64_t now);
    bool Kill(HWND hwnd, UINT_PTR id);
    void KillAll(HWND hwnd);
    // The earliest timer due at `now` for the window (any window when `hwnd` is 0); taking it
    // re-arms it one period after `now`.
    std::optional<Timer> TakeDue(HWND hwnd, std::int64_t now, bool take);
    std::optional<std::int64_t> NextDue(HWND hwnd) const;
    std::vector<TimerInfo> List() const;
    void Clear();

private:
    using Key = std::pair<std::uint32_t, UINT_PTR>;
    using DueKey = std::tuple<std::int64_t, std::uint64_t, Key>; // due, arming order, timer

    struct Entry {
        Timer timer;
        std::uint64_t order = 0;
    };

    void Arm(Entry& entry, std::int64_t due);

    std::map<Key, Entry> m_timers;
    std::set<DueKey> m_byDue;
    std::uint64_t m_nextOrder = 0;
};

TimerTable& Timers();

} // namespace hb::win::detail
