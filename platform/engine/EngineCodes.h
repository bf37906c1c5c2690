#pragma once
// Results and states of our engine beyond the shared ones in platform/records. Callers test only
// bit 15 of a result; the values here tell a test or a trace what went wrong.

#include <cstdint>

namespace hb::engine {

inline constexpr std::uint16_t kStatusInvalidHandle = 0x8100;   // 0, unknown, or the wrong kind
inline constexpr std::uint16_t kStatusInvalidArgument = 0x8200; // a null buffer, record or name
inline constexpr std::uint16_t kStatusNoRecord = 0x8300;        // the queue is empty
inline constexpr std::uint16_t kStatusNoFile = 0x8500;          // a file that cannot be written
inline constexpr std::uint16_t kStatusEmptyChannel = 0x8600;    // a memory channel never written

// States of the simulated engine next to the shared ones (stopped, paused, on a channel).
inline constexpr std::uint8_t kEngineStarting = 0;
inline constexpr std::uint8_t kEngineLinkLost = 2; // the radio does not answer
inline constexpr std::uint8_t kEngineStopping = 3;
inline constexpr std::uint8_t kEngineScanning = 4;

// Handles are 1 to kLastHandle, so that no handle ever looks like a failure.
inline constexpr std::uint16_t kLastHandle = 0x7FFF;

// The engine changes state one step at a time; a step is this many clock milliseconds.
inline constexpr std::int64_t kStepMs = 10;
// How often the engine measures the signal while it listens to a channel.
inline constexpr std::int64_t kSampleMs = 100;

} // namespace hb::engine
