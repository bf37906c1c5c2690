#pragma once
// Commands and the timer of the front panel's keypad side that no form of ours carries a
// control for; forms of other panels may.
#include "platform/win/WinTypes.h"

namespace hb::radioview {

// The VSC knob of the forms that lack the usual one.
inline constexpr UINT kVscKnobAlternative = 29360;
inline constexpr UINT kClearKeypadCommand = 28487;
// Device controls 20 and 21.
inline constexpr UINT kFirstDeviceControlCommand = 28659;
inline constexpr UINT kLastDeviceControlCommand = 28660;
inline constexpr std::uint32_t kFirstDeviceControl = 20;
// Restarted by every key and mouse message: the panel takes the focus back when it runs out.
inline constexpr UINT_PTR kIdleTimer = 29933;
inline constexpr UINT kIdleTimerMs = 10000;

} // namespace hb::radioview
