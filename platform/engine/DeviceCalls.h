#pragma once
// The path of every device request through the C interface: the journal entry, the handle and
// argument checks, the scripted failures, then the device.

#include "platform/engine/Device.h"
#include "platform/engine/SimState.h"

#include <cstdint>
#include <string_view>

namespace hb::engine {

// A scripted failure answers in the device's place; otherwise the device does, and its window
// hears when the device changed.
std::uint16_t Forward(Call& call, std::uint16_t handle, const Request& request,
                      bool argumentsGiven = true);

std::uint16_t Plain(std::string_view function, std::uint16_t handle, RequestKind kind,
                    std::uint32_t value = 0);
// A request whose record the device may fill.
std::uint16_t WithRecord(std::string_view function, std::uint16_t handle, RequestKind kind,
                         Parm* record);
// A request that only reads its record: the device gets a copy.
std::uint16_t WithInput(std::string_view function, std::uint16_t handle, RequestKind kind,
                        const Parm* record);
// A request that takes a level through a pointer.
std::uint16_t WithLevel(std::string_view function, std::uint16_t handle, RequestKind kind,
                        const std::uint32_t* value);

} // namespace hb::engine
