// The sound cards through ALSA. Devices open through the "plughw" layer so that ALSA converts rate
// and format; the default output is ALSA's "default". Each open device has a thread of its own
// that does the blocking reads or writes in short chunks and posts the device's messages; the
// wave functions on the GUI thread wait for a chunk in progress before they touch the queue.

#include "platform/win/mm/WaveDevice.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <condition_variable>
#include <cstdarg>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <sstream>
#include <thread>
#include <utility>

namespace hb::win::mm {
namespace {

using detail::Direction;

struct AlsaDeviceInfo {
    DeviceInfo info;
    std::string pcm;
};

// alsa-lib writes its complaints to stderr; a missing card is an ordinary state here.
void QuietErrors(const char*, int, const char*, int, const char*, ...) {}

class AlsaDevice final : public detail::WaveDevice {
public:
    AlsaDevice(snd_pcm_t* pcm, Direction direction, const WAVEFORMATEX& format,
               detail::Reporter reporter)
        : m_pcm(pcm), m_direction(direction), m_reporter(reporter),
          m_frameBytes(format.nChannels * (format.wBitsPerSample / 8u)),
          m_chunkFrames(std::max<DWORD>(format.nSamplesPerSec / 20, 1)),
          m_running(direction == Direction::Playback) {
        m_thread = std::thread([this] { Run(); });
    }

    ~AlsaDevice() override { Shutdown(); }

    void Queue(WAVEHDR* header) override {
        std::lock_guard lock(m_mutex);
        m_queue.push_back(header);
        m_wake.notify_all();
    }

    void Start() override {
        const Held held(*this);
        if (!m_running && m_direction == Direction::Capture) {
            snd_pcm_prepare(m_pcm);
        }
        m_running = true;
        m_wake.notify_all();
    }

    void Stop() override {
        const Held held(*this);
        m_running = false;
        if (m_direction == Direction::Capture) {
            snd_pcm_drop(m_pcm);
            if (m_offset > 0) {
                GiveBackHead();
            }
        }
    }

    void Reset() override {
        const Held held(*this);
        if (m_direction == Direction::Capture) {
            m_running = false;
        }
        snd_pcm_drop(m_pcm);
        snd_pcm_prepare(m_pcm);
        while (!m_queue.empty()) {
            GiveBackHead();
        }
        m_position = 0;
        m_delayBytes = 0;
    }

    bool HasQueued() const override {
        std::lock_guard lock(m_mutex);
        return !m_queue.empty();
    }

    DWORD Position() const override {
        std::lock_guard lock(m_mutex);
        return m_position - std::min(m_position, m_delayBytes);
    }

    bool Failed() const override {
        std::lock_guard lock(m_mutex);
        return m_failed;
    }

    void Close() override {
        Shutdown();
        if (!m_failed) {
            m_reporter.Closed();
        }
    }

private:
    // The device taken from its thread: the chunk in progress is finished and counted, and no
    // other starts until the hold ends.
    class Held {
    public:
        explicit Held(AlsaDevice& device) : m_device(device), m_lock(device.m_mutex) {
            ++device.m_holders;
            device.m_wake.wait(m_lock, [&device] { return !device.m_busy; });
        }
        ~Held() {
            --m_device.m_holders;
            m_device.m_wake.notify_all();
        }
        Held(const Held&) = delete;
        Held& operator=(const Held&) = delete;

    private:
        AlsaDevice& m_device;
        std::unique_lock<std::mutex> m_lock;
    };

    void Shutdown() {
        {
            std::lock_guard lock(m_mutex);
            m_quit = true;
            m_wake.notify_all();
        }
        if (m_thread.joinable()) {
            m_thread.join();
        }
        if (m_pcm) {
            snd_pcm_close(m_pcm);
            m_pcm = nullptr;
        }
    }

    void Run() {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_wake.wait(lock, [this] {
                return m_quit || (m_holders == 0 && m_running && !m_queue.empty());
            });
            if (m_quit) {
                return;
            }
            WAVEHDR* head = m_queue.front();
            const DWORD frames =
                std::min<DWORD>((head->dwBufferLength - m_offset) / m_frameBytes, m_chunkFrames);
            if (frames == 0) {
                GiveBackHead();
                continue;
            }
            char* data = head->lpData + m_offset;
            m_busy = true;
            lock.unlock();
            const snd_pcm_sframes_t done = Transfer(data, frames);
            snd_pcm_sframes_t delay = 0;
            if (m_direction == Direction::Playback && snd_pcm_delay(m_pcm, &delay) < 0) {
                delay = 0;
            }
            lock.lock();
            m_busy = false;
            m_wake.notify_all();
            if (done < 0) {
                Fail();
                return;
            }
            const auto bytes = static_cast<DWORD>(done) * m_frameBytes;
            m_offset += bytes;
            if (m_direction == Direction::Playback) {
                m_position += bytes;
                m_delayBytes =
                    static_cast<DWORD>(std::max<snd_pcm_sframes_t>(delay, 0)) * m_frameBytes;
            }
            if (head->dwBufferLength - m_offset < m_frameBytes) {
                GiveBackHead();
            }
        }
    }

    // Frames read or written, 0 after a recovered xrun, negative when the device has failed.
    snd_pcm_sframes_t Transfer(char* data, DWORD frames) {
        const snd_pcm_sframes_t done = m_direction == Direction::Capture
                                           ? snd_pcm_readi(m_pcm, data, frames)
                                           : snd_pcm_writei(m_pcm, data, frames);
        if (done >= 0) {
            return done;
        }
        return snd_pcm_recover(m_pcm, static_cast<int>(done), 1) < 0 ? done : 0;
    }

    // The device is gone: every buffer comes back, then the close.
    void Fail() {
        m_failed = true;
        while (!m_queue.empty()) {
            GiveBackHead();
        }
        m_reporter.Closed();
    }

    void GiveBackHead() {
        m_reporter.Done(m_queue.front(), std::exchange(m_offset, 0));
        m_queue.pop_front();
    }

    snd_pcm_t* m_pcm;
    Direction m_direction;
    detail::Reporter m_reporter;
    DWORD m_frameBytes;
    DWORD m_chunkFrames;
    std::thread m_thread;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<WAVEHDR*> m_queue;
    DWORD m_offset = 0;
    DWORD m_position = 0;
    DWORD m_delayBytes = 0;
    bool m_running;
    // A chunk is being read or written outside the lock.
    bool m_busy = false;
    bool m_quit = false;
    bool m_failed = false;
    int m_holders = 0;
};

std::string CardName(int card) {
    char* name = nullptr;
    if (snd_card_get_name(card, &name) < 0 || !name) {
        return "Card " + std::to_string(card);
    }
    std::string text = name;
    std::free(name);
    return text;
}

class AlsaBackend final : public detail::DeviceBackend {
public:
    AlsaBackend() {
        snd_lib_error_set_handler(&QuietErrors);
        int card = -1;
        int lastCard = -1;
        while (snd_card_next(&card) == 0 && card >= 0) {
            AddCard(card);
            lastCard = card;
        }
        AddNamedPcms(static_cast<UINT>(lastCard + 1));
    }

    std::vector<DeviceInfo> Capture() override { return Infos(m_capture); }
    std::vector<DeviceInfo> Playback() override { return Infos(m_playback); }

    MMRESULT Open(const detail::OpenRequest& request,
                  std::unique_ptr<detail::WaveDevice>& device) override {
        const bool capture = request.direction == Direction::Capture;
        const std::string name = request.device == WAVE_MAPPER
                                     ? std::string("default")
                                     : (capture ? m_capture : m_playback)[request.device].pcm;
        snd_pcm_t* pcm = nullptr;
        const int opened = snd_pcm_open(
            &pcm, name.c_str(), capture ? SND_PCM_STREAM_CAPTURE : SND_PCM_STREAM_PLAYBACK, 0);
        if (opened < 0) {
            return opened == -EBUSY ? MMSYSERR_ALLOCATED : MMSYSERR_NODRIVER;
        }
        const WAVEFORMATEX& format = request.format;
        if (snd_pcm_set_params(
                pcm, format.wBitsPerSample == 16 ? SND_PCM_FORMAT_S16_LE : SND_PCM_FORMAT_U8,
                SND_PCM_ACCESS_RW_INTERLEAVED, format.nChannels, format.nSamplesPerSec, 1,
                200000) < 0) {
            snd_pcm_close(pcm);
            return WAVERR_BADFORMAT;
        }
        request.reporter.Opened();
        device = std::make_unique<AlsaDevice>(pcm, request.direction, format, request.reporter);
        return MMSYSERR_NOERROR;
    }

private:
    static std::vector<DeviceInfo> Infos(const std::vector<AlsaDeviceInfo>& devices) {
        std::vector<DeviceInfo> infos;
        for (const AlsaDeviceInfo& device : devices) {
            infos.push_back(device.info);
        }
        return infos;
    }

    void AddCard(int card) {
        snd_ctl_t* ctl = nullptr;
        if (snd_ctl_open(&ctl, ("hw:" + std::to_string(card)).c_str(), 0) < 0) {
            return;
        }
        const std::string cardName = CardName(card);
        snd_pcm_info_t* info = nullptr;
        snd_pcm_info_malloc(&info);
        int device = -1;
        while (snd_ctl_pcm_next_device(ctl, &device) == 0 && device >= 0) {
            snd_pcm_info_set_device(info, static_cast<unsigned>(device));
            snd_pcm_info_set_subdevice(info, 0);
            const std::string pcm = "plughw:" + std::to_string(card) + "," + std::to_string(device);
            for (const snd_pcm_stream_t stream :
                 {SND_PCM_STREAM_CAPTURE, SND_PCM_STREAM_PLAYBACK}) {
                snd_pcm_info_set_stream(info, stream);
                if (snd_ctl_pcm_info(ctl, info) < 0) {
                    continue;
                }
                AlsaDeviceInfo entry{{cardName + ": " + snd_pcm_info_get_name(info),
                                      static_cast<UINT>(card), static_cast<UINT>(device)},
                                     pcm};
                (stream == SND_PCM_STREAM_CAPTURE ? m_capture : m_playback).push_back(entry);
            }
        }
        snd_pcm_info_free(info);
        snd_ctl_close(ctl);
    }

    // "HB_ALSA_PCMS", a comma list of PCM names, adds them as one more card that both records
    // and plays.
    void AddNamedPcms(UINT card) {
        const char* list = std::getenv("HB_ALSA_PCMS");
        std::istringstream names(list ? list : "");
        std::string name;
        UINT device = 0;
        while (std::getline(names, name, ',')) {
            if (name.empty()) {
                continue;
            }
            const AlsaDeviceInfo entry{{name, card, device++}, name};
            m_capture.push_back(entry);
            m_playback.push_back(entry);
        }
    }

    std::vector<AlsaDeviceInfo> m_capture;
    std::vector<AlsaDeviceInfo> m_playback;
};

} // namespace

namespace detail {

std::unique_ptr<DeviceBackend> MakeAlsaBackend() {
    return std::make_unique<AlsaBackend>();
}

} // namespace detail
} // namespace hb::win::mm
