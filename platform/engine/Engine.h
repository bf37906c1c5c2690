#pragma once
// One scanning engine. It works in steps on the clock: it tunes its receiver to each slot of its
// program in turn at the receiver's rate, stays on a slot while the receiver hears a signal and
// for the channel's delay after, and then logs the hit. Commands take effect one step after they
// arrive; the stop pair reaches "stopped" after a number of steps (or never, for tests). Each
// change of the state byte is announced to the notify window.

#include "platform/engine/Device.h"
#include "platform/engine/LockOuts.h"
#include "platform/engine/RadioSettings.h"
#include "platform/engine/ScanList.h"
#include "platform/engine/ScanPace.h"
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
#include <vector>

namespace hb::engine {

using hb::records::EngineStatus;

class Engine {
public:
    struct Setup {
        std::uint16_t handle = 0;
        std::uint16_t device = 0;
        std::uint16_t toneDevice = 0;
        // What the tone reader decodes (0: none), and the seed its tones are chosen by.
        std::uint32_t toneDecodes = 0;
        std::uint64_t toneSeed = 1;
        Device* receiver = nullptr; // outlives the engine
        std::string name;
        std::optional<unsigned> stopSteps; // none: the engine never stops
        // Seconds between faults of the link (0: none), and their kinds, taken in turn.
        std::uint32_t faultSeconds = 0;
        std::vector<FaultKind> faultKinds;
        std::function<void(UINT message, WPARAM wParam, LPARAM lParam)> notify;
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
    // A tone or code the sound decoder heard: the current ID until the next hit (EngineTone.cpp).
    void ShowToneId(const UserId& id);

    std::uint16_t device() const { return m_setup.device; }
    std::uint16_t toneDevice() const { return m_setup.toneDevice; }

    // A Multi-Radio pair (EnginePair.h links and unlinks them). The secondary scans its program
    // and offers each channel it hears to the primary's queue, then moves on; the primary
    // listens to the queued channels one at a time instead of its own program, and leads the
    // secondary's start, pause and stop.
    std::uint16_t secondary() const { return m_secondary; }
    std::uint16_t primary() const { return m_primary; }
    void Drive(std::uint16_t secondary);
    void Follow(std::uint16_t primary);
    // A channel the secondary heard: queued once (a full queue drops it), and listened to at
    // once when its priority exceeds the current channel's by more than the preempt level.
    void Offer(const Parm& channel);

private:
    enum class Phase {
        Starting,
        Scanning,
        Signal,
        Hang,
        Paused,
        Stopping,
        Stopped,
        Held,
        Manual, // on one channel, listening and logging without scanning on
        LinkLost,
    };
    enum class Action { None, Start, Stop, Pause, Reset, Resume, Manual, Hold };

    struct Hit {
        bool on = false;
        std::int64_t startMs = 0;
        std::uint32_t startTick = 0;
        std::uint32_t time = 0;
        std::uint64_t longTime = 0;
        std::uint32_t frequency = 0;
        UserId id;
        std::uint32_t airMs = 0;
        std::uint32_t samples = 0;
        std::uint32_t sum = 0;
        std::uint8_t lowest = 0;
        std::uint8_t highest = 0;
        std::int64_t hangUntil = 0; // 0: the signal is still on
    };

    std::uint8_t State() const;
    bool InHit() const { return m_hit.on; }
    void SetPhase(Phase phase, std::uint8_t heldState = 0);
    void Notify(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    void Schedule(std::int64_t delayMs);
    void ScheduleAt(std::int64_t dueMs);
    void Request(Action action);
    void Step();
    void Apply(Action action);
    void Continue();
    void StartRun();
    void ScanNext();
    // The level the receiver hears now; 0 as well for a call whose ID is locked out.
    std::uint8_t Listen() const;
    void Sample();
    void BeginHit(std::uint8_t level);
    void AddSample(std::uint8_t level);
    void EndHit();
    void EnterManual(std::uint32_t object);
    void Lock(const EngineCommandRecord& record, bool temporary);

    // Trunk-tracker commands (EngineTrunk.cpp).
    void TrunkCommand(const EngineCommandRecord& record);
    void LockOutCallId();
    bool IsLockedOut(const UserId& id) const;

    // Faults of the link (EngineFaults.cpp).
    void ScheduleFault();
    void Fault();
    void LoseLink(std::int64_t lengthMs, bool askRestart);
    void RestoreLink();

    // The pair (EnginePair.cpp).
    bool Monitoring() const { return m_secondary != 0; }
    void ClearQueue();
    // Ends a hit of the scan and scans on at the next step.
    void LeaveHit();
    // Listens to the next queued channel; false when none is queued or the channel is quiet.
    bool TuneQueued();
    // Tunes a queued channel and listens to it as a hit; false when it is quiet.
    bool Monitor(const Parm& channel);
    void OfferToPrimary();
    // Moves the secondary's run state along with this engine's.
    void LeadSecondary(Action action);

    template <class Record>
    static bool Take(std::deque<Record>& queue, Record& record);
    template <class Record>
    void Enqueue(std::deque<Record>& queue, const Record& record, UINT message);

    Setup m_setup;
    std::uint32_t m_programId;
    ScanList m_list;
    LockOuts m_locks;
    std::vector<UserId> m_lockedIds;
    Phase m_phase = Phase::Starting;
    std::uint8_t m_heldState = 0;
    Action m_pending = Action::None;
    std::uint32_t m_pendingObject = 0; // the channel a pending manual action goes to
    Action m_pair = Action::None;      // the first half of a stop or start pair
    unsigned m_stopLeft = 0;
    std::optional<ScanSlot> m_slot;
    Parm m_current;
    Hit m_hit;
    ScanPace m_pace;
    std::uint16_t m_counter = 0;
    std::uint8_t m_idHold = 0;
    bool m_muted = false;
    std::uint64_t m_startTime;
    std::deque<HistoryRecord> m_history;
    std::deque<DtmfRecord> m_dtmf;
    std::uint16_t m_primary = 0;
    std::uint16_t m_secondary = 0;
    std::deque<Parm> m_queue; // on the primary: the channels its secondary heard
    std::uint8_t m_priorityMode = 0;
    std::int8_t m_preemptLevel = 0;
    std::size_t m_nextFault = 0;
    Phase m_beforeLoss = Phase::Scanning;
    hb::win::TaskId m_task = 0;
    hb::win::TaskId m_faultTask = 0;
    std::vector<hb::win::TaskId> m_lossTasks;
};

} // namespace hb::engine
