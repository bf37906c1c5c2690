#include "platform/win/mm/SimAudio.h"

#include "platform/win/core/Clock.h"
#include "platform/win/core/Scheduler.h"
#include "platform/win/mm/MixerDevice.h"
#include "platform/win/mm/WaveDevice.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <map>
#include <numbers>
#include <utility>

namespace hb::win::mm {
namespace {

using detail::Direction;

struct SimState {
    std::vector<sim::Card> cards;
    std::map<UINT, sim::Source> sources;
    std::map<UINT, std::vector<std::uint8_t>> played;
    MMRESULT failNext = MMSYSERR_NOERROR;
};

SimState& State() {
    static SimState state;
    return state;
}

std::vector<DeviceInfo> List(Direction direction) {
    std::vector<DeviceInfo> devices;
    for (UINT card = 0; card < State().cards.size(); ++card) {
        const sim::Card& c = State().cards[card];
        const auto& names = direction == Direction::Capture ? c.capture : c.playback;
        for (UINT device = 0; device < names.size(); ++device) {
            devices.push_back({names[device], card, device});
        }
    }
    return devices;
}

// One open simulated device. While it runs, one task on the clock stands for the buffer at the
// head of the queue and falls due when the rate has carried that buffer through.
class SimDevice final : public detail::WaveDevice {
public:
    SimDevice(Direction direction, UINT index, const WAVEFORMATEX& format,
              detail::Reporter reporter)
        : m_direction(direction), m_index(index), m_format(format), m_reporter(reporter),
          m_bytesPerSecond(detail::BytesPerSecond(format)),
          m_frameBytes(format.nChannels * (format.wBitsPerSample / 8u)),
          m_running(direction == Direction::Playback) {}

    ~SimDevice() override {
        if (m_task) {
            Cancel(m_task);
        }
    }

    void Queue(WAVEHDR* header) override {
        m_queue.push_back(header);
        Schedule();
    }

    void Start() override {
        m_running = true;
        Schedule();
    }

    void Stop() override {
        Halt();
        m_running = false;
        if (m_direction == Direction::Capture && m_offset > 0) {
            GiveBackHead();
        }
    }

    void Reset() override {
        Halt();
        if (m_direction == Direction::Capture) {
            m_running = false;
        }
        while (!m_queue.empty()) {
            GiveBackHead();
        }
        m_position = 0;
    }

    bool HasQueued() const override { return !m_queue.empty(); }

    DWORD Position() const override { return m_position + (m_task ? Progress() : 0); }

    bool Failed() const override { return false; }

    void Close() override { m_reporter.Closed(); }

private:
    DWORD Remaining() const { return m_queue.front()->dwBufferLength - m_offset; }

    // The whole frames carried since the head's run began, short of its end.
    DWORD Progress() const {
        const std::int64_t elapsed = NowMs() - m_runStart;
        const std::int64_t bytes = elapsed * m_bytesPerSecond / 1000 / m_frameBytes * m_frameBytes;
        return static_cast<DWORD>(std::min<std::int64_t>(bytes, Remaining()));
    }

    void Schedule() {
        if (!m_running || m_queue.empty() || m_task) {
            return;
        }
        m_runStart = NowMs();
        const std::int64_t due =
            m_runStart +
            (std::int64_t{Remaining()} * 1000 + m_bytesPerSecond - 1) / m_bytesPerSecond;
        m_task = hb::win::Schedule(
            due, [this] { Complete(); }, "simulated sound device");
    }

    void Complete() {
        m_task = 0;
        Carry(Remaining());
        GiveBackHead();
        Schedule();
    }

    // Stops the run of the head buffer, keeping what it carried so far.
    void Halt() {
        if (!m_task) {
            return;
        }
        Cancel(m_task);
        Carry(Progress());
        m_task = 0;
    }

    // The next `bytes` of the head buffer pass through the device.
    void Carry(DWORD bytes) {
        WAVEHDR* head = m_queue.front();
        auto* data = reinterpret_cast<std::uint8_t*>(head->lpData) + m_offset;
        if (m_direction == Direction::Capture) {
            Fill(data, bytes);
        } else {
            auto& played = State().played[m_index];
            played.insert(played.end(), data, data + bytes);
            m_position += bytes;
        }
        m_offset += bytes;
    }

    void Fill(std::uint8_t* data, DWORD bytes) {
        const sim::Source source = State().sources[m_index];
        const DWORD channels = m_format.nChannels;
        for (DWORD at = 0; at + m_frameBytes <= bytes; at += m_frameBytes, ++m_frame) {
            const double phase = 2 * std::numbers::pi * source.frequency *
                                 static_cast<double>(m_frame) / m_format.nSamplesPerSec;
            const double value = source.level * std::sin(phase);
            for (DWORD channel = 0; channel < channels; ++channel) {
                if (m_format.wBitsPerSample == 16) {
                    const auto sample = static_cast<std::int16_t>(std::lround(value * 32767));
                    data[at + channel * 2] = static_cast<std::uint8_t>(sample & 0xFF);
                    data[at + channel * 2 + 1] = static_cast<std::uint8_t>((sample >> 8) & 0xFF);
                } else {
                    data[at + channel] = static_cast<std::uint8_t>(128 + std::lround(value * 127));
                }
            }
        }
    }

    void GiveBackHead() {
        m_reporter.Done(m_queue.front(), std::exchange(m_offset, 0));
        m_queue.pop_front();
    }

    Direction m_direction;
    UINT m_index;
    WAVEFORMATEX m_format;
    detail::Reporter m_reporter;
    DWORD m_bytesPerSecond;
    DWORD m_frameBytes;
    bool m_running;
    std::deque<WAVEHDR*> m_queue;
    // Bytes of the head buffer already carried.
    DWORD m_offset = 0;
    std::int64_t m_runStart = 0;
    TaskId m_task = 0;
    DWORD m_position = 0;
    std::uint64_t m_frame = 0;
};

class SimBackend final : public detail::DeviceBackend {
public:
    std::vector<DeviceInfo> Capture() override { return List(Direction::Capture); }
    std::vector<DeviceInfo> Playback() override { return List(Direction::Playback); }

    MMRESULT Open(const detail::OpenRequest& request,
                  std::unique_ptr<detail::WaveDevice>& device) override {
        if (const MMRESULT failure = std::exchange(State().failNext, MMSYSERR_NOERROR)) {
            return failure;
        }
        if (request.device == WAVE_MAPPER && Playback().empty()) {
            return MMSYSERR_NODRIVER;
        }
        const UINT index = request.device == WAVE_MAPPER ? 0 : request.device;
        device =
            std::make_unique<SimDevice>(request.direction, index, request.format, request.reporter);
        request.reporter.Opened();
        return MMSYSERR_NOERROR;
    }
};

} // namespace

namespace detail {

std::unique_ptr<DeviceBackend> MakeSimBackend() {
    return std::make_unique<SimBackend>();
}

} // namespace detail

void ResetForTests() {
    UseBackend(Backend::Simulated);
    State() = SimState{};
    detail::ResetSimMixers();
}

namespace sim {

UINT AddCard(Card card) {
    State().cards.push_back(std::move(card));
    return static_cast<UINT>(State().cards.size() - 1);
}

UINT CardCount() {
    return static_cast<UINT>(State().cards.size());
}

void AddDemoCards() {
    // Device names tell their card apart, as ALSA's do.
    AddCard({"Simulated Card 1", {"Card 1 Line In"}, {"Card 1 Speakers"}});
    AddCard({"Simulated Card 2", {"Card 2 Line In"}, {"Card 2 Speakers"}});
}

void SetSource(UINT captureDevice, Source source) {
    State().sources[captureDevice] = source;
}

void FailNextOpen(MMRESULT result) {
    State().failNext = result;
}

const std::vector<std::uint8_t>& Played(UINT playbackDevice) {
    return State().played[playbackDevice];
}

} // namespace sim
} // namespace hb::win::mm
