#pragma once
// Tone reports of a sound decoder (scan_api_call kApiCallToneReport): the engine whose tone
// device the report names shows its tone or code as the current ID.

#include "platform/engine/SimState.h"

#include <cstdint>

namespace hb::engine {

// The status of the call: the tone device must be open and belong to an engine.
std::uint16_t TakeToneReport(Call& call, std::uint16_t toneDevice, const void* block);

} // namespace hb::engine
