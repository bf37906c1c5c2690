// The front panel's hot path (reading the engine status and draining the history), and what the
// simulated engine costs per channel it scans.

#include "platform/engine/EngineApi.h"
#include "platform/engine/EngineSim.h"
#include "platform/records/DeviceStatus.h"
#include "platform/records/EngineStatus.h"
#include "platform/records/HistoryRecord.h"
#include "platform/records/ProgHeader.h"
#include "platform/win/Windows.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using hb::engine::EngineSim;
using hb::records::DeviceStatus;
using hb::records::EngineStatus;
using hb::records::ProgEntry;
using hb::records::ProgHeader;

constexpr const char* kSettings = "/virtual/Bench.ini";
constexpr std::size_t kChannels = 100;

std::vector<std::uint8_t> Program() {
    std::vector<std::uint8_t> block(hb::records::ProgEntryOffset(kChannels));
    ProgHeader head;
    head.set(ProgHeader::kBlockSize, static_cast<std::uint32_t>(block.size()));
    head.set(ProgHeader::kMagic, ProgHeader::kMagicValue);
    head.set(ProgHeader::kEntryCount, static_cast<std::uint16_t>(kChannels));
    head.copyTo(block);
    for (std::size_t i = 0; i < kChannels; ++i) {
        ProgEntry entry;
        entry.set(ProgEntry::kKind, 53530005);
        parm record;
        record.set(parm::kFrequency, static_cast<std::uint32_t>(450'000'000 + i * 12'500));
        record.set(parm::kObjectHandle, static_cast<std::uint32_t>(1000 + i));
        entry.set(ProgEntry::kParm, record);
        entry.copyTo(std::span(block).subspan(hb::records::ProgEntryOffset(i)));
    }
    return block;
}

// A fresh platform on the manual clock with one engine on a simulated radio whose settings
// section gets `options`. The engine runs as in the program: no journal, no window.
std::uint16_t FreshEngine(const char* options) {
    static std::uint16_t last = 0;
    scan_destroy_engine(last);
    hb::win::ResetForTests();
    hb::win::ini::ResetForTests();
    hb::win::ini::Seed(kSettings, std::string("[Bench]\nType=2\nPort=SIM\n") + options);
    EngineSim::SetSettingsFile(kSettings);
    const std::vector<std::uint8_t> program = Program();
    last = scan_create_single_engine("Bench", program.data(), HWND{}, 0);
    return last;
}

void EngineStatusRead(benchmark::State& state) {
    const std::uint16_t engine = FreshEngine("");
    hb::win::Advance(1000);
    std::vector<std::uint8_t> buffer(EngineStatus::kSize);
    for (auto _ : state) {
        benchmark::DoNotOptimize(scan_engine_status(engine, buffer.data()));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(buffer.size()));
}
BENCHMARK(EngineStatusRead);

// One pass of the panel's drain: the engine status, then history records until none is left.
void StatusAndHistoryDrain(benchmark::State& state) {
    const std::uint16_t engine = FreshEngine("");
    const auto perPass = static_cast<int>(state.range(0));
    std::vector<std::uint8_t> status(EngineStatus::kSize);
    HistoryRecord queued, taken;
    queued.set(HistoryRecord::kFrequency, 450'000'000);
    for (auto _ : state) {
        for (int i = 0; i < perPass; ++i) {
            EngineSim::QueueHistory(engine, queued);
        }
        scan_engine_status(engine, status.data());
        while (scan_get_history(engine, taken.data()) == 0) {
            benchmark::DoNotOptimize(taken.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * perPass);
}
BENCHMARK(StatusAndHistoryDrain)->Arg(1)->Arg(16);

// Simulated scanning: items are channels tuned, so items per second is channels per CPU second.
void ScanChannels(benchmark::State& state, const char* options) {
    const std::uint16_t engine = FreshEngine(options);
    EngineStatus status;
    scan_engine_status(engine, status.data());
    const std::uint16_t device = status.get(EngineStatus::kDeviceHandle);
    const std::int64_t hourMs = 3'600'000;
    for (auto _ : state) {
        hb::win::Advance(hourMs);
    }
    DeviceStatus deviceStatus;
    scan_device_status(device, deviceStatus.data());
    state.SetItemsProcessed(deviceStatus.get(DeviceStatus::kActivityCounterRx));
    state.counters["simulated_hours"] = static_cast<double>(state.iterations());
}
BENCHMARK_CAPTURE(ScanChannels, quiet_band, "Busy=\n")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ScanChannels, busy_band, "Seed=3\n")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ScanChannels, fast_radio, "Busy=\nRate=1000\n")->Unit(benchmark::kMillisecond);

} // namespace
