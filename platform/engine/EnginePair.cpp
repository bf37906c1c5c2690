#include "platform/engine/EnginePair.h"

#include "platform/engine/Registry.h"
#include "platform/records/EngineStates.h"
#include "platform/records/EngineStatus.h"
#include "platform/records/PrivateMessages.h"

#include <algorithm>

namespace hb::engine {

namespace {

constexpr std::size_t kHeldLimit = EngineStatus::kParmQueue.kCount;

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
    if (secondary != m_secondary) {
        ClearHeld();
        m_secondary = secondary;
    }
}

void Engine::Follow(std::uint16_t primary) {
    if (primary == m_primary) {
        return;
    }
    m_primary = primary;
    // Whatever it was on belongs to its old role; it starts afresh in the new one.
    m_slot.reset();
    if (InHit()) {
        EndHit();
        SetPhase(Phase::Scanning);
        Schedule(m_setup.receiver->DwellMs());
    }
}

void Engine::HoldForSecondary(const Parm& channel) {
    const auto same = [&channel](const Parm& held) {
        return held.get(Parm::kFrequency) == channel.get(Parm::kFrequency) &&
               held.get(Parm::kObjectHandle) == channel.get(Parm::kObjectHandle);
    };
    if (std::ranges::any_of(m_held, same)) {
        return;
    }
    if (m_held.size() == kHeldLimit) {
        m_held.pop_front();
    }
    m_held.push_back(channel);
    m_setup.notify(WM_RADIO_FLAG);
}

void Engine::ClearHeld() {
    if (!m_held.empty()) {
        m_held.clear();
        m_setup.notify(WM_RADIO_FLAG);
    }
}

std::optional<Parm> Engine::TakeHeld() {
    if (m_held.empty()) {
        return std::nullopt;
    }
    // max_element keeps the first of equals: the longest held.
    const auto next = std::ranges::max_element(
        m_held, {}, [](const Parm& held) { return held.get(Parm::kPriority); });
    const Parm taken = *next;
    m_held.erase(next);
    m_setup.notify(WM_RADIO_FLAG);
    return taken;
}

void Engine::LeadSecondary(Action action) {
    if (action != Action::Start && action != Action::Pause && action != Action::Stop) {
        return;
    }
    if (Engine* follower = Find(Registry::Get(), m_secondary)) {
        follower->Request(action);
    }
}

bool Engine::TuneHeld() {
    Engine* leader = Find(Registry::Get(), m_primary);
    const std::optional<Parm> next = leader != nullptr ? leader->TakeHeld() : std::nullopt;
    if (!next) {
        return false;
    }
    m_current = *next;
    m_setup.receiver->Tune(m_current);
    return true;
}

} // namespace hb::engine
