// The pictures of the mini status panel: three looks (at rest, held down, focused) of its start,
// stop, lock-out, temporary lock-out, hold-ID and lock-out-ID buttons, and its mute icons.
#include "resources/ResourceIds.h"
#include "resources/program/ProgramParts.h"

#include <string>
#include <utility>

namespace hb::resources {

namespace {

constexpr int kButtonWidth = 24;
constexpr int kButtonHeight = 18;

} // namespace

std::vector<hb::afx::BitmapResource> RackBitmaps() {
    const std::pair<UINT, const char*> pictures[] = {
        {27367, "start"},         {27368, "start-down"},          {27369, "start-focus"},
        {27370, "stop"},          {27371, "stop-down"},           {27372, "stop-focus"},
        {27373, "lock-out"},      {27374, "lock-out-focus"},      {27375, "lock-out-down"},
        {27376, "temp-lock-out"}, {27377, "temp-lock-out-focus"}, {27378, "temp-lock-out-down"},
        {27380, "hold-id"},       {27381, "hold-id-focus"},       {27382, "hold-id-down"},
        {27383, "lock-out-id"},   {27384, "lock-out-id-focus"},   {27385, "lock-out-id-down"},
    };
    std::vector<hb::afx::BitmapResource> bitmaps;
    for (const auto& [id, name] : pictures) {
        bitmaps.push_back({id, kButtonWidth, kButtonHeight, 1, {std::string("mini-") + name}});
    }
    return bitmaps;
}

std::vector<hb::afx::IconResource> RackIcons() {
    const std::vector<SIZE> sizes{{32, 32}, {16, 16}};
    return {{IDI_MINI_MUTE, sizes, "mute"}, {IDI_MINI_MUTE_PEERS, sizes, "audio-mute-peers"}};
}

} // namespace hb::resources
