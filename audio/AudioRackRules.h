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

// A byte count from the file, never below 0 on a new or short file.
long CounterValue(std::int64_t bytes);

} // namespace hb::audio
