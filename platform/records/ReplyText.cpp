#include "platform/records/ReplyText.h"

#include "platform/records/TextWidths.h"

#include <algorithm>

namespace hb::records {

namespace {

std::string_view Bounded(std::string_view reply) {
    reply = reply.substr(0, std::min(reply.size(), kReplyTextWidth));
    return reply.substr(0, reply.find('\0'));
}

} // namespace

std::optional<std::uint8_t> ReplyAt0(std::string_view reply, std::size_t pos) {
    const std::string_view text = Bounded(reply);
    if (pos >= text.size()) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(text[pos]);
}

std::optional<std::uint8_t> ReplyAt1(std::string_view reply, std::size_t pos) {
    if (pos == 0) {
        return std::nullopt;
    }
    return ReplyAt0(reply, pos - 1);
}

std::string_view ReplyFrom0(std::string_view reply, std::size_t pos) {
    const std::string_view text = Bounded(reply);
    if (pos >= text.size()) {
        return {};
    }
    return text.substr(pos);
}

std::string_view ReplyFrom1(std::string_view reply, std::size_t pos) {
    if (pos == 0) {
        return {};
    }
    return ReplyFrom0(reply, pos - 1);
}

} // namespace hb::records
