#pragma once
// The wire between a device and its radio. A link sends one command's bytes at a time; lines the
// radio sends back, without their carriage return, and the loss of the link reach the device on
// the GUI thread through the handlers it sets.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace hb::engine {

class Link {
public:
    struct Handlers {
        std::function<void(std::string line)> line;
        std::function<void()> lost;
    };

    virtual ~Link() = default;

    void SetHandlers(Handlers handlers) { m_handlers = std::move(handlers); }
    // Sends the bytes; returns the clock time at which their last byte has left, or none when the
    // link is lost.
    virtual std::optional<std::int64_t> Send(std::string_view bytes) = 0;
    // The exchange of the last bytes sent is over: a reply still on its way is not wanted.
    virtual void Drop() = 0;
    // Whether the radio answers from outside the GUI thread's clock (another thread or process).
    virtual bool External() const = 0;
    virtual std::string PortName() const = 0;

protected:
    Handlers m_handlers;
};

} // namespace hb::engine
