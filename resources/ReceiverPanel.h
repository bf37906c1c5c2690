#pragma once
// The controls every receiver panel shares, laid out in the panel's first 96 units of height and
// 450 units of width, and the optional groups around them.
#include "resources/FormControls.h"

namespace hb::resources {

struct ReceiverParts {
    bool nameField = false;      // the editable channel name
    bool snapButtons = false;    // SB, ST, AB, AT
    bool channelButtons = false; // show in scan list, band selection
    bool statusLamps = false;    // signal, scanning, stopped, hit
    bool recorderLamps = false;  // LIVE/PLAY and recorder status
};

// Every optional group.
inline constexpr ReceiverParts kFullPanel{.nameField = true,
                                          .snapButtons = true,
                                          .channelButtons = true,
                                          .statusLamps = true,
                                          .recorderLamps = true};

// Frequency display and entry, keypad, VFO buttons, tuning knob and step, S-meter, VU bar,
// volume and squelch, hold switch with its live and hold LEDs: 27 controls, plus the parts asked.
Controls ReceiverCore(const ReceiverParts& parts);

// The memory channel display with its spin and the store and recall buttons, 58 x 38 units.
Controls MemoryBlock(int x, int y);

} // namespace hb::resources
