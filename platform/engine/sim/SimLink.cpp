#include "platform/engine/sim/SimLink.h"

#include "platform/win/core/Clock.h"

namespace hb::engine::sim {

namespace {

constexpr std::int64_t kBitsPerByte = 10; // start, eight data bits, stop

} // namespace

std::int64_t WireMs(std::size_t bytes, unsigned baud) {
    const std::int64_t bits = static_cast<std::int64_t>(bytes) * kBitsPerByte * 1000;
    return (bits + baud - 1) / baud;
}

SimLink::~SimLink() {
    Drop();
}

std::optional<std::int64_t> SimLink::Send(std::string_view bytes) {
    std::string_view line = bytes;
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    const std::int64_t now = hb::win::NowMs();
    if (auto reply = m_radio.Take(line)) {
        const std::int64_t wire = WireMs(bytes.size() + reply->size() + 1, m_baud);
        m_reply = hb::win::Schedule(
            now + wire,
            [this, text = std::move(*reply)]() mutable {
                m_reply.reset();
                m_handlers.line(std::move(text));
            },
            "simulated radio reply");
    }
    return now + WireMs(bytes.size(), m_baud);
}

void SimLink::Drop() {
    if (m_reply) {
        hb::win::Cancel(*m_reply);
        m_reply.reset();
    }
}

} // namespace hb::engine::sim
