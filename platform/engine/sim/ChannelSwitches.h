#pragma once
// The lock-out and attenuator of a radio's memory channels: a trunk scanner reports them for the
// channel it is tuned to, and its keys change them. A simulated radio that keeps its own memory
// gives them from there.

#include <cstdint>

namespace hb::engine::sim {

class ChannelSwitches {
public:
    struct Switches {
        std::uint8_t lockOut = 0;
        std::uint8_t attenuator = 0;
    };

    virtual ~ChannelSwitches() = default;
    virtual Switches SwitchesOf(std::uint16_t channel) const = 0;
    virtual void SetSwitches(std::uint16_t channel, Switches switches) = 0;
};

} // namespace hb::engine::sim
