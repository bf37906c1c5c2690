#pragma once
// The simulated trunk scanners programmed by text, types 35 and 99: memories, banks and ID slots
// as the radio model table organises them. What both answer (b is a bank letter, sd an ID slot
// such as "A1" or "A0"):
//   MAnnn          selects memory nnn, and with it its bank; answers "MA" and the channel
//   LON LOF        the selected memory's lock-out; DLN DLF its delay
//   RM             the selected memory's mode, "RM nnn"
//   TBF b          trunking off in the bank (trunk-type code 0)
//   TR b n ...     the bank's trunk type n, kept as its code (1 and 2 swap: the command for Type I
//                  is 1, its code 2); with band values it sets a band plan too: "TR b n base
//                  spacing" (base in hundreds of hertz, spacing in hertz) plan 1, "TR b n base
//                  spacing offset p" (both in hundreds of hertz) plan p
//   FB b k [ss]    sets block k of the bank's fleet map, or answers it: "FB b k ss"
//   TG b sd [id]   sets the ID of a slot of the bank, or answers it: "TG b sd id", "------" when
//                  the slot is empty
//   AC             erases memories, banks and slots
// A line it cannot take is answered "NG".
#include "platform/engine/device/TrunkChannelLine.h"
#include "platform/engine/sim/SimTextRadio.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace hb::engine::sim {

class SimTrunkRadio35 : public SimTextRadio {
public:
    static constexpr std::string_view kRefused = "NG";
    static constexpr std::string_view kEmptySlot = "------";

    struct BandPlan {
        std::uint32_t base = 0;    // Hz
        std::uint32_t spacing = 0; // Hz
        std::uint16_t offset = 0;

        bool operator==(const BandPlan&) const = default;
    };
    struct Bank {
        std::uint8_t trunkCode = 0;
        std::array<std::uint8_t, 8> fleetMap{};
        std::array<BandPlan, 3> plans{};
        // One text a slot, empty for an empty slot.
        std::vector<std::string> ids;
    };

    explicit SimTrunkRadio35(std::uint8_t type);

    // Memories and banks are numbered from 1; a number the radio lacks throws.
    const TrunkChannel& Memory(std::uint16_t memory) const { return m_memories.at(memory - 1U); }
    const Bank& BankNumbered(std::size_t number) const { return m_banks.at(number - 1); }

protected:
    using Words = std::vector<std::string_view>;
    static Words Split(std::string_view arguments);
    static std::optional<std::string> Accepted(bool accepted);

    // The selected memory; null before one was selected.
    TrunkChannel* Selected();
    // Null for a memory the radio lacks.
    TrunkChannel* MemoryNumbered(std::uint16_t memory);
    // 1-based; the bank of the selected memory unless a subclass chose another.
    std::size_t CurrentBank() const { return m_currentBank; }
    void SetCurrentBank(std::size_t number) { m_currentBank = number; }
    Bank* BankLettered(std::string_view letter);
    std::size_t BankCount() const { return m_banks.size(); }
    virtual void Erase();
    // " b sd" answers the slot as "TG b sd id"; " b sd id" sets it.
    std::optional<std::string> UserId(std::string_view arguments);

private:
    std::optional<std::string> Select(std::string_view arguments);
    std::optional<std::string> SetTrunkType(std::string_view arguments);
    std::optional<std::string> FleetMap(std::string_view arguments);
    void DefineSwitch(std::string on, std::string off, bool TrunkChannel::*field);

    std::uint16_t m_channelsPerBank;
    std::uint16_t m_idsPerBank;
    std::vector<TrunkChannel> m_memories;
    std::vector<Bank> m_banks;
    std::optional<std::uint16_t> m_selected;
    std::size_t m_currentBank = 1;
};

} // namespace hb::engine::sim
