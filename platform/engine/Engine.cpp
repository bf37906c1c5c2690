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

constexpr std::int64_t kSampleMs = 100;       // how often a signal is measured during a hit
constexpr std::int64_t kDefaultHangMs = 2000; // the stay after a signal when a channel sets none
constexpr std::size_t kQueueLimit = 1024;     // records nobody takes: the oldest go first

} // namespace

Engine::Engine(Setup setup, std::uint32_t programId)
    : m_setup(std::move(setup)), m_programId(programId),
      m_list(ProgramTable::Get().Find(programId)), m_startTime(hb::win::LongTimeNow()) {
    Schedule(kStepMs);
}

Engine::~Engine() {
    hb::win::Cancel(m_task);
    ProgramTable::Get().Free(m_programId);
}

std::uint8_t Engine::State() const {
    switch (m_phase) {
    case Phase::Starting:
        return kEngineStarting;
    case Phase::Scanning:
        return kEngineScanning;
    case Phase::Signal:
        return rec::kEngineOnChannelActive;
    case Phase::Hang:
        return rec::kEngineOnChannel;
    case Phase::Paused:
        return rec::kEnginePaused;
    case Phase::Stopping:
        return kEngineStopping;
    case Phase::Stopped:
        return rec::kEngineStopped;
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
        m_setup.notify(WM_RADIO_STATUS);
    }
}

void Engine::Schedule(std::int64_t delayMs) {
    hb::win::Cancel(m_task);
    m_task = hb::win::ScheduleAfter(
        delayMs,
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
    switch (record.get(EngineCommandRecord::kCode)) {
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
    case rec::kEngineCmdFrameSetting:
        m_idHold = record.get(EngineCommandRecord::kSubCode);
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
    if (InHit() && m_slot && m_list.ObjectOf(m_slot->entry) == object &&
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
    ClearHeld();
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
    if (m_pending != Action::None) {
        Apply(std::exchange(m_pending, Action::None));
        m_setup.notify(WM_ENGINE_STATUS);
        return;
    }
    switch (m_phase) {
    case Phase::Starting:
        SetPhase(Phase::Scanning);
        ScanNext();
        break;
    case Phase::Scanning:
        ScanNext();
        break;
    case Phase::Signal:
    case Phase::Hang:
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
        if (m_phase == Phase::Paused || m_phase == Phase::Stopping || m_phase == Phase::Stopped ||
            m_phase == Phase::Held) {
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
        m_setup.notify(WM_RADIO_RESET);
        Continue();
        break;
    case Action::Resume:
        EndHit();
        SetPhase(Phase::Scanning);
        Continue();
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
        Schedule(m_setup.receiver->DwellMs());
        break;
    case Phase::Signal:
    case Phase::Hang:
        Schedule(kSampleMs);
        break;
    default:
        break;
    }
}

void Engine::ScanNext() {
    if (m_primary != 0) {
        // A secondary listens to what its primary holds for it, and waits when it holds nothing.
        if (TuneHeld()) {
            if (const std::uint8_t level = m_setup.receiver->Signal(hb::win::NowMs())) {
                BeginHit(level);
                return;
            }
        }
        Schedule(m_setup.receiver->DwellMs());
        return;
    }
    // With every slot locked out the engine keeps looking, so a freed slot is found again.
    if (const auto next = m_list.Next(m_slot, m_locks)) {
        m_slot = next;
        m_current = m_list.ParmAt(*next);
        m_setup.receiver->Tune(m_current);
        if (const std::uint8_t level = m_setup.receiver->Signal(hb::win::NowMs())) {
            BeginHit(level);
            return;
        }
    }
    Schedule(m_setup.receiver->DwellMs());
}

void Engine::BeginHit(std::uint8_t level) {
    m_hit = {};
    m_hit.startTick = GetTickCount();
    m_hit.time = static_cast<std::uint32_t>(hb::win::WallTime());
    m_hit.longTime = hb::win::LongTimeNow();
    m_hit.lowest = m_hit.highest = level;
    AddSample(level);
    SetPhase(Phase::Signal);
    Schedule(kSampleMs);
    if (m_secondary != 0) {
        HoldForSecondary(m_current);
    }
}

void Engine::AddSample(std::uint8_t level) {
    ++m_hit.samples;
    m_hit.sum += level;
    m_hit.airMs += static_cast<std::uint32_t>(kSampleMs);
    m_hit.lowest = std::min(m_hit.lowest, level);
    m_hit.highest = std::max(m_hit.highest, level);
}

void Engine::Sample() {
    const std::int64_t now = hb::win::NowMs();
    if (const std::uint8_t level = m_setup.receiver->Signal(now)) {
        AddSample(level);
        SetPhase(Phase::Signal);
    } else if (m_phase == Phase::Signal) {
        const std::int16_t delay = m_current.get(Parm::Channel::kDelay);
        m_hit.hangUntil = now + (delay > 0 ? delay : kDefaultHangMs);
        SetPhase(Phase::Hang);
    } else if (now >= m_hit.hangUntil) {
        EndHit();
        SetPhase(Phase::Scanning);
        Schedule(m_setup.receiver->DwellMs());
        return;
    }
    Schedule(kSampleMs);
}

void Engine::EndHit() {
    if (!InHit()) {
        return;
    }
    HistoryRecord record;
    record.set(HistoryRecord::kFrequency, m_current.get(Parm::kFrequency));
    record.set(HistoryRecord::kObjectHandle, m_current.get(Parm::kObjectHandle));
    record.set(HistoryRecord::kTime, m_hit.time);
    record.set(HistoryRecord::kAirTime, m_hit.airMs);
    record.set(HistoryRecord::kHitNumber1, m_hit.samples);
    record.set(HistoryRecord::kHitNumber2, m_hit.sum);
    record.set(HistoryRecord::kLongTime, m_hit.longTime);
    record.set(HistoryRecord::kHitByte1, m_hit.lowest);
    record.set(HistoryRecord::kHitByte2, m_hit.highest);
    record.setText(HistoryRecord::kName1, m_current.text(Parm::kName));
    record.setText(HistoryRecord::kName2, "");
    record.setText(HistoryRecord::kName3, "");
    m_hit = {};
    QueueHistory(record);
}

template <class Record>
void Engine::Enqueue(std::deque<Record>& queue, const Record& record, UINT message) {
    if (queue.size() == kQueueLimit) {
        queue.pop_front();
    }
    queue.push_back(record);
    m_setup.notify(message);
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
    status.set(S::kReceiverId, m_setup.device);
    status.set(S::kReaderId, m_setup.toneDevice);
    status.set(S::kProgramId, m_programId);
    status.set(S::kStartTime, m_startTime);
    status.set(S::kTime, hb::win::LongTimeNow());
    status.set(S::kTimeStamp, GetTickCount());
    status.set(S::kActivityTimer, m_hit.startTick);
    status.set(S::kAirTime, m_hit.airMs);
    if (m_phase == Phase::Scanning) {
        // Channels per second = 1000 / (time / count).
        status.set(S::kRateTime, static_cast<std::uint32_t>(m_setup.receiver->DwellMs()));
        status.set(S::kRateCount, 1);
    }
    if (m_slot) {
        status.set(S::kHitValue, static_cast<std::uint16_t>(m_slot->entry));
        status.set(S::kEngineMode,
                   m_list.IsRange(m_slot->entry) ? rec::kEngineModeSearch : rec::kEngineModeNormal);
    }
    status.set(S::kDeviceHandle, m_setup.device);
    status.set(S::kToneDeviceHandle, m_setup.toneDevice);
    status.set(S::kEngineHandle, m_setup.handle);
    status.set(S::kCounter, m_counter);
    if (m_hit.samples != 0) {
        status.set(S::kAverageSignal, static_cast<std::uint8_t>(m_hit.sum / m_hit.samples));
    }
    status.set(S::kState, State());
    status.set(S::kHold, m_phase == Phase::Paused ? 1 : 0);
    status.set(S::kIdHold, m_idHold);
    status.set(S::kHitNumber1, m_hit.samples);
    status.set(S::kHitNumber2, m_hit.sum);
    status.set(S::kHitByte1, m_hit.lowest);
    status.set(S::kHitByte2, m_hit.highest);
    status.set(S::kCurrentParm, m_current);
    status.setText(S::kRadioText, m_setup.name);
    for (std::size_t i = 0; i < m_held.size(); ++i) {
        status.set(S::kParmQueue, i, m_held[i]);
    }
    if (m_primary != 0) {
        status.set(S::kEngineMode, rec::kEngineModeSlave);
    }
}

} // namespace hb::engine
