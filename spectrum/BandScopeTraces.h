#pragma once
// The band scope's traces, without windows: per step of the sweep the last level, the highest and
// the lowest seen and the user's mark, folded from one reading at a time and drawn through a
// BandScopePlot. Steps a fast sweep skipped, and steps whose level has grown old, are given empty
// points through the feed, which is the view's own reading entry.
#include "platform/records/Parm.h"
#include "platform/records/SpanPoint.h"
#include "spectrum/BandScopePlot.h"

#include <cstdint>
#include <functional>
#include <vector>

class BandScopeTraces {
public:
    static constexpr std::uint32_t kNoIndex = 0xFFFFFFFF;
    static constexpr std::int64_t kFirstTimeOut = 100'000'000;
    using Feed = std::function<void(SpanPoint&)>;

    BandScopeTraces(hb::records::Parm& settings, BandScopePlot& plot, Feed feed);

    void SetLevelRange(int floor, int ceiling);
    int Floor() const { return m_floor; }
    int Ceiling() const { return m_ceiling; }

    // New empty traces for the settings' range and step (the step is not 0), the aging time-out
    // for its size and no step last seen.
    void Setup();
    // Folds a reading of `level` in and answers the level held to the floor and ceiling; a
    // reading past the traces changes nothing.
    std::int16_t Fold(const SpanPoint& point, std::int16_t level);
    // Empty points for the steps between the last one read and `index`, around the range's end.
    void FillSkippedSteps(std::uint32_t index);
    // Empty points for the steps whose level is older than the time-out.
    void AgeActivity();
    // Every point the plot holds drawn again from the traces.
    void Redraw();
    void MarkStep(std::uint32_t index);
    void ClearMarks();
    void ResetMaximum() { m_maximum = m_signal; }
    void ResetMinimum() { m_minimum = m_signal; }

    std::uint32_t StepCount() const { return m_count; }
    std::uint32_t LastIndex() const { return m_lastIndex; }
    std::int64_t TimeOut() const { return m_timeOut; }
    double LastMegahertz() const { return m_lastMegahertz; }
    const std::vector<std::int16_t>& Signal() const { return m_signal; }
    const std::vector<std::int16_t>& Maximum() const { return m_maximum; }
    const std::vector<std::int16_t>& Minimum() const { return m_minimum; }
    const std::vector<std::uint8_t>& Marks() const { return m_marks; }
    const std::vector<std::uint64_t>& Stamps() const { return m_stamps; }
    BandScopePlot::Values ValuesAt(std::uint32_t index) const;

private:
    SpanPoint EmptyPoint(std::uint64_t now, std::uint32_t index) const;
    double MegahertzOf(std::uint32_t index) const;

    hb::records::Parm& m_settings;
    BandScopePlot& m_plot;
    Feed m_feed;
    int m_floor = 0;
    int m_ceiling = 0;
    std::uint32_t m_count = 0;
    std::uint32_t m_lastIndex = kNoIndex;
    std::int64_t m_timeOut = kFirstTimeOut;
    double m_lastMegahertz = 0;
    std::vector<std::uint64_t> m_stamps;
    std::vector<std::int16_t> m_signal;
    std::vector<std::int16_t> m_minimum;
    std::vector<std::int16_t> m_maximum;
    std::vector<std::uint8_t> m_marks;
};
