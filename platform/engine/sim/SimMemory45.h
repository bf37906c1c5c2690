#pragma once
// What the simulated trunk scanner of types 45 and 51 keeps: per memory channel, per bank (with
// its ID slots and ID-list tags), per search range and globally, each value as its command gave
// it, and each menu item as the value digit last chosen for it (1 to 9). The erase makes a new
// one.

#include "platform/engine/sim/SimTrunkMemory63.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace hb::engine::sim {

// Menu items by their digit (0 to 9); each holds the value digit chosen for it.
using SimMenuItems45 = std::array<unsigned, 10>;
inline constexpr SimMenuItems45 kFreshItems45{1, 1, 1, 1, 1, 1, 1, 1, 1, 1};

struct SimBank45 {
    static constexpr std::size_t kIds = 50;
    static constexpr std::size_t kListTags = 10;

    std::string name;
    // As "TB" answers it: 0 while trunking is off.
    unsigned trunkCode = 0;
    // The band values of a Type II bank: base in hundreds of hertz, spacing in hertz.
    std::uint32_t base = 0;
    std::uint32_t spacing = 0;
    unsigned offset = 0;
    std::array<unsigned, 8> fleetMap{};
    SimMenuItems45 items = kFreshItems45;
    unsigned priority = 0; // memory number; 0 none
    std::array<SimTrunkId63, kIds> ids{};
    std::array<std::string, kListTags> listTags{};
};

struct SimRange45 {
    std::string name;
    std::uint32_t lower = 0; // hundreds of hertz
    std::uint32_t upper = 0;
    SimMenuItems45 items = kFreshItems45;
};

struct SimMemory45 {
    static constexpr std::size_t kChannels = 1000;
    static constexpr std::size_t kBanks = 10;
    static constexpr std::size_t kRanges = 10;
    static constexpr std::size_t kFipsSlots = 15;

    SimMemory45() : channels(kChannels, FreshChannel()) {}

    // A memory never written: the radio chooses its step.
    static SimTrunkChannel63 FreshChannel() {
        SimTrunkChannel63 channel;
        channel.step = "AUTO";
        return channel;
    }

    // Memory n is channels[n - 1].
    std::vector<SimTrunkChannel63> channels;
    std::array<SimBank45, kBanks> banks{};
    std::array<SimRange45, kRanges> ranges{};
    std::array<std::string, kFipsSlots> fips{};
    // Menus 1 (global) and 4 (search).
    SimMenuItems45 globalItems = kFreshItems45;
    SimMenuItems45 searchItems = kFreshItems45;
};

} // namespace hb::engine::sim
