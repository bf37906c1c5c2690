#include "platform/engine/OpenDevice.h"

#include "platform/engine/RadioSettings.h"
#include "platform/engine/SimReceiver.h"
#include "platform/engine/SimState.h"
#include "platform/engine/SimTrunkScanner.h"
#include "platform/engine/device/LinkSettings.h"
#include "platform/engine/serial/SerialDevice.h"
#include "platform/engine/serial/SerialLink.h"
#include "platform/engine/sim/SimLink.h"
#include "platform/engine/sim/SimRadios.h"
#include "platform/records/StatusCodes.h"

namespace hb::engine {

namespace {

// The capability bits of the trunk-tracking radios of the model table.
constexpr std::uint32_t kTrunkCaps = 0x80 | 0x100;

} // namespace

OpenedDevice OpenDevice(const std::string& section, DeviceRole role) {
    const auto& makers = SimState::Get().deviceMakers;
    if (const auto maker = makers.find(section); maker != makers.end()) {
        return {maker->second(), 0};
    }
    RadioSection radio = ReadRadioSection(SettingsFile(), section);
    const bool known = role == DeviceRole::ToneReader ? IsKnownDecoderType(radio.type)
                                                      : IsKnownRadioType(radio.type);
    if (!known) {
        return {nullptr, hb::records::kStatusNotSupported};
    }
    const auto type = static_cast<std::uint8_t>(radio.type);
    const LinkSettings settings = ReadLinkSettings(SettingsFile(), section);
    if (IsSimulatedPort(radio.port)) {
        auto link = std::make_unique<sim::SimLink>(
            sim::RadioNamed(section), settings.baud != 0 ? settings.baud : kDefaultBaud);
        BandActivity activity(radio.seed, std::move(radio.busy), std::move(radio.dtmf));
        const hb::records::RadioModel* model = hb::records::FindRadioModel(type);
        if (model && (model->caps1 & kTrunkCaps) != 0) {
            return {std::make_unique<SimTrunkScanner>(
                        section, std::move(activity), radio.rate, type, std::move(link),
                        settings.replyTimeoutMs, model->organisation, radio.seed,
                        radio.talkgroups.value_or(std::vector<std::uint32_t>{})),
                    0};
        }
        return {std::make_unique<SimReceiver>(section, std::move(activity), radio.rate, type,
                                              std::move(link), settings.replyTimeoutMs),
                0};
    }
    if (role != DeviceRole::Radio || !IsSerialPort(radio.port)) {
        return {nullptr, hb::records::kStatusNotSupported};
    }
    auto opened = SerialPort::Open(radio.port, settings.baud);
    if (!opened.port) {
        return {nullptr, opened.status};
    }
    return {std::make_unique<SerialDevice>(section, type,
                                           std::make_unique<SerialLink>(std::move(opened.port)),
                                           settings.replyTimeoutMs),
            0};
}

} // namespace hb::engine
