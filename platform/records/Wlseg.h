#pragma once
// The 249-byte header of one segment of a recording file; the segment's audio follows it directly.
// Each header names its own file offset, so a reader can tell a header from stray bytes.

#include "platform/records/ByteRecord.h"
#include "platform/records/Dal.h"

#include <cstdint>

namespace hb::records {

class Wlseg : public ByteRecord<Wlseg, 249> {
public:
    static constexpr Field<std::uint32_t, 0> kOwnOffset{};
    // Bytes of audio after the header.
    static constexpr Field<std::uint32_t, 8> kPayloadLength{};
    // Non-zero marks the segment.
    static constexpr Field<std::uint32_t, 22> kMark{};
    // Counted from 1 within the file.
    static constexpr Field<std::uint32_t, 26> kSegmentNumber{};
    static constexpr RecordField<Dal, 30> kDal{};
};
static_assert(sizeof(Wlseg) == Wlseg::kSize);

} // namespace hb::records

using wlseg = hb::records::Wlseg;
