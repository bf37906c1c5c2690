#include "platform/engine/ScanPace.h"

#include <algorithm>

namespace hb::engine {

namespace {

constexpr std::int64_t kWindowMs = 1000;

} // namespace

void ScanPace::BeginRun(std::int64_t nowMs) {
    m_runStart = nowMs;
    m_runCount = 0;
}

std::int64_t ScanPace::Tuned(std::int64_t nowMs, unsigned rate) {
    while (!m_tuned.empty() && m_tuned.front() <= nowMs - kWindowMs) {
        m_tuned.pop_front();
    }
    m_tuned.push_back(nowMs);
    ++m_runCount;
    return m_runStart + m_runCount * kWindowMs / std::max(1u, rate);
}

std::uint32_t ScanPace::WindowMs(std::int64_t nowMs) const {
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(nowMs - m_createdMs, 0, kWindowMs));
}

std::uint32_t ScanPace::ChannelsInWindow(std::int64_t nowMs) const {
    return static_cast<std::uint32_t>(std::ranges::count_if(
        m_tuned, [nowMs](std::int64_t at) { return at > nowMs - kWindowMs; }));
}

} // namespace hb::engine
