#include "platform/tessary/model/HandleTable.h"

#include <unordered_map>

namespace hb::tessary {
namespace {

struct Table {
    std::unordered_map<std::uint32_t, Object*> live;
    std::uint32_t next = 1;
};

Table& State() {
    static Table table;
    return table;
}

} // namespace

std::uint32_t IssueHandle(Object* object) {
    Table& t = State();
    // 0 means "none" and 0xFFFFFFFF is a marker value in records; neither is ever issued.
    if (t.next == 0 || t.next == 0xFFFFFFFFu) {
        t.next = 1;
    }
    while (t.live.contains(t.next)) {
        ++t.next;
    }
    const std::uint32_t handle = t.next++;
    t.live.emplace(handle, object);
    return handle;
}

void ReleaseHandle(std::uint32_t handle) {
    State().live.erase(handle);
}

Object* LookUpHandle(std::uint32_t handle) {
    const Table& t = State();
    const auto it = t.live.find(handle);
    return it == t.live.end() ? nullptr : it->second;
}

void ResetHandleTable() {
    State().live.clear();
}

} // namespace hb::tessary
