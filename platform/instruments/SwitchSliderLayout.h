#pragma once
// Where a sliding switch's positions stand and what they are called; shared by its painter, its
// clicks and its wrapper. Not part of the public surface.
#include "platform/instruments/PositionCaptions.h"
#include "platform/win/WinTypes.h"

#include <string>
#include <vector>

namespace hb::instruments::detail {

// The captions of `count` positions, empty where the text gives none.
std::vector<std::string> CaptionsOf(const std::string& text, int count);
bool AnyCaption(const std::vector<std::string>& captions);

// A switch wider than high slides from left (position 0) to right; otherwise from top to bottom.
// Captions, where it has any, take a band below it or a column to its right.
struct SwitchSliderLayout {
    bool across = true;
    // The part of the client area the pointer slides in, and the band or column of captions.
    RECT slot{};
    RECT captions{};
    // The size of the pointer along the way it slides.
    int pointer = 0;
};

SwitchSliderLayout LayOutSwitchSlider(const RECT& client, int count, bool captioned);
// The centre of a position along the way the switch slides, in client coordinates.
int SwitchStop(const SwitchSliderLayout& layout, int position, int count);
// The position whose stop lies nearest to a point.
int SwitchPositionAt(const SwitchSliderLayout& layout, int count, long x, long y);

} // namespace hb::instruments::detail
