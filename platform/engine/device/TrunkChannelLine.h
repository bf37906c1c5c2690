#pragma once
// A memory channel of the trunk scanners of types 35 and 99 as one line of text: how the engine
// hands a type-35 radio a memory to write ("MW " and the channel) and how both radios answer the
// memory selection "MA" ("MA" and the channel). The fields, each followed by one blank but the
// last:
//   memory (3 digits), frequency in Hz (10), mode (3), flags (5), trunk word (5), and N or F for
//   the delay, the attenuator and the lock-out.
#include "platform/records/Parm.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hb::engine {

struct TrunkChannel {
    // The delay a radio of these types waits when its delay is on.
    static constexpr std::int16_t kDelayOnMs = 2000;

    std::uint16_t memory = 0;
    std::uint32_t frequency = 0;
    std::uint8_t mode = 0;
    std::uint16_t flags = 0;
    std::uint16_t trunkWord = 0;
    bool delay = false;
    bool attenuator = false;
    bool lockOut = false;

    static TrunkChannel Of(const hb::records::Parm& record);
    // The record the device reports for the channel: every other field 0.
    hb::records::Parm Record() const;

    bool operator==(const TrunkChannel&) const = default;
};

std::string FormatTrunkChannel(const TrunkChannel& channel);
// The channel of a text that is exactly one well-formed channel; none otherwise.
std::optional<TrunkChannel> ParseTrunkChannel(std::string_view text);

// What follows "DL " in the type-35 radio's answer about a memory's delay: N or F, then the flags
// (5 digits) and the trunk word (5). Parsing gives a channel with only those three set.
std::string FormatTrunkDelay(const TrunkChannel& channel);
std::optional<TrunkChannel> ParseTrunkDelay(std::string_view text);

} // namespace hb::engine
