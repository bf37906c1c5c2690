#include "platform/engine/OpenDevice.h"

#include "platform/engine/RadioSettings.h"
#include "platform/engine/SimReceiver.h"
#include "platform/records/StatusCodes.h"

namespace hb::engine {

OpenedDevice OpenDevice(const std::string& section, DeviceRole role) {
    RadioSection radio = ReadRadioSection(SettingsFile(), section);
    const bool known =
        role == DeviceRole::Radio ? IsKnownRadioType(radio.type) : IsKnownDecoderType(radio.type);
    if (!known || !IsSimulatedPort(radio.port)) {
        return {nullptr, hb::records::kStatusNotSupported};
    }
    BandActivity activity(radio.seed, std::move(radio.busy));
    return {std::make_unique<SimReceiver>(section, std::move(activity), radio.rate), 0};
}

} // namespace hb::engine
