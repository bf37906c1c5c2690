#pragma once
// Reads an ID as the trunk scanners are given it back into a user-ID record: "i" and a number for
// an individual, block, fleet and subfleet for a Motorola Type I fleet with a layout, the system
// digits of trunk type 3, and a plain decimal number for everything else.
#include "platform/records/UserId.h"

#include <array>
#include <cstdint>

// 0 when the text was read; non-zero, with the record emptied, when it cannot be. A non-empty ID
// takes the trunk type as its kind; an empty ID (an empty text, or one that reads as value 0 with
// no flags, such as "0" or "000000") gives an empty record of kind 0, which is not in use.
int convert_user(const char* text, hb::records::UserId* id, std::uint8_t trunkType,
                 const std::array<std::uint8_t, 8>& fleetMap);
