#pragma once
// The simulated radios, one per radio name for the program's life: a radio keeps its memories
// when its device is closed and opened again. EngineSim::Reset forgets them all.

#include "platform/engine/sim/SimRadio.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace hb::engine::sim {

class SimMemoryRadio;

// Types whose radios speak a command family's text protocol rather than our memory protocol.
bool IsCommandFamilyType(std::uint8_t type);

// The radio of `name`, made on first use for the section's type: a text radio for a command
// family, else a memory radio filled from the section's "Memories".
SimRadio& RadioNamed(const std::string& name);
// Null when the radio has not been made yet.
SimRadio* FindRadio(const std::string& name);
// The memory radio of `name`; null when it has none.
SimMemoryRadio* FindMemoryRadio(const std::string& name);
// A radio made for `type` without a settings file, as a radio on its own serves a port: the
// radio of the type's family, the bare text radio for a family that has none yet, else a memory
// radio.
std::unique_ptr<SimRadio> MakeRadio(std::uint8_t type);

// A family's simulated radio for one of its types.
using SimRadioMaker = std::unique_ptr<SimRadio> (*)(std::uint8_t type);
// Gives the types their family's radio; a family's radio file calls it once, as the engine loads
// (see FamilyTable). False, changing nothing, when a type has a radio already.
bool RegisterSimRadio(std::span<const std::uint8_t> types, SimRadioMaker maker);

} // namespace hb::engine::sim
