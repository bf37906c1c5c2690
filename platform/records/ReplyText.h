#pragma once
// Reading a radio's reply text at fixed positions. Some command families count positions from 0,
// others from 1, so the base is part of each helper's name. The reply ends at its first NUL or at
// kReplyTextWidth characters; a position at or beyond that end is absent, so a short reply never
// yields stale bytes of an earlier, longer one.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace hb::records {

// The byte at a position, as unsigned so that codes of 0x80 and above compare as numbers.
std::optional<std::uint8_t> ReplyAt0(std::string_view reply, std::size_t pos);
std::optional<std::uint8_t> ReplyAt1(std::string_view reply, std::size_t pos);

// The text from a position to the end of the reply; empty when the position is absent.
std::string_view ReplyFrom0(std::string_view reply, std::size_t pos);
std::string_view ReplyFrom1(std::string_view reply, std::size_t pos);

} // namespace hb::records
