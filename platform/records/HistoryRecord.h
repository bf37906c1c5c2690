#pragma once
// One logged hit: delivered by the engine, or built by a view for a hit logged by hand or a band
// scope alert.

#include "platform/records/ByteRecord.h"
#include "platform/records/TextWidths.h"
#include "platform/records/UserId.h"

#include <cstdint>

namespace hb::records {

class HistoryRecord : public ByteRecord<HistoryRecord, 106> {
public:
    static constexpr Field<std::uint32_t, 0> kFrequency{};
    static constexpr Field<std::uint32_t, 4> kObjectHandle{}; // 0: none
    static constexpr Field<std::uint32_t, 8> kTime{};         // seconds since 1970, unsigned
    static constexpr Field<std::uint32_t, 12> kAirTime{};     // milliseconds
    // Hit numbers; the activity log reads them as sample count and signal sum.
    static constexpr Field<std::uint32_t, 16> kHitNumber1{};
    static constexpr Field<std::uint32_t, 20> kHitNumber2{};
    static constexpr Field<std::uint32_t, 24> kFlags{};
    static constexpr Field<std::uint64_t, 36> kLongTime{}; // GetLongTimeNow stamp
    static constexpr RecordField<UserId, 44> kUserId{};
    static constexpr auto kIdKind = Within(kUserId, UserId::kKind);
    // Hit bytes; the activity log reads them as lowest and highest signal sample.
    static constexpr Field<std::uint8_t, 56> kHitByte1{};
    static constexpr Field<std::uint8_t, 57> kHitByte2{};
    static constexpr TextField<58, kHistoryNameWidth, TextPad::Blank> kName1{};
    static constexpr TextField<74, kHistoryNameWidth, TextPad::Blank> kName2{};
    static constexpr TextField<90, kHistoryNameWidth, TextPad::Blank> kName3{};

    // Flag bits; the activity log's texts are in quotes. Bits not named pass through unchanged.
    static constexpr std::uint32_t kFlagTimeOut = 0x1;     // "T/O"
    static constexpr std::uint32_t kFlagLockOut = 0x2;     // "L/O"
    static constexpr std::uint32_t kFlagTempLockOut = 0x4; // "TLK"
    static constexpr std::uint32_t kFlagLockOutRefresh = 0x8;
    static constexpr std::uint32_t kFlagUserIdPresent = 0x10; // the activity log's test
    // Either of these: the record is drained but neither shown nor logged.
    static constexpr std::uint32_t kFlagQuiet20 = 0x20;
    static constexpr std::uint32_t kFlagQuiet40 = 0x40;
    static constexpr std::uint32_t kFlagAutoLockOut = 0x10000; // "ALK"
    static constexpr std::uint32_t kFlagStored = 0x20000;      // "STO"
    static constexpr std::uint32_t kFlagSearchStore = 0x80000; // "S/S"
    static constexpr std::uint32_t kFlagDsk = 0x100000;        // "DSK"
    static constexpr std::uint32_t kFlagMm = 0x200000;         // "M/M"
    static constexpr std::uint32_t kFlagDtmf = 0x400000;
    static constexpr std::uint32_t kFlagByHand = 0x800000;
    static constexpr std::uint32_t kFlagSad = 0x2000000; // "SAD"
};
static_assert(sizeof(HistoryRecord) == HistoryRecord::kSize);

} // namespace hb::records

using HistoryRecord = hb::records::HistoryRecord;
