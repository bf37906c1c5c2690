#pragma once
// The head of a compiled scan program block. The radio window reads the entry count and writes the
// start stamp; everything else in the block belongs to the core library and the engine.

#include "platform/records/ByteRecord.h"

#include <cstdint>

namespace hb::records {

class ProgHeader : public ByteRecord<ProgHeader, 32> {
public:
    static constexpr Field<std::uint16_t, 0x18> kEntryCount{};
    static constexpr Field<std::uint8_t, 0x1D> kStartStamp{}; // low byte of scan_timer_read
};
static_assert(sizeof(ProgHeader) == ProgHeader::kSize);

} // namespace hb::records
