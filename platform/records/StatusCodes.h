#pragma once
// 16-bit results of the engine and device requests. Bit 15 set means failure; a failure value not
// named here is a failure the radio reported.

#include <cstdint>

namespace hb::records {

inline constexpr std::uint16_t kStatusDone = 0;
inline constexpr std::uint16_t kStatusFailureBit = 0x8000;
inline constexpr std::uint16_t kStatusRetry = 0x8400; // a fast VFO write asks to be sent again
// Also a serial port that is not a terminal, or a "Baud" the port cannot run at.
inline constexpr std::uint16_t kStatusNotSupported = 0x8B00;
inline constexpr std::uint16_t kStatusNoSuchPort = 0x8C00;
inline constexpr std::uint16_t kStatusPortInUse = 0x8D00;
inline constexpr std::uint16_t kStatusNoPermission = 0x8E00;
inline constexpr std::uint16_t kStatusLinkLost = 0x8F00; // the port hung up or failed
inline constexpr std::uint16_t kStatusTimeOut = 0x9800;
inline constexpr std::uint16_t kStatusDecoderFailure = 0x9C00;
inline constexpr std::uint16_t kStatusEmptyScanList = 0xA500;
inline constexpr std::uint16_t kStatusStop = 0xFFFF; // stopped by the user, or WM_QUIT seen

// A short text of what a status means to the user; empty for a status without one.
const char* StatusText(std::uint16_t status);

constexpr bool IsFailureStatus(std::uint16_t status) {
    return (status & kStatusFailureBit) != 0;
}

} // namespace hb::records
