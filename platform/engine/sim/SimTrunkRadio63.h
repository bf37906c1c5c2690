#pragma once
// The simulated trunk-tracking scanner of types 63, 64, 70, 71, 89, 90, 91 and 92. It keeps what
// the family's commands write (see SimTrunkMemory63) and gives it back in its replies, so that what
// PC to Radio writes is what Radio to PC reads; its menus (see SimTrunkMenu63) reach the settings
// that have no command of their own. The model code and variant come from its type's row of the
// model table; what the model code changes is a row of data. A command the model lacks, or one
// that names no bank, memory or slot of the radio, gets no reply.
//
// It is also the memory of the trunk scanner the engine simulates for these types: the switches of
// its channels are what the scanner reports and what the scanner's keys change.

#include "platform/engine/sim/ChannelSwitches.h"
#include "platform/engine/sim/SimTextRadio.h"
#include "platform/engine/sim/SimTrunkMemory63.h"
#include "platform/engine/sim/SimTrunkMenu63.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hb::engine::sim {

class SimTrunkRadio63 : public SimTextRadio, public ChannelSwitches {
public:
    explicit SimTrunkRadio63(std::uint8_t type);

    const SimTrunkMemory63& Memory() const { return m_memory; }
    SimTrunkMemory63& Memory() { return m_memory; }
    const SimTrunkModel63& Model() const { return *m_model; }

    Switches SwitchesOf(std::uint16_t channel) const override;
    void SetSwitches(std::uint16_t channel, Switches switches) override;

protected:
    void Key(std::string_view key) override;

private:
    using Reply = std::optional<std::string>;

    void DefineMemoryCommands();
    void DefineChannelCommands();
    void DefineBankCommands();
    void DefineTextCommands();
    void DefineGlobalCommands();
    // "LON" and "LOF": a switch of the current channel.
    void DefineSwitch(std::string word, bool SimTrunkChannel63::*field);
    // "LTD" sets a setting to one of its letters, "LT" answers "LTD"; the bank's with its letter
    // after the word ("IRN A", "IR A" answered "IRN A").
    void DefineLetters(std::string word, std::string_view letters, char SimTrunkMemory63::*field);
    void DefineBankLetters(std::string word, std::string_view letters, char SimTrunkBank63::*field);

    // The memory of "MA"/"PM" digits (0 stands for 1000), the bank of a letter, the ID slot of a
    // letter and digit; none when the radio has no such thing.
    SimTrunkChannel63* Channel(std::string_view digits);
    SimTrunkBank63* Bank(char letter);
    // The bank whose letter begins the arguments.
    SimTrunkBank63* BankOf(std::string_view arguments);
    SimTrunkId63* Id(SimTrunkBank63& bank, std::string_view slot);
    SimTrunkChannel63* Current();
    void ShowMenu();

    const SimTrunkModel63* m_model;
    std::uint8_t m_variant;
    SimTrunkMemory63 m_memory;
    SimTrunkMenu63 m_menu;
    unsigned m_current = 1;
};

} // namespace hb::engine::sim
