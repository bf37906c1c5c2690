// What the trunk scanners of types 35 and 99 say, read into the device status: the channel of a
// memory selection ("MA"), its mode ("RM"), its delay, flags and trunk word ("DL"), the search
// limits ("LL", "LU") and a bank's trunk-type code ("TB"). The type-35 radio also takes the
// engine's memory write.
#include "platform/afx/NumberText.h"
#include "platform/engine/device/ReplyDecoder.h"
#include "platform/engine/device/TrunkChannelLine.h"

#include <array>
#include <cstdint>

namespace hb::engine {

namespace {

using hb::afx::ParseNumber;
using hb::records::DeviceStatus;
using hb::records::Parm;

constexpr std::uint8_t kTypeWithMemoryWrite = 35;
constexpr std::array<std::uint8_t, 2> kTypes{35, 99};
constexpr std::size_t kLimitDigits = 8;

class ReplyDecoder35 : public ReplyDecoder {
public:
    explicit ReplyDecoder35(bool memoryWrite) : m_memoryWrite(memoryWrite) {}

    void Decode(std::string_view reply, DeviceStatus& decoded) override {
        Parm current = decoded.get(DeviceStatus::kCurrentParm);
        if (reply.starts_with("MA")) {
            if (const auto channel = ParseTrunkChannel(reply.substr(2))) {
                decoded.set(DeviceStatus::kCurrentParm, channel->Record());
            }
        } else if (reply.starts_with("RM ")) {
            if (const auto mode = ParseNumber<std::uint8_t>(reply.substr(3))) {
                current.set(Parm::kMode, *mode);
                decoded.set(DeviceStatus::kCurrentParm, current);
            }
        } else if (reply.starts_with("DL ")) {
            // "DL N 00004 00128": delay on, the flags and the trunk word.
            if (const auto channel = ParseTrunkDelay(reply.substr(3))) {
                current.set(Parm::Channel::kDelay, channel->Record().get(Parm::Channel::kDelay));
                current.set(Parm::Channel::kFlags, channel->flags);
                current.set(Parm::Channel::kTrunkWord, channel->trunkWord);
                decoded.set(DeviceStatus::kCurrentParm, current);
            }
        } else if (reply.size() == 2 + kLimitDigits &&
                   (reply.starts_with("LL") || reply.starts_with("LU"))) {
            // In hundreds of hertz.
            const auto limit = ParseNumber<std::uint32_t>(reply.substr(2));
            if (limit && *limit <= UINT32_MAX / 100) {
                if (reply[1] == 'L') {
                    current.set(Parm::Channel::kLowerLimit, *limit * 100);
                } else {
                    current.set(Parm::Channel::kUpperLimit, *limit * 100);
                }
                decoded.set(DeviceStatus::kCurrentParm, current);
            }
        } else if (reply.starts_with("TB ")) {
            // "TB A 4": the bank and its code.
            const auto blank = reply.rfind(' ');
            if (const auto code = ParseNumber<std::uint8_t>(reply.substr(blank + 1))) {
                decoded.set(DeviceStatus::kTrunkTypeCode, *code);
            }
        }
    }

    std::optional<std::string> MemoryWriteLine(const Parm& record) const override {
        if (!m_memoryWrite) {
            return std::nullopt;
        }
        return "MW " + FormatTrunkChannel(TrunkChannel::Of(record));
    }

private:
    bool m_memoryWrite;
};

std::unique_ptr<ReplyDecoder> MakeDecoder(std::uint8_t type) {
    return std::make_unique<ReplyDecoder35>(type == kTypeWithMemoryWrite);
}

[[maybe_unused]] const bool kRegistered = RegisterReplyDecoder(kTypes, &MakeDecoder);

} // namespace

} // namespace hb::engine
