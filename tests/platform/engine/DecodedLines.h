#pragma once
// Lines to a simulated command-family radio, each reply read into a device status by the family's
// decoder, as the engine's request path reads them.
#include "platform/engine/device/ReplyDecoder.h"
#include "platform/engine/sim/SimRadio.h"
#include "platform/records/DeviceStatus.h"

#include <initializer_list>
#include <optional>
#include <string>

namespace hb::engine {

// Each line to the radio, each reply decoded; the last reply.
inline std::optional<std::string> SendDecoded(sim::SimRadio& radio, ReplyDecoder& decoder,
                                              hb::records::DeviceStatus& status,
                                              std::initializer_list<const char*> lines) {
    std::optional<std::string> reply;
    for (const char* line : lines) {
        reply = radio.Take(line);
        if (reply) {
            decoder.Decode(*reply, status);
        }
    }
    return reply;
}

} // namespace hb::engine
