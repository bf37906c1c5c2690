#pragma once
// A user ID for the ID-text tests: its number, kind, Type I size code and flags, in block 3, fleet
// 21 and subfleet 5, which each size code lays out its own way.
#include "platform/records/UserId.h"

#include <cstdint>

namespace hb::app::test {

inline hb::records::UserId UserIdOf(std::uint32_t value, std::uint8_t kind, std::uint8_t size = 0,
                                    std::uint16_t flags = 0) {
    using hb::records::UserId;
    UserId id;
    id.set(UserId::kValue, value);
    id.set(UserId::kKind, kind);
    id.set(UserId::kSizeCode, size);
    id.set(UserId::kFlags, flags);
    id.set(UserId::kBlock, 3);
    id.set(UserId::kFleet, 21);
    id.set(UserId::kSubfleet, 5);
    return id;
}

} // namespace hb::app::test
