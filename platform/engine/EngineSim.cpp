#include "platform/engine/EngineSim.h"

#include "platform/engine/EngineCodes.h"
#include "platform/engine/ProgramTable.h"
#include "platform/engine/RadioSettings.h"
#include "platform/engine/Registry.h"
#include "platform/engine/SimState.h"
#include "platform/records/StatusCodes.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/Scheduler.h"

#include <algorithm>

namespace hb::engine {

namespace {

Engine* EngineOf(std::uint16_t handle, const char* what) {
    if (EngineSlot* slot = Registry::Get().FindEngine(handle)) {
        return slot->engine.get();
    }
    hb::win::ReportFailure(std::string("EngineSim::") + what + ": no engine " +
                           std::to_string(handle));
    return nullptr;
}

std::optional<std::uint16_t> FailureOnly(std::uint16_t status, const char* what) {
    if (!hb::records::IsFailureStatus(status)) {
        hb::win::ReportFailure(std::string("EngineSim::") + what + ": " + std::to_string(status) +
                               " is not a failure status");
        return std::nullopt;
    }
    return status;
}

} // namespace

void EngineSim::Reset() {
    Registry::Get().Clear();
    ProgramTable::Get().Clear();
    SetSettingsFile({});
    SimState::Get() = SimState{};
    SimState::Get().journalOn = true;
}

void EngineSim::SetSettingsFile(std::string path) {
    hb::engine::SetSettingsFile(std::move(path));
}

void EngineSim::SetState(std::uint16_t engine, std::uint8_t state) {
    if (Engine* e = EngineOf(engine, "SetState")) {
        e->HoldState(state);
    }
}

void EngineSim::PatchStatus(std::uint16_t handle, std::size_t offset,
                            std::span<const std::uint8_t> bytes) {
    Registry& registry = Registry::Get();
    Patches* patches = registry.PatchesOf(handle);
    const std::size_t size =
        registry.FindEngine(handle) != nullptr ? EngineStatus::kSize : DeviceStatus::kSize;
    if (patches == nullptr || offset > size || bytes.size() > size - offset) {
        hb::win::ReportFailure("EngineSim::PatchStatus: no engine or device " +
                               std::to_string(handle) + " with a byte at " +
                               std::to_string(offset + bytes.size() - 1));
        return;
    }
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        (*patches)[offset + i] = bytes[i];
    }
}

void EngineSim::PatchStatus(std::uint16_t handle, std::size_t offset, std::uint8_t byte) {
    PatchStatus(handle, offset, std::span<const std::uint8_t>(&byte, 1));
}

void EngineSim::QueueHistory(std::uint16_t engine, const HistoryRecord& record) {
    if (Engine* e = EngineOf(engine, "QueueHistory")) {
        e->QueueHistory(record);
    }
}

void EngineSim::QueueDtmf(std::uint16_t engine, const DtmfRecord& record) {
    if (Engine* e = EngineOf(engine, "QueueDtmf")) {
        e->QueueDtmf(record);
    }
}

void EngineSim::PostMessage(std::uint16_t handle, UINT message, WPARAM wParam, LPARAM lParam,
                            unsigned afterSteps) {
    if (afterSteps == 0) {
        Registry::Get().Post(handle, message, wParam, lParam);
        return;
    }
    hb::win::ScheduleAfter(
        afterSteps * kStepMs, [=] { Registry::Get().Post(handle, message, wParam, lParam); },
        "engine script");
}

void EngineSim::SetStopSteps(std::optional<unsigned> steps) {
    SimState::Get().stopSteps = steps;
    Registry::Get().ForEachEngine([steps](Engine& engine) { engine.SetStopSteps(steps); });
}

void EngineSim::SetStopSteps(std::uint16_t engine, std::optional<unsigned> steps) {
    if (Engine* e = EngineOf(engine, "SetStopSteps")) {
        e->SetStopSteps(steps);
    }
}

void EngineSim::UseDevice(std::string section, std::function<std::unique_ptr<Device>()> make) {
    SimState::Get().deviceMakers[std::move(section)] = std::move(make);
}

void EngineSim::FailNextCreate(std::uint16_t status) {
    SimState::Get().failCreate = FailureOnly(status, "FailNextCreate");
}

void EngineSim::FailNextOpen(std::uint16_t status) {
    SimState::Get().failOpen = FailureOnly(status, "FailNextOpen");
}

void EngineSim::FailNextRequest(std::uint16_t status) {
    SimState::Get().failRequest = status;
}

void EngineSim::FailNext(std::string_view function, std::uint16_t status) {
    static constexpr std::string_view kFailable[] = {"scan_engine_status", "scan_device_status",
                                                     "scan_engine_command", "scan_reload_engine",
                                                     "scan_destroy_engine"};
    if (std::ranges::find(kFailable, function) == std::end(kFailable)) {
        hb::win::ReportFailure("EngineSim::FailNext: " + std::string(function) +
                               " cannot be failed");
        return;
    }
    if (const auto failure = FailureOnly(status, "FailNext")) {
        SimState::Get().failNext[std::string(function)] = *failure;
    }
}

void EngineSim::SetVfoFastWriteResult(std::uint16_t status) {
    SimState::Get().vfoResult = status;
}

void EngineSim::SetTimerStatistics(const hb::records::TimerStatistics& statistics) {
    SimState::Get().timerStatistics = statistics;
}

void EngineSim::ExpectMessage(std::uint32_t number, int answer) {
    SimState::Get().expectedMessages.push_back({number, answer});
}

std::vector<std::uint32_t> EngineSim::UnansweredMessages() {
    std::vector<std::uint32_t> numbers;
    for (const auto& expected : SimState::Get().expectedMessages) {
        numbers.push_back(expected.number);
    }
    return numbers;
}

const std::vector<EngineMessage>& EngineSim::Messages() {
    return SimState::Get().messages;
}

const std::vector<EngineAlarm>& EngineSim::Alarms() {
    return SimState::Get().alarms;
}

const std::optional<ProductInfo>& EngineSim::Product() {
    return SimState::Get().product;
}

void EngineSim::SetConfigVerdict(std::optional<std::uint16_t> verdict) {
    SimState::Get().configVerdict = verdict;
}

void EngineSim::AddComPort(std::string port) {
    SimState::Get().comPorts.push_back(std::move(port));
}

void EngineSim::SetSerialDeviceFolder(std::string folder) {
    SimState::Get().serialFolder = std::move(folder);
}

const std::vector<EngineCall>& EngineSim::Journal() {
    return SimState::Get().journal;
}

std::vector<EngineCall> EngineSim::Calls(std::string_view function) {
    std::vector<EngineCall> calls;
    std::ranges::copy_if(SimState::Get().journal, std::back_inserter(calls),
                         [function](const EngineCall& call) { return call.function == function; });
    return calls;
}

void EngineSim::ClearJournal() {
    SimState::Get().journal.clear();
}

std::size_t EngineSim::EngineCount() {
    return Registry::Get().EngineCount();
}

std::size_t EngineSim::DeviceCount() {
    return Registry::Get().DeviceCount();
}

std::size_t EngineSim::ProgramCount() {
    return ProgramTable::Get().size();
}

} // namespace hb::engine
