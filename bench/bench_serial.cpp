// A memory read across a pseudo-terminal from a simulated radio paced like a wire: the time is
// the wire time of the line and its reply at the baud rate, plus what the port, the device thread
// and the message loop add.

#include "platform/engine/EngineApi.h"
#include "platform/engine/EngineSim.h"
#include "platform/engine/sim/SimMemoryRadio.h"
#include "platform/engine/sim/SimRadioHost.h"
#include "platform/records/DeviceStatus.h"
#include "platform/win/Windows.h"
#include "platform/win/core/MessageLoop.h"
#include "platform/win/core/Reset.h"
#include "platform/win/store/PrivateProfile.h"

#include <benchmark/benchmark.h>

namespace {

using hb::engine::EngineSim;
using hb::records::DeviceStatus;

constexpr const char* kSettings = "/virtual/BenchSerial.ini";

bool Busy(std::uint16_t device) {
    DeviceStatus status;
    return scan_device_status(device, status.data()) == 0 && status.get(DeviceStatus::kBusy) != 0;
}

void MemoryReadOverAPort(benchmark::State& state) {
    const auto baud = static_cast<unsigned>(state.range(0));
    EngineSim::Reset();
    hb::win::ResetForTests();
    hb::win::UseRealClock();
    hb::win::ini::ResetForTests();
    auto host = hb::engine::sim::SimRadioHost::Start(
        std::make_unique<hb::engine::sim::SimMemoryRadio>(74), {baud, true});
    if (!host) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    hb::win::ini::Seed(kSettings, "[Radios]\nRadio#1=Bench\n[Bench]\nType=74\nPort=" +
                                      host->SlavePath() + "\nBaud=" + std::to_string(baud) + "\n");
    EngineSim::SetSettingsFile(kSettings);
    const std::uint16_t device = scan_open_device("Bench", HWND{}, 0);
    if ((device & 0x8000) != 0) {
        state.SkipWithError("the port does not open");
        return;
    }
    parm asking;
    asking.set(parm::kMemoryChannel, 7);
    for (auto _ : state) {
        scan_device_mem_read(device, &asking);
        hb::win::RunNestedLoop([device] { return Busy(device); });
    }
    scan_close_device(device);
    EngineSim::Reset();
}
BENCHMARK(MemoryReadOverAPort)->Arg(9600)->Arg(115200)->Unit(benchmark::kMillisecond);

} // namespace
