#pragma once
// The sweep of the simulated receiver: from the record's current frequency through [start, end)
// by step, one step every 1/"SweepRate" s of the clock, over and over until it is stopped or a
// new sweep replaces it. Each step measures the band activity on its frequency over a low noise
// floor. The radio's "SweepReport" key says how the steps reach the device's window:
//   0 readings: queued, announced by WM_ENGINE_STATUS and taken one by one;
//   1 byte sweeps: WM_SPAN_SWEEP after each sweep with the level bytes (lParam) and their count
//     (wParam);
//   2 blocks (the default): WM_SPAN_BLOCK after each sweep, the sweep taken with span_get_block.
// A sweep in fast mode reports readings of the steps on the air only, whatever the key says.

#include "platform/engine/BandActivity.h"
#include "platform/records/Parm.h"
#include "platform/records/SpanPoint.h"
#include "platform/win/WinTypes.h"
#include "platform/win/core/Scheduler.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace hb::engine {

enum class SweepReport : std::uint8_t { Readings = 0, ByteSweeps = 1, Blocks = 2 };

// What a test reads of a sweep.
struct SweepState {
    bool running = false;
    std::uint32_t start = 0;
    std::uint32_t end = 0;
    std::uint32_t step = 0;
    std::uint32_t count = 0;  // steps of one whole sweep
    std::uint32_t next = 0;   // the frequency the next step measures
    std::uint32_t sweeps = 0; // sweeps ended since the start
    std::size_t queued = 0;   // readings not taken yet
    SweepReport report = SweepReport::Blocks;
};

class SimSweep {
public:
    using Post = std::function<void(UINT message, WPARAM wParam, LPARAM lParam)>;
    using LevelFunction = std::function<std::uint8_t(std::uint32_t frequency, std::int64_t nowMs)>;

    static constexpr unsigned kDefaultRate = 1000;
    static constexpr std::uint8_t kNoiseFloor = 6;

    // Reads "SweepRate" and "SweepReport" of the radio's section.
    SimSweep(const std::string& section, const BandActivity& activity, Post post);
    ~SimSweep();
    SimSweep(const SimSweep&) = delete;
    SimSweep& operator=(const SimSweep&) = delete;

    // A failure status for a range that holds no step; 0 once the sweep runs.
    std::uint16_t Start(const hb::records::Parm& record);
    void Stop();

    // span_get_data: 0 with the oldest reading, else a failure status.
    std::uint16_t TakeReading(hb::records::SpanPoint& point);
    // span_get_block_size and span_get_block.
    std::uint32_t BlockSize() const;
    std::uint16_t TakeBlock(std::uint8_t* buffer);

    // Test hooks.
    void SetReport(SweepReport report) { m_report = report; }
    void SetLevelFunction(LevelFunction level) { m_level = std::move(level); }
    // Measures `count` steps now, whatever the clock says.
    void RunSteps(std::uint32_t count);
    SweepState State() const;

private:
    struct Block {
        std::uint64_t firstTime = 0;
        std::int64_t duration = 0;
        std::vector<std::uint8_t> levels;
    };

    void Schedule();
    void OnTimer();
    void MeasureStep();
    void EndSweep();
    std::uint8_t Level(std::uint32_t frequency, std::int64_t nowMs) const;
    std::uint64_t StepTime(std::uint64_t stepNumber) const;
    bool FastMode() const;

    const BandActivity& m_activity;
    Post m_post;
    unsigned m_rate = kDefaultRate;
    SweepReport m_report = SweepReport::Blocks;
    LevelFunction m_level;

    bool m_running = false;
    hb::records::Parm m_record;
    std::uint32_t m_start = 0, m_end = 0, m_step = 0, m_count = 0;
    std::uint32_t m_next = 0;
    std::uint32_t m_sweeps = 0;
    // Steps measured since the start, and the clock and long time of the start.
    std::uint64_t m_stepsDone = 0;
    std::int64_t m_startMs = 0;
    std::uint64_t m_startLongTime = 0;
    std::uint64_t m_sweepFirstStep = 0;
    std::vector<std::uint8_t> m_levels;
    std::deque<hb::records::SpanPoint> m_readings;
    std::unique_ptr<Block> m_lastBlock; // ended and not taken yet
    hb::win::TaskId m_task = 0;
};

} // namespace hb::engine
