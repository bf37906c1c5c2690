#pragma once
// The 12-byte trunking ID record: the ID of a live call in the status records, in a `dal` and in a
// history record, and the value of a stored user-ID entry.

#include "platform/records/ByteRecord.h"

#include <cstdint>

namespace hb::records {

class UserId : public ByteRecord<UserId, 12> {
public:
    static constexpr Field<std::uint32_t, 0> kValue{};
    // The low byte holds the call flags of a live ID; bit 0 is also the leading "i" of an entry.
    static constexpr Field<std::uint16_t, 4> kFlags{};
    static constexpr Field<std::uint8_t, 6> kBlock{};
    static constexpr Field<std::uint8_t, 7> kFleet{};
    static constexpr Field<std::uint8_t, 8> kSubfleet{};
    // Motorola size code; only the low four bits count (see TypeISizeTable).
    static constexpr Field<std::uint8_t, 9> kSizeCode{};
    // The ID kind below. A stored entry is in use exactly when its kind is not 0.
    static constexpr Field<std::uint8_t, 10> kKind{};
    // LTR repeater number, or the suffix of kind 11.
    static constexpr Field<std::uint8_t, 11> kExtra{};

    static constexpr std::uint16_t kFlagIndividual = 0x0001;
    static constexpr std::uint16_t kFlagEmergency = 0x0020;

    bool inUse() const { return get(kKind) != 0; }
};
static_assert(sizeof(UserId) == UserId::kSize);

// ID kinds (byte 10). Bank trunk types 1, 2, 3, 6 and 8 use the same numbers.
inline constexpr std::uint8_t kIdKindNone = 0;
inline constexpr std::uint8_t kIdKindMotorola = 1; // Type I or II, by the size code
inline constexpr std::uint8_t kIdKindMotorolaTypeII = 2;
inline constexpr std::uint8_t kIdKindLtr = 3;
inline constexpr std::uint8_t kIdKindCtcss = 4; // "PL", tenths of a hertz
inline constexpr std::uint8_t kIdKindDcs = 5;   // "DPL"
inline constexpr std::uint8_t kIdKindEdacs = 6;
inline constexpr std::uint8_t kIdKindEdacsOther = 8;
inline constexpr std::uint8_t kIdKindPpt = 11;

} // namespace hb::records
