#pragma once
// The engines' own copies of the scan programs they were given, by 32-bit id. The caller frees
// its block as soon as create or reload returns; the copy lives until the engine is reloaded or
// destroyed, and the core library reads it back through its id.

#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

namespace hb::engine {

class ProgramTable {
public:
    static ProgramTable& Get();

    // Checks the block's head and copies it; 0 (and no copy) when the block is not a program:
    // a wrong magic, or a size that does not hold the head and every entry.
    std::uint32_t Copy(const void* block);
    // The copy, or an empty span when the id names none.
    std::span<const std::uint8_t> Find(std::uint32_t id) const;
    void Free(std::uint32_t id);
    std::size_t size() const { return m_copies.size(); }
    void Clear();

private:
    std::unordered_map<std::uint32_t, std::vector<std::uint8_t>> m_copies;
    std::uint32_t m_nextId = 1;
};

} // namespace hb::engine
