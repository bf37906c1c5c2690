#pragma once
// Simulated sound cards for tests and demos. A test declares the cards; capture devices fill their
// buffers at the format's rate on the clock from the source the test sets, and playback devices
// take their buffers at the rate and keep what they played. Nothing runs until the clock moves.

#include "platform/win/mm/Wave.h"

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

} // namespace hb::win::mm::sim
