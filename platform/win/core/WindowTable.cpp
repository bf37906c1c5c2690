#include "platform/win/core/WindowTable.h"

#include <algorithm>

namespace hb::win::detail {

WindowRecord* WindowTable::Find(HWND hwnd) {
    if (!hwnd) {
        return nullptr;
    }
    const auto it = m_windows.find(hwnd.id());
    return it == m_windows.end() ? nullptr : it->second.get();
}

std::vector<HWND>* WindowTable::ListOf(const WindowRecord& record) {
    if (!record.parent) {
        return &m_topLevel;
    }
    WindowRecord* parent = Find(record.parent);
    return parent ? &parent->children : nullptr;
}

void WindowTable::Add(std::unique_ptr<WindowRecord> record) {
    if (auto* list = ListOf(*record)) {
        list->push_back(record->hwnd);
    }
    const std::uint32_t id = record->hwnd.id();
    m_windows.emplace(id, std::move(record));
}

void WindowTable::Remove(HWND hwnd) {
    WindowRecord* record = Find(hwnd);
    if (!record) {
        return;
    }
    if (auto* list = ListOf(*record)) {
        std::erase(*list, hwnd);
    }
    for (HWND* slot : {&focus, &capture, &active, &mouseTracked}) {
        if (*slot == hwnd) {
            *slot = HWND{};
        }
    }
    m_windows.erase(hwnd.id());
}

void WindowTable::Reparent(WindowRecord& record, HWND newParent) {
    if (auto* list = ListOf(record)) {
        std::erase(*list, record.hwnd);
    }
    record.parent = newParent;
    if (newParent) {
        record.owner = HWND{};
    }
    if (auto* list = ListOf(record)) {
        list->push_back(record.hwnd);
    }
}

const std::vector<HWND>& WindowTable::Siblings(const WindowRecord& record) {
    static const std::vector<HWND> none;
    const auto* list = ListOf(record);
    return list ? *list : none;
}

std::vector<HWND> WindowTable::InTreeOrder() {
    std::vector<HWND> order;
    std::vector<HWND> stack(m_topLevel.rbegin(), m_topLevel.rend());
    while (!stack.empty()) {
        const HWND hwnd = stack.back();
        stack.pop_back();
        if (const WindowRecord* record = Find(hwnd)) {
            order.push_back(hwnd);
            stack.insert(stack.end(), record->children.rbegin(), record->children.rend());
        }
    }
    return order;
}

void WindowTable::Clear() {
    m_windows.clear();
    m_topLevel.clear();
    focus = capture = active = mouseTracked = HWND{};
}

WindowTable& Windows() {
    static WindowTable table;
    return table;
}

} // namespace hb::win::detail
