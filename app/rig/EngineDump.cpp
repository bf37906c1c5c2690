#include "app/rig/EngineDump.h"

#include "platform/records/EngineStates.h"
#include "platform/tessary/model/Format.h"
#include "spectrum/ModeTables.h"

#include <array>
#include <cstdarg>
#include <cstdio>
#include <string_view>

namespace hb::app {

namespace {

using hb::records::DeviceStatus;
using hb::records::EngineStatus;
using hb::records::Parm;
using hb::records::TimerStatistics;

constexpr std::array<const char*, 5> kEngineModeNames = {"NORMAL", "SEARCH", "SLAVE", "PEER",
                                                         "MEAS"};

// The RX and TX buffers are shown by their first bytes.
constexpr std::size_t kBufferBytes = 4;
constexpr std::size_t kBufferTextWidth = 12;

const char* YesNo(std::uint8_t flag) {
    return flag != 0 ? "YES" : "NO";
}

// The wrapped 32-bit difference, as the engine's own counters would give it.
std::int32_t Difference(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

class Lines {
public:
    void Add(const char* format, ...) __attribute__((format(printf, 2, 3))) {
        std::array<char, 80> buffer{};
        va_list args;
        va_start(args, format);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        va_end(args);
        m_lines.emplace_back(buffer.data());
    }
    std::vector<std::string> Take() { return std::move(m_lines); }

private:
    std::vector<std::string> m_lines;
};

void AddFrequency(Lines& lines, const char* format, std::uint32_t hz) {
    lines.Add(format, static_cast<long>(hz / 1'000'000), static_cast<long>(hz % 1'000'000));
}

std::uint32_t ChannelsPerSecond(const EngineStatus& e) {
    const std::uint32_t count = e.get(EngineStatus::kRateCount);
    const std::uint32_t perChannel = count != 0 ? e.get(EngineStatus::kRateTime) / count : 0;
    return perChannel != 0 ? 1000 / perChannel : 0;
}

std::uint32_t ReceivedBytes(const DeviceStatus& d) {
    const std::uint32_t rx = d.get(DeviceStatus::kActivityCounterRx);
    const std::uint32_t tx = d.get(DeviceStatus::kActivityCounterTx);
    return d.get(DeviceStatus::kEchoCounted) != 0 && rx >= tx ? rx - tx : rx;
}

// The first bytes of the RX or TX buffer.
void AddBufferBytes(Lines& lines, const char* format, const DeviceStatus& d, std::size_t offset) {
    const auto bytes = d.bytes().subspan(offset, kBufferBytes);
    lines.Add(format, bytes[0], bytes[1], bytes[2], bytes[3]);
}

// The start of the RX or TX buffer as text.
void AddBufferText(Lines& lines, const char* format, const DeviceStatus& d, std::size_t offset) {
    lines.Add(format, hb::records::ReadFixedText(d.bytes(), offset, kBufferTextWidth).c_str());
}

void AddEngineLines(Lines& lines, const EngineStatus& e, const DeviceStatus& d) {
    lines.Add("Scan state:           %02u", e.get(EngineStatus::kState));
    AddFrequency(lines, "Frequency:   %4ld.%06ld", e.get(EngineStatus::kCurrentFrequency));
    AddFrequency(lines, "Device freq: %4ld.%06ld", d.get(DeviceStatus::kCurrentFrequency));
    lines.Add("Chans/sec:    %10u", ChannelsPerSecond(e));
    lines.Add("Info:   %16.16s", e.text(EngineStatus::kCurrentName).c_str());
    const std::uint8_t mode = e.get(EngineStatus::kCurrentMode);
    if (const std::string_view name = hb::spectrum::CombinedModeName(mode); !name.empty()) {
        lines.Add("Mode:             %6s", std::string(name).c_str());
    } else {
        lines.Add("Mode:             %6u", mode);
    }
    lines.Add("Engine system:    %6u", e.get(EngineStatus::kCurrentSystem));
    lines.Add("Device system:    %6u", d.get(DeviceStatus::kCurrentSystem));
    lines.Add("ID:     %16s", format_user(e.get(EngineStatus::kCurrentId)).c_str());
    lines.Add("Tick count:        %5u", e.get(EngineStatus::kCounter));
    lines.Add("Round trip:        %5u", d.get(DeviceStatus::kDelay));
    lines.Add("Device cmd state: %6u", d.get(DeviceStatus::kBusy));
    lines.Add("Device squelch: %8u", d.get(DeviceStatus::kSquelchOpen));
    lines.Add("Device RSSI:    %8u", d.get(DeviceStatus::kSignalLevel));
    lines.Add("Radio hold: %12.12s", YesNo(e.get(EngineStatus::kRadioHold)));
    lines.Add("Reader hold:%12.12s", YesNo(e.get(EngineStatus::kReaderHold)));
    lines.Add("Engine hold:%12.12s", YesNo(e.get(EngineStatus::kHold)));
    lines.Add("Engine meas stop:%7.7s", YesNo(e.get(EngineStatus::kMeasureStop)));
    lines.Add("Baud rate:      %8u", d.get(DeviceStatus::kBaudRate));
    lines.Add("TX byte count:  %8u", d.get(DeviceStatus::kActivityCounterTx));
    lines.Add("RX byte count:  %8u", ReceivedBytes(d));
    lines.Add("SIO int count:  %8u", d.get(DeviceStatus::kInterruptCount));
}

void AddTimerLines(Lines& lines, const TimerStatistics& t) {
    lines.Add("Early count:  %10d", t.get(TimerStatistics::kEarlyCount));
    lines.Add("Early total:  %10d", t.get(TimerStatistics::kEarlyTotal));
    lines.Add("Late count:   %10d", t.get(TimerStatistics::kLateCount));
    lines.Add("Late total:   %10d", t.get(TimerStatistics::kLateTotal));
    const std::int32_t error =
        Difference(t.get(TimerStatistics::kLateTotal), t.get(TimerStatistics::kEarlyTotal));
    lines.Add("Total cum err: %9d", error);
    const std::int32_t samples = t.get(TimerStatistics::kSamples);
    // In 64 bits, so that the one quotient that does not fit wraps instead of trapping.
    const auto average =
        samples != 0 ? static_cast<std::int32_t>(std::int64_t{error} / samples) : 0;
    lines.Add("Total avg err: %9d", average);
    lines.Add("Timer period: %10d", t.get(TimerStatistics::kPeriod));
}

void AddProgramLines(Lines& lines, const EngineStatus& e) {
    lines.Add("Attenuation:          %2d", e.get(EngineStatus::kCurrentAttenuator));
    lines.Add("Radio:  %16.16s", e.text(EngineStatus::kRadioText).c_str());
    lines.Add("Channel tag:  %10ld",
              static_cast<long>(static_cast<std::int32_t>(e.get(EngineStatus::kCurrentObject))));
    lines.Add("Receiver @:     %08X", e.get(EngineStatus::kReceiverId));
    lines.Add("Tone reader @:  %08X", e.get(EngineStatus::kReaderId));
    lines.Add("Program @:      %08X", e.get(EngineStatus::kProgramId));
    lines.Add("ACQ time:     %10d", static_cast<std::int32_t>(e.get(EngineStatus::kTimeStamp)));
    lines.Add("Air time:     %10d", static_cast<std::int32_t>(e.get(EngineStatus::kAirTime)));
    lines.Add("Engine handle:       %3u", e.get(EngineStatus::kEngineHandle));
    lines.Add("RCVR handle:         %3u", e.get(EngineStatus::kDeviceHandle));
    lines.Add("RDR handle:          %3u", e.get(EngineStatus::kToneDeviceHandle));
    const std::uint8_t mode = e.get(EngineStatus::kEngineMode);
    if (mode < kEngineModeNames.size()) {
        lines.Add("Engine mode:%12.12s", kEngineModeNames[mode]);
    } else {
        lines.Add("Engine mode:%12u", mode);
    }
    lines.Add("Slice index:         %3d", e.get(EngineStatus::kHitValue));
    lines.Add("Avg signal:        %5u", e.get(EngineStatus::kAverageSignal));
    lines.Add("Signal obs:   %10d", static_cast<std::int32_t>(e.get(EngineStatus::kHitNumber1)));
    lines.Add("Signal sum:   %10d", static_cast<std::int32_t>(e.get(EngineStatus::kHitNumber2)));
    lines.Add("Signal min:          %3d", e.get(EngineStatus::kHitByte1));
    lines.Add("Signal max:          %3d", e.get(EngineStatus::kHitByte2));
}

void AddDeviceLines(Lines& lines, const EngineStatus& e, const DeviceStatus& d) {
    lines.Add("Lockup time:       %5u", d.get(DeviceStatus::kCurrentLockupTime));
    lines.Add("Device flags:   %08X", d.get(DeviceStatus::kDeviceFlags));
    lines.Add("Device state:   %08X", d.get(DeviceStatus::kBusy));
    lines.Add("Device thandle: %08X", d.get(DeviceStatus::kThreadHandle));
    lines.Add("Radio:  %16.16s", d.text(DeviceStatus::kRadioText).c_str());
    lines.Add("COM handle:     %08X", d.get(DeviceStatus::kPortHandle));
    lines.Add("Port name:      %8.8s", d.text(DeviceStatus::kPortName).c_str());
    lines.Add("SIO flags:            %02x", d.get(DeviceStatus::kSerialFlags));
    lines.Add("Link control 1: %8X", d.get(DeviceStatus::kLinkControl1));
    lines.Add("Link control 2: %8X", d.get(DeviceStatus::kLinkControl2));
    constexpr std::size_t rx = DeviceStatus::kReply.kOffset;
    constexpr std::size_t tx = DeviceStatus::kTransmit.kOffset;
    AddBufferBytes(lines, "RX buffer:   %02X %02X %02X %02X", d, rx);
    AddBufferBytes(lines, "TX buffer:   %02X %02X %02X %02X", d, tx);
    AddBufferText(lines, "RX buffer:  %12.12s", d, rx);
    AddBufferText(lines, "TX buffer:  %12.12s", d, tx);
    lines.Add("ID hold:    %12.12s", YesNo(e.get(EngineStatus::kIdHold)));
}

void AddQueueLines(Lines& lines, const EngineStatus& e) {
    if (e.get(EngineStatus::kEngineMode) != hb::records::kEngineModeSlave) {
        return;
    }
    for (std::size_t k = 0; k < EngineStatus::kParmQueue.kCount; ++k) {
        const Parm entry = e.get(EngineStatus::kParmQueue, k);
        const std::string name = entry.get(Parm::kFrequency) != 0 ? entry.text(Parm::kName) : "";
        lines.Add("SQE:    %16.16s", name.c_str());
    }
}

} // namespace

std::vector<std::string> EngineDumpLines(const EngineStatus& engine, const DeviceStatus& device,
                                         const TimerStatistics& timer) {
    Lines lines;
    AddEngineLines(lines, engine, device);
    AddTimerLines(lines, timer);
    AddProgramLines(lines, engine);
    AddDeviceLines(lines, engine, device);
    AddQueueLines(lines, engine);
    return lines.Take();
}

} // namespace hb::app
