#pragma once
// Test scripting of the simulated receiver's sweep (SimSweep.h), by device handle. A handle that
// names no simulated receiver is ignored.

#include "platform/engine/SimSweep.h"

#include <cstdint>
#include <optional>

namespace hb::engine {

class SweepSim {
public:
    static void SetReport(std::uint16_t device, SweepReport report);
    // The raw level of every step from now on, in place of the band activity; a level above the
    // noise floor is on the air.
    static void SetLevelFunction(std::uint16_t device, SimSweep::LevelFunction level);
    // Measures `count` steps of the running sweep now.
    static void RunSteps(std::uint16_t device, std::uint32_t count);
    static std::optional<SweepState> State(std::uint16_t device);
};

} // namespace hb::engine
