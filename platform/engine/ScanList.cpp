#include "platform/engine/ScanList.h"

#include "platform/records/ObjectKind.h"
#include "platform/records/ProgHeader.h"

namespace hb::engine {

using hb::records::ObjectKind;
using hb::records::ProgEntry;
using hb::records::ProgHeader;

ScanList::ScanList(std::span<const std::uint8_t> program) {
    ProgHeader head;
    head.copyFrom(program);
    const std::size_t count = head.get(ProgHeader::kEntryCount);
    m_entries.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        ProgEntry raw;
        raw.copyFrom(program.subspan(hb::records::ProgEntryOffset(i)));
        Entry entry;
        entry.parm = raw.get(ProgEntry::kParm);
        entry.object = entry.parm.get(Parm::kObjectHandle);
        entry.range =
            raw.get(ProgEntry::kKind) == static_cast<std::uint32_t>(ObjectKind::SearchRange);
        if (entry.range) {
            entry.first = entry.parm.get(Parm::kStart);
            entry.last = entry.parm.get(Parm::kEnd);
            entry.step = entry.parm.get(Parm::kStep);
            if (entry.step == 0 || entry.last < entry.first) {
                entry.last = entry.first;
                entry.step = 1;
            }
        } else {
            entry.first = entry.last = entry.parm.get(Parm::kFrequency);
            entry.step = 1;
        }
        entry.skipped = entry.first == 0 || entry.parm.get(Parm::kLockOut) != 0;
        m_entries.push_back(entry);
    }
}

std::optional<ScanSlot> ScanList::FirstFrom(std::size_t index, std::uint64_t frequency,
                                            const LockOuts& locks) const {
    const Entry& entry = m_entries[index];
    if (entry.skipped || locks.IsLocked(entry.object)) {
        return std::nullopt;
    }
    for (std::uint64_t f = frequency; f <= entry.last; f += entry.step) {
        if (!entry.range || !locks.IsLocked(entry.object, static_cast<std::uint32_t>(f))) {
            return ScanSlot{index, static_cast<std::uint32_t>(f)};
        }
    }
    return std::nullopt;
}

std::optional<ScanSlot> ScanList::Next(const std::optional<ScanSlot>& from,
                                       const LockOuts& locks) const {
    const std::size_t n = m_entries.size();
    if (n == 0) {
        return std::nullopt;
    }
    std::size_t index = 0;
    if (from) {
        const Entry& entry = m_entries[from->entry];
        if (auto slot = FirstFrom(from->entry, from->frequency + entry.step, locks)) {
            return slot;
        }
        index = (from->entry + 1) % n;
    }
    for (std::size_t visited = 0; visited < n; ++visited, index = (index + 1) % n) {
        if (auto slot = FirstFrom(index, m_entries[index].first, locks)) {
            return slot;
        }
    }
    return std::nullopt;
}

std::optional<ScanSlot> ScanList::SlotOf(std::uint32_t object) const {
    for (std::size_t i = 0; object != 0 && i < m_entries.size(); ++i) {
        if (m_entries[i].object == object && m_entries[i].first != 0) {
            return ScanSlot{i, static_cast<std::uint32_t>(m_entries[i].first)};
        }
    }
    return std::nullopt;
}

Parm ScanList::ParmAt(const ScanSlot& slot) const {
    Parm parm = m_entries[slot.entry].parm;
    parm.set(Parm::kFrequency, slot.frequency);
    return parm;
}

std::uint32_t ScanList::LockTarget(std::uint32_t object, std::uint32_t frequency) const {
    for (const Entry& entry : m_entries) {
        if (entry.object == object && entry.range && frequency >= entry.first &&
            frequency <= entry.last) {
            return frequency;
        }
    }
    return LockOuts::kWholeObject;
}

} // namespace hb::engine
