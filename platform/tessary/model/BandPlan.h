#pragma once
// The band plan the core library knows: broadcast, amateur, citizens, air, marine and public
// service bands, ascending and never overlapping. A band's name travels in the 15-byte `band`
// record as an id of this table, so two copies of a band compare equal byte for byte.

#include "platform/records/Band.h"

#include <cstdint>
#include <optional>
#include <span>

namespace hb::tessary {

struct BandPlanEntry {
    std::uint32_t lower; // first frequency of the band, Hz
    std::uint32_t upper; // first frequency above it, Hz
    std::uint32_t step;  // channel spacing, Hz; 0: none
    const char* name;
    std::uint8_t firstMode; // preferred mode codes
    std::uint8_t secondMode;
};

std::span<const BandPlanEntry> BandPlan();

// The index of the band holding `hz`, if any.
std::optional<std::size_t> FindPlanBand(std::uint32_t hz);

// The `band` record of plan entry `index`.
hb::records::Band MakeBandRecord(std::size_t index);

// The name behind a band record's name id; empty for an unknown id.
const char* BandName(std::uint32_t nameId);

} // namespace hb::tessary
