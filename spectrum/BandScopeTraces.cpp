#include "spectrum/BandScopeTraces.h"

#include "platform/tessary/model/TimeFunctions.h"

#include <algorithm>
#include <utility>

namespace {

using hb::records::Parm;

constexpr double kHalfStepMegahertz = 5e-7;
// A level this old, in 100-ns ticks, is lost when the range is below 50 steps; larger ranges
// keep levels longer, as a sweep of them takes longer.
constexpr double kShortestTimeOut = 20'000'000;
constexpr double kStepsPerTimeOut = 0.02;
constexpr std::uint8_t kMarked = 0xFF;
constexpr std::uint8_t kEmptyLevelCopy = 0xFF;

} // namespace

BandScopeTraces::BandScopeTraces(Parm& settings, BandScopePlot& plot, Feed feed)
    : m_settings(settings), m_plot(plot), m_feed(std::move(feed)) {}

void BandScopeTraces::SetLevelRange(int floor, int ceiling) {
    m_floor = floor;
    m_ceiling = ceiling;
}

void BandScopeTraces::Setup() {
    const std::uint32_t start = m_settings.get(Parm::kStart);
    const std::uint32_t end = m_settings.get(Parm::kEnd);
    const std::uint32_t step = m_settings.get(Parm::kStep);
    const std::uint32_t span = end - start;
    const std::uint32_t count = span / step + (span % step != 0 ? 1 : 0);
    m_signal.assign(count, 0);
    m_minimum.assign(count, 0);
    m_maximum.assign(count, 0);
    m_marks.assign(count, 0);
    m_stamps.assign(count, 0);
    m_plot.BeginUpdate();
    m_plot.Reset(count, step * kHalfStepMegahertz);
    m_plot.EndUpdate();
    m_count = count;
    const double steps = static_cast<double>(span) / static_cast<double>(step) * kStepsPerTimeOut;
    m_timeOut = static_cast<std::int64_t>(std::max(steps, 1.0) * kShortestTimeOut);
    m_lastIndex = kNoIndex;
}

BandScopePlot::Values BandScopeTraces::ValuesAt(std::uint32_t index) const {
    const bool marked = m_marks[index] != 0;
    const double unmarked = m_floor - 1;
    return {static_cast<double>(m_signal[index]), static_cast<double>(m_maximum[index]),
            static_cast<double>(m_minimum[index]),
            marked ? static_cast<double>(m_maximum[index]) : unmarked,
            marked ? static_cast<double>(m_signal[index]) : unmarked};
}

double BandScopeTraces::MegahertzOf(std::uint32_t index) const {
    return (m_settings.get(Parm::kStart) + index * m_settings.get(Parm::kStep)) * 1e-6;
}

std::int16_t BandScopeTraces::Fold(const SpanPoint& point, std::int16_t level) {
    level = static_cast<std::int16_t>(std::clamp<int>(level, m_floor, m_ceiling));
    const std::uint32_t frequency = point.get(SpanPoint::kFrequency);
    const std::uint32_t step = m_settings.get(Parm::kStep);
    const std::uint32_t index = step == 0 ? 0 : (frequency - m_settings.get(Parm::kStart)) / step;
    if (index >= m_count) {
        return level;
    }
    if ((m_settings.get(Parm::Sweep::kFlags) & Parm::Sweep::kFlagFastMode) != 0 &&
        (point.get(SpanPoint::kFlags) & SpanPoint::kFlagActivity) != 0) {
        FillSkippedSteps(index);
    }
    m_settings.set(Parm::kFrequency, frequency);
    m_settings.set(Parm::Sweep::kResumeFrequency, frequency);
    m_signal[index] = level;
    m_stamps[index] = point.get(SpanPoint::kTime);
    m_plot.BeginUpdate();
    m_lastMegahertz = frequency * 1e-6;
    const auto floor = static_cast<std::int16_t>(m_floor);
    for (auto held = static_cast<std::uint32_t>(m_plot.PointCount()); held < index; ++held) {
        m_signal[held] = floor;
        m_maximum[held] = floor;
        m_minimum[held] = floor;
        m_plot.Append(MegahertzOf(held), ValuesAt(held));
    }
    if (static_cast<std::uint32_t>(m_plot.PointCount()) == index) {
        m_maximum[index] = level;
        m_minimum[index] = level;
        m_plot.Append(m_lastMegahertz, ValuesAt(index));
    } else {
        if (level > m_floor) {
            m_maximum[index] = std::max(m_maximum[index], level);
            if (m_minimum[index] == m_floor || level < m_minimum[index]) {
                m_minimum[index] = level;
            }
        }
        m_plot.Set(static_cast<int>(index), ValuesAt(index));
    }
    m_plot.EndUpdate();
    return level;
}

SpanPoint BandScopeTraces::EmptyPoint(std::uint64_t now, std::uint32_t index) const {
    SpanPoint point;
    point.set(SpanPoint::kTime, now);
    point.set(SpanPoint::kFrequency,
              m_settings.get(Parm::kStart) + index * m_settings.get(Parm::kStep));
    point.set(SpanPoint::kLevelCopy1, kEmptyLevelCopy);
    return point;
}

void BandScopeTraces::FillSkippedSteps(std::uint32_t index) {
    if (m_lastIndex >= m_count) {
        m_lastIndex = index;
        return;
    }
    const std::uint64_t now = GetLongTimeNow();
    for (;;) {
        m_lastIndex = m_lastIndex + 1 == m_count ? 0 : m_lastIndex + 1;
        if (m_lastIndex == index) {
            return;
        }
        SpanPoint empty = EmptyPoint(now, m_lastIndex);
        m_feed(empty);
    }
}

void BandScopeTraces::AgeActivity() {
    const std::uint64_t now = GetLongTimeNow();
    for (std::uint32_t i = 0; i < m_count; ++i) {
        const auto age = static_cast<std::int64_t>(now - m_stamps[i]);
        if (m_signal[i] > m_floor && age >= m_timeOut) {
            SpanPoint empty = EmptyPoint(now, i);
            m_feed(empty);
        }
    }
}

void BandScopeTraces::Redraw() {
    m_plot.BeginUpdate();
    const std::uint32_t held = std::min<std::uint32_t>(
        static_cast<std::uint32_t>(std::max(m_plot.PointCount(), 0)), m_count);
    for (std::uint32_t j = 0; j < held; ++j) {
        m_plot.Set(static_cast<int>(j), ValuesAt(j));
    }
    m_plot.EndUpdate();
}

void BandScopeTraces::MarkStep(std::uint32_t index) {
    if (index < m_count) {
        m_marks[index] = kMarked;
    }
}

void BandScopeTraces::ClearMarks() {
    std::fill(m_marks.begin(), m_marks.end(), 0);
}
