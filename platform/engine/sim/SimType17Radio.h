#pragma once
// The simulated type-17 trunk scanner: ten scan lists "A" to "J" of twenty channels, each list with
// a Type I fleet map and fifty ID slots, and one pair of search limits. Channels and limits have
// commands of their own (SimChannelRadio); a list's fleet map and IDs only its keypad reaches:
// - "KEY13" and "KEY13H" leave every list and menu; "KEY21 x" opens list x; "KEY01" goes back to
//   the open list from its menus.
// - In a list, "KEY11", "KEY07", "KEY11" reach the fleet-map menu, which shows the first preset.
//   There "KEY07" shows the next preset, "KEY04" takes the one shown, and "KEY11" starts the entry
//   by hand: per block "KEY07" counts the size code up from 0 and "KEY04" stores it in as many
//   blocks as the code takes; "KEY09" ends the entry and the list takes the map entered.
// - After a list opens, "MD" answers mode 12 for its first polls (the radio is busy), then mode 1.
// - "IC <slot>" puts the cursor on a slot of the open list and answers its ID, "------" for an
//   empty slot, or "NG" with no list open or for a slot outside it. Then "KEY02 c" types a
//   character, "KEY03" a dash, "KEY04" stores the text in the slot and "KEY07" moves the cursor
//   to the next slot.
// "AC" erases everything.

#include "platform/engine/sim/SimChannelRadio.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace hb::engine::sim {

class SimType17Radio : public SimChannelRadio {
public:
    static constexpr unsigned kLists = 10;
    static constexpr std::uint16_t kMemories = 200;
    static constexpr unsigned kSlots = 50;
    static constexpr unsigned kFleetBlocks = 8;
    static constexpr std::string_view kEmptySlot = "------";

    using FleetMap = std::array<std::uint8_t, kFleetBlocks>;
    struct ScanList {
        FleetMap fleetMap{};
        // The IDs as typed; empty for an empty slot.
        std::array<std::string, kSlots> slots;
    };

    SimType17Radio();

    // Lists by letter, "A" to "J".
    const ScanList& List(char letter) const { return m_lists.at(Index(letter)); }
    // How many "MD" polls after list `letter` opens answer that the radio is busy; 1 unless set.
    void SetBusyPolls(char letter, unsigned polls) { m_busyPolls.at(Index(letter)) = polls; }

protected:
    void Key(std::string_view key) override;

private:
    enum class Menu { Top, List, FleetPresets, FleetByHand, Ids };

    static std::size_t Index(char letter) { return static_cast<std::size_t>(letter - 'A'); }
    void Erase();
    void OpenList(char letter);
    std::optional<std::string> Mode();
    std::optional<std::string> Slot(std::string_view arguments);
    void ListKey(std::string_view key);
    void PresetKey(std::string_view key);
    void HandEntryKey(std::string_view key);
    void IdKey(std::string_view key);

    std::array<ScanList, kLists> m_lists{};
    std::array<unsigned, kLists> m_busyPolls;

    Menu m_menu = Menu::Top;
    std::optional<std::size_t> m_open;
    unsigned m_busy = 0;
    // The keys pressed in the open list on the way to its fleet-map menu.
    std::string m_path;
    std::size_t m_preset = 0;
    FleetMap m_entered{};
    unsigned m_block = 0;
    std::uint8_t m_size = 0;
    unsigned m_cursor = 0;
    std::string m_typed;
};

} // namespace hb::engine::sim
