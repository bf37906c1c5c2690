#pragma once
// What the trunk scanners that name their memories (types 45, 51 and 63 to 92) say alike: a
// memory's whole channel ("MA"), a name or tag ("TA"), a search range's limits ("LL", "LU"), a
// channel's squelch tone, mode, delay, step and switches, a bank's priority channel ("PC") and its
// trunk-type code ("TB"). Each family's decoder reads these replies here and its own beside them.

#include "platform/records/DeviceStatus.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace hb::engine {

// Reads the reply into the status's current record or trunk-type code; false, changing nothing,
// for a reply that is none of these. `autoStep` is the word for the step the radio chooses by
// itself, which reads as step 0.
bool DecodeNamedTrunkReply(std::string_view reply, std::string_view autoStep,
                           hb::records::DeviceStatus& decoded);

// The digits of the reply from `pos` (counted from 0), at most `count` of them; none when there
// are none.
std::optional<std::uint32_t> ReplyDigits(std::string_view reply, std::size_t pos,
                                         std::size_t count = 10);

} // namespace hb::engine
