#pragma once
// Simulated traffic on the band: which frequencies carry transmissions, and when. It is a pure
// function of the seed, the frequency and the clock, so a run repeats exactly for a seed and
// nothing needs to be stored as time passes.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace hb::engine {

class BandActivity {
public:
    // `busy`: the frequencies that carry traffic (sorted); none given: about one in eight,
    // chosen by the seed.
    // `dtmf`: the frequencies whose transmissions send DTMF characters (sorted); none given:
    // about one busy frequency in four, chosen by the seed.
    BandActivity(std::uint64_t seed, std::optional<std::vector<std::uint32_t>> busy,
                 std::optional<std::vector<std::uint32_t>> dtmf = std::nullopt);

    // The signal level on `frequency` at `nowMs`; 0 when nothing is on the air.
    std::uint8_t Level(std::uint32_t frequency, std::int64_t nowMs) const;
    // The 3 to 16 DTMF characters of the transmission on `frequency` that was on the air at
    // `atMs`; empty when there was none or it sent none.
    std::string Dtmf(std::uint32_t frequency, std::int64_t atMs) const;

private:
    bool IsBusy(std::uint32_t frequency) const;
    bool SendsDtmf(std::uint32_t frequency) const;
    // The hash of the transmission period holding `nowMs` on `frequency`.
    std::uint64_t PeriodHash(std::uint32_t frequency, std::uint64_t nowMs) const;

    std::uint64_t m_seed;
    std::optional<std::vector<std::uint32_t>> m_busy;
    std::optional<std::vector<std::uint32_t>> m_dtmf;
};

} // namespace hb::engine
