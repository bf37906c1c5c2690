#pragma once
// One scanning engine. It works in steps on the clock: it tunes its receiver to each slot of its
// program in turn, stays on a slot while the receiver hears a signal and for the channel's delay
// after, and then logs the hit. Commands take effect one step after they arrive; the stop pair
// reaches "stopped" after a number of steps (or never, for tests). Each change of the state byte
// is announced to the notify window.

#include "platform/engine/Device.h"
#include "platform/engine/LockOuts.h"
#include "platform/engine/ScanList.h"
#include "platform/records/DtmfRecord.h"
#include "platform/records/EngineCommandRecord.h"
#include "platform/records/EngineStatus.h"
#include "platform/records/HistoryRecord.h"
#include "platform/win/core/Scheduler.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>

namespace hb::engine {

using hb::records::EngineStatus;

class Engine {
public:
    struct Setup {
        std::uint16_t handle = 0;
        std::uint16_t device = 0;
        std::uint16_t toneDevice = 0;
        Device* receiver = nullptr; // outlives the engine
        std::string name;
        std::optional<unsigned> stopSteps; // none: the engine never stops
        std::function<void(UINT message)> notify;
    };

    Engine(Setup setup, std::uint32_t programId);
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    void Command(const EngineCommandRecord& record);
    // Takes the new program copy and starts again from its first slot.
    void Reload(std::uint32_t programId);
    void FillStatus(EngineStatus& status) const;

    bool TakeHistory(HistoryRecord& record);
    bool TakeDtmf(DtmfRecord& record);
    void QueueHistory(const HistoryRecord& record);
    void QueueDtmf(const DtmfRecord& record);

    // Puts the state byte at `state` and leaves it there until a command moves the engine.
    void HoldState(std::uint8_t state);
    void SetStopSteps(std::optional<unsigned> steps) { m_setup.stopSteps = steps; }

    std::uint16_t device() const { return m_setup.device; }
    std::uint16_t toneDevice() const { return m_setup.toneDevice; }

    // A Multi-Radio pair (EnginePair.h links and unlinks them). The primary drives its secondary:
    // each channel it hits is held in its queue for the secondary, which listens to the held
    // channels instead of its own program, and the secondary follows the primary's start, pause
    // and stop.
    std::uint16_t secondary() const { return m_secondary; }
    std::uint16_t primary() const { return m_primary; }
    void Drive(std::uint16_t secondary);
    void Follow(std::uint16_t primary);
    // The held channel the secondary takes next: the highest priority, then the longest held.
    std::optional<Parm> TakeHeld();

private:
    enum class Phase { Starting, Scanning, Signal, Hang, Paused, Stopping, Stopped, Held };
    enum class Action { None, Start, Stop, Pause, Reset, Resume };

    struct Hit {
        std::uint32_t startTick = 0;
        std::uint32_t time = 0;
        std::uint64_t longTime = 0;
        std::uint32_t airMs = 0;
        std::uint32_t samples = 0;
        std::uint32_t sum = 0;
        std::uint8_t lowest = 0;
        std::uint8_t highest = 0;
        std::int64_t hangUntil = 0;
    };

    std::uint8_t State() const;
    bool InHit() const { return m_phase == Phase::Signal || m_phase == Phase::Hang; }
    void SetPhase(Phase phase, std::uint8_t heldState = 0);
    void Schedule(std::int64_t delayMs);
    void Request(Action action);
    void Step();
    void Apply(Action action);
    void Continue();
    void ScanNext();
    void Sample();
    void BeginHit(std::uint8_t level);
    void AddSample(std::uint8_t level);
    void EndHit();
    void Lock(const EngineCommandRecord& record, bool temporary);
    void HoldForSecondary(const Parm& channel);
    void ClearHeld();
    // Moves the secondary's run state along with this engine's.
    void LeadSecondary(Action action);
    // The secondary's next channel from its primary; false when none is held.
    bool TuneHeld();
    template <class Record>
    static bool Take(std::deque<Record>& queue, Record& record);
    template <class Record>
    void Enqueue(std::deque<Record>& queue, const Record& record, UINT message);

    Setup m_setup;
    std::uint32_t m_programId;
    ScanList m_list;
    LockOuts m_locks;
    Phase m_phase = Phase::Starting;
    std::uint8_t m_heldState = 0;
    Action m_pending = Action::None;
    Action m_pair = Action::None; // the first half of a stop or start pair
    unsigned m_stopLeft = 0;
    std::optional<ScanSlot> m_slot;
    Parm m_current;
    Hit m_hit;
    std::uint16_t m_counter = 0;
    std::uint8_t m_idHold = 0;
    std::uint64_t m_startTime;
    std::deque<HistoryRecord> m_history;
    std::deque<DtmfRecord> m_dtmf;
    std::uint16_t m_primary = 0;
    std::uint16_t m_secondary = 0;
    std::deque<Parm> m_held; // on the primary, for its secondary
    hb::win::TaskId m_task = 0;
};

} // namespace hb::engine
