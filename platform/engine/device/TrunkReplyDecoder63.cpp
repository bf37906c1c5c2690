// What the trunk-tracking scanners of types 63 to 92 say, read into the device status: the replies
// the scanners with named memories share (see TrunkReplyFields), the LT character and the display
// lines.

#include "platform/engine/device/ReplyDecoder.h"
#include "platform/engine/device/TrunkReplyFields.h"
#include "platform/records/ReplyText.h"
#include "platform/records/TrunkChannelWords.h"

#include <array>

namespace hb::engine {

namespace {

using hb::records::DeviceStatus;

constexpr std::array<std::uint8_t, 8> kTypes{63, 64, 70, 71, 89, 90, 91, 92};
// The erase takes the radio a while.
constexpr std::string_view kEraseLine = "AC\r";
constexpr std::int64_t kEraseLimitMs = 25000;

class TrunkReplyDecoder63 : public ReplyDecoder {
public:
    void Decode(std::string_view reply, DeviceStatus& decoded) override {
        if (DecodeNamedTrunkReply(reply, hb::records::kTrunkStepAuto, decoded)) {
            return;
        }
        if (reply.starts_with("LT") && reply.size() > 2) {
            decoded.set(DeviceStatus::kLtChar, static_cast<std::uint8_t>(reply[2]));
        } else if (reply.starts_with("LCD")) {
            const auto line = ReplyDigits(reply, 3, 1);
            if (line && *line >= 1 && *line <= DeviceStatus::kDisplayLines.kCount) {
                decoded.setText(DeviceStatus::kDisplayLines, *line - 1,
                                hb::records::ReplyFrom0(reply, 5));
            }
        }
    }

    std::optional<std::int64_t> ReplyLimit(std::string_view line) const override {
        return line == kEraseLine ? std::optional(kEraseLimitMs) : std::nullopt;
    }
};

std::unique_ptr<ReplyDecoder> Make(std::uint8_t) {
    return std::make_unique<TrunkReplyDecoder63>();
}

[[maybe_unused]] const bool kRegistered = RegisterReplyDecoder(kTypes, &Make);

} // namespace

} // namespace hb::engine
