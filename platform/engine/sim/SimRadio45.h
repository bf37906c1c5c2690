#pragma once
// The simulated trunk scanner of types 45 and 51: ten banks of 100 memories with 50 ID slots each,
// ten search ranges named by letter, the FIPS codes (type 45 only: type 51 does not answer "FP")
// and the menus of SimMenu45. It keeps what is written (see SimMemory45) and gives it back in its
// replies. What it answers (b is a bank letter, sd an ID slot such as "A1" or "A0", nnn a memory
// by three digits with 000 for memory 1000, r a range letter, e an ID-list entry letter):
//   MAnnn                 selects the memory; answers its whole channel (see ChannelLine63)
//   PMnnnTffffffff        the memory's frequency in hundreds of hertz; T for a trunk frequency
//   LON LOF ATN ATF ARN ARF   the selected memory's switches
//   DLF, DLN word         its delay; DL answers "DLN +2"
//   RM word, CSnnn[L], ST word   its mode, squelch tone position and step; alone, each asks
//   TA C nnn|B b|S r|I b sd|L b e [name]   gives a name or tag, or asks for it ("TA B A name");
//                         a memory never named shows "RID" and two display graphics
//   TG b sd [id]          gives a slot its ID, or asks: "TG b sd id", "------" for an empty slot
//   BAN BAF C nnn|I b sd  the switch of a memory or an ID; "BA C nnn" asks: "BA C 005 N T"
//   PC bnnn, PC b         gives the bank its priority channel, or asks: "PC b nnn"
//   FB b k [ss]           block k of the bank's fleet map, or asks: "FB b k ss"
//   TR b n [base spacing offset]   the bank's trunk type, read back as a code with 1 and 2
//                         swapped; a UHF or VHF Type II bank with its band values
//   TBF b                 trunking off; "TB b" answers "TB b n"
//   LLnnnnnnnn r, LL r    a range's lower limit in hundreds of hertz, or asks: "LLnnnnnnnn r"
//   LU                    the same for the upper limit
//   FP nn [code]          type 45: FIPS slot nn, or asks: "FIPS nn code", "------" when empty
//   LTN LTD LTF           the LT setting, global menu item 1 at 1, 2 or 3
//   LCD LINE1|LINE2|FRQ   the display (see SimMenu45)
//   AC                    erases everything
// A line it cannot take gets no reply.

#include "platform/engine/sim/SimMemory45.h"
#include "platform/engine/sim/SimMenu45.h"
#include "platform/engine/sim/SimTextRadio.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hb::engine::sim {

class SimRadio45 : public SimTextRadio {
public:
    explicit SimRadio45(std::uint8_t type);

    const SimMemory45& Memory() const { return m_memory; }
    SimMemory45& Memory() { return m_memory; }

protected:
    void Key(std::string_view key) override { m_menu.Press(key); }

private:
    using Reply = std::optional<std::string>;

    void DefineChannelCommands();
    void DefineBankCommands();
    void DefineNameCommands();
    void DefineGlobalCommands();

    // The memory of three digits (000 is memory 1000), now selected; null when there is none.
    SimTrunkChannel63* Select(std::string_view digits);
    SimTrunkChannel63* Selected();
    // Null for a letter or slot the radio lacks.
    SimBank45* Bank(char letter);
    SimRange45* Range(char letter);
    static SimTrunkId63* Id(SimBank45& bank, std::string_view slot);

    SimMemory45 m_memory;
    SimMenu45 m_menu{m_memory};
    // The selected memory's number; 0 before one was selected.
    unsigned m_selected = 0;
};

} // namespace hb::engine::sim
