#pragma once
// The radios of the settings file: section "Radios" names them as "Radio#1" to "Radio#10", each
// with a section of its own.

#include "platform/engine/RadioSettings.h"

#include <string>
#include <vector>

namespace hb::engine {

inline constexpr int kRadioSlots = 10;

std::string RadioKey(int slot);

struct ConfiguredRadio {
    int slot = 0;
    RadioSection section;
};

// Every slot that names a radio, in slot order.
std::vector<ConfiguredRadio> ConfiguredRadios(const std::string& path);

// Adds one simulated radio in the first free slot, under a name no section has yet, so that
// nothing already in the file changes. False when every slot is taken or a write fails.
bool AddSimulatedRadio(const std::string& path);

// Empties the slot and removes the radio's section.
bool RemoveRadio(const std::string& path, const ConfiguredRadio& radio);

} // namespace hb::engine
