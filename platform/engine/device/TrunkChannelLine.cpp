#include "platform/engine/device/TrunkChannelLine.h"

#include "platform/records/TrunkChannelWords.h"

#include <array>
#include <cstdio>

namespace hb::engine {

namespace {

using hb::records::TrunkSwitchLetter;
using hb::records::Parm;

constexpr std::array<std::size_t, 5> kNumberWidths{3, 10, 3, 5, 5};
constexpr std::size_t kSwitches = 3;
constexpr std::size_t kLineWidth = 3 + 1 + 10 + 1 + 3 + 1 + 5 + 1 + 5 + 1 + 1 + 1 + 1 + 1 + 1;

constexpr std::size_t kDelayWidth = 1 + 1 + 5 + 1 + 5;

// A text of decimal digits only.
std::optional<std::uint64_t> Digits(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return value;
}

} // namespace

TrunkChannel TrunkChannel::Of(const Parm& record) {
    return {record.get(Parm::kMemoryChannel),
            record.get(Parm::kFrequency),
            record.get(Parm::kMode),
            record.get(Parm::Channel::kFlags),
            record.get(Parm::Channel::kTrunkWord),
            record.get(Parm::Channel::kDelay) != 0,
            record.get(Parm::Channel::kAttenuator) != 0,
            record.get(Parm::Channel::kLockOut) != 0};
}

Parm TrunkChannel::Record() const {
    Parm record;
    record.set(Parm::kMemoryChannel, memory);
    record.set(Parm::kFrequency, frequency);
    record.set(Parm::kMode, mode);
    record.set(Parm::Channel::kFlags, flags);
    record.set(Parm::Channel::kTrunkWord, trunkWord);
    record.set(Parm::Channel::kDelay, delay ? kDelayOnMs : std::int16_t{0});
    record.set(Parm::Channel::kAttenuator, static_cast<std::uint8_t>(attenuator ? 1 : 0));
    record.set(Parm::Channel::kLockOut, static_cast<std::uint8_t>(lockOut ? 0xFF : 0));
    return record;
}

std::string FormatTrunkChannel(const TrunkChannel& channel) {
    char text[kLineWidth + 1];
    std::snprintf(text, sizeof text, "%03u %010u %03u %05u %05u %c %c %c", channel.memory % 1000U,
                  channel.frequency, static_cast<unsigned>(channel.mode),
                  static_cast<unsigned>(channel.flags), static_cast<unsigned>(channel.trunkWord),
                  TrunkSwitchLetter(channel.delay), TrunkSwitchLetter(channel.attenuator),
                  TrunkSwitchLetter(channel.lockOut));
    return text;
}

std::optional<TrunkChannel> ParseTrunkChannel(std::string_view text) {
    if (text.size() != kLineWidth) {
        return std::nullopt;
    }
    std::array<std::uint64_t, kNumberWidths.size()> numbers{};
    std::size_t pos = 0;
    for (std::size_t field = 0; field < kNumberWidths.size(); ++field) {
        const auto number = Digits(text.substr(pos, kNumberWidths[field]));
        pos += kNumberWidths[field];
        if (!number || text[pos++] != ' ') {
            return std::nullopt;
        }
        numbers[field] = *number;
    }
    std::array<bool, kSwitches> switches{};
    for (std::size_t i = 0; i < kSwitches; ++i, pos += 2) {
        if (text[pos] != 'N' && text[pos] != 'F') {
            return std::nullopt;
        }
        if (pos + 1 < text.size() && text[pos + 1] != ' ') {
            return std::nullopt;
        }
        switches[i] = text[pos] == 'N';
    }
    if (numbers[1] > 0xFFFF'FFFF || numbers[2] > 0xFF || numbers[3] > 0xFFFF ||
        numbers[4] > 0xFFFF) {
        return std::nullopt;
    }
    return TrunkChannel{static_cast<std::uint16_t>(numbers[0]),
                        static_cast<std::uint32_t>(numbers[1]),
                        static_cast<std::uint8_t>(numbers[2]),
                        static_cast<std::uint16_t>(numbers[3]),
                        static_cast<std::uint16_t>(numbers[4]),
                        switches[0],
                        switches[1],
                        switches[2]};
}

std::string FormatTrunkDelay(const TrunkChannel& channel) {
    char text[kDelayWidth + 1];
    std::snprintf(text, sizeof text, "%c %05u %05u", TrunkSwitchLetter(channel.delay),
                  static_cast<unsigned>(channel.flags), static_cast<unsigned>(channel.trunkWord));
    return text;
}

std::optional<TrunkChannel> ParseTrunkDelay(std::string_view text) {
    if (text.size() != kDelayWidth || (text[0] != 'N' && text[0] != 'F') || text[1] != ' ' ||
        text[7] != ' ') {
        return std::nullopt;
    }
    const auto flags = Digits(text.substr(2, 5));
    const auto trunkWord = Digits(text.substr(8, 5));
    if (!flags || *flags > 0xFFFF || !trunkWord || *trunkWord > 0xFFFF) {
        return std::nullopt;
    }
    TrunkChannel channel;
    channel.delay = text[0] == 'N';
    channel.flags = static_cast<std::uint16_t>(*flags);
    channel.trunkWord = static_cast<std::uint16_t>(*trunkWord);
    return channel;
}

} // namespace hb::engine
