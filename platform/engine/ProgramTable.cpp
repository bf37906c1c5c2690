#include "platform/engine/ProgramTable.h"

#include "platform/records/ProgHeader.h"

#include <cstring>

namespace hb::engine {

using hb::records::ProgHeader;

namespace {

// Far above any program: 65,535 entries take under 9 MB. A larger size is a damaged head.
constexpr std::uint32_t kLargestProgram = 64u << 20;

} // namespace

ProgramTable& ProgramTable::Get() {
    static ProgramTable table;
    return table;
}

std::uint32_t ProgramTable::Copy(const void* block) {
    ProgHeader head;
    std::memcpy(head.data(), block, ProgHeader::kSize);
    const std::uint32_t size = head.get(ProgHeader::kBlockSize);
    const std::size_t needed = hb::records::ProgEntryOffset(head.get(ProgHeader::kEntryCount));
    if (head.get(ProgHeader::kMagic) != ProgHeader::kMagicValue || size < needed ||
        size > kLargestProgram) {
        return 0;
    }
    while (m_nextId == 0 || m_copies.contains(m_nextId)) {
        ++m_nextId;
    }
    const auto* bytes = static_cast<const std::uint8_t*>(block);
    m_copies.emplace(m_nextId, std::vector<std::uint8_t>(bytes, bytes + size));
    return m_nextId++;
}

std::span<const std::uint8_t> ProgramTable::Find(std::uint32_t id) const {
    const auto it = m_copies.find(id);
    if (it == m_copies.end()) {
        return {};
    }
    return it->second;
}

void ProgramTable::Free(std::uint32_t id) {
    m_copies.erase(id);
}

void ProgramTable::Clear() {
    m_copies.clear();
    m_nextId = 1;
}

} // namespace hb::engine
