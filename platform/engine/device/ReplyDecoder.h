#pragma once
// What a command family's radio says, read into the device status: the family's decoder fills
// the current record, the trunk-type code, the LT character, the refused-lock-out bit and the
// display lines from each reply. Each family brings its own; a type without one passes its
// replies on unread.

#include "platform/records/DeviceStatus.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace hb::engine {

class ReplyDecoder {
public:
    virtual ~ReplyDecoder() = default;
    // Fields the reply does not speak of keep their values.
    virtual void Decode(std::string_view reply, hb::records::DeviceStatus& decoded) = 0;
    // Milliseconds the radio may take over `line` (such as an erase); none: the section's limit.
    virtual std::optional<std::int64_t> ReplyLimit(std::string_view) const { return std::nullopt; }
    // The line (without its carriage return) that writes the record to the memory the radio has
    // selected, for the engine's memory write; none when the family's radios take no such write.
    virtual std::optional<std::string> MemoryWriteLine(const hb::records::Parm&) const {
        return std::nullopt;
    }
};

// A family's decoder for one of its types.
using ReplyDecoderMaker = std::unique_ptr<ReplyDecoder> (*)(std::uint8_t type);
// Gives the types their family's decoder; a family's decoder file calls it once, as the engine
// loads (see FamilyTable). False, changing nothing, when a type has a decoder already.
bool RegisterReplyDecoder(std::span<const std::uint8_t> types, ReplyDecoderMaker maker);

// The decoder of the radio type's family; null for a type without one.
std::unique_ptr<ReplyDecoder> MakeReplyDecoder(std::uint8_t type);

} // namespace hb::engine
