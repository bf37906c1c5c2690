#pragma once
// What the type-17 trunk scanner's keypad needs of a scan list: its letter, whether it takes part
// in the trunk settings at all, its trunk system, the fleet-map presets of the radio's menu and the
// keys that type an ID into a slot.
#include "platform/records/UserId.h"
#include "programming/TrunkCommandCodec.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class Bank;

namespace Type17Codes {

inline constexpr unsigned kScanLists = 10;
inline constexpr std::uint8_t kTypeI = 1;
inline constexpr std::uint8_t kTypeII = 2;

using FleetMap = std::array<std::uint8_t, TrunkCommandCodec::kFleetBlocks>;

// The presets in the order of the radio's fleet-map menu.
inline constexpr std::size_t kPresetCount = 15;
extern const std::array<FleetMap, kPresetCount> kFleetMapPresets;

// Every size code with only its low four bits, as the radio knows them.
FleetMap MaskedFleetMap(const FleetMap& map);
// The menu position of the preset that equals the (masked) map; none when the map is its own.
std::optional<std::size_t> PresetOf(const FleetMap& map);
// The blocks one size code takes when a map is entered by hand: 2 for 12, 4 for 13, 8 for 14,
// else 1 (15 too, so that the entry always moves on).
unsigned BlocksTaken(std::uint8_t sizeCode);

// Whether the bank holds a trunk frequency among its channels and ranges: only such a bank has a
// trunk system on the radio.
bool HasTrunkedChannel(const Bank& bank);
// The radio knows Type I and Type II only: any other trunk type becomes Type II, in the bank.
void FixTrunkType(Bank& bank);
const char* SystemName(std::uint8_t trunkType);

// A slot as the progress window shows it: "A1" to "A10", "B1" ...
std::string SlotName(unsigned index);

// The keys that type an ID's text (as FormatTypeIUserId gives it) into the slot the radio shows,
// before it is stored: a digit as "KEY02 d\r", the dash of a Type I ID as "KEY03\r". None for an
// ID of 0. Leading zeros are left out for Type II and plain IDs.
std::vector<std::string> IdKeys(std::string text, const hb::records::UserId& id, const Bank& bank);

} // namespace Type17Codes
