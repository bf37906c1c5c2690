#pragma once
// Simulated sound cards for tests and demos. A test declares the cards; capture devices fill their
// buffers at the format's rate on the clock from the source the test sets, and playback devices
// take their buffers at the rate and keep what they played. Nothing runs until the clock moves.

#include "platform/win/mm/Mixer.h"

#include <cstdint>
#include <string>
#include <vector>

namespace hb::win::mm::sim {

struct Card {
    std::string name;
    std::vector<std::string> capture;
    std::vector<std::string> playback;
};

// Adds a card after those declared before; returns its number. The card's capture and playback
// devices follow the earlier cards' in the wave device numbers.
UINT AddCard(Card card);

// What a capture device hears: silence, or a sine tone at a level from 0 to 1 of full scale.
struct Source {
    double frequency = 0;
    double level = 0;
};
void SetSource(UINT captureDevice, Source source);

// The next open of any device fails with `result`.
void FailNextOpen(MMRESULT result);

// Every byte the playback device played, over all its opens; the default output is device 0.
const std::vector<std::uint8_t>& Played(UINT playbackDevice);

UINT CardCount();

// A card's mixer: a speaker line and a wave-out source, each with a volume from `minimum` to
// `maximum` (at the maximum at first) and a mute (off). Cards not declared have both lines.
struct MixerSetup {
    bool speaker = true;
    bool waveOut = true;
    DWORD minimum = 0;
    DWORD maximum = 65535;
};
void SetMixer(UINT card, MixerSetup setup);
// Every open of the card's mixer fails.
void FailMixerOpen(UINT card);
// Changes a control as another program would; every open mixer of the card hears of it.
void ChangeControl(UINT card, DWORD component, DWORD controlType, DWORD value);
DWORD ControlValue(UINT card, DWORD component, DWORD controlType);

// The two cards a program run on simulated devices has.
void AddDemoCards();

} // namespace hb::win::mm::sim
