#include "platform/win/mm/Wave.h"

#include "platform/win/core/Messages.h"
#include "platform/win/mm/MixerDevice.h"
#include "platform/win/mm/SimAudio.h"
#include "platform/win/mm/WaveDevice.h"

#include <cstdlib>
#include <map>
#include <optional>
#include <string_view>

namespace hb::win::mm {
namespace {

using detail::Direction;
using detail::WaveDevice;

struct OpenDevice {
    Direction direction;
    std::unique_ptr<WaveDevice> device;
};

struct WaveState {
    std::optional<Backend> chosen;
    std::unique_ptr<detail::DeviceBackend> backend;
    std::map<DWORD, OpenDevice> open;
    // Handles are never reused, so a stale one is refused.
    DWORD nextHandle = 1;
};

WaveState& State() {
    static WaveState state;
    return state;
}

Backend BackendFromEnvironment() {
    const char* value = std::getenv("HB_AUDIO");
    const std::string_view name = value ? value : "";
    if (name == "sim") {
        return Backend::Simulated;
    }
    if (name == "none") {
        return Backend::None;
    }
    return Backend::Alsa;
}

// Null with no sound at all.
detail::DeviceBackend* Devices() {
    WaveState& state = State();
    if (!state.chosen) {
        UseBackend(BackendFromEnvironment());
        if (state.chosen == Backend::Simulated) {
            sim::AddDemoCards();
        }
    }
    return state.backend.get();
}

WaveDevice* Find(DWORD handle, Direction direction) {
    const auto it = State().open.find(handle);
    return it != State().open.end() && it->second.direction == direction ? it->second.device.get()
                                                                         : nullptr;
}

bool FormatIsPlayable(const WAVEFORMATEX& format) {
    return format.wFormatTag == WAVE_FORMAT_PCM &&
           (format.nChannels == 1 || format.nChannels == 2) &&
           (format.wBitsPerSample == 8 || format.wBitsPerSample == 16) &&
           format.nSamplesPerSec >= 1000 && format.nSamplesPerSec <= 192000;
}

MMRESULT Open(Direction direction, DWORD* handle, UINT device, const WAVEFORMATEX* format,
              DWORD_PTR callback, DWORD flags) {
    if (!handle || !format) {
        return MMSYSERR_INVALPARAM;
    }
    if (flags != 0 && flags != CALLBACK_WINDOW) {
        return MMSYSERR_INVALFLAG;
    }
    detail::DeviceBackend* backend = Devices();
    if (!backend) {
        return MMSYSERR_NODRIVER;
    }
    const std::size_t count =
        direction == Direction::Capture ? backend->Capture().size() : backend->Playback().size();
    const bool isDefault = direction == Direction::Playback && device == WAVE_MAPPER;
    if (!isDefault && device >= count) {
        return count == 0 ? MMSYSERR_NODRIVER : MMSYSERR_BADDEVICEID;
    }
    if (!FormatIsPlayable(*format)) {
        return WAVERR_BADFORMAT;
    }
    const DWORD id = State().nextHandle;
    const HWND window =
        flags == CALLBACK_WINDOW ? HWND(static_cast<std::uint32_t>(callback)) : HWND{};
    std::unique_ptr<WaveDevice> opened;
    const MMRESULT result = backend->Open(
        {direction, device, *format, detail::Reporter(direction, window, id)}, opened);
    if (result != MMSYSERR_NOERROR) {
        return result;
    }
    ++State().nextHandle;
    State().open[id] = {direction, std::move(opened)};
    *handle = id;
    return MMSYSERR_NOERROR;
}

MMRESULT Queue(DWORD handle, Direction direction, WAVEHDR* header, UINT size) {
    WaveDevice* device = Find(handle, direction);
    if (!device) {
        return MMSYSERR_INVALHANDLE;
    }
    if (!header || size < sizeof(WAVEHDR) || !header->lpData || header->dwBufferLength == 0) {
        return MMSYSERR_INVALPARAM;
    }
    if (device->Failed()) {
        return MMSYSERR_NODRIVER;
    }
    header->dwFlags = (header->dwFlags & ~WHDR_DONE) | WHDR_INQUEUE;
    header->dwBytesRecorded = 0;
    device->Queue(header);
    return MMSYSERR_NOERROR;
}

template <class Action>
MMRESULT Control(DWORD handle, Direction direction, Action action) {
    WaveDevice* device = Find(handle, direction);
    if (!device) {
        return MMSYSERR_INVALHANDLE;
    }
    if (device->Failed()) {
        return MMSYSERR_NODRIVER;
    }
    action(*device);
    return MMSYSERR_NOERROR;
}

MMRESULT Close(DWORD handle, Direction direction) {
    WaveDevice* device = Find(handle, direction);
    if (!device) {
        return MMSYSERR_INVALHANDLE;
    }
    if (!device->Failed() && device->HasQueued()) {
        return WAVERR_STILLPLAYING;
    }
    device->Close();
    State().open.erase(handle);
    return MMSYSERR_NOERROR;
}

} // namespace

std::vector<DeviceInfo> CaptureDevices() {
    detail::DeviceBackend* backend = Devices();
    return backend ? backend->Capture() : std::vector<DeviceInfo>{};
}

std::vector<DeviceInfo> PlaybackDevices() {
    detail::DeviceBackend* backend = Devices();
    return backend ? backend->Playback() : std::vector<DeviceInfo>{};
}

Backend CurrentBackend() {
    Devices();
    return *State().chosen;
}

void UseBackend(Backend backend) {
    WaveState& state = State();
    // Dropping a device releases it without touching its buffers or reporting.
    state.open.clear();
    detail::DropMixers();
    state.chosen = backend;
    switch (backend) {
    case Backend::Alsa:
        state.backend = detail::MakeAlsaBackend();
        break;
    case Backend::Simulated:
        state.backend = detail::MakeSimBackend();
        break;
    case Backend::None:
        state.backend.reset();
        break;
    }
}

namespace detail {

DWORD BytesPerSecond(const WAVEFORMATEX& format) {
    return format.nSamplesPerSec * format.nChannels * (format.wBitsPerSample / 8u);
}

void Reporter::Opened() const {
    Post(m_direction == Direction::Capture ? MM_WIM_OPEN : MM_WOM_OPEN, 0);
}

void Reporter::Done(WAVEHDR* header, DWORD filled) const {
    header->dwBytesRecorded = m_direction == Direction::Capture ? filled : 0;
    header->dwFlags = (header->dwFlags & ~WHDR_INQUEUE) | WHDR_DONE;
    Post(m_direction == Direction::Capture ? MM_WIM_DATA : MM_WOM_DONE,
         reinterpret_cast<LPARAM>(header));
}

void Reporter::Closed() const {
    Post(m_direction == Direction::Capture ? MM_WIM_CLOSE : MM_WOM_CLOSE, 0);
}

void Reporter::Post(UINT message, LPARAM lParam) const {
    if (m_window) {
        PostMessage(m_window, message, m_handle, lParam);
    }
}

} // namespace detail
} // namespace hb::win::mm

using hb::win::mm::detail::Direction;

UINT waveInGetNumDevs() {
    return static_cast<UINT>(hb::win::mm::CaptureDevices().size());
}

UINT waveOutGetNumDevs() {
    return static_cast<UINT>(hb::win::mm::PlaybackDevices().size());
}

MMRESULT waveInOpen(HWAVEIN* handle, UINT device, const WAVEFORMATEX* format, DWORD_PTR callback,
                    DWORD_PTR, DWORD flags) {
    return hb::win::mm::Open(Direction::Capture, handle, device, format, callback, flags);
}

MMRESULT waveInAddBuffer(HWAVEIN handle, WAVEHDR* header, UINT size) {
    return hb::win::mm::Queue(handle, Direction::Capture, header, size);
}

MMRESULT waveInStart(HWAVEIN handle) {
    return hb::win::mm::Control(handle, Direction::Capture, [](auto& d) { d.Start(); });
}

MMRESULT waveInStop(HWAVEIN handle) {
    return hb::win::mm::Control(handle, Direction::Capture, [](auto& d) { d.Stop(); });
}

MMRESULT waveInReset(HWAVEIN handle) {
    return hb::win::mm::Control(handle, Direction::Capture, [](auto& d) { d.Reset(); });
}

MMRESULT waveInClose(HWAVEIN handle) {
    return hb::win::mm::Close(handle, Direction::Capture);
}

MMRESULT waveOutOpen(HWAVEOUT* handle, UINT device, const WAVEFORMATEX* format, DWORD_PTR callback,
                     DWORD_PTR, DWORD flags) {
    return hb::win::mm::Open(Direction::Playback, handle, device, format, callback, flags);
}

MMRESULT waveOutWrite(HWAVEOUT handle, WAVEHDR* header, UINT size) {
    return hb::win::mm::Queue(handle, Direction::Playback, header, size);
}

MMRESULT waveOutPause(HWAVEOUT handle) {
    return hb::win::mm::Control(handle, Direction::Playback, [](auto& d) { d.Stop(); });
}

MMRESULT waveOutRestart(HWAVEOUT handle) {
    return hb::win::mm::Control(handle, Direction::Playback, [](auto& d) { d.Start(); });
}

MMRESULT waveOutReset(HWAVEOUT handle) {
    return hb::win::mm::Control(handle, Direction::Playback, [](auto& d) { d.Reset(); });
}

MMRESULT waveOutClose(HWAVEOUT handle) {
    return hb::win::mm::Close(handle, Direction::Playback);
}

MMRESULT waveOutGetPosition(HWAVEOUT handle, MMTIME* time, UINT size) {
    if (!time || size < sizeof(MMTIME)) {
        return MMSYSERR_INVALPARAM;
    }
    return hb::win::mm::Control(handle, Direction::Playback, [time](auto& d) {
        time->wType = TIME_BYTES;
        time->cb = d.Position();
    });
}
