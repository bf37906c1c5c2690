#pragma once
// What the rack bar and the form view do alike with their logger: the state lamp, the mode
// switch, seeking and holding the play position, and the segment's date.

#include "platform/instruments/CiLedRectangleX.h"
#include "platform/instruments/CiSevenSegmentClockX.h"
#include "platform/instruments/CiSevenSegmentIntegerX.h"
#include "platform/instruments/CiSwitchSliderX.h"
#include "platform/tessary/audio/AudioLog.h"

#include <cstdint>

namespace hb::audio {

// The lamp's caption and colours by the logger's state, then the lamp on.
void ShowStateLamp(CiLedRectangleX& lamp, const CAudioLog& log);

// True while playback is held for dragging the position slider.
bool PlaybackHeld(const CAudioLog& log);

// The logger takes the switch's position. A refused mode puts the switch back with a beep;
// recording without an input line says so in a box owned by `owner`.
void TakeModeSwitch(CAudioLog& log, CiSwitchSliderX& modeSwitch, HWND owner);

// In play mode, steps to the record at `percent` of the file's records, passing over records
// off the chained channel.
void SeekToPercent(CAudioLog& log, double percent);

// Holding pauses the output while the slider is dragged; releasing lets it go on at the next tick.
void HoldPlayback(CAudioLog& log);
void ReleasePlayback(CAudioLog& log);

struct DateDisplays {
    CiSevenSegmentClockX& clock;
    CiSevenSegmentIntegerX& year;
    CiSevenSegmentIntegerX& month;
    CiSevenSegmentIntegerX& day;
};
// The segment's time of day and date; time 0 clears them. Left alone while playback is held.
void ShowSegmentDate(const DateDisplays& displays, const CAudioLog& log, std::uint32_t time);

} // namespace hb::audio
