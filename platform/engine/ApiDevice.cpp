// Devices: open, close, status, notify window, and the requests, each forwarded to the device.

#include "platform/engine/DeviceCalls.h"
#include "platform/engine/EngineApi.h"
#include "platform/engine/EngineCodes.h"
#include "platform/engine/OpenDevice.h"
#include "platform/engine/Registry.h"
#include "platform/engine/SimState.h"
#include "platform/records/StatusCodes.h"
#include "platform/win/core/Clock.h"

using namespace hb::engine;

extern "C" {

std::uint16_t scan_open_device(const char* name, HWND window, std::uint32_t) {
    Call call("scan_open_device", 0);
    call->window = window;
    call->text = name != nullptr ? name : "";
    if (const auto failure = std::exchange(SimState::Get().failOpen, std::nullopt)) {
        return call.Done(*failure);
    }
    if (name == nullptr) {
        return call.Done(kStatusInvalidArgument);
    }
    OpenedDevice opened = OpenDevice(name, DeviceRole::Radio);
    if (!opened.device) {
        return call.Done(opened.status);
    }
    auto& registry = Registry::Get();
    if (!registry.HasRoom(1)) {
        return call.Done(hb::records::kStatusNotSupported);
    }
    const std::uint16_t handle = registry.Allocate();
    registry.AddDevice(handle, {std::move(opened.device), window, 0, {}});
    call->handle = handle;
    return call.Done(handle);
}

std::uint16_t scan_close_device(std::uint16_t handle) {
    Call call("scan_close_device", handle);
    if (Registry::Get().FindDevice(handle) == nullptr) {
        return call.Done(kStatusInvalidHandle);
    }
    Registry::Get().CloseDevice(handle);
    return call.Done(0);
}

std::uint16_t scan_device_status(std::uint16_t handle, void* buffer) {
    Call call("scan_device_status", handle);
    if (const auto failure = call.ScriptedFailure()) {
        return call.Done(*failure);
    }
    DeviceSlot* slot = Registry::Get().FindDevice(handle);
    if (slot == nullptr) {
        return call.Done(kStatusInvalidHandle);
    }
    if (buffer == nullptr) {
        return call.Done(kStatusInvalidArgument);
    }
    DeviceStatus status;
    slot->device->FillStatus(status, hb::win::NowMs());
    slot->device->StatusRead();
    WriteStatus(status.bytes(), slot->patches, buffer);
    // The record still tells what was last known when the link has gone.
    return call.Done(slot->device->LinkStatus());
}

std::uint16_t scan_device_hwnd(std::uint16_t handle, HWND window) {
    Call call("scan_device_hwnd", handle);
    call->window = window;
    DeviceSlot* slot = Registry::Get().FindDevice(handle);
    if (slot == nullptr) {
        return call.Done(kStatusInvalidHandle);
    }
    slot->window = window;
    return call.Done(0);
}

std::uint16_t scan_device_stop(std::uint16_t handle) {
    return Plain("scan_device_stop", handle, RequestKind::Stop);
}

std::uint16_t scan_device_wave_interface(std::uint16_t handle, scan_wave_callback, void*) {
    return Plain("scan_device_wave_interface", handle, RequestKind::WaveInterface);
}

std::uint16_t scan_device_wait(std::uint16_t handle) {
    return Plain("scan_device_wait", handle, RequestKind::Wait);
}

std::uint16_t scan_device_break(std::uint16_t handle) {
    return Plain("scan_device_break", handle, RequestKind::Break);
}

std::uint16_t scan_device_vfo_fast_write(std::uint16_t handle, const parm* record) {
    return WithInput("scan_device_vfo_fast_write", handle, RequestKind::VfoFastWrite, record);
}

std::uint16_t scan_device_control(std::uint16_t handle, std::uint32_t control) {
    return Plain("scan_device_control", handle, RequestKind::Control, control);
}

std::uint16_t scan_device_monitor(std::uint16_t handle, const parm* record) {
    return WithInput("scan_device_monitor", handle, RequestKind::Monitor, record);
}

std::uint16_t scan_device_mem_write(std::uint16_t handle, const parm* record) {
    return WithInput("scan_device_mem_write", handle, RequestKind::MemWrite, record);
}

std::uint16_t scan_device_mem_read(std::uint16_t handle, const parm* record) {
    return WithInput("scan_device_mem_read", handle, RequestKind::MemRead, record);
}

std::uint16_t scan_device_mem_to_vfo(std::uint16_t handle, parm* record) {
    return WithRecord("scan_device_mem_to_vfo", handle, RequestKind::MemToVfo, record);
}

std::uint16_t scan_device_set_volume(std::uint16_t handle, const std::uint32_t* value) {
    return WithLevel("scan_device_set_volume", handle, RequestKind::SetVolume, value);
}

std::uint16_t scan_device_set_squelch(std::uint16_t handle, const std::uint32_t* value) {
    return WithLevel("scan_device_set_squelch", handle, RequestKind::SetSquelch, value);
}

std::uint16_t scan_device_set_vsc(std::uint16_t handle, std::uint32_t value) {
    return Plain("scan_device_set_vsc", handle, RequestKind::SetVsc, value);
}

std::uint16_t scan_device_get_volume(std::uint16_t handle) {
    return Plain("scan_device_get_volume", handle, RequestKind::GetVolume);
}

std::uint16_t scan_device_get_squelch(std::uint16_t handle) {
    return Plain("scan_device_get_squelch", handle, RequestKind::GetSquelch);
}

std::uint16_t scan_device_pre_upload(std::uint16_t handle, parm* record) {
    return WithRecord("scan_device_pre_upload", handle, RequestKind::PreUpload, record);
}

std::uint16_t scan_device_post_upload(std::uint16_t handle, parm* record) {
    return WithRecord("scan_device_post_upload", handle, RequestKind::PostUpload, record);
}

std::uint16_t scan_device_pre_download(std::uint16_t handle, parm* record) {
    return WithRecord("scan_device_pre_download", handle, RequestKind::PreDownload, record);
}

std::uint16_t scan_device_post_download(std::uint16_t handle, parm* record) {
    return WithRecord("scan_device_post_download", handle, RequestKind::PostDownload, record);
}

std::uint16_t scan_device_get_bank_name(std::uint16_t handle, parm* record) {
    return WithRecord("scan_device_get_bank_name", handle, RequestKind::GetBankName, record);
}

std::uint16_t scan_device_set_bank_name(std::uint16_t handle, const parm* record) {
    return WithInput("scan_device_set_bank_name", handle, RequestKind::SetBankName, record);
}

std::uint16_t scan_device_raw_command(std::uint16_t handle, const char* command) {
    Call call("scan_device_raw_command", handle);
    call->text = command != nullptr ? command : "";
    return Forward(call, handle, {RequestKind::RawCommand, nullptr, 0, command},
                   command != nullptr);
}

} // extern "C"
