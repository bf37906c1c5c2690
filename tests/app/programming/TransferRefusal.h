#pragma once
// A radio that moves its memory by its own means, which the program does not have: a transfer
// tells the user so through the engine's message 10 and moves nothing.
#include "platform/engine/EngineSim.h"
#include "platform/win/core/MessageBox.h"

#include <cstddef>

namespace hb::app::test {

inline void ExpectRefusedTransfer() {
    hb::win::ExpectBox({"cannot be read or written", IDOK, "Radio Engine"});
}

inline std::size_t TransferRefusals() {
    std::size_t count = 0;
    for (const auto& message : hb::engine::EngineSim::Messages()) {
        count += message.number == 10 ? 1 : 0;
    }
    return count;
}

} // namespace hb::app::test
