#pragma once
// Makes the device a settings-file section asks for.

#include "platform/engine/Device.h"

#include <cstdint>
#include <memory>
#include <string>

namespace hb::engine {

struct OpenedDevice {
    std::unique_ptr<Device> device;
    std::uint16_t status = 0; // the failure when there is no device
};

// A radio opened for its requests, a radio an engine scans with, or a tone reader.
enum class DeviceRole { Radio, ScanningRadio, ToneReader };

// A section whose type is not a known model of the role, or whose port is neither "SIM" nor a
// serial port, gives "not supported"; so does a serial port for an engine or a tone reader, since
// scanning over a serial port is not built. A serial port that cannot be opened gives the reason.
OpenedDevice OpenDevice(const std::string& section, DeviceRole role);

} // namespace hb::engine
