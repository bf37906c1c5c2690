#pragma once
#include "platform/win/WinTypes.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Waits `ms` on the clock, running background tasks as they fall due; dispatches no messages.
// Sleep(0) runs only the tasks already due.
void Sleep(DWORD ms);

namespace hb::win {

using TaskId = std::uint64_t;

struct TaskInfo {
    TaskId id = 0;
    std::int64_t due = 0;
    std::string label;
};

// Background work on the clock, such as the engine and device simulators. Tasks run on the GUI
// thread when the clock reaches them: inside a message wait, in Sleep, or in a test's Advance.
// Tasks due at the same time run in the order they were scheduled. A task may schedule others.
TaskId Schedule(std::int64_t dueMs, std::function<void()> task, std::string label);
TaskId ScheduleAfter(std::int64_t delayMs, std::function<void()> task, std::string label);
// Returns whether the task was still waiting.
bool Cancel(TaskId id);
std::vector<TaskInfo> PendingTasks();

// Manual clock only: moves the clock forward by `ms`, running each task due on the way with the
// clock set to its own due time. Dispatches no messages.
void Advance(std::int64_t ms);

} // namespace hb::win
