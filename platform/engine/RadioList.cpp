#include "platform/engine/RadioList.h"

#include "platform/win/store/PrivateProfile.h"

namespace hb::engine {

namespace {

constexpr int kSimulatedType = 2;
constexpr const char* kSimulatedName = "Simulated Radio";

bool SectionExists(const std::string& path, const std::string& section) {
    char keys[64] = {}; // the start of the list of its keys is enough
    return GetPrivateProfileString(section.c_str(), nullptr, "", keys, sizeof keys, path.c_str()) !=
           0;
}

} // namespace

std::string RadioKey(int slot) {
    return "Radio#" + std::to_string(slot);
}

std::vector<ConfiguredRadio> ConfiguredRadios(const std::string& path) {
    std::vector<ConfiguredRadio> radios;
    for (int slot = 1; slot <= kRadioSlots; ++slot) {
        const std::string name = ReadSetting(path, "Radios", RadioKey(slot).c_str());
        if (!name.empty()) {
            radios.push_back({slot, ReadRadioSection(path, name)});
        }
    }
    return radios;
}

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

bool RemoveRadio(const std::string& path, const ConfiguredRadio& radio) {
    const char* file = path.c_str();
    return WritePrivateProfileString("Radios", RadioKey(radio.slot).c_str(), nullptr, file) &&
           WritePrivateProfileString(radio.section.name.c_str(), nullptr, nullptr, file);
}

} // namespace hb::engine
