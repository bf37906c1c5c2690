// The configuration check and the first configuration.
//
// A radio counts when its section names a known model and a port: "SIM", or a serial device
// path. A serial port is accepted although no driver for it exists yet (opening it answers "not
// supported"): the configuration is complete, and refusing it would keep a user with a real radio
// in the configuration prompt at every start.

#include "platform/engine/EngineApi.h"
#include "platform/engine/EngineCodes.h"
#include "platform/engine/RadioSettings.h"
#include "platform/engine/SimState.h"
#include "platform/records/StatusCodes.h"
#include "platform/win/store/PrivateProfile.h"

#include <string>

using namespace hb::engine;

namespace {

constexpr int kRadioSlots = 10;
constexpr int kSimulatedType = 2;
constexpr const char* kSimulatedName = "Simulated Radio";

std::string RadioKey(int n) {
    return "Radio#" + std::to_string(n);
}

bool HasUsableRadio(const std::string& path) {
    for (int n = 1; n <= kRadioSlots; ++n) {
        const std::string name = ReadSetting(path, "Radios", RadioKey(n).c_str());
        if (name.empty()) {
            continue;
        }
        const RadioSection radio = ReadRadioSection(path, name);
        if (IsKnownRadioType(radio.type) &&
            (IsSimulatedPort(radio.port) || IsSerialPort(radio.port))) {
            return true;
        }
    }
    return false;
}

bool SectionExists(const std::string& path, const std::string& section) {
    char keys[64] = {}; // the start of the list of its keys is enough
    return GetPrivateProfileString(section.c_str(), nullptr, "", keys, sizeof keys, path.c_str()) !=
           0;
}

// Adds one simulated radio in the first free slot, under a name no section has yet, so that
// nothing already in the file changes. The radio's section is written before the entry that
// names it.
bool AddSimulatedRadio(const std::string& path) {
    int slot = 1;
    while (slot <= kRadioSlots && !ReadSetting(path, "Radios", RadioKey(slot).c_str()).empty()) {
        ++slot;
    }
    if (slot > kRadioSlots) {
        return false;
    }
    std::string name = kSimulatedName;
    for (int suffix = 2; SectionExists(path, name); ++suffix) {
        name = std::string(kSimulatedName) + " " + std::to_string(suffix);
    }
    const char* file = path.c_str();
    return WritePrivateProfileString(name.c_str(), "Type", std::to_string(kSimulatedType).c_str(),
                                     file) &&
           WritePrivateProfileString(name.c_str(), "Port", "SIM", file) &&
           WritePrivateProfileString("Radios", RadioKey(slot).c_str(), name.c_str(), file);
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
    if (HasUsableRadio(path)) {
        return call.Done(0);
    }
    return call.Done(AddSimulatedRadio(path) ? 0 : hb::records::kStatusNotSupported);
}

} // extern "C"
