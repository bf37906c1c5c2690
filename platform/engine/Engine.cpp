#include "platform/engine/Engine.h"

#include "platform/engine/EngineCodes.h"
#include "platform/engine/ProgramTable.h"
#include "platform/records/EngineCommands.h"
#include "platform/records/EngineStates.h"
#include "platform/records/PrivateMessages.h"
#include "platform/win/core/Clock.h"

#include <algorithm>

namespace hb::engine {

namespace rec = hb::records;

namespace {

constexpr std::size_t kQueueLimit = 1024; // records nobody takes: the oldest go first

} // namespace

Engine::Engine(Setup setup, std::uint32_t programId)
    : m_setup(std::move(setup)), m_programId(programId),
      m_list(ProgramTable::Get().Find(programId)), m_pace(hb::win::NowMs()),
      m_startTime(hb::win::LongTimeNow()) {
    Schedule(kStepMs);
    ScheduleFault();
}

Engine::~Engine() {
    hb::win::Cancel(m_task);
    hb::win::Cancel(m_faultTask);
    for (const hb::win::TaskId task : m_lossTasks) {
        hb::win::Cancel(task);
    }
    ProgramTable::Get().Free(m_programId);
}

std::uint8_t Engine::State() const {
    switch (m_phase) {
    case Phase::Starting:
        return kEngineStarting;
    case Phase::Scanning:
        return kEngineScanning;
    case Phase::Signal:
        return m_setup.receiver->TrunkedCall() ? rec::kEngineTrunkCallActive
                                               : rec::kEngineOnChannelActive;
    case Phase::Hang:
        return m_setup.receiver->TrunkedCall() ? rec::kEngineTrunkCall : rec::kEngineOnChannel;
    case Phase::Paused:
    case Phase::Manual:
        return rec::kEnginePaused;
    case Phase::Stopping:
        return kEngineStopping;
    case Phase::Stopped:
        return rec::kEngineStopped;
    case Phase::LinkLost:
        return kEngineLinkLost;
    case Phase::Held:
        break;
    }
    return m_heldState;
}

void Engine::SetPhase(Phase phase, std::uint8_t heldState) {
    const std::uint8_t before = State();
    m_phase = phase;
    m_heldState = heldState;
    if (State() != before) {
        Notify(WM_RADIO_STATUS);
    }
}

void Engine::Notify(UINT message, WPARAM wParam, LPARAM lParam) {
    m_setup.notify(message, wParam, lParam);
}

void Engine::Schedule(std::int64_t delayMs) {
    ScheduleAt(hb::win::NowMs() + delayMs);
}

void Engine::ScheduleAt(std::int64_t dueMs) {
    hb::win::Cancel(m_task);
    m_task = hb::win::Schedule(
        dueMs,
        [this] {
            m_task = 0;
            Step();
        },
        "engine");
}

void Engine::Request(Action action) {
    m_pending = action;
    Schedule(kStepMs);
}

void Engine::Command(const EngineCommandRecord& record) {
    const std::uint8_t code = record.get(EngineCommandRecord::kCode);
    switch (code) {
    case rec::kEngineCmdPause:
        if (record.get(EngineCommandRecord::kSubCode) == rec::kEngineSubPause) {
            Request(Action::Pause);
        }
        break;
    case rec::kEngineCmdStop:
        m_pair = Action::Stop;
        break;
    case rec::kEngineCmdStartFirst:
        m_pair = Action::Start;
        break;
    case rec::kEngineCmdStart:
        // Completes the pair begun by a stop; on its own it resumes.
        Request(m_pair == Action::Stop ? Action::Stop : Action::Start);
        m_pair = Action::None;
        break;
    case rec::kEngineCmdReset:
        Request(Action::Reset);
        break;
    case rec::kEngineCmdLockOut:
    case rec::kEngineCmdThirdKindLocked:
        Lock(record, false);
        break;
    case rec::kEngineCmdTempLockOut:
        Lock(record, true);
        break;
    case rec::kEngineCmdFree:
    case rec::kEngineCmdThirdKindFree: {
        const std::uint32_t object = record.get(EngineCommandRecord::kFirst);
        m_locks.Free(object, m_list.LockTarget(object, record.get(EngineCommandRecord::kSecond)));
        break;
    }
    case rec::kEngineCmdPriorityMode:
        m_priorityMode = record.get(EngineCommandRecord::kSubCode);
        break;
    case rec::kEngineCmdPreempt:
        m_preemptLevel = record.get(EngineCommandRecord::kSignedSubCode);
        break;
    case rec::kEngineCmdFrameSetting:
        m_idHold = record.get(EngineCommandRecord::kSubCode);
        break;
    case rec::kEngineCmdManualMode:
        m_pendingObject = record.get(EngineCommandRecord::kFirst);
        Request(Action::Manual);
        break;
    case rec::kEngineCmdSetting:
    case rec::kEngineCmdBankMask:
    case rec::kEngineCmdLockOutId:
    case rec::kEngineCmdIdGroups:
    case rec::kEngineCmdIdBankMode:
    case rec::kEngineCmdScannerKey:
    case rec::kEngineCmdPrioritySwitch:
    case rec::kEngineCmdToneSwitch:
    case rec::kEngineCmdDataSkipSwitch:
        TrunkCommand(record);
        break;
    default:
        break;
    }
}

void Engine::Lock(const EngineCommandRecord& record, bool temporary) {
    const std::uint32_t object = record.get(EngineCommandRecord::kFirst);
    const std::uint32_t target =
        m_list.LockTarget(object, record.get(EngineCommandRecord::kSecond));
    m_locks.Lock(object, target, temporary);
    // Locking out the channel of the current hit moves the engine on.
    const bool scanningHit = m_phase == Phase::Signal || m_phase == Phase::Hang;
    if (scanningHit && m_slot && m_list.ObjectOf(m_slot->entry) == object &&
        (target == LockOuts::kWholeObject || target == m_slot->frequency)) {
        Request(Action::Resume);
    }
}

void Engine::Reload(std::uint32_t programId) {
    EndHit();
    ProgramTable::Get().Free(m_programId);
    m_programId = programId;
    m_list = ScanList(ProgramTable::Get().Find(programId));
    m_locks.ClearTemporary();
    m_slot.reset();
    ClearQueue();
    m_pending = m_pair = Action::None;
    SetPhase(Phase::Starting);
    Schedule(kStepMs);
}

void Engine::HoldState(std::uint8_t state) {
    hb::win::Cancel(m_task);
    m_task = 0;
    m_pending = Action::None;
    m_hit = {};
    SetPhase(Phase::Held, state);
}

void Engine::Step() {
    ++m_counter;
    if (m_setup.receiver->EngineStep()) {
        Notify(WM_RADIO_STATUS);
    }
    if (m_pending != Action::None) {
        Apply(std::exchange(m_pending, Action::None));
        Notify(WM_ENGINE_STATUS);
        return;
    }
    switch (m_phase) {
    case Phase::Starting:
        SetPhase(Phase::Scanning);
        StartRun();
        break;
    case Phase::Scanning:
        ScanNext();
        break;
    case Phase::Signal:
    case Phase::Hang:
    case Phase::Manual:
        Sample();
        break;
    case Phase::Stopping:
        if (--m_stopLeft == 0) {
            SetPhase(Phase::Stopped);
        } else {
            Schedule(kStepMs);
        }
        break;
    default:
        break;
    }
}

void Engine::Apply(Action action) {
    switch (action) {
    case Action::Start:
        if (m_phase != Phase::Starting && m_phase != Phase::Scanning && m_phase != Phase::Signal &&
            m_phase != Phase::Hang) {
            EndHit();
            SetPhase(Phase::Scanning);
        }
        Continue();
        break;
    case Action::Pause:
        EndHit();
        SetPhase(Phase::Paused);
        break;
    case Action::Stop:
        EndHit();
        if (m_phase == Phase::Stopped) {
            break;
        }
        if (!m_setup.stopSteps) {
            SetPhase(Phase::Stopping);
            break;
        }
        // This step is the first of the stop's steps.
        m_stopLeft = std::max(1u, *m_setup.stopSteps) - 1;
        SetPhase(m_stopLeft == 0 ? Phase::Stopped : Phase::Stopping);
        if (m_stopLeft != 0) {
            Schedule(kStepMs);
        }
        break;
    case Action::Reset:
        EndHit();
        m_slot.reset();
        SetPhase(Phase::Scanning);
        Notify(WM_RADIO_RESET);
        Continue();
        break;
    case Action::Resume:
        EndHit();
        SetPhase(Phase::Scanning);
        Continue();
        break;
    case Action::Manual:
        EnterManual(m_pendingObject);
        break;
    case Action::Hold:
        // The channel stays, and so does a call on it.
        if (m_phase != Phase::Stopping && m_phase != Phase::Stopped) {
            SetPhase(Phase::Manual);
            Continue();
        }
        break;
    case Action::None:
        break;
    }
    LeadSecondary(action);
}

// Goes on with the work of the current phase after a command step took its turn.
void Engine::Continue() {
    switch (m_phase) {
    case Phase::Starting:
        Schedule(kStepMs);
        break;
    case Phase::Scanning:
        StartRun();
        break;
    case Phase::Signal:
    case Phase::Hang:
    case Phase::Manual:
        Schedule(kSampleMs);
        break;
    default:
        break;
    }
}

template <class Record>
void Engine::Enqueue(std::deque<Record>& queue, const Record& record, UINT message) {
    if (queue.size() == kQueueLimit) {
        queue.pop_front();
    }
    queue.push_back(record);
    Notify(message);
}

void Engine::QueueHistory(const HistoryRecord& record) {
    Enqueue(m_history, record, WM_RADIO_HISTORY);
}

void Engine::QueueDtmf(const DtmfRecord& record) {
    Enqueue(m_dtmf, record, WM_RADIO_DTMF);
}

template <class Record>
bool Engine::Take(std::deque<Record>& queue, Record& record) {
    if (queue.empty()) {
        return false;
    }
    record = queue.front();
    queue.pop_front();
    return true;
}

bool Engine::TakeHistory(HistoryRecord& record) {
    return Take(m_history, record);
}

bool Engine::TakeDtmf(DtmfRecord& record) {
    return Take(m_dtmf, record);
}

void Engine::FillStatus(EngineStatus& status) const {
    using S = EngineStatus;
    const std::int64_t now = hb::win::NowMs();
    status.set(S::kReceiverId, m_setup.device);
    status.set(S::kReaderId, m_setup.toneDevice);
    status.set(S::kProgramId, m_programId);
    status.set(S::kStartTime, m_startTime);
    status.set(S::kTime, hb::win::LongTimeNow());
    status.set(S::kTimeStamp, GetTickCount());
    status.set(S::kActivityTimer, m_hit.startTick);
    status.set(S::kAirTime, m_hit.airMs);
    status.set(S::kRateTime, m_pace.WindowMs(now));
    status.set(S::kRateCount, m_pace.ChannelsInWindow(now));
    if (m_slot) {
        status.set(S::kHitValue, static_cast<std::uint16_t>(m_slot->entry));
        status.set(S::kEngineMode,
                   m_list.IsRange(m_slot->entry) ? rec::kEngineModeSearch : rec::kEngineModeNormal);
    }
    if (Monitoring()) {
        status.set(S::kEngineMode, rec::kEngineModeSlave);
    }
    status.set(S::kDeviceHandle, m_setup.device);
    status.set(S::kToneDeviceHandle, m_setup.toneDevice);
    status.set(S::kEngineHandle, m_setup.handle);
    status.set(S::kCounter, m_counter);
    status.set(S::kCurrentId, m_hit.id);
    if (m_hit.samples != 0) {
        status.set(S::kAverageSignal, static_cast<std::uint8_t>(m_hit.sum / m_hit.samples));
    }
    status.set(S::kState, State());
    status.set(S::kHold, m_phase == Phase::Paused || m_phase == Phase::Manual ? 1 : 0);
    status.set(S::kIdHold, m_idHold);
    status.set(S::kHitNumber1, m_hit.samples);
    status.set(S::kHitNumber2, m_hit.sum);
    status.set(S::kHitByte1, m_hit.lowest);
    status.set(S::kHitByte2, m_hit.highest);
    status.set(S::kCurrentParm, m_current);
    status.setText(S::kRadioText, m_setup.name);
    for (std::size_t i = 0; i < m_queue.size(); ++i) {
        status.set(S::kParmQueue, i, m_queue[i]);
    }
}

} // namespace hb::engine
