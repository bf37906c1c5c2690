#pragma once
// What the engine and the API layer need of a radio device. The simulated receiver is the only
// kind so far; a new kind implements this and is chosen in OpenDevice.

#include "platform/records/DeviceStatus.h"
#include "platform/records/Parm.h"

#include <cstdint>

namespace hb::engine {

using hb::records::DeviceStatus;
using hb::records::Parm;

enum class RequestKind {
    Stop,
    WaveInterface,
    Wait,
    Break,
    VfoFastWrite,
    Control,
    Monitor,
    MemWrite,
    MemRead,
    MemToVfo,
    SetVolume,
    SetSquelch,
    SetVsc,
    GetVolume,
    GetSquelch,
    PreUpload,
    PostUpload,
    PreDownload,
    PostDownload,
    GetBankName,
    SetBankName,
    RawCommand,
    Spectrum,
    SpanData,
    SpanBlock,
    SpanBlockSize,
};

// One request as the API received it; only the fields of its kind are set.
struct Request {
    RequestKind kind = RequestKind::Stop;
    Parm* record = nullptr;
    std::uint32_t value = 0;
    const char* text = nullptr;
};

// The answer to a request: the status handed back, and whether the device's state changed so
// that its window should hear of it.
struct Reply {
    std::uint32_t status = 0;
    bool changed = false;
};

class Device {
public:
    virtual ~Device() = default;

    // Makes `record` the channel the device listens to.
    virtual void Tune(const Parm& record) = 0;
    // The signal on the tuned channel at `nowMs` on the clock; 0 while the squelch is closed.
    virtual std::uint8_t Signal(std::int64_t nowMs) const = 0;
    // How long the device listens to each channel while the engine scans.
    virtual std::int64_t DwellMs() const = 0;
    virtual Reply Handle(const Request& request) = 0;
    // Fills every field the device knows; the record arrives cleared.
    virtual void FillStatus(DeviceStatus& status, std::int64_t nowMs) const = 0;
};

} // namespace hb::engine
