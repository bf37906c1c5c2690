#pragma once
// What the engine has been told to skip: whole objects, or single frequencies of a search range.
// Temporary lock-outs last until the next program is loaded.

#include <cstdint>
#include <map>
#include <utility>

namespace hb::engine {

class LockOuts {
public:
    static constexpr std::uint32_t kWholeObject = 0;

    void Lock(std::uint32_t object, std::uint32_t frequency, bool temporary);
    void Free(std::uint32_t object, std::uint32_t frequency);
    void ClearTemporary();
    bool IsLocked(std::uint32_t object, std::uint32_t frequency = kWholeObject) const;

private:
    std::map<std::pair<std::uint32_t, std::uint32_t>, bool> m_locked; // value: temporary
};

} // namespace hb::engine
