#include "platform/engine/device/ReplyDecoder.h"

namespace hb::engine {

std::unique_ptr<ReplyDecoder> MakeReplyDecoder(std::uint8_t) {
    // Each command family's issue adds its decoder here.
    return nullptr;
}

} // namespace hb::engine
