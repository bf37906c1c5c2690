#pragma once
// The 64-byte head of a sweep block buffer; one level byte per step follows it at kLevelsOffset.
// The level address slot at 60 is 32 bits wide, too narrow for a pointer here, so it stays 0 and
// readers address the levels by offset.

#include "platform/records/ByteRecord.h"

#include <cstddef>
#include <cstdint>

namespace hb::records {

class SpanBlockHeader : public ByteRecord<SpanBlockHeader, 64> {
public:
    static constexpr Field<std::uint64_t, 0> kFirstStepTime{}; // 100-ns ticks
    static constexpr Field<std::int64_t, 8> kDuration{};
    static constexpr Field<std::uint32_t, 20> kStart{};
    static constexpr Field<std::uint32_t, 28> kStep{};
    static constexpr Field<std::uint32_t, 32> kCount{};
    static constexpr Field<std::uint32_t, 36> kBufferSize{}; // written by the view
    static constexpr Field<std::uint32_t, 60> kLevelAddressSlot{};

    static constexpr std::size_t kLevelsOffset = 64;
};
static_assert(sizeof(SpanBlockHeader) == SpanBlockHeader::kSize);

} // namespace hb::records
