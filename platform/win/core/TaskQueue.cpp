#include "platform/win/core/TaskQueue.h"

namespace hb::win::detail {

TaskId TaskQueue::Add(std::int64_t due, std::function<void()> run, std::string label) {
    const TaskId id = m_nextId++;
    m_byDue.emplace(std::make_pair(due, id), Task{id, due, std::move(run), std::move(label)});
    m_dueOf.emplace(id, due);
    return id;
}

bool TaskQueue::Cancel(TaskId id) {
    const auto it = m_dueOf.find(id);
    if (it == m_dueOf.end()) {
        return false;
    }
    m_byDue.erase({it->second, id});
    m_dueOf.erase(it);
    return true;
}

std::optional<Task> TaskQueue::PopDue(std::int64_t limit, TaskId before) {
    if (m_byDue.empty()) {
        return std::nullopt;
    }
    const auto first = m_byDue.begin();
    if (first->first.first > limit || first->first.second >= before) {
        return std::nullopt;
    }
    Task task = std::move(first->second);
    m_byDue.erase(first);
    m_dueOf.erase(task.id);
    return task;
}

std::optional<std::int64_t> TaskQueue::NextDue() const {
    if (m_byDue.empty()) {
        return std::nullopt;
    }
    return m_byDue.begin()->first.first;
}

std::vector<TaskInfo> TaskQueue::List() const {
    std::vector<TaskInfo> list;
    for (const auto& [key, task] : m_byDue) {
        list.push_back({task.id, task.due, task.label});
    }
    return list;
}

void TaskQueue::Clear() {
    m_byDue.clear();
    m_dueOf.clear();
}

TaskQueue& Tasks() {
    static TaskQueue tasks;
    return tasks;
}

} // namespace hb::win::detail
