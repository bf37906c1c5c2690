#pragma once
// Mixer line values as rigs and audio loggers keep them. A value of 0 or more is a real line whose
// top byte is the mixer device number; the negative values are special.

#include <cstdint>

namespace hb::records {

inline constexpr std::int32_t kMixerLineNone = -1;
inline constexpr std::int32_t kMixerLineDefaultMonitor = -4;
inline constexpr std::int32_t kMixerLineDspWave = -5; // the radio's own wave interface

constexpr bool HasMixerSource(std::int32_t line) {
    return line >= 0;
}

} // namespace hb::records
