#include "platform/engine/SweepSim.h"

#include "platform/engine/Registry.h"
#include "platform/engine/SimReceiver.h"

namespace hb::engine {

namespace {

SimSweep* SweepOf(std::uint16_t device) {
    DeviceSlot* slot = Registry::Get().FindDevice(device);
    auto* receiver = slot != nullptr ? dynamic_cast<SimReceiver*>(slot->device.get()) : nullptr;
    return receiver != nullptr ? &receiver->sweep() : nullptr;
}

} // namespace

void SweepSim::SetReport(std::uint16_t device, SweepReport report) {
    if (SimSweep* sweep = SweepOf(device)) {
        sweep->SetReport(report);
    }
}

void SweepSim::SetLevelFunction(std::uint16_t device, SimSweep::LevelFunction level) {
    if (SimSweep* sweep = SweepOf(device)) {
        sweep->SetLevelFunction(std::move(level));
    }
}

void SweepSim::RunSteps(std::uint16_t device, std::uint32_t count) {
    if (SimSweep* sweep = SweepOf(device)) {
        sweep->RunSteps(count);
    }
}

std::optional<SweepState> SweepSim::State(std::uint16_t device) {
    if (SimSweep* sweep = SweepOf(device)) {
        return sweep->State();
    }
    return std::nullopt;
}

} // namespace hb::engine
