#include "platform/engine/BandActivity.h"

#include <algorithm>

namespace hb::engine {

namespace {

// Time is cut into periods; a busy frequency carries at most one transmission per period.
constexpr std::uint64_t kPeriodMs = 10000;
constexpr std::uint64_t kLatestStartMs = 4000;
constexpr std::uint64_t kShortestMs = 1500;
constexpr std::uint64_t kLengthSpreadMs = 4500; // so a transmission ends inside its period
constexpr std::uint64_t kLevelStepMs = 100;
constexpr unsigned kOneInBusy = 8;
constexpr unsigned kOneInDtmf = 4;
constexpr std::uint64_t kDtmfSalt = 0xD7F0D7F0D7F0D7F0ull;
constexpr std::size_t kFewestDigits = 3;
constexpr std::size_t kMostDigits = 16;
constexpr char kDtmfCharacters[] = "0123456789*#ABCD";

std::uint64_t Mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

} // namespace

BandActivity::BandActivity(std::uint64_t seed, std::optional<std::vector<std::uint32_t>> busy,
                           std::optional<std::vector<std::uint32_t>> dtmf)
    : m_seed(Mix(seed)), m_busy(std::move(busy)), m_dtmf(std::move(dtmf)) {}

bool BandActivity::IsBusy(std::uint32_t frequency) const {
    if (m_busy) {
        return std::ranges::binary_search(*m_busy, frequency);
    }
    return Mix(m_seed ^ frequency) % kOneInBusy == 0;
}

bool BandActivity::SendsDtmf(std::uint32_t frequency) const {
    if (m_dtmf) {
        return std::ranges::binary_search(*m_dtmf, frequency);
    }
    return Mix(m_seed ^ kDtmfSalt ^ frequency) % kOneInDtmf == 0;
}

std::uint64_t BandActivity::PeriodHash(std::uint32_t frequency, std::uint64_t nowMs) const {
    return Mix(m_seed ^ Mix(frequency ^ Mix(nowMs / kPeriodMs)));
}

std::string BandActivity::Dtmf(std::uint32_t frequency, std::int64_t atMs) const {
    if (Level(frequency, atMs) == 0 || !SendsDtmf(frequency)) {
        return {};
    }
    const std::uint64_t h =
        Mix(PeriodHash(frequency, static_cast<std::uint64_t>(atMs)) ^ kDtmfSalt);
    std::string digits(kFewestDigits + h % (kMostDigits - kFewestDigits + 1), '0');
    for (std::size_t i = 0; i < digits.size(); ++i) {
        digits[i] = kDtmfCharacters[Mix(h + i) % (sizeof kDtmfCharacters - 1)];
    }
    return digits;
}

std::uint8_t BandActivity::Level(std::uint32_t frequency, std::int64_t nowMs) const {
    if (frequency == 0 || nowMs < 0 || !IsBusy(frequency)) {
        return 0;
    }
    const auto now = static_cast<std::uint64_t>(nowMs);
    const std::uint64_t h = PeriodHash(frequency, now);
    if ((h & 1) == 0) {
        return 0; // a quiet period
    }
    const std::uint64_t start = (h >> 8) % kLatestStartMs;
    const std::uint64_t length = kShortestMs + (h >> 20) % kLengthSpreadMs;
    const std::uint64_t offset = now % kPeriodMs;
    if (offset < start || offset >= start + length) {
        return 0;
    }
    const std::uint64_t base = 40 + (h >> 32) % 180;
    const std::uint64_t flutter = Mix(h ^ (now / kLevelStepMs)) % 16;
    return static_cast<std::uint8_t>(std::min<std::uint64_t>(base + flutter, 255));
}

} // namespace hb::engine
