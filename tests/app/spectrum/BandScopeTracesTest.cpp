// The band scope's traces on their own, drawn into a plot that records its points.
#include "spectrum/BandScopeTraces.h"

#include "platform/tessary/model/TimeFunctions.h"
#include "platform/testkit/PlatformTest.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using hb::records::Parm;

class RecordingPlot : public BandScopePlot {
public:
    struct Point {
        double x;
        Values values;
    };
    std::vector<Point> points;
    std::uint32_t capacity = 0;
    double interval = 0;
    int open = 0;
    int brackets = 0;

    void BeginUpdate() override {
        ++open;
        ++brackets;
    }
    void EndUpdate() override { --open; }
    void Reset(std::uint32_t points_, double xInterval) override {
        EXPECT_GT(open, 0);
        points.clear();
        capacity = points_;
        interval = xInterval;
    }
    int PointCount() override { return static_cast<int>(points.size()); }
    void Append(double x, const Values& values) override {
        EXPECT_GT(open, 0);
        points.push_back({x, values});
    }
    void Set(int index, const Values& values) override {
        EXPECT_GT(open, 0);
        points.at(static_cast<std::size_t>(index)).values = values;
    }
};

constexpr int kFloor = 10;
constexpr int kCeiling = 100;

class BandScopeTracesTest : public hb::testkit::PlatformTest {
protected:
    Parm settings;
    RecordingPlot plot;
    std::vector<std::uint32_t> fed;
    // Levels are the raw values, so an empty point (raw 0) lands on the floor.
    BandScopeTraces traces{
        settings, plot, [this](SpanPoint& point) {
            fed.push_back(Index(point));
            traces.Fold(point, static_cast<std::int16_t>(point.get(SpanPoint::kRawLevel)));
        }};

    void Range(std::uint32_t start, std::uint32_t end, std::uint32_t step) {
        settings.set(Parm::kStart, start);
        settings.set(Parm::kEnd, end);
        settings.set(Parm::kStep, step);
        traces.SetLevelRange(kFloor, kCeiling);
        traces.Setup();
    }
    std::uint32_t Index(const SpanPoint& point) const {
        return (point.get(SpanPoint::kFrequency) - settings.get(Parm::kStart)) /
               settings.get(Parm::kStep);
    }
    std::int16_t Reading(std::uint32_t index, int level, bool active = false) {
        SpanPoint point;
        point.set(SpanPoint::kTime, GetLongTimeNow());
        point.set(SpanPoint::kFrequency,
                  settings.get(Parm::kStart) + index * settings.get(Parm::kStep));
        point.set(SpanPoint::kRawLevel, static_cast<std::uint32_t>(level));
        point.set(SpanPoint::kFlags, active ? SpanPoint::kFlagActivity : 0);
        return traces.Fold(point, static_cast<std::int16_t>(level));
    }
};

TEST_F(BandScopeTracesTest, ReadingsAreHeldToTheLevelRangeAndFirstReadingsFillTheGapAtTheFloor) {
    Range(146'000'000, 146'250'000, 25'000);
    ASSERT_EQ(traces.StepCount(), 10u);
    EXPECT_EQ(plot.capacity, 10u);
    EXPECT_DOUBLE_EQ(plot.interval, 0.0125);

    EXPECT_EQ(Reading(5, 40), 40);
    ASSERT_EQ(plot.points.size(), 6u);
    for (std::size_t j = 0; j < 5; ++j) {
        EXPECT_DOUBLE_EQ(plot.points[j].x, 146.0 + 0.025 * static_cast<double>(j));
        EXPECT_EQ(plot.points[j].values, (BandScopePlot::Values{10, 10, 10, 9, 9}));
    }
    EXPECT_DOUBLE_EQ(plot.points[5].x, 146.125);
    EXPECT_EQ(plot.points[5].values, (BandScopePlot::Values{40, 40, 40, 9, 9}));
    EXPECT_EQ(plot.open, 0);
    EXPECT_EQ(settings.get(Parm::kFrequency), 146'125'000u);
    EXPECT_EQ(settings.get(Parm::Sweep::kResumeFrequency), 146'125'000u);

    // Held to the range; a level at the floor changes neither extreme.
    EXPECT_EQ(Reading(5, -30), kFloor);
    EXPECT_EQ(traces.Signal()[5], kFloor);
    EXPECT_EQ(traces.Maximum()[5], 40);
    EXPECT_EQ(traces.Minimum()[5], 40);
    EXPECT_EQ(Reading(5, 300), kCeiling);
    EXPECT_EQ(traces.Maximum()[5], kCeiling);
    EXPECT_EQ(plot.points[5].values[1], kCeiling);

    // A minimum still at the floor takes the first level above it.
    ASSERT_EQ(traces.Minimum()[2], kFloor);
    Reading(2, 60);
    EXPECT_EQ(traces.Minimum()[2], 60);
    EXPECT_EQ(traces.Maximum()[2], 60);
    Reading(2, 50);
    EXPECT_EQ(traces.Minimum()[2], 50);
    EXPECT_EQ(traces.Maximum()[2], 60);

    // Past the traces: the level still comes back, nothing is stored.
    const auto before = plot.points.size();
    EXPECT_EQ(Reading(12, 70), 70);
    EXPECT_EQ(plot.points.size(), before);
    EXPECT_EQ(settings.get(Parm::kFrequency), 146'050'000u);
}

TEST_F(BandScopeTracesTest, MarkedStepsShowOnTheMarkedChannelsAndTheExtremesResetToTheSignal) {
    Range(146'000'000, 146'100'000, 25'000);
    for (std::uint32_t i = 0; i < 4; ++i) {
        Reading(i, 30 + static_cast<int>(i));
    }
    Reading(1, 80);
    traces.MarkStep(1);
    traces.MarkStep(9);
    traces.Redraw();
    EXPECT_EQ(plot.points[1].values, (BandScopePlot::Values{80, 80, 31, 80, 80}));
    EXPECT_EQ(plot.points[0].values[3], kFloor - 1);
    EXPECT_EQ(plot.points[0].values[4], kFloor - 1);
    traces.ResetMinimum();
    EXPECT_EQ(traces.Minimum()[1], 80);
    traces.ClearMarks();
    traces.Redraw();
    EXPECT_EQ(plot.points[1].values, (BandScopePlot::Values{80, 80, 80, 9, 9}));
}

TEST_F(BandScopeTracesTest, FastReadingsGiveTheStepsTheyJumpedOverEmptyPoints) {
    Range(146'000'000, 146'250'000, 25'000);
    settings.set(Parm::Sweep::kFlags, Parm::Sweep::kFlagFastMode);
    Reading(3, 50, true);
    EXPECT_TRUE(fed.empty());
    EXPECT_EQ(traces.LastIndex(), 3u);
    Reading(7, 50, true);
    EXPECT_EQ(fed, (std::vector<std::uint32_t>{4, 5, 6}));
    fed.clear();
    Reading(8, 50, true);
    EXPECT_TRUE(fed.empty());
    Reading(2, 50, true);
    EXPECT_EQ(fed, (std::vector<std::uint32_t>{9, 0, 1}));
    EXPECT_EQ(traces.LastIndex(), 2u);
    EXPECT_EQ(plot.points.size(), 10u);
    // Without the reading's activity flag nothing is filled.
    fed.clear();
    Reading(6, 50);
    EXPECT_TRUE(fed.empty());
    // A new set-up forgets the step last seen.
    traces.Setup();
    EXPECT_EQ(traces.LastIndex(), BandScopeTraces::kNoIndex);
}

TEST_F(BandScopeTracesTest, TheTimeOutGrowsWithTheRangeAndOldLevelsAreLost) {
    Range(144'000'000, 146'000'000, 20'000);
    EXPECT_EQ(traces.StepCount(), 100u);
    EXPECT_EQ(traces.TimeOut(), 40'000'000);
    Range(144'000'000, 144'800'000, 20'000);
    EXPECT_EQ(traces.TimeOut(), 20'000'000);
    // The step count rounds up.
    Range(144'000'000, 144'810'000, 20'000);
    EXPECT_EQ(traces.StepCount(), 41u);

    Range(144'000'000, 144'800'000, 20'000);
    Reading(0, 60);
    Reading(1, 60);
    AdvanceAndPump(1500);
    Reading(1, 70);
    AdvanceAndPump(500);
    traces.AgeActivity();
    EXPECT_EQ(fed, (std::vector<std::uint32_t>{0}));
    EXPECT_EQ(traces.Signal()[0], kFloor);
    EXPECT_EQ(traces.Maximum()[0], 60);
    EXPECT_EQ(traces.Signal()[1], 70);
    EXPECT_EQ(traces.Stamps()[0], GetLongTimeNow());
    // A step already at the floor is not fed again.
    fed.clear();
    AdvanceAndPump(5000);
    traces.AgeActivity();
    EXPECT_EQ(fed, (std::vector<std::uint32_t>{1}));
}

} // namespace
