#pragma once
// The channels of a compiled program in scanning order. A channel is one slot; a search range is
// one slot per step from its lower to its upper limit. Entries whose record is locked out, and
// entries without a frequency, are never scanned.

#include "platform/engine/LockOuts.h"
#include "platform/records/Parm.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace hb::engine {

using hb::records::Parm;

struct ScanSlot {
    std::size_t entry = 0;
    std::uint32_t frequency = 0;
};

class ScanList {
public:
    ScanList() = default;
    // `program` has been checked to hold its head and every entry.
    explicit ScanList(std::span<const std::uint8_t> program);

    // The slot after `from` (the first one when there is none) that is not locked out; none when
    // every slot is.
    std::optional<ScanSlot> Next(const std::optional<ScanSlot>& from, const LockOuts& locks) const;
    // The first slot of the entry of `object`, locked out or not; none when the program has no
    // such entry (object 0 included).
    std::optional<ScanSlot> SlotOf(std::uint32_t object) const;
    // The entry's record, tuned to the slot's frequency.
    Parm ParmAt(const ScanSlot& slot) const;

    bool IsRange(std::size_t entry) const { return m_entries[entry].range; }
    std::uint32_t ObjectOf(std::size_t entry) const { return m_entries[entry].object; }
    // The frequency a lock-out of `object` at `frequency` applies to: the frequency itself inside
    // a search range of the program, else the whole object.
    std::uint32_t LockTarget(std::uint32_t object, std::uint32_t frequency) const;

private:
    struct Entry {
        Parm parm;
        std::uint32_t object = 0;
        std::uint64_t first = 0;
        std::uint64_t last = 0;
        std::uint64_t step = 0;
        bool range = false;
        bool skipped = false;
    };

    std::optional<ScanSlot> FirstFrom(std::size_t entry, std::uint64_t frequency,
                                      const LockOuts& locks) const;

    std::vector<Entry> m_entries;
};

} // namespace hb::engine
