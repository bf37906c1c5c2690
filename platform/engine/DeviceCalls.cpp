#include "platform/engine/DeviceCalls.h"

#include "platform/engine/EngineCodes.h"
#include "platform/engine/Registry.h"
#include "platform/records/PrivateMessages.h"

namespace hb::engine {

std::uint16_t Forward(Call& call, std::uint16_t handle, const Request& request,
                      bool argumentsGiven) {
    DeviceSlot* slot = Registry::Get().FindDevice(handle);
    if (slot == nullptr) {
        return call.Done(kStatusInvalidHandle);
    }
    if (!argumentsGiven) {
        return call.Done(kStatusInvalidArgument);
    }
    SimState& sim = SimState::Get();
    if (const auto failure = std::exchange(sim.failRequest, std::nullopt)) {
        return call.Done(*failure);
    }
    if (request.kind == RequestKind::VfoFastWrite && sim.vfoResult != 0) {
        return call.Done(sim.vfoResult);
    }
    const Reply reply = slot->device->Handle(request);
    if (reply.changed) {
        Registry::Get().Post(handle, WM_RADIO_STATUS);
    }
    return call.Done(static_cast<std::uint16_t>(reply.status));
}

std::uint16_t Plain(std::string_view function, std::uint16_t handle, RequestKind kind,
                    std::uint32_t value) {
    Call call(function, handle);
    call->value = value;
    return Forward(call, handle, {kind, nullptr, value, nullptr});
}

std::uint16_t WithRecord(std::string_view function, std::uint16_t handle, RequestKind kind,
                         parm* record) {
    Call call(function, handle);
    if (record != nullptr) {
        call->record = *record;
    }
    return Forward(call, handle, {kind, record, 0, nullptr}, record != nullptr);
}

std::uint16_t WithInput(std::string_view function, std::uint16_t handle, RequestKind kind,
                        const parm* record) {
    if (record == nullptr) {
        return WithRecord(function, handle, kind, nullptr);
    }
    parm copy = *record;
    return WithRecord(function, handle, kind, &copy);
}

std::uint16_t WithLevel(std::string_view function, std::uint16_t handle, RequestKind kind,
                        const std::uint32_t* value) {
    Call call(function, handle);
    if (value != nullptr) {
        call->value = *value;
    }
    return Forward(call, handle, {kind, nullptr, value != nullptr ? *value : 0, nullptr},
                   value != nullptr);
}

} // namespace hb::engine
