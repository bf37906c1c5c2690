#include "platform/instruments/EventLog.h"

#include "platform/instruments/InstrumentInternals.h"
#include "platform/win/core/Window.h"

#include <cstddef>
#include <cstdint>
#include <deque>

namespace hb::instruments {

namespace {

constexpr std::size_t kLogLimit = 256;

struct LogEntry {
    HWND container;
    FiredEvent event;
};

std::deque<LogEntry>& Log() {
    static std::deque<LogEntry> log;
    return log;
}

hb::afx::Value ArgOf(ArgType type, long value) {
    if (type == ArgType::Short) {
        return static_cast<std::int16_t>(value);
    }
    return static_cast<std::int32_t>(value);
}

} // namespace

std::vector<FiredEvent> FiredEvents(HWND container) {
    std::vector<FiredEvent> events;
    for (const LogEntry& entry : Log()) {
        if (entry.container == container) {
            events.push_back(entry.event);
        }
    }
    return events;
}

namespace detail {

std::vector<hb::afx::Value> Fire(HWND hwnd, Gesture gesture, const std::vector<long>& values) {
    const InstrumentState* state = FindState(hwnd);
    if (!state) {
        return {};
    }
    const KindInfo& kind = *state->kind;
    const HWND container = GetParent(hwnd);
    const UINT id = static_cast<UINT>(GetDlgCtrlID(hwnd));
    std::vector<hb::afx::Value> args;
    for (const EventSpec& spec : kind.events) {
        if (spec.gesture != gesture) {
            continue;
        }
        args.clear();
        for (std::size_t i = 0; i < spec.args.size() && i < values.size(); ++i) {
            args.push_back(ArgOf(spec.args[i].type, values[i]));
        }
        const bool handled = hb::afx::FireEvent(hwnd, spec.dispid, args);
        Log().push_back({container, {hwnd, id, spec.dispid, args, handled}});
        if (Log().size() > kLogLimit) {
            Log().pop_front();
        }
        if (!IsWindow(hwnd)) {
            break;
        }
    }
    return args;
}

void ClearEventLog() {
    Log().clear();
}

} // namespace detail
} // namespace hb::instruments
