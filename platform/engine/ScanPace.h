#pragma once
// The pace of an unbroken scan: channel k of a run tunes at the run's start plus
// floor(k * 1000 / rate) ms, so a second holds exactly `rate` channels. It also remembers the
// channels tuned in the last second, which the status record reports.

#include <cstdint>
#include <deque>

namespace hb::engine {

class ScanPace {
public:
    explicit ScanPace(std::int64_t createdMs) : m_createdMs(createdMs) {}

    // A new run whose first channel tunes at `nowMs`.
    void BeginRun(std::int64_t nowMs);
    // Notes a channel tuned at `nowMs` and answers when the run's next one is due.
    std::int64_t Tuned(std::int64_t nowMs, unsigned rate);

    // The milliseconds of the last second the engine has lived, and the channels tuned in them.
    std::uint32_t WindowMs(std::int64_t nowMs) const;
    std::uint32_t ChannelsInWindow(std::int64_t nowMs) const;

private:
    std::int64_t m_createdMs;
    std::int64_t m_runStart = 0;
    std::int64_t m_runCount = 0;
    std::deque<std::int64_t> m_tuned; // the times of the last second's channels
};

} // namespace hb::engine
