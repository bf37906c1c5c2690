#include "platform/engine/EnginePair.h"

#include "platform/engine/EngineCodes.h"
#include "platform/engine/Registry.h"
#include "platform/records/EngineStatus.h"
#include "platform/records/PrivateMessages.h"

#include <algorithm>

namespace hb::engine {

namespace {

constexpr std::size_t kQueueLimit = EngineStatus::kParmQueue.kCount;

Engine* Find(Registry& registry, std::uint16_t handle) {
    EngineSlot* slot = handle != 0 ? registry.FindEngine(handle) : nullptr;
    return slot != nullptr ? slot->engine.get() : nullptr;
}

} // namespace

void JoinEngines(Registry& registry, std::uint16_t primary, std::uint16_t secondary) {
    Engine* leader = Find(registry, primary);
    Engine* follower = Find(registry, secondary);
    if (leader == nullptr || follower == nullptr || leader == follower ||
        leader->secondary() == secondary) {
        return;
    }
    UnjoinEngine(registry, primary);
    UnjoinEngine(registry, secondary);
    leader->Drive(secondary);
    follower->Follow(primary);
}

void UnjoinEngine(Registry& registry, std::uint16_t engine) {
    Engine* self = Find(registry, engine);
    if (self == nullptr) {
        return;
    }
    if (Engine* follower = Find(registry, self->secondary())) {
        follower->Follow(0);
    }
    if (Engine* leader = Find(registry, self->primary())) {
        leader->Drive(0);
    }
    self->Drive(0);
    self->Follow(0);
}

void Engine::Drive(std::uint16_t secondary) {
    if (secondary == m_secondary) {
        return;
    }
    ClearQueue();
    m_secondary = secondary;
    // Whatever it was on belongs to its old role; it starts afresh in the new one.
    m_slot.reset();
    LeaveHit();
}

void Engine::Follow(std::uint16_t primary) {
    m_primary = primary;
    // A secondary does not stay on what it hears.
    if (primary != 0) {
        LeaveHit();
    }
}

void Engine::LeaveHit() {
    if (m_phase == Phase::Signal || m_phase == Phase::Hang) {
        EndHit();
        SetPhase(Phase::Scanning);
        Schedule(kStepMs);
    }
}

void Engine::Offer(const Parm& channel) {
    const auto same = [&channel](const Parm& queued) {
        return queued.get(Parm::kFrequency) == channel.get(Parm::kFrequency) &&
               queued.get(Parm::kObjectHandle) == channel.get(Parm::kObjectHandle);
    };
    // What the primary listens to now is not queued again.
    if ((InHit() && same(m_current)) || std::ranges::any_of(m_queue, same) ||
        m_queue.size() == kQueueLimit) {
        return;
    }
    m_queue.push_back(channel);
    Notify(WM_RADIO_FLAG);
    const int lead = int{channel.get(Parm::kPriority)} - int{m_current.get(Parm::kPriority)};
    if ((m_phase == Phase::Signal || m_phase == Phase::Hang) && lead > m_preemptLevel) {
        m_queue.pop_back();
        Notify(WM_RADIO_FLAG);
        EndHit();
        Monitor(channel);
    }
}

void Engine::OfferToPrimary() {
    if (Engine* leader = Find(Registry::Get(), m_primary)) {
        leader->Offer(m_current);
    }
}

void Engine::ClearQueue() {
    if (!m_queue.empty()) {
        m_queue.clear();
        Notify(WM_RADIO_FLAG);
    }
}

bool Engine::TuneQueued() {
    if (m_queue.empty()) {
        return false;
    }
    // In arrival order, or the highest priority first (max_element keeps the first of equals:
    // the longest queued).
    const auto next = m_priorityMode == 0
                          ? m_queue.begin()
                          : std::ranges::max_element(m_queue, {}, [](const Parm& queued) {
                                return queued.get(Parm::kPriority);
                            });
    const Parm channel = *next;
    m_queue.erase(next);
    Notify(WM_RADIO_FLAG);
    return Monitor(channel);
}

bool Engine::Monitor(const Parm& channel) {
    m_current = channel;
    m_setup.receiver->Tune(m_current);
    const std::uint8_t level = Listen();
    if (level == 0) {
        // The call ended before the primary came to it.
        SetPhase(Phase::Scanning);
        return false;
    }
    BeginHit(level);
    SetPhase(Phase::Signal);
    Schedule(kSampleMs);
    return true;
}

void Engine::LeadSecondary(Action action) {
    if (action != Action::Start && action != Action::Pause && action != Action::Stop) {
        return;
    }
    if (Engine* follower = Find(Registry::Get(), m_secondary)) {
        follower->Request(action);
    }
}

} // namespace hb::engine
