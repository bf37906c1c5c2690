// Simulated faults of the link to the radio, of the kinds taken in turn. The next one comes so
// many seconds after the last one is over, and only while the engine works, so a stopped radio
// stays stopped.

#include "platform/engine/Engine.h"
#include "platform/engine/EngineCodes.h"
#include "platform/records/PrivateMessages.h"

namespace hb::engine {

namespace {

constexpr std::int64_t kShortLossMs = 3000;
constexpr std::int64_t kLongLossMs = 10000;

} // namespace

void Engine::ScheduleFault() {
    if (m_setup.faultSeconds == 0 || m_setup.faultKinds.empty()) {
        return;
    }
    m_faultTask = hb::win::ScheduleAfter(
        std::int64_t{m_setup.faultSeconds} * 1000,
        [this] {
            m_faultTask = 0;
            Fault();
        },
        "engine fault");
}

void Engine::Fault() {
    if (m_phase == Phase::Stopping || m_phase == Phase::Stopped || m_phase == Phase::Held) {
        ScheduleFault();
        return;
    }
    const FaultKind kind = m_setup.faultKinds[m_nextFault];
    m_nextFault = (m_nextFault + 1) % m_setup.faultKinds.size();
    switch (kind) {
    case FaultKind::BadReply:
        Notify(WM_RADIO_BAD);
        ScheduleFault();
        break;
    case FaultKind::Reset:
        Request(Action::Reset);
        ScheduleFault();
        break;
    case FaultKind::ShortLoss:
        LoseLink(kShortLossMs, false);
        break;
    case FaultKind::LongLoss:
        LoseLink(kLongLossMs, true);
        break;
    }
}

// A short loss asks the program to check the engine at once; a long one asks it, half-way
// through, to restart the radio.
void Engine::LoseLink(std::int64_t lengthMs, bool askRestart) {
    EndHit();
    const bool listening = m_phase == Phase::Manual || m_phase == Phase::Paused;
    m_beforeLoss = listening ? m_phase : Phase::Scanning;
    hb::win::Cancel(m_task);
    m_task = 0;
    SetPhase(Phase::LinkLost);
    if (askRestart) {
        m_lossTasks.push_back(hb::win::ScheduleAfter(
            lengthMs / 2, [this] { Notify(WM_RADIO_RESTART); }, "engine restart request"));
    } else {
        Notify(WM_ENGINE_CHECK);
    }
    m_lossTasks.push_back(hb::win::ScheduleAfter(
        lengthMs, [this] { RestoreLink(); }, "engine link back"));
}

void Engine::RestoreLink() {
    m_lossTasks.clear();
    ScheduleFault();
    // A command in the meantime has already moved the engine on.
    if (m_phase == Phase::LinkLost) {
        SetPhase(m_beforeLoss);
        Continue();
    }
}

} // namespace hb::engine
