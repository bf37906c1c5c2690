// The logger's sound devices: the input line's capture device, the monitor or play output, and
// the audio that passes through them.

#include "platform/afx/CWnd.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/audio/AudioCalls.h"
#include "platform/tessary/audio/AudioLog.h"
#include "platform/tessary/audio/AudioSegment.h"
#include "platform/tessary/audio/Mixer.h"
#include "platform/win/core/Clock.h"
#include "platform/win/mm/Devices.h"
#include "platform/win/sys/Paths.h"

#include <sys/statvfs.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

using hb::tessary::detail::Arg;
using hb::tessary::detail::RecordAudioCall;

namespace {

// A tenth of a second of audio in the recording format.
constexpr DWORD kBufferBytes = CAudioFile::kBytesPerSecond / 10;
constexpr std::size_t kInputBuffers = 4;
// Buffers queued ahead on the output while playing.
constexpr std::size_t kPlayAhead = 3;

WAVEFORMATEX VoiceFormat() {
    WAVEFORMATEX format;
    format.nSamplesPerSec = CAudioFile::kSamplesPerSecond;
    format.wBitsPerSample = 16;
    format.nBlockAlign = 2;
    format.nAvgBytesPerSec = CAudioFile::kBytesPerSecond;
    return format;
}

// The wave device number of a line's device among `devices`, or -1.
int DeviceOfLine(const std::vector<hb::win::mm::DeviceInfo>& devices, std::int32_t line) {
    for (std::size_t i = 0; i < devices.size(); ++i) {
        if (CMixer::LineOf(devices[i].card, devices[i].device) == line) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::int16_t SampleAt(const std::uint8_t* samples, std::size_t index) {
    return static_cast<std::int16_t>(samples[2 * index] | (samples[2 * index + 1] << 8));
}

void PutSample(std::uint8_t* samples, std::size_t index, std::int16_t value) {
    samples[2 * index] = static_cast<std::uint8_t>(value & 0xFF);
    samples[2 * index + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

} // namespace

struct CAudioLog::Buffer {
    explicit Buffer(const std::uint8_t* samples, DWORD bytes)
        : data(samples ? std::vector<char>(samples, samples + bytes) : std::vector<char>(bytes)) {
        header.lpData = data.data();
        header.dwBufferLength = bytes;
    }
    std::vector<char> data;
    WAVEHDR header;
    // The segment of the file the audio came from while playing, and the file offset of its
    // first byte.
    std::uint32_t record = 0;
    std::uint64_t offset = 0;
    // The bytes written to the output before this buffer since the output was opened or reset.
    std::uint64_t outputStart = 0;
    // That segment's channel, shown when its audio is heard.
    dal channel;
    // Given back by a reset: the buffer goes when its message comes.
    bool retired = false;
};

namespace {

std::size_t LiveCount(const auto& buffers) {
    return static_cast<std::size_t>(
        std::ranges::count_if(buffers, [](const auto& buffer) { return !buffer->retired; }));
}

void Retire(auto& buffers) {
    for (auto& buffer : buffers) {
        buffer->retired = true;
    }
}

} // namespace

CAudioLog::CAudioLog(const char* section, const char* name)
    : m_section(section ? section : ""), m_name(name ? name : "") {
    al_list.push_back(this);
}

CAudioLog::~CAudioLog() {
    // The decoder's rack may already be gone; it is only forgotten.
    m_fastDecoder = nullptr;
    ReleaseDevices();
    std::erase(al_list, this);
}

BOOL CAudioLog::Create(CWnd* parent, DWORD style) {
    RecordAudioCall(this, "Create", {Arg(parent, "parent"), Arg(style)});
    ReleaseDevices();
    if (!m_owner) {
        m_owner = parent;
    }
    if (waveInGetNumDevs() == 0 && waveOutGetNumDevs() == 0) {
        return FALSE;
    }
    if (!OpenInput() || !OpenOutput()) {
        ReleaseDevices();
        return FALSE;
    }
    if (m_mode == kModeRecord) {
        StartInput();
    } else if (m_mode == kModePlay) {
        FeedPlayback();
    }
    return TRUE;
}

BOOL CAudioLog::OpenInput() {
    const int device = DeviceOfLine(hb::win::mm::CaptureDevices(), m_inputLine);
    if (device < 0) {
        return TRUE;
    }
    const WAVEFORMATEX format = VoiceFormat();
    const DWORD_PTR window = m_owner ? m_owner->GetSafeHwnd().id() : 0;
    if (waveInOpen(&m_waveIn, static_cast<UINT>(device), &format, window, 0, CALLBACK_WINDOW) !=
        MMSYSERR_NOERROR) {
        m_waveIn = 0;
        return FALSE;
    }
    return TRUE;
}

BOOL CAudioLog::OpenOutput() {
    const std::int32_t line = m_monitorLine != -1 ? m_monitorLine : m_outputLine;
    UINT device = WAVE_MAPPER;
    if (line == -4) {
        if (waveOutGetNumDevs() == 0) {
            return TRUE;
        }
    } else {
        const int found = DeviceOfLine(hb::win::mm::PlaybackDevices(), line);
        if (found < 0) {
            return TRUE;
        }
        device = static_cast<UINT>(found);
    }
    const WAVEFORMATEX format = VoiceFormat();
    const DWORD_PTR window = m_owner ? m_owner->GetSafeHwnd().id() : 0;
    if (waveOutOpen(&m_waveOut, device, &format, window, 0, CALLBACK_WINDOW) != MMSYSERR_NOERROR) {
        m_waveOut = 0;
        return FALSE;
    }
    m_outputPaused = FALSE;
    m_outputWritten = 0;
    return TRUE;
}

void CAudioLog::ChangeMonitorOutputLine(std::int32_t line) {
    RecordAudioCall(this, "ChangeMonitorOutputLine", {Arg(line)});
    m_monitorLine = line;
    if (!m_waveOut) {
        return;
    }
    waveOutReset(m_waveOut);
    waveOutClose(m_waveOut);
    m_waveOut = 0;
    m_outputBuffers.clear();
    OpenOutput();
    FeedPlayback();
}

// Handles are never reused, so the messages still on their way from a released device name a
// handle the logger no longer has and are passed over.
void CAudioLog::ReleaseDevices() {
    if (m_waveIn) {
        waveInReset(m_waveIn);
        waveInClose(m_waveIn);
        m_waveIn = 0;
    }
    if (m_waveOut) {
        waveOutReset(m_waveOut);
        waveOutClose(m_waveOut);
        m_waveOut = 0;
    }
    m_inputBuffers.clear();
    m_outputBuffers.clear();
}

// A buffer handed to a device lives until the device's message for it comes (or the device is
// closed), so a message never names a buffer made after it was sent.
void CAudioLog::StartInput() {
    if (!m_waveIn || LiveCount(m_inputBuffers) != 0) {
        return;
    }
    for (std::size_t i = 0; i < kInputBuffers; ++i) {
        m_inputBuffers.push_back(std::make_unique<Buffer>(nullptr, kBufferBytes));
        waveInAddBuffer(m_waveIn, &m_inputBuffers.back()->header, sizeof(WAVEHDR));
    }
    waveInStart(m_waveIn);
}

void CAudioLog::StopInput() {
    if (m_waveIn) {
        waveInReset(m_waveIn);
    }
    Retire(m_inputBuffers);
}

LRESULT CAudioLog::ProcessWIMData(WPARAM wParam, LPARAM lParam) {
    auto* header = reinterpret_cast<WAVEHDR*>(lParam);
    const auto it = std::ranges::find_if(
        m_inputBuffers, [header](const auto& buffer) { return &buffer->header == header; });
    if (!m_waveIn || wParam != m_waveIn || it == m_inputBuffers.end()) {
        return 0;
    }
    if ((*it)->retired) {
        m_inputBuffers.erase(it);
        return 0;
    }
    TakeAudio(reinterpret_cast<const std::uint8_t*>(header->lpData), header->dwBytesRecorded & ~1u);
    waveInAddBuffer(m_waveIn, header, sizeof(WAVEHDR));
    return 0;
}

LRESULT CAudioLog::ProcessWOMDone(WPARAM wParam, LPARAM lParam) {
    auto* header = reinterpret_cast<WAVEHDR*>(lParam);
    if (!m_waveOut || wParam != m_waveOut) {
        return 0;
    }
    std::erase_if(m_outputBuffers,
                  [header](const auto& buffer) { return &buffer->header == header; });
    FeedPlayback();
    return 0;
}

// A device that closes on its own has failed: the logger goes on without it.
LRESULT CAudioLog::ProcessWIMClose(WPARAM wParam, LPARAM) {
    if (m_waveIn && wParam == m_waveIn) {
        waveInClose(m_waveIn);
        m_waveIn = 0;
        m_inputBuffers.clear();
    }
    return 0;
}

LRESULT CAudioLog::ProcessWOMClose(WPARAM wParam, LPARAM) {
    if (m_waveOut && wParam == m_waveOut) {
        waveOutClose(m_waveOut);
        m_waveOut = 0;
        m_outputBuffers.clear();
    }
    return 0;
}

void CAudioLog::DSPInvertSetup() {
    RecordAudioCall(this, "DSPInvertSetup", {});
    const bool on = m_invertMode != 0 && m_invertFrequency > 0 &&
                    m_invertFrequency < CAudioFile::kSamplesPerSecond / 2.0;
    m_invertStep =
        on ? 2 * std::numbers::pi * m_invertFrequency / CAudioFile::kSamplesPerSecond : 0;
    m_invertPhase = 0;
}

void CAudioLog::AutoGainControl(int manual, int level) {
    RecordAudioCall(this, "AutoGainControl", {Arg(manual), Arg(level)});
    m_manualGain = manual != 0;
    m_manualLevel = std::clamp(level, 0, kMostLevel);
}

void CAudioLog::AutoGainControl(std::uint8_t* samples, std::uint32_t bytes) {
    double gain = static_cast<double>(m_manualLevel) / kUnityLevel;
    if (!m_manualGain) {
        int peak = 0;
        for (std::size_t i = 0; i < bytes / 2; ++i) {
            peak = std::max(peak, std::abs(int{SampleAt(samples, i)}));
        }
        if (peak == 0) {
            return;
        }
        gain = std::clamp(16384.0 / peak, 1.0, 8.0);
        m_autoLevel =
            static_cast<int>(std::min<double>(std::lround(gain * kUnityLevel), kMostLevel));
    }
    if (gain == 1) {
        return;
    }
    for (std::size_t i = 0; i < bytes / 2; ++i) {
        const double sample = std::clamp(SampleAt(samples, i) * gain, -32768.0, 32767.0);
        PutSample(samples, i, static_cast<std::int16_t>(sample));
    }
}

void CAudioLog::TakeAudio(const std::uint8_t* input, std::uint32_t bytes) {
    std::vector<std::uint8_t> taken(input, input + bytes);
    std::uint8_t* samples = taken.data();
    if (m_autoGain || m_recordAutoLevel || m_manualGain) {
        AutoGainControl(samples, bytes);
    }
    int peak = 0;
    for (std::size_t i = 0; i < bytes / 2; ++i) {
        peak = std::max(peak, std::abs(int{SampleAt(samples, i)}));
    }
    m_level = peak * 100 / 32768;
    m_activity = peak > 0 ? 1 : 0;
    if (peak > 0) {
        m_lastActivity = GetTickCount();
    }
    if (m_recording && m_state == kStateSegment && m_segment && !m_diskSpaceStop) {
        if (m_file.AppendAudio(samples, bytes)) {
            UpdateSegment(m_file.m_name.c_str(), &m_file.LastHeader(), m_file.m_recordCount);
        }
    }
    if (!OutputMuted() && m_state != kStatePaused) {
        Play(samples, bytes);
    }
}

// Queues audio on the output at the logger's volume.
void CAudioLog::Play(const std::uint8_t* samples, std::uint32_t bytes) {
    if (!m_waveOut || bytes == 0) {
        return;
    }
    auto buffer = std::make_unique<Buffer>(samples, bytes);
    auto* data = reinterpret_cast<std::uint8_t*>(buffer->data.data());
    if (m_mode == kModePlay && m_playbackAutoLevel) {
        AutoGainControl(data, bytes);
    }
    for (std::size_t i = 0; i < bytes / 2; ++i) {
        double gain = m_volume;
        if (m_invertStep != 0) {
            gain *= std::cos(m_invertPhase);
            m_invertPhase = std::fmod(m_invertPhase + m_invertStep, 2 * std::numbers::pi);
        }
        PutSample(data, i, static_cast<std::int16_t>(SampleAt(data, i) * gain));
    }
    if (m_mode == kModePlay) {
        buffer->record = m_file.m_currentRecord;
        buffer->channel = m_file.CurrentHeader().get(wlseg::kDal);
        buffer->offset =
            m_file.m_currentOffset - std::min<std::uint64_t>(bytes, m_file.m_currentOffset);
    }
    buffer->outputStart = m_outputWritten;
    if (waveOutWrite(m_waveOut, &buffer->header, sizeof(WAVEHDR)) == MMSYSERR_NOERROR) {
        m_outputWritten += bytes;
        m_outputBuffers.push_back(std::move(buffer));
    }
}

// Keeps a few buffers of the file queued while playing; at the end of a segment play goes on with
// the next, and at the end of the file it stops there.
void CAudioLog::FeedPlayback() {
    if (m_mode != kModePlay || !Going() || !m_waveOut) {
        return;
    }
    if (m_skipCount != 0) {
        m_skipCount = 0;
        if (!NextPlayableRecord()) {
            m_playState = kPlayFileEnd;
            SetState(kStateStopped);
            return;
        }
        ShowCurrentSegment();
        m_playState = kPlayStarting;
    } else if (m_playState == kPlaySegmentEnd) {
        // The last segment is read out: what the output holds plays to its end.
        if (LiveCount(m_outputBuffers) == 0) {
            m_playState = kPlayFileEnd;
            SetState(kStateStopped);
        }
        return;
    }
    std::vector<std::uint8_t> samples(kBufferBytes);
    while (LiveCount(m_outputBuffers) < kPlayAhead) {
        const std::uint32_t bytes = m_file.ReadAudio(samples.data(), kBufferBytes);
        if (bytes > 0) {
            Play(samples.data(), bytes & ~1u);
            continue;
        }
        // The next segment is shown when its audio is heard, not when it is read.
        if (!NextPlayableRecord()) {
            m_playState = kPlaySegmentEnd;
            if (LiveCount(m_outputBuffers) == 0) {
                m_playState = kPlayFileEnd;
                SetState(kStateStopped);
            }
            return;
        }
    }
}

std::uint32_t CAudioLog::HeardRecord() const {
    const auto playing =
        std::ranges::find_if(m_outputBuffers, [](const auto& buffer) { return !buffer->retired; });
    return playing == m_outputBuffers.end() || (*playing)->record == 0 ? m_file.m_currentRecord
                                                                       : (*playing)->record;
}

bool CAudioLog::HeardPosition(std::uint32_t& record, std::uint64_t& offset) const {
    const auto playing =
        std::ranges::find_if(m_outputBuffers, [](const auto& buffer) { return !buffer->retired; });
    if (playing == m_outputBuffers.end() || (*playing)->record == 0) {
        return false;
    }
    const Buffer& head = **playing;
    std::uint64_t played = 0;
    if (MMTIME time;
        m_waveOut && waveOutGetPosition(m_waveOut, &time, sizeof time) == MMSYSERR_NOERROR) {
        // The device counts from its open or reset; only what it played of this buffer counts.
        played = std::clamp<std::uint64_t>(time.cb, head.outputStart,
                                           head.outputStart + head.header.dwBufferLength) -
                 head.outputStart;
    }
    record = head.record;
    offset = head.offset + played;
    return true;
}

// The file is read ahead of what is heard: the time and channel follow the audio on the output.
void CAudioLog::ShowHeardSegment() {
    if (m_mode != kModePlay) {
        return;
    }
    const auto playing =
        std::ranges::find_if(m_outputBuffers, [](const auto& buffer) { return !buffer->retired; });
    if (playing == m_outputBuffers.end() || (*playing)->record == 0 ||
        (*playing)->record == m_shownRecord) {
        return;
    }
    m_shownRecord = (*playing)->record;
    UpdateTime((*playing)->channel.get(dal::kTime), static_cast<int>(m_shownRecord));
    UpdateInfo(&(*playing)->channel, nullptr);
}

void CAudioLog::ShowCurrentSegment() {
    const dal record = m_file.CurrentHeader().get(wlseg::kDal);
    m_shownRecord = m_file.m_currentRecord;
    UpdateTime(record.get(dal::kTime), static_cast<int>(m_file.m_currentRecord));
    UpdateInfo(&record, nullptr);
}

void CAudioLog::DropOutput() {
    if (m_waveOut) {
        waveOutReset(m_waveOut);
        m_outputWritten = 0;
    }
    Retire(m_outputBuffers);
}

// The file is read ahead of what is heard, so the skip counts from the segment being heard.
void CAudioLog::Skip() {
    RecordAudioCall(this, "Skip", {});
    if (m_mode != kModePlay) {
        return;
    }
    const std::uint32_t heard = HeardRecord();
    DropOutput();
    m_file.GotoPlaySegment(heard);
    ++m_skipCount;
}

void CAudioLog::StopPlayback() {
    DropOutput();
    if (m_waveOut && m_outputPaused) {
        waveOutRestart(m_waveOut);
        m_outputPaused = FALSE;
    }
    m_playState = kPlayStopped;
}

void CAudioLog::OnTimerTick() {
    // The output was given its first audio since play started or moved.
    if (m_playState == kPlayStarting) {
        m_playState = kPlayPlaying;
    }
    // A held or paused output goes on at the tick where playing returns.
    if (m_waveOut && Going() && (m_outputPaused || m_lastTickPlayState != kPlayPlaying)) {
        waveOutRestart(m_waveOut);
        m_outputPaused = FALSE;
    }
    m_lastTickPlayState = m_playState;
    FeedPlayback();
    ShowHeardSegment();
    if (m_recording) {
        CheckDiskSpace();
    }
    UpdatePosition();
    UpdateVUMeter(m_level, m_level);
}

void CAudioLog::CheckDiskSpace() {
    const int minimum = MinDiskSpace();
    struct statvfs info {};
    const std::string folder = hb::win::PathFolder(hb::win::NativePath(m_file.m_name));
    if (::statvfs(folder.empty() ? "." : folder.c_str(), &info) != 0) {
        return;
    }
    const std::uint64_t freeMb = std::uint64_t{info.f_bavail} * info.f_frsize / (1024 * 1024);
    if (freeMb >= static_cast<std::uint64_t>(minimum) || m_diskSpaceStop) {
        return;
    }
    m_diskSpaceStop = TRUE;
    m_stopReason = kStopDiskSpace;
    EndSegment();
    UpdateInfo(&m_segmentRecord, nullptr);
}
