#include "platform/engine/OpenDevice.h"

#include "platform/engine/RadioSettings.h"
#include "platform/engine/SimReceiver.h"
#include "platform/engine/SimState.h"
#include "platform/records/StatusCodes.h"

namespace hb::engine {

OpenedDevice OpenDevice(const std::string& section, DeviceRole role) {
    const auto& makers = SimState::Get().deviceMakers;
    if (const auto maker = makers.find(section); maker != makers.end()) {
        return {maker->second(), 0};
    }
    RadioSection radio = ReadRadioSection(SettingsFile(), section);
    const bool known =
        role == DeviceRole::Radio ? IsKnownRadioType(radio.type) : IsKnownDecoderType(radio.type);
    if (!known || !IsSimulatedPort(radio.port)) {
        return {nullptr, hb::records::kStatusNotSupported};
    }
    BandActivity activity(radio.seed, std::move(radio.busy), std::move(radio.dtmf));
    return {std::make_unique<SimReceiver>(section, std::move(activity), radio.rate), 0};
}

} // namespace hb::engine
