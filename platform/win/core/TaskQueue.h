#pragma once
#include "platform/win/core/Scheduler.h"

#include <limits>
#include <map>
#include <optional>
#include <unordered_map>
#include <utility>

namespace hb::win::detail {

struct Task {
    TaskId id = 0;
    std::int64_t due = 0;
    std::function<void()> run;
    std::string label;
};

// The waiting background tasks, ordered by due time and then by scheduling order.
class TaskQueue {
public:
    TaskId Add(std::int64_t due, std::function<void()> run, std::string label);
    bool Cancel(TaskId id);
    // Removes and returns the first task due at or before `limit` that was scheduled before
    // `before`.
    std::optional<Task> PopDue(std::int64_t limit,
                               TaskId before = std::numeric_limits<TaskId>::max());
    std::optional<std::int64_t> NextDue() const;
    TaskId NextId() const { return m_nextId; }
    std::vector<TaskInfo> List() const;
    void Clear();

private:
    std::map<std::pair<std::int64_t, TaskId>, Task> m_byDue;
    std::unordered_map<TaskId, std::int64_t> m_dueOf;
    TaskId m_nextId = 1; // ids are never reused, so a stale id cancels nothing
};

TaskQueue& Tasks();

} // namespace hb::win::detail
