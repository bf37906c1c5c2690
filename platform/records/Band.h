#pragma once
// The 15-byte band the core library locates for a frequency. Bands are compared byte for byte, so
// the name is a 32-bit id of the core library's name table, never a pointer.

#include "platform/records/ByteRecord.h"

#include <cstdint>

namespace hb::records {

class Band : public ByteRecord<Band, 15> {
public:
    static constexpr Field<std::uint32_t, 0> kBase{};
    static constexpr Field<std::uint32_t, 4> kStep{}; // 0: none
    static constexpr Field<std::uint32_t, 8> kNameId{};
    static constexpr Field<std::uint8_t, 12> kFirstMode{};
    static constexpr Field<std::uint8_t, 13> kSecondMode{};
    static constexpr Field<std::uint8_t, 14> kSpare{}; // copied, not interpreted
};
static_assert(sizeof(Band) == Band::kSize);

} // namespace hb::records

using band = hb::records::Band;
