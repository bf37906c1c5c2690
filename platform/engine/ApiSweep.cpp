// Sweeps: the simulated devices take a sweep but deliver no readings and no blocks.

#include "platform/engine/DeviceCalls.h"
#include "platform/engine/EngineApi.h"

using namespace hb::engine;

extern "C" {

std::uint16_t scan_spectrum(std::uint16_t handle, const parm* record) {
    return WithInput("scan_spectrum", handle, RequestKind::Spectrum, record);
}

std::uint16_t span_get_data(std::uint16_t handle, SpanPoint* point) {
    Call call("span_get_data", handle);
    return Forward(call, handle, {RequestKind::SpanData, nullptr, 0, nullptr}, point != nullptr);
}

std::uint32_t span_get_block(std::uint16_t handle, void* buffer, std::uint32_t) {
    Call call("span_get_block", handle);
    return Forward(call, handle, {RequestKind::SpanBlock, nullptr, 0, nullptr}, buffer != nullptr);
}

std::uint32_t span_get_block_size(std::uint16_t handle, std::uint32_t) {
    return Plain("span_get_block_size", handle, RequestKind::SpanBlockSize);
}

} // extern "C"
