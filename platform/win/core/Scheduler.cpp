#include "platform/win/core/Scheduler.h"

#include "platform/win/core/Clock.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/Internal.h"
#include "platform/win/core/TaskQueue.h"

#include <algorithm>
#include <thread>

using hb::win::detail::Tasks;

void Sleep(DWORD ms) {
    using namespace hb::win;
    detail::RunDueTasks();
    if (ms == 0) {
        return;
    }
    const std::int64_t target = NowMs() + ms;
    if (IsManualClock()) {
        detail::NoteSleepUntil(target);
        detail::AdvanceClockRunningTasks(target);
        return;
    }
    for (std::int64_t now = NowMs(); now < target; now = NowMs()) {
        const std::int64_t wake = std::min(Tasks().NextDue().value_or(target), target);
        std::this_thread::sleep_until(detail::SteadyDeadline(wake));
        detail::RunDueTasks();
    }
}

namespace hb::win {

TaskId Schedule(std::int64_t dueMs, std::function<void()> task, std::string label) {
    return Tasks().Add(dueMs, std::move(task), std::move(label));
}

TaskId ScheduleAfter(std::int64_t delayMs, std::function<void()> task, std::string label) {
    return Schedule(NowMs() + delayMs, std::move(task), std::move(label));
}

bool Cancel(TaskId id) {
    return Tasks().Cancel(id);
}

std::vector<TaskInfo> PendingTasks() {
    return Tasks().List();
}

void Advance(std::int64_t ms) {
    if (!IsManualClock()) {
        ReportFailure("Advance needs the manual clock");
        return;
    }
    detail::AdvanceClockRunningTasks(NowMs() + ms);
    detail::MarkTestStep();
}

namespace detail {

void RunDueTasks() {
    // Only tasks that were waiting when the pass began: one that reschedules itself for "now"
    // runs on the next pass rather than looping here.
    const TaskId before = Tasks().NextId();
    while (auto task = Tasks().PopDue(NowMs(), before)) {
        task->run();
    }
}

void AdvanceClockRunningTasks(std::int64_t target) {
    while (auto task = Tasks().PopDue(target)) {
        MoveManualClockTo(task->due);
        task->run();
    }
    MoveManualClockTo(target);
}

} // namespace detail
} // namespace hb::win
