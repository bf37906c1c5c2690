#include "platform/win/core/TimerTable.h"

namespace hb::win::detail {

void TimerTable::Arm(Entry& entry, std::int64_t due) {
    const Key key{entry.timer.hwnd.id(), entry.timer.id};
    m_byDue.erase({entry.timer.due, entry.order, key});
    entry.timer.due = due;
    entry.order = m_nextOrder++;
    m_byDue.insert({due, entry.order, key});
}

void TimerTable::Set(HWND hwnd, UINT_PTR id, UINT period, TIMERPROC proc, std::int64_t now) {
    auto [it, added] = m_timers.try_emplace(Key{hwnd.id(), id});
    Entry& entry = it->second;
    if (added) {
        entry.timer.hwnd = hwnd;
        entry.timer.id = id;
    }
    entry.timer.period = period;
    entry.timer.proc = proc;
    Arm(entry, now + period);
}

bool TimerTable::Kill(HWND hwnd, UINT_PTR id) {
    const auto it = m_timers.find(Key{hwnd.id(), id});
    if (it == m_timers.end()) {
        return false;
    }
    m_byDue.erase({it->second.timer.due, it->second.order, it->first});
    m_timers.erase(it);
    return true;
}

void TimerTable::KillAll(HWND hwnd) {
    auto it = m_timers.lower_bound(Key{hwnd.id(), 0});
    while (it != m_timers.end() && it->first.first == hwnd.id()) {
        m_byDue.erase({it->second.timer.due, it->second.order, it->first});
        it = m_timers.erase(it);
    }
}

std::optional<Timer> TimerTable::TakeDue(HWND hwnd, std::int64_t now, bool take) {
    for (const auto& [due, order, key] : m_byDue) {
        if (due > now) {
            break;
        }
        if (hwnd && key.first != hwnd.id()) {
            continue;
        }
        Entry& entry = m_timers.at(key);
        const Timer timer = entry.timer;
        if (take) {
            Arm(entry, now + timer.period);
        }
        return timer;
    }
    return std::nullopt;
}

std::optional<std::int64_t> TimerTable::NextDue(HWND hwnd) const {
    for (const auto& [due, order, key] : m_byDue) {
        if (!hwnd || key.first == hwnd.id()) {
            return due;
        }
    }
    return std::nullopt;
}

std::vector<TimerInfo> TimerTable::List() const {
    std::vector<TimerInfo> list;
    for (const auto& [due, order, key] : m_byDue) {
        const Timer& timer = m_timers.at(key).timer;
        list.push_back({timer.hwnd, timer.id, timer.period, timer.due});
    }
    return list;
}

void TimerTable::Clear() {
    m_timers.clear();
    m_byDue.clear();
}

TimerTable& Timers() {
    static TimerTable timers;
    return timers;
}

} // namespace hb::win::detail
