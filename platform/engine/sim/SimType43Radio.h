#pragma once
// The simulated type-43 trunk scanner: twenty banks of fifty channels, each bank with a trunk
// system, a Type I fleet map and a hundred talkgroup slots, and one pair of search limits with a
// mode and a step per search range. What the writes set is what the reads answer.
//
// Memory, bank and ID commands are answered only in programming mode, between "MUN" and "MUA";
// "AC" erases everything at any time. Some values are reached only through the keys: "KEY13H",
// "KEY14" (banks 11 to 20), "KEY02 d" and "KEY04" choose the bank "TB" speaks of, and the menu
// "KEY11", "KEY02 4", "KEY02 1", "KEY02 n" then "KEY02 3" (mode) or "KEY02 2" (step) opens a
// range's item, which a further digit sets and "LCD LINE1" shows; "KEY01" leaves every menu.

#include "platform/engine/sim/SimChannelRadio.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace hb::engine::sim {

class SimType43Radio : public SimChannelRadio {
public:
    static constexpr unsigned kBanks = 20;
    static constexpr unsigned kMemories = 1000;
    static constexpr unsigned kSlots = 100;
    static constexpr unsigned kRanges = 10;
    static constexpr unsigned kFleetBlocks = 8;
    // An empty talkgroup slot as "TG" answers it, and as a write clears it.
    static constexpr std::string_view kEmptySlot = "------";
    static constexpr std::string_view kClearSlot = "000000";

    struct TrunkBank {
        // The n of "TR %c n"; 0 for a bank without trunking.
        unsigned trunkCommand = 0;
        std::uint32_t base = 0; // Hz
        std::uint32_t step = 0; // Hz
        std::uint16_t offset = 0;
        std::array<std::uint8_t, kFleetBlocks> fleetMap{};
        // Talkgroup texts as written; empty for an empty slot.
        std::array<std::string, kSlots> slots;
    };
    // A range's menu items, as the digit keys that chose them.
    struct RangeKeys {
        char mode = '2';
        char step = '5';
    };

    SimType43Radio();

    // Banks from 1.
    const TrunkBank& BankNumbered(unsigned number) const { return m_banks.at(number - 1); }
    // Ranges from 1.
    RangeKeys Range(unsigned number) const { return m_ranges.at(number - 1); }

protected:
    void Key(std::string_view key) override;

private:
    enum class Menu { None, BankChoice, Settings };

    void Erase();

    std::optional<std::string> TrunkType(std::string_view arguments);
    std::optional<std::string> FleetMap(std::string_view arguments);
    std::optional<std::string> Talkgroup(std::string_view arguments);
    // The bank a command's " A" names; null for a letter past the banks.
    TrunkBank* BankOf(char letter);

    // The value of the range item the menu has open; null when none is.
    char* OpenItem();
    void MenuDigit(char digit);
    void ShowMenuItem();

    std::array<TrunkBank, kBanks> m_banks{};
    std::array<RangeKeys, kRanges> m_ranges{};

    Menu m_menu = Menu::None;
    bool m_highBanks = false;
    unsigned m_chosenBank = 1;
    unsigned m_bank = 1;
    std::string m_menuPath;
};

} // namespace hb::engine::sim
