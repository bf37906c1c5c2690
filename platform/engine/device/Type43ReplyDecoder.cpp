// What the type-43 trunk scanner says about a channel or a search limit, read into the device's
// current record, and how it is given a memory write request.
#include "platform/engine/device/ReplyDecoder.h"
#include "platform/engine/device/Type43Lines.h"

#include <array>

namespace hb::engine {

namespace {

using hb::records::DeviceStatus;

constexpr std::array<std::uint8_t, 1> kTypes{43};
// The radio takes its time over an erase. The path waits a little longer than a transfer does, so
// that to the transfer a radio that never answers has run out of time.
constexpr std::string_view kErase = "AC\r";
constexpr std::int64_t kEraseLimitMs = 12'000;

class Type43ReplyDecoder : public ReplyDecoder {
public:
    void Decode(std::string_view reply, DeviceStatus& decoded) override {
        hb::records::Parm record = decoded.get(DeviceStatus::kCurrentParm);
        if (type43::ReadReply(reply, record)) {
            decoded.set(DeviceStatus::kCurrentParm, record);
        }
    }
    std::optional<std::int64_t> ReplyLimit(std::string_view line) const override {
        return line == kErase ? std::optional(kEraseLimitMs) : std::nullopt;
    }
    std::optional<std::string> MemoryWriteLine(const hb::records::Parm& record) const override {
        return type43::MemoryWriteLine(record);
    }
};

std::unique_ptr<ReplyDecoder> Make(std::uint8_t) {
    return std::make_unique<Type43ReplyDecoder>();
}

[[maybe_unused]] const bool kRegistered = RegisterReplyDecoder(kTypes, &Make);

} // namespace

} // namespace hb::engine
