#pragma once
// Values of the engine status's state byte (0 to 36) and engine mode byte. Views keep their own
// tables of which states count as scanning; only the states several modules name are here.

#include <cstdint>

namespace hb::records {

inline constexpr std::uint8_t kEngineStopped = 1;
inline constexpr std::uint8_t kEngineOnChannel = 5;
inline constexpr std::uint8_t kEngineOnChannelActive = 6; // the hit lamp is on
inline constexpr std::uint8_t kEnginePaused = 7;
inline constexpr std::uint8_t kEngineTrunkCall = 26;
inline constexpr std::uint8_t kEngineTrunkCallActive = 27;
inline constexpr std::uint8_t kEngineStateCount = 37; // states above 36 mean nothing

inline constexpr std::uint8_t kEngineModeNormal = 0;
inline constexpr std::uint8_t kEngineModeSearch = 1;
inline constexpr std::uint8_t kEngineModeSlave = 2; // the queue of parm records is filled
inline constexpr std::uint8_t kEngineModePeer = 3;
inline constexpr std::uint8_t kEngineModeMeasure = 4;

} // namespace hb::records
