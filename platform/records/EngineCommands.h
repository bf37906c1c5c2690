#pragma once
// Command codes of the EngineCommandRecord (byte 0), with the sub-codes that go with them.

#include <cstdint>

namespace hb::records {

// first = the object's engine word, second = a frequency or value, short = a hit value or 0xFFFF.
inline constexpr std::uint8_t kEngineCmdLockOut = 1;
inline constexpr std::uint8_t kEngineCmdFree = 2;
inline constexpr std::uint8_t kEngineCmdTempLockOut = 3;
inline constexpr std::uint8_t kEngineCmdThirdKindFree = 6;
inline constexpr std::uint8_t kEngineCmdThirdKindLocked = 7;
inline constexpr std::uint8_t kEngineCmdPause = 8; // with kEngineSubPause
inline constexpr std::uint8_t kEngineCmdStart = 9; // second of the start pair
inline constexpr std::uint8_t kEngineCmdReset = 10;
inline constexpr std::uint8_t kEngineCmdPriorityMode = 16; // sub-code = the mode
inline constexpr std::uint8_t kEngineCmdPreempt = 17;      // signed sub-code, -127 to 127
inline constexpr std::uint8_t kEngineCmdStop = 18;
inline constexpr std::uint8_t kEngineCmdStartFirst = 19;   // first of the start pair
inline constexpr std::uint8_t kEngineCmdFrameSetting = 24; // sub-code 0 or 0xFF
inline constexpr std::uint8_t kEngineCmdManualMode = 26;   // first = the record's object handle
inline constexpr std::uint8_t kEngineCmdSetting = 27;      // second's upper half = 6 or 2
inline constexpr std::uint8_t kEngineCmdBankMask = 31;     // first = one bit per bank
inline constexpr std::uint8_t kEngineCmdLockOutId = 32;    // second = the current ID value
inline constexpr std::uint8_t kEngineCmdIdGroups = 34;     // short = ID bank, first = group mask
inline constexpr std::uint8_t kEngineCmdIdBankMode = 35;   // sub 0xFF scan, 0 search; short = bank
inline constexpr std::uint8_t kEngineCmdScannerKey = 36;   // sub = key code 0-25, short = argument
inline constexpr std::uint8_t kEngineCmdPrioritySwitch = 37; // sub = switch position
inline constexpr std::uint8_t kEngineCmdToneSwitch = 38;
inline constexpr std::uint8_t kEngineCmdDataSkipSwitch = 39;

inline constexpr std::uint8_t kEngineSubPause = 7;

} // namespace hb::records
