#pragma once
// The compiled scan program: a 32-byte head followed by one entry per channel or search range to
// scan. The core library compiles it from a scan list and the engine takes a copy of it; the radio
// window reads the entry count and writes the start stamp.

#include "platform/records/ByteRecord.h"
#include "platform/records/Parm.h"

#include <cstddef>
#include <cstdint>

namespace hb::records {

class ProgHeader : public ByteRecord<ProgHeader, 32> {
public:
    // Bytes of the whole block, head and entries, so that a copy needs no other knowledge.
    static constexpr Field<std::uint32_t, 0> kBlockSize{};
    static constexpr Field<std::uint32_t, 4> kMagic{};
    // 0, or 2 when the program is compiled for a trunk-tracking radio.
    static constexpr Field<std::uint8_t, 8> kCompileMode{};
    static constexpr Field<std::uint16_t, 0x18> kEntryCount{};
    static constexpr Field<std::uint8_t, 0x1D> kStartStamp{}; // low byte of scan_timer_read

    static constexpr std::uint32_t kMagicValue = 0x47525048; // "HPRG"
};
static_assert(sizeof(ProgHeader) == ProgHeader::kSize);

// One entry of the program: the kind tag of the object it came from and its channel record (whose
// object handle field names that object).
class ProgEntry : public ByteRecord<ProgEntry, 4 + Parm::kSize> {
public:
    static constexpr Field<std::uint32_t, 0> kKind{};
    static constexpr RecordField<Parm, 4> kParm{};
};
static_assert(sizeof(ProgEntry) == ProgEntry::kSize);

// Where entry `index` starts in a program block.
constexpr std::size_t ProgEntryOffset(std::size_t index) {
    return ProgHeader::kSize + index * ProgEntry::kSize;
}

} // namespace hb::records
