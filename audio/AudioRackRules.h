#pragma once
// The display rules of the audio logger windows, kept apart from any window so that the rack
// and the form view read the same: the ID display, the state lamp, the file-state texts, the
// clock and the position counters.

#include "platform/records/Dal.h"
#include "platform/win/WinTypes.h"

#include <cstdint>
#include <ctime>
#include <string>

namespace hb::audio {

struct IdShown {
    double value = 0;
    int decimals = 0;
    std::string caption;
};
// The ID of a channel record as the ID display shows it, by the record's ID kind.
IdShown ShowId(const dal& record);

struct LampLook {
    // False for the states that leave the lamp as it is.
    bool known = false;
    std::string caption;
    COLORREF lamp = 0;
    COLORREF text = 0;
};
// The state lamp for a logger state; state 0 shows "REC" while the logger records to a file.
LampLook StateLamp(BYTE state, bool recording);

struct FileStateTexts {
    // Null leaves the file name as it is; otherwise the name's new text.
    const char* name = nullptr;
    // Null leaves the message as it is.
    const char* message = nullptr;
};
// File state 1 shows the file's own name, which the caller supplies.
FileStateTexts FileState(int state);

// The time of day as a fraction of the day, for the clock.
double ClockFraction(const std::tm& local);

// A channel's frequency as the message and the labels show it: in MHz above 30 MHz, below by
// "HFFreqDisplayMHz" in MHz or kHz.
std::string FrequencyText(std::uint32_t hz, bool hfInMHz);

// The message for a channel record: each name and the frequency on lines of their own, then
// `text` (when given) and the radio name.
std::string ChannelMessage(const dal& record, const char* text, bool hfInMHz);

// Shown instead of the channel while recording stands still for want of disk space.
inline constexpr const char* kDiskSpaceStopMessage =
    "RECORDING STOPPED\r\nFREE DISK SPACE BELOW\r\nMINIMUM.";

// A byte count from the file, never below 0 on a new or short file.
long CounterValue(std::int64_t bytes);

} // namespace hb::audio
