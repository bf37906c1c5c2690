#pragma once
// The simulated type-35 trunk scanner: ten banks of 50 channels and 50 ID slots, one pair of
// search limits. Beside what every SimTrunkRadio35 answers:
//   MW channel      the engine's memory write: the channel into the selected memory
//   ATN ATF         the selected memory's attenuator
//   DL              the selected memory's delay, flags and trunk word: "DL N 00004 00128"
//   KEY13H KEY02 d  chooses bank d (0 is bank 10); selecting a memory chooses its bank too
//   TB              the chosen bank's trunk-type code: "TB b n"
//   IC sd           a slot of the chosen bank: "IC b sd id", "------" for an empty slot
//   MD              back to the radio's normal mode
//   SB bb...        the banks that scan, by their letters
//   LLnnnnnnnn      sets the lower search limit (hundreds of hertz); LL alone answers it so
//   LUnnnnnnnn      the same for the upper limit
#include "platform/engine/sim/SimTrunkRadio35.h"

#include <array>
#include <vector>

namespace hb::engine::sim {

class SimRadio35 : public SimTrunkRadio35 {
public:
    SimRadio35();

    // Whether each bank scans, bank A first.
    const std::vector<bool>& Scanning() const { return m_scanning; }
    // Hz.
    std::uint32_t LowerLimit() const { return m_limits[0]; }
    std::uint32_t UpperLimit() const { return m_limits[1]; }
    // The next `count` questions "IC" are answered "NG", as by a radio that is not ready for them.
    void RefuseIdQuestions(unsigned count) { m_idRefusals = count; }

protected:
    void Key(std::string_view key) override;
    void Erase() override;

private:
    std::optional<std::string> IdSlot(std::string_view arguments);
    std::optional<std::string> Limit(std::size_t index, std::string_view word,
                                     std::string_view arguments);

    bool m_choosingBank = false;
    std::vector<bool> m_scanning;
    std::array<std::uint32_t, 2> m_limits{};
    unsigned m_idRefusals = 0;
};

} // namespace hb::engine::sim
