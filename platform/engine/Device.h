#pragma once
// What the engine and the API layer need of a radio device: the simulated receiver, or a radio on
// a serial port; a new kind implements this and is chosen in OpenDevice.

#include "platform/records/DeviceStatus.h"
#include "platform/records/EngineCommandRecord.h"
#include "platform/records/Parm.h"
#include "platform/records/UserId.h"

#include <cstdint>
#include <string>

namespace hb::engine {

using hb::records::DeviceStatus;
using hb::records::Parm;
using hb::records::UserId;

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
    void* data = nullptr; // the caller's sweep reading or block buffer
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
    // How many channels a second the engine tunes while it scans (at least 1).
    virtual unsigned ChannelsPerSecond() const = 0;
    virtual Reply Handle(const Request& request) = 0;
    // A trunk-tracker command the engine hands on unchanged (codes 27, 31, 32, 34 to 39).
    virtual void TrunkCommand(const EngineCommandRecord& record) = 0;
    // The ID of the call on the tuned channel at `nowMs`; all zero when the call carries none.
    virtual UserId CallId(std::int64_t) const { return {}; }
    // The DTMF characters sent with the transmission on the tuned channel that was on the air at
    // `startMs`; empty when it sent none.
    virtual std::string Dtmf(std::int64_t) const { return {}; }
    // Fills every field the device knows; the record arrives cleared.
    virtual void FillStatus(DeviceStatus& status, std::int64_t nowMs) const = 0;
    // A reader outside the engine took the status just filled.
    virtual void StatusRead() {}
    // One engine step went by; a device that acts on commands later counts them. True when what
    // the device reports changed, so the window reads it again.
    virtual bool EngineStep() { return false; }
    // A call on the tuned channel is a trunked one.
    virtual bool TrunkedCall() const { return false; }
    // The bytes a sweep block of the running sweep takes; 0 for a device that cannot sweep.
    virtual std::uint32_t SweepBlockSize() const { return 0; }
    // A failure once the link to the radio is lost; 0 while it holds.
    virtual std::uint16_t LinkStatus() const { return 0; }
};

} // namespace hb::engine
