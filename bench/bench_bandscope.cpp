// The band scope's processing of readings: repeated sweeps over 2,000 steps folded into the
// traces one reading at a time, each inside its own update bracket of a plot stand-in that keeps
// the points, as the view's reading entry does. Half the sweeps run in fast mode, where only every
// fourth step reports and the steps between are filled with empty points. Reported: readings a
// second (goal at least 1,000,000).
#include "platform/records/Parm.h"
#include "platform/records/SpanPoint.h"
#include "spectrum/BandScopeTraces.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

using hb::records::Parm;

constexpr std::uint32_t kSteps = 2'000;
constexpr std::uint32_t kStart = 144'000'000;
constexpr std::uint32_t kStep = 1'000;
constexpr int kFloor = -127;
constexpr int kCeiling = -13;

// Keeps the points as the plot does, and draws nothing.
class PlotStandIn : public BandScopePlot {
public:
    void BeginUpdate() override { ++m_open; }
    void EndUpdate() override { --m_open; }
    void Reset(std::uint32_t capacity, double) override {
        m_points.clear();
        m_points.reserve(capacity);
    }
    int PointCount() override { return static_cast<int>(m_points.size()); }
    void Append(double, const Values& values) override { m_points.push_back(values); }
    void Set(int index, const Values& values) override {
        m_points[static_cast<std::size_t>(index)] = values;
    }

private:
    std::vector<Values> m_points;
    int m_open = 0;
};

// The level the radio would convert a raw byte to.
std::int16_t Convert(std::uint32_t raw) {
    return static_cast<std::int16_t>(kFloor + static_cast<int>(raw * 120 / 255));
}

void BM_BandScopeSweeps(benchmark::State& state) {
    Parm settings;
    settings.set(Parm::kStart, kStart);
    settings.set(Parm::kEnd, kStart + kSteps * kStep);
    settings.set(Parm::kStep, kStep);
    PlotStandIn plot;
    BandScopeTraces* self = nullptr;
    std::int64_t readings = 0;
    BandScopeTraces traces(settings, plot, [&](SpanPoint& point) {
        ++readings;
        self->Fold(point, Convert(point.get(SpanPoint::kRawLevel)));
    });
    self = &traces;
    traces.SetLevelRange(kFloor, kCeiling);
    traces.Setup();
    std::uint32_t sweep = 0;
    for (auto _ : state) {
        const bool fast = sweep % 2 == 1;
        settings.set(Parm::Sweep::kFlags, fast ? Parm::Sweep::kFlagFastMode : 0);
        const std::uint32_t stride = fast ? 4 : 1;
        for (std::uint32_t i = 0; i < kSteps; i += stride) {
            SpanPoint point;
            point.set(SpanPoint::kTime, std::uint64_t{sweep} * kSteps + i);
            point.set(SpanPoint::kFrequency, kStart + i * kStep);
            const std::uint32_t raw = (i * 37 + sweep * 11) % 256;
            point.set(SpanPoint::kRawLevel, raw);
            point.set(SpanPoint::kLevelKind, SpanPoint::kLevelKindByte);
            point.set(SpanPoint::kFlags, fast ? SpanPoint::kFlagActivity : 0);
            ++readings;
            benchmark::DoNotOptimize(traces.Fold(point, Convert(raw)));
        }
        ++sweep;
    }
    state.counters["readings/s"] =
        benchmark::Counter(static_cast<double>(readings), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_BandScopeSweeps)->Unit(benchmark::kMillisecond);

} // namespace
