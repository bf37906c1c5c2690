#include "platform/engine/SimSweep.h"

#include "platform/engine/EngineCodes.h"
#include "platform/engine/RadioSettings.h"
#include "platform/records/PrivateMessages.h"
#include "platform/records/SpanBlockHeader.h"
#include "platform/win/core/Clock.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace hb::engine {

namespace {

using hb::records::Parm;
using hb::records::SpanBlockHeader;
using hb::records::SpanPoint;

constexpr std::int64_t kTickMs = 10;
constexpr std::uint64_t kTicksPerSecond = 10'000'000; // long time: 100-ns ticks
constexpr unsigned kMaxRate = 100'000;
// Readings nobody takes are dropped past this many, oldest first.
constexpr std::size_t kReadingLimit = 65'536;
// A clock that jumps far ahead is not caught up step by step beyond this many sweeps.
constexpr std::uint64_t kCatchUpSweeps = 4;
// A posted byte sweep names its buffer; the last ones stay alive, past the device's life too,
// so that a message still queued never reads freed memory.
constexpr std::size_t kKeptByteSweeps = 32;

std::deque<std::vector<std::uint8_t>>& KeptByteSweeps() {
    static std::deque<std::vector<std::uint8_t>> kept;
    return kept;
}

unsigned ReadNumber(const std::string& section, const char* key, unsigned fallback) {
    const std::string text = ReadSetting(SettingsFile(), section.c_str(), key);
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos ||
        text.size() > 9) {
        return fallback;
    }
    return static_cast<unsigned>(std::stoul(text));
}

// A low, uneven floor: the same for a frequency and step number on every run.
std::uint8_t Noise(std::uint32_t frequency, std::uint64_t stepNumber) {
    std::uint64_t x = (std::uint64_t{frequency} << 20) ^ stepNumber;
    x ^= x >> 33;
    x *= 0xff51afd7ed558ccdULL;
    x ^= x >> 33;
    return static_cast<std::uint8_t>(SimSweep::kNoiseFloor - 3 + x % 4);
}

} // namespace

SimSweep::SimSweep(const std::string& section, const BandActivity& activity, Post post)
    : m_activity(activity), m_post(std::move(post)) {
    m_rate = std::clamp(ReadNumber(section, "SweepRate", kDefaultRate), 1u, kMaxRate);
    const unsigned report = ReadNumber(section, "SweepReport", 2);
    m_report = report <= 2 ? static_cast<SweepReport>(report) : SweepReport::Blocks;
}

SimSweep::~SimSweep() {
    hb::win::Cancel(m_task);
}

std::uint16_t SimSweep::Start(const Parm& record) {
    Stop();
    const std::uint32_t start = record.get(Parm::kStart);
    const std::uint32_t end = record.get(Parm::kEnd);
    const std::uint32_t step = record.get(Parm::kStep);
    if (step == 0 || start >= end) {
        return kStatusInvalidArgument;
    }
    m_record = record;
    m_start = start;
    m_end = end;
    m_step = step;
    m_count = static_cast<std::uint32_t>((std::uint64_t{end} - start + step - 1) / step);
    const std::uint32_t first = record.get(Parm::kFrequency);
    m_next = first >= start && first < end ? first : start;
    m_sweeps = 0;
    m_stepsDone = 0;
    m_sweepFirstStep = 0;
    m_startMs = hb::win::NowMs();
    m_startLongTime = hb::win::LongTimeNow();
    m_levels.assign(m_count, 0);
    m_running = true;
    Schedule();
    return 0;
}

void SimSweep::Stop() {
    m_running = false;
    hb::win::Cancel(std::exchange(m_task, 0));
    m_readings.clear();
    m_lastBlock.reset();
}

std::uint16_t SimSweep::TakeReading(SpanPoint& point) {
    if (m_readings.empty()) {
        return kStatusNoRecord;
    }
    point = m_readings.front();
    m_readings.pop_front();
    return 0;
}

std::uint32_t SimSweep::BlockSize() const {
    return m_count == 0 ? 0 : static_cast<std::uint32_t>(SpanBlockHeader::kSize + m_count);
}

std::uint16_t SimSweep::TakeBlock(std::uint8_t* buffer) {
    if (!m_lastBlock) {
        return kStatusNoRecord;
    }
    SpanBlockHeader header;
    std::memcpy(header.data(), buffer, SpanBlockHeader::kSize);
    // The caller says how large its buffer is; the levels never run past it.
    const std::uint32_t size = header.get(SpanBlockHeader::kBufferSize);
    const std::size_t room = size > SpanBlockHeader::kSize ? size - SpanBlockHeader::kSize : 0;
    const auto count = static_cast<std::uint32_t>(m_lastBlock->levels.size());
    header.set(SpanBlockHeader::kFirstStepTime, m_lastBlock->firstTime);
    header.set(SpanBlockHeader::kDuration, m_lastBlock->duration);
    header.set(SpanBlockHeader::kStart, m_start);
    header.set(SpanBlockHeader::kStep, m_step);
    header.set(SpanBlockHeader::kCount, count);
    header.set(SpanBlockHeader::kLevelAddressSlot, 0);
    std::memcpy(buffer, header.data(), SpanBlockHeader::kSize);
    std::memcpy(buffer + SpanBlockHeader::kLevelsOffset, m_lastBlock->levels.data(),
                std::min<std::size_t>(count, room));
    m_lastBlock.reset();
    return 0;
}

void SimSweep::RunSteps(std::uint32_t count) {
    const bool queuedBefore = !m_readings.empty();
    for (std::uint32_t i = 0; i < count && m_running; ++i) {
        MeasureStep();
    }
    if (!queuedBefore && !m_readings.empty()) {
        m_post(WM_ENGINE_STATUS, 0, 0);
    }
}

SweepState SimSweep::State() const {
    return {m_running, m_start,           m_end,   m_step, m_count, m_next,
            m_sweeps,  m_readings.size(), m_report};
}

void SimSweep::Schedule() {
    m_task = hb::win::ScheduleAfter(
        std::max<std::int64_t>(kTickMs, 1000 / m_rate), [this] { OnTimer(); }, "sweep");
}

void SimSweep::OnTimer() {
    m_task = 0;
    if (!m_running) {
        return;
    }
    const auto elapsed =
        static_cast<std::uint64_t>(std::max<std::int64_t>(0, hb::win::NowMs() - m_startMs));
    std::uint64_t due = elapsed * m_rate / 1000;
    const std::uint64_t limit = std::uint64_t{m_count} * kCatchUpSweeps;
    if (due > m_stepsDone + limit) {
        // Far behind the clock: what was missed is not measured.
        m_stepsDone = due - limit;
    }
    const bool queuedBefore = !m_readings.empty();
    while (m_running && m_stepsDone < due) {
        MeasureStep();
    }
    if (!queuedBefore && !m_readings.empty()) {
        m_post(WM_ENGINE_STATUS, 0, 0);
    }
    if (m_running) {
        Schedule();
    }
}

void SimSweep::MeasureStep() {
    const std::uint32_t frequency = m_next;
    const std::uint64_t number = m_stepsDone++;
    const std::uint64_t time = StepTime(number);
    const std::int64_t atMs = m_startMs + static_cast<std::int64_t>(number * 1000 / m_rate);
    std::uint8_t raw = 0;
    bool onAir = false;
    if (m_level) {
        raw = m_level(frequency, atMs);
        onAir = raw > kNoiseFloor;
    } else {
        const std::uint8_t heard = m_activity.Level(frequency, atMs);
        onAir = heard != 0;
        raw = std::max(heard, Noise(frequency, number));
    }
    const std::uint32_t index = (frequency - m_start) / m_step;
    if (index < m_levels.size()) {
        m_levels[index] = raw;
    }
    const bool fast = FastMode();
    if ((fast && onAir) || (!fast && m_report == SweepReport::Readings)) {
        SpanPoint point;
        point.set(SpanPoint::kTime, time);
        point.set(SpanPoint::kFrequency, frequency);
        point.set(SpanPoint::kRawLevel, raw);
        point.set(SpanPoint::kLevelKind, SpanPoint::kLevelKindByte);
        point.set(SpanPoint::kLevelCopy1, raw);
        point.set(SpanPoint::kLevelCopy2, raw);
        point.set(SpanPoint::kFlags, onAir ? SpanPoint::kFlagActivity : 0);
        if (m_readings.size() == kReadingLimit) {
            m_readings.pop_front();
        }
        m_readings.push_back(point);
    }
    const std::uint64_t next = std::uint64_t{frequency} + m_step;
    if (next >= m_end) {
        m_next = m_start;
        EndSweep();
    } else {
        m_next = static_cast<std::uint32_t>(next);
    }
}

void SimSweep::EndSweep() {
    ++m_sweeps;
    const std::uint64_t first = m_sweepFirstStep;
    m_sweepFirstStep = m_stepsDone;
    std::vector<std::uint8_t> levels(m_count, 0);
    levels.swap(m_levels);
    if (FastMode()) {
        return;
    }
    if (m_report == SweepReport::ByteSweeps) {
        auto& kept = KeptByteSweeps();
        kept.push_back(std::move(levels));
        if (kept.size() > kKeptByteSweeps) {
            kept.pop_front();
        }
        m_post(WM_SPAN_SWEEP, kept.back().size(), reinterpret_cast<LPARAM>(kept.back().data()));
    } else if (m_report == SweepReport::Blocks) {
        m_lastBlock = std::make_unique<Block>();
        m_lastBlock->firstTime = StepTime(first);
        m_lastBlock->duration =
            static_cast<std::int64_t>(std::uint64_t{m_count} * kTicksPerSecond / m_rate);
        m_lastBlock->levels = std::move(levels);
        m_post(WM_SPAN_BLOCK, 0, 0);
    }
}

std::uint64_t SimSweep::StepTime(std::uint64_t stepNumber) const {
    return m_startLongTime + stepNumber * kTicksPerSecond / m_rate;
}

bool SimSweep::FastMode() const {
    return (m_record.get(Parm::kRequestFlags) & Parm::Sweep::kFlagFastMode) != 0;
}

} // namespace hb::engine
