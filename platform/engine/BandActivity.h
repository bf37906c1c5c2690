#pragma once
// Simulated traffic on the band: which frequencies carry transmissions, and when. It is a pure
// function of the seed, the frequency and the clock, so a run repeats exactly for a seed and
// nothing needs to be stored as time passes.

#include <cstdint>
#include <optional>
#include <vector>

namespace hb::engine {

class BandActivity {
public:
    // `busy`: the frequencies that carry traffic (sorted); none given: about one in eight,
    // chosen by the seed.
    BandActivity(std::uint64_t seed, std::optional<std::vector<std::uint32_t>> busy);

    // The signal level on `frequency` at `nowMs`; 0 when nothing is on the air.
    std::uint8_t Level(std::uint32_t frequency, std::int64_t nowMs) const;

private:
    bool IsBusy(std::uint32_t frequency) const;

    std::uint64_t m_seed;
    std::optional<std::vector<std::uint32_t>> m_busy;
};

} // namespace hb::engine
