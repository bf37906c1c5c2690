#include "platform/engine/SimReceiver.h"

#include "platform/engine/EngineCodes.h"
#include "platform/engine/SimState.h"
#include "platform/records/TextWidths.h"

#include <algorithm>

namespace hb::engine {

namespace {

constexpr std::uint32_t kRoundTripMs = 100;

} // namespace

SimReceiver::SimReceiver(std::string name, BandActivity activity, unsigned channelsPerSecond)
    : m_name(std::move(name)), m_activity(std::move(activity)),
      m_rate(std::max(1u, channelsPerSecond)) {}

void SimReceiver::Tune(const Parm& record) {
    m_tuned = record;
    ++m_tunings;
}

std::uint8_t SimReceiver::Signal(std::int64_t nowMs) const {
    return m_activity.Level(m_tuned.get(Parm::kFrequency), nowMs);
}

Reply SimReceiver::Handle(const Request& request) {
    ++m_requests;
    switch (request.kind) {
    case RequestKind::VfoFastWrite:
    case RequestKind::Monitor:
        Tune(*request.record);
        return {0, true};
    case RequestKind::MemWrite:
        return StoreMemory(*request.record);
    case RequestKind::MemToVfo:
        return RecallMemory(*request.record);
    case RequestKind::SetVolume:
        m_volume = static_cast<std::uint8_t>(request.value);
        return {};
    case RequestKind::SetSquelch:
        m_squelch = static_cast<std::uint8_t>(request.value);
        return {};
    case RequestKind::GetVolume:
        return {m_volume, false};
    case RequestKind::GetSquelch:
        return {m_squelch, false};
    case RequestKind::RawCommand:
        m_transmit.assign(request.text);
        m_transmit.resize(std::min(m_transmit.size(), hb::records::kMaxCommandLength));
        return {0, true};
    case RequestKind::SpanData:
    case RequestKind::SpanBlock:
        return {kStatusNoRecord, false};
    default:
        return {};
    }
}

Reply SimReceiver::StoreMemory(const Parm& record) {
    SimState::Get().memoryChannels[m_name][record.get(Parm::kMemoryChannel)] = record;
    return {};
}

Reply SimReceiver::RecallMemory(Parm& record) const {
    const auto& radios = SimState::Get().memoryChannels;
    const auto radio = radios.find(m_name);
    if (radio == radios.end()) {
        return {kStatusEmptyChannel, false};
    }
    const auto channel = radio->second.find(record.get(Parm::kMemoryChannel));
    if (channel == radio->second.end()) {
        return {kStatusEmptyChannel, false};
    }
    record = channel->second;
    return {};
}

void SimReceiver::TrunkCommand(const EngineCommandRecord& record) {
    m_trunkCommands[record.get(EngineCommandRecord::kCode)] = record;
}

std::string SimReceiver::Dtmf(std::int64_t atMs) const {
    return m_activity.Dtmf(m_tuned.get(Parm::kFrequency), atMs);
}

void SimReceiver::FillStatus(DeviceStatus& status, std::int64_t nowMs) const {
    const std::uint8_t level = Signal(nowMs);
    status.set(DeviceStatus::kDelay, kRoundTripMs);
    status.set(DeviceStatus::kSquelchOpen, level != 0 ? 1 : 0);
    status.set(DeviceStatus::kSignalLevel, level);
    status.setText(DeviceStatus::kTransmit, m_transmit);
    status.set(DeviceStatus::kCurrentParm, m_tuned);
    status.set(DeviceStatus::kActivityCounterRx, m_tunings);
    status.set(DeviceStatus::kActivityCounterTx, m_requests);
    status.setText(DeviceStatus::kPortName, "SIM");
    status.setText(DeviceStatus::kRadioText, m_name);
}

} // namespace hb::engine
