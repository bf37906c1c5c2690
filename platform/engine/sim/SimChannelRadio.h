#pragma once
// The base of the simulated trunk scanners that keep their channels, and name their ID slots, as
// the type-43 radio does:
// memories stored by the memory write request ("MW"), one selected by "MA" and answered with its
// record, its mode ("RM") and delay ("DL"), its delay and lock-out set by "DLN" and "LON", and one
// pair of search limits ("LL", "LU"). Memory commands are answered only in programming mode,
// between "MUN" and "MUA"; the limits at any time.

#include "platform/engine/sim/SimTextRadio.h"
#include "platform/records/Parm.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace hb::engine::sim {

class SimChannelRadio : public SimTextRadio {
public:
    std::optional<hb::records::Parm> Memory(std::uint16_t number) const;
    std::uint32_t LowerLimit() const { return m_lower; }
    std::uint32_t UpperLimit() const { return m_upper; }

protected:
    // Memories 1 to `memories`; "MA000" selects the last.
    explicit SimChannelRadio(std::uint16_t memories);

    // A command answered only in programming mode.
    void DefineProgramming(std::string word, Command command);
    bool Programming() const { return Framing("MUN") == "MUN"; }
    // Forgets every memory and both limits.
    void EraseChannels();
    // The whole text as a decimal number.
    static std::optional<unsigned> Number(std::string_view text);
    // The index of a slot named "A1" ... "A9", "A0", "B1" ..., when below `slots`.
    static std::optional<unsigned> SlotIndex(std::string_view name, unsigned slots);

private:
    std::optional<std::string> SelectMemory(std::string_view arguments);
    std::optional<std::string> WriteMemory(std::string_view line);
    std::optional<std::string> Limit(std::uint32_t& limit, std::string_view word,
                                     std::string_view arguments);
    std::optional<std::string> Selected(void (*change)(hb::records::Parm&));

    std::uint16_t m_count;
    std::map<std::uint16_t, hb::records::Parm> m_memories;
    std::uint16_t m_selected = 1;
    std::uint32_t m_lower = 0;
    std::uint32_t m_upper = 0;
};

} // namespace hb::engine::sim
