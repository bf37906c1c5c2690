#pragma once
// The engine's timer statistics (scan_api_call kApiCallTimerStatistics): how often and by how many
// milliseconds in all its timer fired late or early, over how many samples, and its period.

#include "platform/records/ByteRecord.h"

#include <cstdint>

namespace hb::records {

inline constexpr std::uint32_t kApiCallTimerStatistics = 18;

class TimerStatistics : public ByteRecord<TimerStatistics, 24> {
public:
    static constexpr Field<std::int32_t, 0> kLateCount{};
    static constexpr Field<std::int32_t, 4> kLateTotal{};
    static constexpr Field<std::int32_t, 8> kEarlyCount{};
    static constexpr Field<std::int32_t, 12> kEarlyTotal{};
    static constexpr Field<std::int32_t, 16> kSamples{};
    static constexpr Field<std::int32_t, 20> kPeriod{};
};
static_assert(sizeof(TimerStatistics) == TimerStatistics::kSize);

} // namespace hb::records
