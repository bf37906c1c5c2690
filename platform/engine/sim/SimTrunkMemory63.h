#pragma once
// What the simulated trunk scanner of types 63 to 92 keeps: per memory channel, per bank (with its
// ID slots and ID-list tags), per search range and globally, each value as its command gave it.
// Settings reached through the menus are kept as the menu position chosen. The erase command makes
// a new one.

#include "platform/records/TrunkChannelWords.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace hb::engine::sim {

// What the model code changes in the radio, as the family's transfers meet it.
struct SimTrunkModel63 {
    std::uint8_t code;
    // The key that leaves the menus (from an option list when it is "KEY07").
    std::string_view exitKey;
    // Answers "BC" with a band plan.
    bool bandPlansByCommand;
    // Has the chain search and the search ranges' mode in its menus.
    bool chainSearch;
    // The search ranges' steps in the menu; none: no step item.
    std::span<const std::uint32_t> rangeSteps;
    // The end-code and EDACS ID-format items stand in the bank's list, after the numbered ones,
    // rather than under bank item 0.
    bool trunkOptionsBySearch;
    // The bank item of the system option.
    unsigned systemOptionItem;
    // The bank option byte, the channel marker ("AR") and the user-ID option.
    bool optionMenus;
    // The bank delay by the full table, not on or off.
    bool fullDelay;
};
// The row of a model code; null for a code outside 4 to 7.
const SimTrunkModel63* FindSimTrunkModel63(std::uint8_t code);

// Positions of an on/off menu item.
inline constexpr unsigned kMenuOn = 1;
inline constexpr unsigned kMenuOff = 2;

// A name as the trunk scanners keep and answer it: cut or filled with blanks to 16 characters.
inline std::string TrunkName(std::string_view name) {
    constexpr std::size_t kWidth = 16;
    std::string kept(name.substr(0, kWidth));
    kept.resize(kWidth, ' ');
    return kept;
}

struct SimTrunkChannel63 {
    std::uint32_t frequency = 0; // hundreds of hertz
    bool trunk = false;
    std::string step{hb::records::kTrunkStepAuto};
    bool lockOut = false;
    bool attenuator = false;
    bool marker = false;
    bool bankAssign = false;
    // "F", "N" or "N" and a delay word.
    std::string delay = "F";
    std::string mode = "FM";
    unsigned tone = 0; // squelch tone position
    bool toneSuffix = false;
    std::string name;
};

// The whole memory as "MA" answers it, by the three digits of its number:
// "MA005T08510125 LON ATF ARF ST12.5K RMNFM DLN+2 CS012L BAN".
std::string ChannelLine63(unsigned number, const SimTrunkChannel63& channel);

struct SimTrunkId63 {
    std::string text;
    std::string tag;
    bool bankAssign = false;
    unsigned option = kMenuOff;
};

// A band plan as "TR" gave it: base and spacing in hundreds of hertz.
struct SimTrunkPlan63 {
    std::uint32_t base = 0;
    std::uint32_t spacing = 0;
    unsigned offset = 0;
};

struct SimTrunkBank63 {
    static constexpr std::size_t kIds = 100;
    static constexpr std::size_t kListTags = 10;

    std::string name;
    bool trunking = false;
    unsigned trunkCode = 0;
    std::array<SimTrunkPlan63, 3> plans{};
    std::array<unsigned, 8> fleetMap{};
    char ir = 'F';
    unsigned tc = 0; // 0: off
    char ea = 'F';
    unsigned priority = 0;
    // Menu positions.
    unsigned endCode = 1;
    unsigned edacsFormat = kMenuOff;
    unsigned option = kMenuOff;
    unsigned systemOption = kMenuOff;
    unsigned delay = 1;
    std::array<SimTrunkId63, kIds> ids{};
    std::array<std::string, kListTags> listTags{};
};

struct SimTrunkRange63 {
    std::string name;
    std::uint32_t lower = 0; // hundreds of hertz
    std::uint32_t upper = 0;
    // Menu positions.
    unsigned mode = 1;
    unsigned step = 1;
};

struct SimTrunkMemory63 {
    static constexpr std::size_t kBanks = 10;
    static constexpr std::size_t kRanges = 10;
    static constexpr std::size_t kFipsSlots = 15;

    explicit SimTrunkMemory63(std::size_t channelCount) : channels(channelCount) {}

    // Memory n is channels[n - 1].
    std::vector<SimTrunkChannel63> channels;
    std::array<SimTrunkBank63, kBanks> banks{};
    std::array<SimTrunkRange63, kRanges> ranges{};
    std::array<std::string, kFipsSlots> fips{};
    char lt = 'N';
    char lm = 'F';
    char bp = 'F';
    char el = 'F';
    char ds = 'F';
    char ct = 'F';
    // Menu positions of the chain search.
    unsigned chainChoice = 1;
    unsigned chainOption4 = kMenuOff;
    unsigned chainOption6 = kMenuOff;
};

} // namespace hb::engine::sim
