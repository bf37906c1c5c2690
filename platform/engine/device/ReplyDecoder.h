#pragma once
// What a command family's radio says, read into the device status: the family's decoder fills
// the current record, the trunk-type code, the LT character, the refused-lock-out bit and the
// display lines from each reply. Each family brings its own; a type without one passes its
// replies on unread.

#include "platform/records/DeviceStatus.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

namespace hb::engine {

class ReplyDecoder {
public:
    virtual ~ReplyDecoder() = default;
    // Fields the reply does not speak of keep their values.
    virtual void Decode(std::string_view reply, hb::records::DeviceStatus& decoded) = 0;
    // Milliseconds the radio may take over `line` (such as an erase); none: the section's limit.
    virtual std::optional<std::int64_t> ReplyLimit(std::string_view) const { return std::nullopt; }
};

// The decoder of the radio type's family; null for a type without one.
std::unique_ptr<ReplyDecoder> MakeReplyDecoder(std::uint8_t type);

} // namespace hb::engine
