#pragma once
// The 12-byte request a view hands to the engine through the rig. A natural C++ struct of these
// fields would be 16 bytes, so it is kept as bytes like every shared record.

#include "platform/records/ByteRecord.h"

#include <cstdint>

namespace hb::records {

class EngineCommandRecord : public ByteRecord<EngineCommandRecord, 12> {
public:
    static constexpr Field<std::uint8_t, 0> kCode{};
    static constexpr Field<std::uint8_t, 1> kSubCode{};
    // The sub-code of the preempt command, -127 to 127.
    static constexpr Field<std::int8_t, 1> kSignedSubCode{};
    static constexpr Field<std::uint32_t, 2> kFirst{};
    static constexpr Field<std::uint32_t, 6> kSecond{};
    // The setting command sends the second parameter as two 16-bit halves.
    static constexpr Field<std::uint16_t, 6> kSecondLow{};
    static constexpr Field<std::uint16_t, 8> kSecondHigh{};
    static constexpr Field<std::uint16_t, 10> kShort{};

    // A record of zeros but for the fields given.
    static EngineCommandRecord Make(std::uint8_t code, std::uint8_t subCode = 0,
                                    std::uint32_t first = 0, std::uint32_t second = 0,
                                    std::uint16_t shortParam = 0) {
        EngineCommandRecord record;
        record.set(kCode, code);
        record.set(kSubCode, subCode);
        record.set(kFirst, first);
        record.set(kSecond, second);
        record.set(kShort, shortParam);
        return record;
    }
};
static_assert(sizeof(EngineCommandRecord) == EngineCommandRecord::kSize);

} // namespace hb::records

using EngineCommandRecord = hb::records::EngineCommandRecord;
