#pragma once
// One sweep reading: filled by the engine, or built by a view from a byte sweep or a block.

#include "platform/records/ByteRecord.h"

#include <cstdint>

namespace hb::records {

class SpanPoint : public ByteRecord<SpanPoint, 24> {
public:
    static constexpr Field<std::uint64_t, 0> kTime{}; // 100-ns ticks, as GetLongTimeNow
    static constexpr Field<std::uint32_t, 8> kFrequency{};
    static constexpr Field<std::uint32_t, 12> kRawLevel{};
    static constexpr Field<std::uint16_t, 16> kLevelKind{};
    static constexpr Field<std::uint8_t, 18> kLevelCopy1{};
    static constexpr Field<std::uint8_t, 19> kLevelCopy2{};
    static constexpr Field<std::uint8_t, 20> kFlags{};

    static constexpr std::uint8_t kFlagActivity = 0x08;
    static constexpr std::uint16_t kLevelKindByte = 1; // points built from level bytes
};
static_assert(sizeof(SpanPoint) == SpanPoint::kSize);

} // namespace hb::records

using SpanPoint = hb::records::SpanPoint;
