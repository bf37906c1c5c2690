// Engine life: create, command, status, reload, destroy, join, and the record queues.

#include "platform/engine/EngineApi.h"
#include "platform/engine/EngineCodes.h"
#include "platform/engine/EnginePair.h"
#include "platform/engine/OpenDevice.h"
#include "platform/engine/ProgramTable.h"
#include "platform/engine/RadioSettings.h"
#include "platform/engine/Registry.h"
#include "platform/engine/SimState.h"
#include "platform/records/DecoderModel.h"
#include "platform/records/ProgHeader.h"
#include "platform/records/StatusCodes.h"

#include <cstring>

using namespace hb::engine;
using hb::records::ProgHeader;

namespace {

std::uint16_t EntryCount(const void* program) {
    ProgHeader head;
    std::memcpy(head.data(), program, ProgHeader::kSize);
    return head.get(ProgHeader::kEntryCount);
}

void NoteProgram(Call& call, const void* program) {
    if (program != nullptr) {
        call->programEntries = EntryCount(program);
    }
}

// Checks and copies a program; the status says why there is no copy.
std::uint16_t CopyProgram(const void* program, std::uint32_t& id) {
    if (program == nullptr || EntryCount(program) == 0) {
        return hb::records::kStatusEmptyScanList;
    }
    id = ProgramTable::Get().Copy(program);
    return id != 0 ? 0 : hb::records::kStatusNotSupported;
}

std::uint16_t Create(std::string_view function, const char* name, const void* program, HWND window,
                     bool withToneReader) {
    Call call(function, 0);
    call->window = window;
    call->text = name != nullptr ? name : "";
    NoteProgram(call, program);
    if (const auto failure = std::exchange(SimState::Get().failCreate, std::nullopt)) {
        return call.Done(*failure);
    }
    if (name == nullptr) {
        return call.Done(kStatusInvalidArgument);
    }
    OpenedDevice radio = OpenDevice(name, DeviceRole::ScanningRadio);
    if (!radio.device) {
        return call.Done(radio.status);
    }
    OpenedDevice reader;
    std::uint32_t toneDecodes = 0;
    if (withToneReader) {
        if (const auto section = ToneReaderOf(SettingsFile(), name)) {
            reader = OpenDevice(*section, DeviceRole::ToneReader);
            if (!reader.device) {
                return call.Done(hb::records::kStatusDecoderFailure);
            }
            const int type = ReadRadioSection(SettingsFile(), *section).type;
            if (const auto* model = hb::records::FindDecoderModel(type & 0xFF)) {
                toneDecodes = model->decodes;
            }
        }
    }
    auto& registry = Registry::Get();
    if (!registry.HasRoom(reader.device ? 3 : 2)) {
        return call.Done(hb::records::kStatusNotSupported);
    }
    std::uint32_t programId = 0;
    if (const std::uint16_t status = CopyProgram(program, programId)) {
        return call.Done(status);
    }
    const std::uint16_t handle = registry.Allocate();
    const std::uint16_t device = registry.Allocate();
    const std::uint16_t toneDevice = reader.device ? registry.Allocate() : 0;

    Engine::Setup setup;
    setup.handle = handle;
    setup.device = device;
    setup.toneDevice = toneDevice;
    setup.toneDecodes = toneDecodes;
    setup.receiver = radio.device.get();
    setup.name = name;
    setup.stopSteps = SimState::Get().stopSteps;
    const RadioSection section = ReadRadioSection(SettingsFile(), name);
    setup.toneSeed = section.seed;
    setup.faultSeconds = section.faultSeconds;
    setup.faultKinds = section.faultKinds;
    setup.notify = [handle](UINT message, WPARAM wParam, LPARAM lParam) {
        Registry::Get().Post(handle, message, wParam, lParam);
    };
    registry.AddDevice(device, {std::move(radio.device), window, handle, {}});
    if (reader.device) {
        registry.AddDevice(toneDevice, {std::move(reader.device), window, handle, {}});
    }
    registry.AddEngine(handle, {std::make_unique<Engine>(std::move(setup), programId), {}});
    call->handle = handle;
    return call.Done(handle);
}

Engine* FindEngine(std::uint16_t handle) {
    EngineSlot* slot = Registry::Get().FindEngine(handle);
    return slot != nullptr ? slot->engine.get() : nullptr;
}

template <class Record, class Take>
std::uint16_t TakeRecord(std::string_view function, std::uint16_t handle, void* buffer, Take take) {
    Call call(function, handle);
    Engine* engine = FindEngine(handle);
    if (engine == nullptr) {
        return call.Done(kStatusInvalidHandle);
    }
    if (buffer == nullptr) {
        return call.Done(kStatusInvalidArgument);
    }
    Record record;
    if (!(engine->*take)(record)) {
        return call.Done(kStatusNoRecord);
    }
    std::memcpy(buffer, record.data(), Record::kSize);
    return call.Done(0);
}

} // namespace

extern "C" {

std::uint16_t scan_create_single_engine(const char* name, const void* program, HWND window,
                                        std::uint32_t) {
    return Create("scan_create_single_engine", name, program, window, false);
}

std::uint16_t scan_create_single_tone(const char* name, const void* program, HWND window,
                                      std::uint32_t) {
    return Create("scan_create_single_tone", name, program, window, true);
}

std::uint16_t scan_engine_command(std::uint16_t handle, const EngineCommandRecord* record) {
    Call call("scan_engine_command", handle);
    if (record != nullptr) {
        call->command = *record;
    }
    if (const auto failure = call.ScriptedFailure()) {
        return call.Done(*failure);
    }
    Engine* engine = FindEngine(handle);
    if (engine == nullptr) {
        return call.Done(kStatusInvalidHandle);
    }
    if (record == nullptr) {
        return call.Done(kStatusInvalidArgument);
    }
    engine->Command(*record);
    return call.Done(0);
}

std::uint16_t scan_engine_status(std::uint16_t handle, void* buffer) {
    Call call("scan_engine_status", handle);
    if (const auto failure = call.ScriptedFailure()) {
        return call.Done(*failure);
    }
    EngineSlot* slot = Registry::Get().FindEngine(handle);
    if (slot == nullptr) {
        return call.Done(kStatusInvalidHandle);
    }
    if (buffer == nullptr) {
        return call.Done(kStatusInvalidArgument);
    }
    EngineStatus status;
    slot->engine->FillStatus(status);
    WriteStatus(status.bytes(), slot->patches, buffer);
    return call.Done(0);
}

std::uint16_t scan_reload_engine(std::uint16_t handle, const void* program) {
    Call call("scan_reload_engine", handle);
    NoteProgram(call, program);
    if (const auto failure = call.ScriptedFailure()) {
        return call.Done(*failure);
    }
    Engine* engine = FindEngine(handle);
    if (engine == nullptr) {
        return call.Done(kStatusInvalidHandle);
    }
    std::uint32_t programId = 0;
    if (const std::uint16_t status = CopyProgram(program, programId)) {
        return call.Done(status);
    }
    engine->Reload(programId);
    return call.Done(0);
}

std::uint16_t scan_destroy_engine(std::uint16_t handle) {
    Call call("scan_destroy_engine", handle);
    if (const auto failure = call.ScriptedFailure()) {
        return call.Done(*failure);
    }
    if (Registry::Get().FindEngine(handle) == nullptr) {
        return call.Done(kStatusInvalidHandle);
    }
    Registry::Get().DestroyEngine(handle);
    return call.Done(0);
}

std::uint16_t scan_engine_join(std::uint16_t handle, std::uint16_t other) {
    Call call("scan_engine_join", handle);
    call->value = other;
    auto& registry = Registry::Get();
    if (registry.FindEngine(handle) == nullptr ||
        (other != 0 && (other == handle || registry.FindEngine(other) == nullptr))) {
        return call.Done(kStatusInvalidHandle);
    }
    // No other engine: the engine leaves its pair.
    other == 0 ? UnjoinEngine(registry, handle) : JoinEngines(registry, handle, other);
    return call.Done(0);
}

std::uint16_t scan_get_history(std::uint16_t handle, void* record) {
    return TakeRecord<HistoryRecord>("scan_get_history", handle, record, &Engine::TakeHistory);
}

std::uint16_t scan_get_dtmf(std::uint16_t handle, void* record) {
    return TakeRecord<DtmfRecord>("scan_get_dtmf", handle, record, &Engine::TakeDtmf);
}

const void* scan_program_from_id(std::uint32_t id) {
    Call call("scan_program_from_id", 0);
    call->value = id;
    const auto copy = ProgramTable::Get().Find(id);
    call.Done(copy.empty() ? kStatusNoRecord : 0);
    return copy.empty() ? nullptr : copy.data();
}

} // extern "C"
