#include "platform/engine/SimReceiver.h"

#include "platform/engine/EngineCodes.h"
#include "platform/engine/Registry.h"
#include "platform/engine/sim/SimMemoryRadio.h"
#include "platform/engine/sim/SimRadios.h"
#include "platform/records/PrivateMessages.h"
#include "platform/records/RadioModel.h"
#include "platform/records/StatusCodes.h"

#include <algorithm>

namespace hb::engine {

namespace {

constexpr std::uint32_t kRoundTripMs = 100;
constexpr std::uint32_t kFeatureSweep = 0x800;

bool Sweeps(std::uint8_t type) {
    const hb::records::RadioModel* model = hb::records::FindRadioModel(type);
    return model != nullptr && (model->features & kFeatureSweep) != 0;
}

} // namespace

SimReceiver::SimReceiver(std::string name, BandActivity activity, unsigned channelsPerSecond,
                         std::uint8_t type, std::unique_ptr<Link> link, std::int64_t replyTimeoutMs)
    : m_name(std::move(name)), m_activity(std::move(activity)),
      m_rate(std::max(1u, channelsPerSecond)),
      m_path(std::make_unique<RequestPath>(
          std::move(link), type, replyTimeoutMs,
          [this] { Registry::Get().PostFrom(this, WM_RADIO_STATUS); })),
      m_sweeps(Sweeps(type)),
      m_sweep(m_name, m_activity, [this](UINT message, WPARAM wParam, LPARAM lParam) {
          Registry::Get().PostFrom(this, message, wParam, lParam);
      }) {}

void SimReceiver::Tune(const Parm& record) {
    m_tuned = record;
    m_path->ForgetRecord();
    ++m_tunings;
}

std::uint8_t SimReceiver::Signal(std::int64_t nowMs) const {
    const std::uint8_t level = m_activity.Level(m_tuned.get(Parm::kFrequency), nowMs);
    return level > m_squelch ? level : 0;
}

Reply SimReceiver::Handle(const Request& request) {
    ++m_requests;
    if (request.kind == RequestKind::Stop || request.kind == RequestKind::Break) {
        m_sweep.Stop();
    }
    if (RequestPath::Takes(request.kind)) {
        return m_path->Handle(request);
    }
    switch (request.kind) {
    case RequestKind::VfoFastWrite:
    case RequestKind::Monitor:
        Tune(*request.record);
        return {0, true};
    case RequestKind::MemToVfo:
        return RecallMemory(*request.record);
    case RequestKind::SetVolume:
        m_volume = static_cast<std::uint8_t>(request.value);
        return {};
    case RequestKind::SetSquelch:
        m_squelch = static_cast<std::uint8_t>(request.value);
        return {};
    case RequestKind::SetVsc:
        // The radio reports it in the record it is tuned to.
        m_vsc = static_cast<std::uint8_t>(request.value);
        m_tuned.set(Parm::kVscLevel, m_vsc);
        return {};
    case RequestKind::GetVolume:
        return {m_volume, false};
    case RequestKind::GetSquelch:
        return {m_squelch, false};
    case RequestKind::Spectrum:
        if (!m_sweeps) {
            return {hb::records::kStatusNotSupported, false};
        }
        return {m_sweep.Start(*request.record), false};
    case RequestKind::SpanData:
        return {m_sweep.TakeReading(*static_cast<SpanPoint*>(request.data)), false};
    case RequestKind::SpanBlock:
        return {m_sweep.TakeBlock(static_cast<std::uint8_t*>(request.data)), false};
    default:
        return {};
    }
}

// The front panel's recall reads the radio's memory as a transfer left it.
Reply SimReceiver::RecallMemory(Parm& record) const {
    const sim::SimMemoryRadio* radio = sim::FindMemoryRadio(m_name);
    const auto memory =
        radio != nullptr ? radio->Memory(record.get(Parm::kMemoryChannel)) : std::nullopt;
    if (!memory) {
        return {kStatusEmptyChannel, false};
    }
    record = *memory;
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
    status.set(DeviceStatus::kCurrentParm, m_tuned);
    m_path->Fill(status);
    status.set(DeviceStatus::kActivityCounterRx, m_tunings);
    status.set(DeviceStatus::kActivityCounterTx, m_requests);
    status.setText(DeviceStatus::kPortName, "SIM");
    status.setText(DeviceStatus::kRadioText, m_name);
}

} // namespace hb::engine
