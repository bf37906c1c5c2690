#include "platform/engine/device/ReplyDecoder.h"

#include "platform/engine/FamilyTable.h"

namespace hb::engine {

bool RegisterReplyDecoder(std::span<const std::uint8_t> types, ReplyDecoderMaker maker) {
    return FamilyTable<ReplyDecoderMaker>::Shared().Add(types, maker);
}

std::unique_ptr<ReplyDecoder> MakeReplyDecoder(std::uint8_t type) {
    const ReplyDecoderMaker maker = FamilyTable<ReplyDecoderMaker>::Shared().Find(type);
    return maker ? maker(type) : nullptr;
}

} // namespace hb::engine
