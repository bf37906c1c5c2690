#pragma once
// The 219-byte channel-activity record the audio logger takes, also stored in every segment header
// of a recording file. Senders zero it and fill their fields; names read back from a file are
// bounded by their widths like any other.

#include "platform/records/ByteRecord.h"
#include "platform/records/TextWidths.h"
#include "platform/records/UserId.h"

#include <cstdint>

namespace hb::records {

class Dal : public ByteRecord<Dal, 219> {
public:
    static constexpr Field<std::uint32_t, 0> kKind{};
    static constexpr Field<std::uint32_t, 4> kFrequency{};
    static constexpr Field<std::uint32_t, 8> kTime{}; // seconds since 1970 UTC, unsigned
    static constexpr Field<std::uint32_t, 12> kSegmentStartLow{};
    static constexpr RecordField<UserId, 16> kUserId{};
    static constexpr auto kBlock = Within(kUserId, UserId::kBlock);
    static constexpr auto kFleet = Within(kUserId, UserId::kFleet);
    static constexpr auto kSubfleet = Within(kUserId, UserId::kSubfleet);
    static constexpr auto kSizeCode = Within(kUserId, UserId::kSizeCode);
    static constexpr auto kIdKind = Within(kUserId, UserId::kKind);
    static constexpr Field<std::uint16_t, 28> kLoggerValue{};
    static constexpr Field<std::uint8_t, 31> kLevel{};
    static constexpr Field<std::uint8_t, 32> kZero{}; // always written as 0
    static constexpr TextField<33, kDalRadioNameWidth, TextPad::Terminated> kRadioName{};
    static constexpr TextField<53, kDalNameWidth, TextPad::Terminated> kName1{}; // the subject
    static constexpr TextField<103, kDalNameWidth, TextPad::Terminated> kName2{};
    static constexpr TextField<153, kDalNameWidth, TextPad::Terminated> kName3{};
    static constexpr Field<std::uint8_t, 203> kState{};
    static constexpr Field<std::uint16_t, 208> kVoiceInversion{};
    static constexpr Field<std::uint8_t, 214> kFlags{};
    static constexpr Field<std::uint32_t, 215> kSegmentStartHigh{};

    static constexpr std::uint32_t kKindClient = 2;
    static constexpr std::uint32_t kKindMax = 12; // highest kind of a valid record
    static constexpr std::uint8_t kStateMin = 1;  // states of a valid record
    static constexpr std::uint8_t kStateMax = 9;
    static constexpr std::uint8_t kFlagSubjectAlone = 0x40;

    // The 64-bit segment start, kept in two halves far apart.
    std::uint64_t segmentStart() const {
        return (std::uint64_t{get(kSegmentStartHigh)} << 32) | get(kSegmentStartLow);
    }
    void setSegmentStart(std::uint64_t start) {
        set(kSegmentStartLow, static_cast<std::uint32_t>(start));
        set(kSegmentStartHigh, static_cast<std::uint32_t>(start >> 32));
    }
};
static_assert(sizeof(Dal) == Dal::kSize);

} // namespace hb::records

using dal = hb::records::Dal;
