#pragma once
// What a trunk tracker's status line and channel tag say for the scanner's scan state, while it
// runs (the panel's sweeping flag) or is paused.
#include <cstdint>

namespace hb::radioview {

struct TrunkStatusRow {
    const char* status;
    // The tag text; null when the panel's own channel tag is shown instead.
    const char* tag;
};

TrunkStatusRow TrunkStatusOf(std::uint8_t scanState, bool running);
// The scan states in which the scanner holds where it is.
bool IsTrunkHoldState(std::uint8_t scanState);
// The "Trunk" lamp for an engine state: 1 lit, 0 dark, -1 unchanged.
int TrunkLampOf(std::uint8_t engineState);

} // namespace hb::radioview
