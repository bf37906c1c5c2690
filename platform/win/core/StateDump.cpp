#include "platform/win/core/Clock.h"
#include "platform/win/core/MessageLoop.h"
#include "platform/win/core/MessageQueue.h"
#include "platform/win/core/TaskQueue.h"
#include "platform/win/core/TimerTable.h"
#include "platform/win/core/Window.h"
#include "platform/win/core/WindowTable.h"

#include <cstdio>

using namespace hb::win::detail;

namespace {

std::string Hex(HWND hwnd) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", hwnd.id());
    return text;
}

std::string In(std::int64_t due) {
    return "due in " + std::to_string(due - hb::win::NowMs()) + " ms";
}

} // namespace

namespace hb::win {

std::string DescribeState() {
    std::string out = "windows:\n";
    for (HWND hwnd : Windows().InTreeOrder()) {
        const WindowRecord& w = *Windows().Find(hwnd);
        out += "  " + Hex(hwnd) + " class \"" + w.className + "\" id " + std::to_string(w.id) +
               " text \"" + w.text + "\" parent " + Hex(w.parent) +
               ((w.style & WS_VISIBLE) ? " visible" : " hidden") + "\n";
    }
    out += "timers:\n";
    for (const TimerInfo& t : Timers().List()) {
        out += "  " + Hex(t.hwnd) + " id " + std::to_string(t.id) + " every " +
               std::to_string(t.period) + " ms, " + In(t.due) + "\n";
    }
    out += "tasks:\n";
    for (const TaskInfo& t : Tasks().List()) {
        out += "  #" + std::to_string(t.id) + " \"" + t.label + "\" " + In(t.due) + "\n";
    }
    out += "posted messages waiting: " + std::to_string(Queue().PendingCount()) + "\n";
    return out;
}

} // namespace hb::win
