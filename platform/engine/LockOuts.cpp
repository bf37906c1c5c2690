#include "platform/engine/LockOuts.h"

namespace hb::engine {

void LockOuts::Lock(std::uint32_t object, std::uint32_t frequency, bool temporary) {
    const auto [it, added] = m_locked.try_emplace({object, frequency}, temporary);
    if (!added) {
        it->second = it->second && temporary; // a lasting lock-out is not weakened
    }
}

void LockOuts::Free(std::uint32_t object, std::uint32_t frequency) {
    m_locked.erase({object, frequency});
}

void LockOuts::ClearTemporary() {
    std::erase_if(m_locked, [](const auto& item) { return item.second; });
}

bool LockOuts::IsLocked(std::uint32_t object, std::uint32_t frequency) const {
    return !m_locked.empty() && m_locked.contains({object, frequency});
}

} // namespace hb::engine
