#pragma once
// What a backend gives the wave functions: its device lists and open devices. The wave functions
// keep the handles and check the arguments; a device only moves buffers and reports.

#include "platform/win/mm/Devices.h"
#include "platform/win/mm/Wave.h"

#include <memory>

namespace hb::win::mm::detail {

enum class Direction { Capture, Playback };

// Posts one open device's messages to its callback window (none without a window). PostMessage is
// the one call a device thread may make.
class Reporter {
public:
    Reporter(Direction direction, HWND window, DWORD handle)
        : m_direction(direction), m_window(window), m_handle(handle) {}

    void Opened() const;
    // Marks the buffer done and hands it back; a capture buffer holds `filled` bytes.
    void Done(WAVEHDR* header, DWORD filled) const;
    void Closed() const;

private:
    void Post(UINT message, LPARAM lParam) const;

    Direction m_direction;
    HWND m_window;
    DWORD m_handle;
};

// Destroying a device releases it without touching its buffers or reporting anything.
class WaveDevice {
public:
    virtual ~WaveDevice() = default;
    // Queues a buffer to fill or to play.
    virtual void Queue(WAVEHDR* header) = 0;
    // Capture starts filling; playback resumes after a pause.
    virtual void Start() = 0;
    // Capture stops, handing back a partly filled buffer; playback pauses.
    virtual void Stop() = 0;
    virtual void Reset() = 0;
    virtual bool HasQueued() const = 0;
    // Playback: bytes played since the open or the last reset.
    virtual DWORD Position() const = 0;
    // A device that failed has given its buffers back and reported its close already.
    virtual bool Failed() const = 0;
    // Reports the close unless the device failed before; the device is destroyed next.
    virtual void Close() = 0;
};

struct OpenRequest {
    Direction direction = Direction::Playback;
    // A wave device number, or WAVE_MAPPER for the default output.
    UINT device = 0;
    WAVEFORMATEX format;
    Reporter reporter;
};

class DeviceBackend {
public:
    virtual ~DeviceBackend() = default;
    virtual std::vector<DeviceInfo> Capture() = 0;
    virtual std::vector<DeviceInfo> Playback() = 0;
    // The device reports its open itself once it is ready.
    virtual MMRESULT Open(const OpenRequest& request, std::unique_ptr<WaveDevice>& device) = 0;
};

// The bytes a second of the format takes.
DWORD BytesPerSecond(const WAVEFORMATEX& format);

std::unique_ptr<DeviceBackend> MakeAlsaBackend();
std::unique_ptr<DeviceBackend> MakeSimBackend();

} // namespace hb::win::mm::detail
