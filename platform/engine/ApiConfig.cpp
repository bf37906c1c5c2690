// The configuration check, and taking up a configured settings file.
//
// A radio counts when its section names a known model and a port: "SIM", or a serial device
// path. A serial port is accepted although no driver for it exists yet (opening it answers "not
// supported"): the configuration is complete, and refusing it would keep a user with a real radio
// in the configuration prompt at every start.

#include "platform/engine/EngineApi.h"
#include "platform/engine/EngineCodes.h"
#include "platform/engine/RadioList.h"
#include "platform/engine/SimState.h"
#include "platform/records/StatusCodes.h"

#include <string>

using namespace hb::engine;

namespace {

bool HasUsableRadio(const std::string& path) {
    for (const ConfiguredRadio& radio : ConfiguredRadios(path)) {
        if (IsKnownRadioType(radio.section.type) &&
            (IsSimulatedPort(radio.section.port) || IsSerialPort(radio.section.port))) {
            return true;
        }
    }
    return false;
}

// A usable path becomes the engine's settings file.
bool TakePath(Call& call, const char* path) {
    if (path == nullptr || *path == '\0') {
        return false;
    }
    call->text = path;
    SetSettingsFile(path);
    return true;
}

} // namespace

extern "C" {

std::uint16_t scan_config_check(const char* path) {
    Call call("scan_config_check", 0);
    if (!TakePath(call, path)) {
        return call.Done(kStatusInvalidArgument);
    }
    if (const auto verdict = SimState::Get().configVerdict) {
        return call.Done(*verdict);
    }
    return call.Done(HasUsableRadio(path) ? 0 : hb::records::kStatusNotSupported);
}

std::uint16_t scan_config_init(const char* path) {
    Call call("scan_config_init", 0);
    if (!TakePath(call, path)) {
        return call.Done(kStatusInvalidArgument);
    }
    // The file is the user's: radios come into it only through the configuration dialog.
    return call.Done(HasUsableRadio(path) ? 0 : hb::records::kStatusNotSupported);
}

std::uint16_t scan_configuration(const char* path, std::uint32_t page) {
    Call call("scan_configuration", 0);
    call->text = path ? path : "";
    call->value = page;
    return call.Done(hb::records::kStatusNotSupported);
}

} // extern "C"
