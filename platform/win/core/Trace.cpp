#include "platform/win/core/Trace.h"

#include "platform/win/core/Internal.h"
#include "platform/win/core/WindowTable.h"

#include <unordered_map>

namespace {

std::unordered_map<std::uint32_t, std::vector<hb::win::TracedMessage>>& Traces() {
    static std::unordered_map<std::uint32_t, std::vector<hb::win::TracedMessage>> traces;
    return traces;
}

} // namespace

namespace hb::win {

void TraceMessages(HWND hwnd, bool on) {
    if (auto* record = detail::Windows().Find(hwnd)) {
        record->traced = on;
        Traces()[hwnd.id()];
    }
}

std::vector<TracedMessage> MessageTrace(HWND hwnd) {
    const auto it = Traces().find(hwnd.id());
    return it == Traces().end() ? std::vector<TracedMessage>{} : it->second;
}

namespace detail {

void RecordTrace(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, bool posted) {
    Traces()[hwnd.id()].push_back({message, wParam, lParam, posted});
}

void ResetTrace() {
    Traces().clear();
}

} // namespace detail
} // namespace hb::win
