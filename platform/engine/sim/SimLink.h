#pragma once
// The link of a "SIM" port: a line reaches the device's simulated radio at once, and its reply
// comes back by a clock task after the wire time, (command bytes + reply bytes) x 10 / baud
// seconds rounded up to the millisecond.

#include "platform/engine/device/Link.h"
#include "platform/engine/sim/SimRadio.h"
#include "platform/win/core/Scheduler.h"

namespace hb::engine::sim {

// Milliseconds `bytes` take on a wire of 10 bits a byte at `baud`.
std::int64_t WireMs(std::size_t bytes, unsigned baud);

class SimLink : public Link {
public:
    SimLink(SimRadio& radio, unsigned baud) : m_radio(radio), m_baud(baud) {}
    ~SimLink() override;

    std::optional<std::int64_t> Send(std::string_view bytes) override;
    void Drop() override;
    bool External() const override { return false; }
    std::string PortName() const override { return "SIM"; }

private:
    SimRadio& m_radio;
    unsigned m_baud;
    std::optional<hb::win::TaskId> m_reply;
};

} // namespace hb::engine::sim
