#include "platform/engine/sim/SimRadios.h"

#include "platform/engine/FamilyTable.h"
#include "platform/engine/RadioSettings.h"
#include "platform/engine/SimState.h"
#include "platform/engine/device/LinkSettings.h"
#include "platform/engine/sim/SimMemoryRadio.h"
#include "platform/engine/sim/SimTextRadio.h"

#include <algorithm>

namespace hb::engine::sim {

bool RegisterSimRadio(std::span<const std::uint8_t> types, SimRadioMaker maker) {
    return FamilyTable<SimRadioMaker>::Shared().Add(types, maker);
}

bool IsCommandFamilyType(std::uint8_t type) {
    static constexpr std::uint8_t kFamilyTypes[] = {17, 35, 43, 45, 51, 63, 64,
                                                    70, 71, 89, 90, 91, 92, 99};
    return std::ranges::find(kFamilyTypes, type) != std::end(kFamilyTypes);
}

std::unique_ptr<SimRadio> MakeRadio(std::uint8_t type) {
    if (const SimRadioMaker maker = FamilyTable<SimRadioMaker>::Shared().Find(type)) {
        return maker(type);
    }
    if (IsCommandFamilyType(type)) {
        return std::make_unique<SimTextRadio>();
    }
    return std::make_unique<SimMemoryRadio>(type);
}

SimRadio& RadioNamed(const std::string& name) {
    auto& radios = SimState::Get().radios;
    auto& radio = radios[name];
    if (!radio) {
        const RadioSection section = ReadRadioSection(SettingsFile(), name);
        radio = MakeRadio(static_cast<std::uint8_t>(section.type));
        if (auto* memories = dynamic_cast<SimMemoryRadio*>(radio.get())) {
            memories->Fill(ReadLinkSettings(SettingsFile(), name).memories);
        }
    }
    return *radio;
}

SimRadio* FindRadio(const std::string& name) {
    const auto& radios = SimState::Get().radios;
    const auto it = radios.find(name);
    return it != radios.end() ? it->second.get() : nullptr;
}

SimMemoryRadio* FindMemoryRadio(const std::string& name) {
    return dynamic_cast<SimMemoryRadio*>(FindRadio(name));
}

} // namespace hb::engine::sim
