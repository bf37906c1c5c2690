#pragma once
// The menus of the simulated trunk scanner of types 63 to 92, moved through by its keys: "KEY11"
// opens them at the top, "KEY02 n" enters item n of a list or chooses option n of an option list,
// "KEY04" enters the highlighted item or shows the next screen, "KEY07" steps the highlight through
// a list, "KEY00" and "KEY01" leave, and so does the model's exit key ("KEY07" only from an option
// list, since in a list it steps). A list shows its title on line 1 and three of its items below,
// the highlighted one marked "*" at column 16; an option list shows four options beginning with
// their position digits, the chosen one marked; a screen shows a title and, on line 2, a value.
// Options are the memory's menu positions, which the menu reads and sets in place.

#include "platform/engine/sim/SimTrunkMemory63.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace hb::engine::sim {

class SimTrunkMenu63 {
public:
    static constexpr std::size_t kLines = 4;

    SimTrunkMenu63(SimTrunkMemory63& memory, const SimTrunkModel63& model)
        : m_memory(memory), m_model(model) {}

    // The key's code and argument, as they follow "KEY": "11", "02 4".
    void Press(std::string_view key);
    void Close() { m_path.clear(); }
    bool IsOpen() const { return !m_path.empty(); }
    std::array<std::string, kLines> Display() const;

private:
    struct Entry;
    struct Screen {
        explicit Screen(std::string shownTitle) : title(std::move(shownTitle)) {}

        std::string title;
        std::vector<Entry> items;
        std::vector<std::string> options;
        unsigned* chosen = nullptr;
        std::vector<std::array<std::string, 2>> pages;
        // The highlighted item, or the page shown.
        std::size_t at = 0;
    };
    struct Entry {
        unsigned position;
        std::string label;
        std::function<Screen()> open;
    };

    void Enter(const Entry& entry) { m_path.push_back(entry.open()); }
    Screen Top();
    Screen SearchList();
    Screen ChainList();
    Screen RangeItems(std::size_t range);
    Screen BankItems(std::size_t bank);
    Screen TypeList(std::size_t bank);
    Screen BandPlanPages(std::size_t bank);
    Screen IdSlots(std::size_t bank, std::size_t group);
    Screen TrunkOptions(std::size_t bank);
    Screen EndCode(std::size_t bank);
    Screen EdacsFormat(std::size_t bank);
    // Ten items chosen by the digits 1 to 9 and 0.
    static Screen Numbered(std::string title, const std::function<std::string(std::size_t)>& label,
                           const std::function<Screen(std::size_t)>& open);
    static Screen Options(std::string title, std::vector<std::string> labels, unsigned& chosen);
    static Screen OnOff(std::string title, unsigned& chosen);
    static Screen Page(std::string title, std::string value = {});

    SimTrunkMemory63& m_memory;
    const SimTrunkModel63& m_model;
    std::vector<Screen> m_path;
};

} // namespace hb::engine::sim
