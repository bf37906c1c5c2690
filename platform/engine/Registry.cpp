#include "platform/engine/Registry.h"

#include "platform/engine/EngineCodes.h"
#include "platform/engine/EnginePair.h"
#include "platform/win/core/Messages.h"
#include "platform/win/core/Window.h"

#include <cstring>

namespace hb::engine {

Registry& Registry::Get() {
    static Registry registry;
    return registry;
}

bool Registry::InUse(std::uint16_t handle) const {
    return m_engines.contains(handle) || m_devices.contains(handle);
}

bool Registry::HasRoom(std::size_t count) const {
    return m_engines.size() + m_devices.size() + count <= kLastHandle;
}

std::uint16_t Registry::Allocate() {
    // Handles go round, so one that was just closed is not met again soon.
    while (InUse(m_next)) {
        m_next = m_next == kLastHandle ? 1 : m_next + 1;
    }
    const std::uint16_t handle = m_next;
    m_next = m_next == kLastHandle ? 1 : m_next + 1;
    return handle;
}

void Registry::AddDevice(std::uint16_t handle, DeviceSlot slot) {
    m_devices.emplace(handle, std::move(slot));
}

void Registry::AddEngine(std::uint16_t handle, EngineSlot slot) {
    m_engines.emplace(handle, std::move(slot));
}

DeviceSlot* Registry::FindDevice(std::uint16_t handle) {
    const auto it = m_devices.find(handle);
    return it == m_devices.end() ? nullptr : &it->second;
}

EngineSlot* Registry::FindEngine(std::uint16_t handle) {
    const auto it = m_engines.find(handle);
    return it == m_engines.end() ? nullptr : &it->second;
}

Patches* Registry::PatchesOf(std::uint16_t handle) {
    if (auto* engine = FindEngine(handle)) {
        return &engine->patches;
    }
    if (auto* device = FindDevice(handle)) {
        return &device->patches;
    }
    return nullptr;
}

void Registry::DestroyEngine(std::uint16_t handle) {
    UnjoinEngine(*this, handle);
    // The engine goes first: it uses its receiver to the end.
    m_engines.erase(handle);
    std::erase_if(m_devices, [handle](const auto& item) { return item.second.owner == handle; });
}

void Registry::CloseDevice(std::uint16_t handle) {
    const DeviceSlot* slot = FindDevice(handle);
    if (slot && slot->owner != 0) {
        // The caller forgets the engine along with its device, so the engine ends too.
        DestroyEngine(slot->owner);
    } else {
        m_devices.erase(handle);
    }
}

void Registry::Post(std::uint16_t handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const EngineSlot* engine = FindEngine(handle)) {
        handle = engine->engine->device();
    }
    const DeviceSlot* slot = FindDevice(handle);
    if (slot && IsWindow(slot->window)) {
        PostMessage(slot->window, message, wParam, lParam);
    }
}

void Registry::PostFrom(const Device* device, UINT message, WPARAM wParam, LPARAM lParam) {
    for (const auto& [handle, slot] : m_devices) {
        if (slot.device.get() == device && IsWindow(slot.window)) {
            PostMessage(slot.window, message, wParam, lParam);
        }
    }
}

void Registry::Clear() {
    m_engines.clear(); // before the devices the engines use
    m_devices.clear();
    m_next = 1;
}

void WriteStatus(std::span<std::uint8_t> record, const Patches& patches, void* buffer) {
    for (const auto& [offset, byte] : patches) {
        record[offset] = byte;
    }
    std::memcpy(buffer, record.data(), record.size());
}

} // namespace hb::engine
