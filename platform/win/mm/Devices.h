#pragma once
// The sound devices the backend offers, and the backend's choice. "HB_AUDIO" picks it when the
// program first asks for a device: "alsa" (the default), "sim" (simulated devices, SimAudio.h) or
// "none" (no sound card).

#include "platform/win/WinTypes.h"

#include <string>
#include <vector>

namespace hb::win::mm {

enum class Backend { Alsa, Simulated, None };

struct DeviceInfo {
    std::string name;
    // The card the device belongs to, and its number on that card.
    UINT card = 0;
    UINT device = 0;
};

// Indexed by the wave device numbers of waveInOpen and waveOutOpen.
std::vector<DeviceInfo> CaptureDevices();
std::vector<DeviceInfo> PlaybackDevices();

Backend CurrentBackend();
// Closes every open device without messages and switches to another backend.
void UseBackend(Backend backend);
// An empty simulated set: no card, no source, no open failure pending.
void ResetForTests();

} // namespace hb::win::mm
