#include "platform/engine/EngineTone.h"

#include "platform/engine/Registry.h"
#include "platform/records/ToneReport.h"
#include "platform/win/core/Window.h"

#include <cstring>

namespace hb::engine {

using hb::records::ToneReport;

std::uint16_t TakeToneReport(Call& call, std::uint16_t toneDevice, const void* block) {
    Registry& registry = Registry::Get();
    const DeviceSlot* device = registry.FindDevice(toneDevice);
    EngineSlot* owner = device ? registry.FindEngine(device->owner) : nullptr;
    if (!owner || owner->engine->toneDevice() != toneDevice) {
        return call.Done(kStatusInvalidHandle);
    }
    if (block == nullptr) {
        return call.Done(kStatusInvalidArgument);
    }
    ToneReport report;
    std::memcpy(report.data(), block, ToneReport::kSize);
    call->window = hb::win::HwndFromParam(report.get(ToneReport::kWindow));
    call->text = report.text(ToneReport::kDigits);
    const UserId id = report.get(ToneReport::kId);
    if (id.inUse()) {
        owner->engine->ShowToneId(id);
    }
    return call.Done(0);
}

void Engine::ShowToneId(const UserId& id) {
    m_hit.id = id;
}

} // namespace hb::engine
