// Sweeps: a device that can sweep measures a band and reports it to its window (SimSweep.h);
// one that cannot answers with a failure status.

#include "platform/engine/DeviceCalls.h"
#include "platform/engine/EngineApi.h"
#include "platform/engine/Registry.h"

using namespace hb::engine;

extern "C" {

std::uint16_t scan_spectrum(std::uint16_t handle, const parm* record) {
    return WithInput("scan_spectrum", handle, RequestKind::Spectrum, record);
}

std::uint16_t span_get_data(std::uint16_t handle, SpanPoint* point) {
    Call call("span_get_data", handle);
    Request request{RequestKind::SpanData, nullptr, 0, nullptr};
    request.data = point;
    return Forward(call, handle, request, point != nullptr);
}

std::uint32_t span_get_block(std::uint16_t handle, void* buffer, std::uint32_t) {
    Call call("span_get_block", handle);
    Request request{RequestKind::SpanBlock, nullptr, 0, nullptr};
    request.data = buffer;
    return Forward(call, handle, request, buffer != nullptr);
}

std::uint32_t span_get_block_size(std::uint16_t handle, std::uint32_t) {
    Call call("span_get_block_size", handle);
    DeviceSlot* slot = Registry::Get().FindDevice(handle);
    if (slot == nullptr) {
        call.Done(kStatusInvalidHandle);
        return 0;
    }
    call.Done(0);
    return slot->device->SweepBlockSize();
}

} // extern "C"
