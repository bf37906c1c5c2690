#pragma once
// The open engines and devices by handle. Engines and devices share one run of handles, so a
// handle names one thing only, and a handle is never 0 or above kLastHandle.

#include "platform/engine/Device.h"
#include "platform/engine/Engine.h"
#include "platform/win/WinTypes.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <unordered_map>

namespace hb::engine {

using Patches = std::map<std::size_t, std::uint8_t>;

struct DeviceSlot {
    std::unique_ptr<Device> device;
    HWND window;             // where its notifications go
    std::uint16_t owner = 0; // the engine that opened it; 0 when opened on its own
    Patches patches;
};

struct EngineSlot {
    std::unique_ptr<Engine> engine;
    Patches patches;
};

class Registry {
public:
    static Registry& Get();

    // Whether `count` more handles are free.
    bool HasRoom(std::size_t count) const;
    // The next free handle; call HasRoom first.
    std::uint16_t Allocate();

    void AddDevice(std::uint16_t handle, DeviceSlot slot);
    void AddEngine(std::uint16_t handle, EngineSlot slot);
    DeviceSlot* FindDevice(std::uint16_t handle);
    EngineSlot* FindEngine(std::uint16_t handle);
    // The patches of an engine or a device; null when the handle names neither.
    Patches* PatchesOf(std::uint16_t handle);

    // Destroys the engine, then the devices it opened.
    void DestroyEngine(std::uint16_t handle);
    void CloseDevice(std::uint16_t handle);

    // Posts to the window of a device, or of an engine's device; nothing when there is none or
    // it is gone.
    void Post(std::uint16_t handle, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Posts to the window of the device's slot; nothing when the device is in none.
    void PostFrom(const Device* device, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    std::size_t EngineCount() const { return m_engines.size(); }
    std::size_t DeviceCount() const { return m_devices.size(); }
    template <class F>
    void ForEachEngine(F f) {
        for (auto& [handle, slot] : m_engines) {
            f(*slot.engine);
        }
    }
    void Clear();

private:
    bool InUse(std::uint16_t handle) const;

    std::unordered_map<std::uint16_t, EngineSlot> m_engines;
    std::unordered_map<std::uint16_t, DeviceSlot> m_devices;
    std::uint16_t m_next = 1;
};

// Lays the patches over a status record and copies the whole record into a caller's buffer.
void WriteStatus(std::span<std::uint8_t> record, const Patches& patches, void* buffer);

} // namespace hb::engine
