// The type-17 trunk scanner tells its channels and search limits in the lines of the type-43
// scanner, and takes its memory write request and its erase as that one does.
#include "platform/engine/device/ReplyDecoder.h"

#include <array>

namespace hb::engine {

namespace {

constexpr std::array<std::uint8_t, 1> kTypes{17};
constexpr std::uint8_t kSameLines = 43;

std::unique_ptr<ReplyDecoder> Make(std::uint8_t) {
    return MakeReplyDecoder(kSameLines);
}

[[maybe_unused]] const bool kRegistered = RegisterReplyDecoder(kTypes, &Make);

} // namespace

} // namespace hb::engine
