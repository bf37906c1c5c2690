// What the trunk scanners of types 45 and 51 say, read into the device status: the replies the
// scanners with named memories share (see TrunkReplyFields), where the step the radio chooses by
// itself is "AUTO". Their menus' display lines are read from the reply itself.

#include "platform/engine/device/ReplyDecoder.h"
#include "platform/engine/device/TrunkReplyFields.h"

#include <array>

namespace hb::engine {

namespace {

using hb::records::DeviceStatus;

constexpr std::array<std::uint8_t, 2> kTypes{45, 51};
constexpr std::string_view kAutoStep = "AUTO";
// The erase takes the radio a while.
constexpr std::string_view kEraseLine = "AC\r";
constexpr std::int64_t kEraseLimitMs = 25000;

class ReplyDecoder45 : public ReplyDecoder {
public:
    void Decode(std::string_view reply, DeviceStatus& decoded) override {
        DecodeNamedTrunkReply(reply, kAutoStep, decoded);
    }

    std::optional<std::int64_t> ReplyLimit(std::string_view line) const override {
        return line == kEraseLine ? std::optional(kEraseLimitMs) : std::nullopt;
    }
};

std::unique_ptr<ReplyDecoder> Make(std::uint8_t) {
    return std::make_unique<ReplyDecoder45>();
}

[[maybe_unused]] const bool kRegistered = RegisterReplyDecoder(kTypes, &Make);

} // namespace

} // namespace hb::engine
