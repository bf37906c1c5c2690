#pragma once
// The menus of the simulated trunk scanner of types 45 and 51, moved through by its keys: "KEY11"
// opens them, "KEY02 m" chooses menu 1 (global), 3 (bank) or 4 (search), then "KEY02" chooses a
// bank or range by its digit (bank 10 is 0) where the menu has them, then an item by its digit;
// "KEY02 v" on an item sets its value digit. Bank item 1 lists the trunk types, whose band screens
// "KEY12" shows and "KEY04" steps through; bank item 5 is the ID list: a group digit, "KEY03", the
// slot digit, "KEY04", then the ID's item 3 is its option. Search item 1 is the range list. "KEY01"
// leaves the menus.
//
// The display answers "LINE1 [~" and "LINE2 [~" with the value digit of the item shown, and on a
// band screen "FRQ" with the base in MHz or the spacing in kHz from position 6, or the offset
// channel from position 8.

#include "platform/engine/sim/SimMemory45.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hb::engine::sim {

class SimMenu45 {
public:
    explicit SimMenu45(SimMemory45& memory) : m_memory(memory) {}

    // The key's code and argument, as they follow "KEY": "11", "02 4".
    void Press(std::string_view key);
    void Close();
    // What "LCD LINE1", "LCD LINE2" and "LCD FRQ" answer.
    std::string Line(std::string_view which) const;

private:
    // A "KEY02" choice, or another key pressed on the way.
    struct Step {
        std::optional<unsigned> choice;
        std::string key;
    };
    // Where the keys lead: an item's value, a band screen, or neither.
    struct Place {
        unsigned* item = nullptr;
        const SimBank45* bandBank = nullptr;
        unsigned screen = 0;
    };

    Place Resolve() const;
    Place BankPlace(std::size_t at, SimBank45& bank) const;
    std::optional<unsigned> ChoiceAt(std::size_t at) const;
    bool KeyAt(std::size_t at, std::string_view key) const;
    static std::string BandScreen(const SimBank45& bank, unsigned screen);

    SimMemory45& m_memory;
    bool m_open = false;
    std::vector<Step> m_steps;
};

} // namespace hb::engine::sim
