#pragma once
// The words the trunk-tracking scanners of types 63 to 92 use for a channel's step, mode and delay,
// in the commands they are sent and in their replies ("ST 12.5K", "RM NFM", "DLN +2"), and the
// switch letter every trunk scanner uses. The program writes them and the engine reads them back by
// the same table.

#include <array>
#include <cstdint>
#include <string_view>

namespace hb::records {

struct TrunkStepWord {
    std::uint32_t hz;
    std::string_view word;
};
inline constexpr std::array<TrunkStepWord, 8> kTrunkStepWords{{{5'000, "5K"},
                                                               {6'250, "6.25K"},
                                                               {7'500, "7.5K"},
                                                               {10'000, "10K"},
                                                               {12'500, "12.5K"},
                                                               {25'000, "25K"},
                                                               {50'000, "50K"},
                                                               {100'000, "100K"}}};
// Any other step: the radio chooses one by the band; it reads back as step 0.
inline constexpr std::string_view kTrunkStepAuto = "A";

// The mode each word reads back as.
struct TrunkModeWord {
    std::uint8_t mode;
    std::string_view word;
};
inline constexpr std::array<TrunkModeWord, 4> kTrunkModeWords{
    {{1, "AM"}, {2, "WFM"}, {11, "NFM"}, {0, "FM"}}};

// "DLF" is no delay, "DLN" with one of these words a delay. A plain "DLN" is the delay of the
// models that know only on and off, which reads back as kTrunkDelayOn.
struct TrunkDelayWord {
    std::int16_t ms; // negative values are the radio's special delays
    std::string_view word;
};
inline constexpr std::array<TrunkDelayWord, 7> kTrunkDelayWords{
    {{1000, "+1"}, {2000, "+2"}, {4000, "+4"}, {-1, "+-"}, {-2, "-2"}, {-5, "-5"}, {-10, "-10"}}};
inline constexpr std::int16_t kTrunkDelayOn = 2000;

// The letter after a switch's command word, on or off ("LON", "ATF", "BAN").
constexpr char TrunkSwitchLetter(bool on) {
    return on ? 'N' : 'F';
}

} // namespace hb::records
