// The engine's work on the air: scanning at the receiver's rate, listening to a hit, and
// logging it with the DTMF characters it carried.

#include "platform/engine/Engine.h"
#include "platform/engine/EngineCodes.h"
#include "platform/engine/ToneOutput.h"
#include "platform/records/PrivateMessages.h"
#include "platform/win/core/Clock.h"

#include <algorithm>

namespace hb::engine {

namespace {

constexpr std::int64_t kDefaultHangMs = 2000; // the stay after a signal when a channel sets none

// Where the device listens now: what the engine tuned, or what the program gave it since.
std::uint32_t TunedFrequency(const Device& device, std::int64_t nowMs) {
    DeviceStatus status;
    device.FillStatus(status, nowMs);
    return status.get(DeviceStatus::kCurrentFrequency);
}

} // namespace

void Engine::StartRun() {
    m_pace.BeginRun(hb::win::NowMs());
    ScanNext();
}

std::uint8_t Engine::Listen() const {
    const std::int64_t now = hb::win::NowMs();
    const std::uint8_t level = m_setup.receiver->Signal(now);
    if (level == 0 || m_lockedIds.empty()) {
        return level;
    }
    return IsLockedOut(m_setup.receiver->CallId(now)) ? 0 : level;
}

void Engine::ScanNext() {
    if (Monitoring()) {
        // The primary of a pair listens to what its secondary heard, and waits when it heard
        // nothing.
        if (!TuneQueued()) {
            Schedule(kStepMs);
        }
        return;
    }
    const std::int64_t now = hb::win::NowMs();
    const unsigned rate = m_setup.receiver->ChannelsPerSecond();
    // With every slot locked out the engine keeps looking, so a freed slot is found again.
    const auto next = m_list.Next(m_slot, m_locks);
    if (!next) {
        const std::int64_t again = now + std::max<std::int64_t>(1, 1000 / rate);
        m_pace.BeginRun(again);
        ScheduleAt(again);
        return;
    }
    m_slot = next;
    m_current = m_list.ParmAt(*next);
    m_setup.receiver->Tune(m_current);
    const std::int64_t due = m_pace.Tuned(now, rate);
    if (const std::uint8_t level = Listen()) {
        if (m_primary == 0) {
            BeginHit(level);
            SetPhase(Phase::Signal);
            Schedule(kSampleMs);
            return;
        }
        OfferToPrimary();
    }
    ScheduleAt(due);
}

void Engine::BeginHit(std::uint8_t level) {
    const std::int64_t now = hb::win::NowMs();
    m_hit = {};
    m_hit.on = true;
    m_hit.startMs = now;
    m_hit.startTick = GetTickCount();
    m_hit.time = static_cast<std::uint32_t>(hb::win::WallTime());
    m_hit.longTime = hb::win::LongTimeNow();
    m_hit.frequency = TunedFrequency(*m_setup.receiver, now);
    m_hit.id = m_setup.receiver->CallId(now);
    if (!m_hit.id.inUse() && m_setup.toneDecodes != 0) {
        m_hit.id = HeardToneId(m_current, m_setup.toneDecodes, m_setup.toneSeed);
    }
    m_hit.lowest = m_hit.highest = level;
    AddSample(level);
}

void Engine::AddSample(std::uint8_t level) {
    ++m_hit.samples;
    m_hit.sum += level;
    m_hit.airMs += static_cast<std::uint32_t>(kSampleMs);
    m_hit.lowest = std::min(m_hit.lowest, level);
    m_hit.highest = std::max(m_hit.highest, level);
    m_hit.hangUntil = 0;
}

void Engine::Sample() {
    const std::int64_t now = hb::win::NowMs();
    const bool scanning = m_phase != Phase::Manual;
    if (const std::uint8_t level = Listen()) {
        InHit() ? AddSample(level) : BeginHit(level);
        if (scanning) {
            SetPhase(Phase::Signal);
        }
    } else if (InHit() && m_hit.hangUntil == 0) {
        const std::int16_t delay = m_current.get(Parm::Channel::kDelay);
        m_hit.hangUntil = now + (delay > 0 ? delay : kDefaultHangMs);
        if (scanning) {
            SetPhase(Phase::Hang);
        }
    } else if (InHit() && now >= m_hit.hangUntil) {
        EndHit();
        if (scanning) {
            SetPhase(Phase::Scanning);
            StartRun();
            return;
        }
    }
    Schedule(kSampleMs);
}

void Engine::EndHit() {
    if (!InHit()) {
        return;
    }
    std::string digits = m_setup.receiver->Dtmf(m_hit.startMs);
    if (digits.empty()) {
        digits = HeardDtmf(m_current, m_setup.toneDecodes, m_setup.toneSeed, m_hit.startMs);
    }
    if (!digits.empty()) {
        DtmfRecord dtmf;
        dtmf.setText(DtmfRecord::kText, digits);
        QueueDtmf(dtmf);
    }
    HistoryRecord record;
    record.set(HistoryRecord::kFrequency, m_hit.frequency);
    record.set(HistoryRecord::kObjectHandle, m_current.get(Parm::kObjectHandle));
    record.set(HistoryRecord::kTime, m_hit.time);
    record.set(HistoryRecord::kAirTime, m_hit.airMs);
    record.set(HistoryRecord::kHitNumber1, m_hit.samples);
    record.set(HistoryRecord::kHitNumber2, m_hit.sum);
    record.set(HistoryRecord::kLongTime, m_hit.longTime);
    record.set(HistoryRecord::kUserId, m_hit.id);
    record.set(HistoryRecord::kHitByte1, m_hit.lowest);
    record.set(HistoryRecord::kHitByte2, m_hit.highest);
    record.setText(HistoryRecord::kName1, m_current.text(Parm::kName));
    record.setText(HistoryRecord::kName2, "");
    record.setText(HistoryRecord::kName3, "");
    m_hit = {};
    QueueHistory(record);
}

void Engine::EnterManual(std::uint32_t object) {
    EndHit();
    const auto slot = m_list.SlotOf(object);
    if (!slot) {
        // A channel the program lacks: the engine stays where it is.
        SetPhase(Phase::Paused);
        return;
    }
    m_slot = slot;
    m_current = m_list.ParmAt(*slot);
    m_setup.receiver->Tune(m_current);
    SetPhase(Phase::Manual);
    Schedule(kSampleMs);
}

} // namespace hb::engine
