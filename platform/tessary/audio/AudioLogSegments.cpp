// The logger's segments as the channel requests come, and the transport over the file's segments.

#include "platform/tessary/audio/AudioCalls.h"
#include "platform/tessary/audio/AudioLog.h"
#include "platform/tessary/audio/AudioSegment.h"

using hb::tessary::detail::Arg;
using hb::tessary::detail::RecordAudioCall;

void CAudioLog::ProcessRequest(int code, const dal* record, std::uint64_t time) {
    RecordAudioCall(this, "ProcessRequest",
                    {Arg(code), Arg(record, "dal"), Arg(static_cast<long long>(time))});
    if (m_disabled || m_mode != kModeRecord || m_state == kStatePaused) {
        return;
    }
    switch (code) {
    case 1:
        EndSegment();
        break;
    case 2:
    case 8:
        if (record) {
            StartSegment(code, *record, time);
        }
        break;
    case 4:
        if (record && m_segment) {
            const BYTE state = m_segmentRecord.get(dal::kState);
            m_segmentRecord = *record;
            m_segmentRecord.set(dal::kState, state);
            wlseg header = m_file.LastHeader();
            header.set(wlseg::kDal, m_segmentRecord);
            if (m_file.SegmentHeaderWrite(header, CAudioFile::kWriteInPlace)) {
                UpdateSegment(m_file.m_name.c_str(), &m_file.LastHeader(), m_file.m_recordCount);
            }
            UpdateInfo(&m_segmentRecord, nullptr);
        }
        break;
    default:
        break;
    }
}

// A new segment ends the one in progress. Without a file (monitoring only) the channel is shown
// and nothing is written.
void CAudioLog::StartSegment(int code, const dal& record, std::uint64_t) {
    EndSegment();
    m_segmentRecord = record;
    m_segmentRecord.set(dal::kState, static_cast<std::uint8_t>(code));
    if (m_autoFile) {
        MakeAutoFile();
    }
    if (m_recording && !m_diskSpaceStop) {
        const std::uint32_t number = m_file.AppendSegment(m_segmentRecord, 0);
        if (number != 0) {
            m_segment = std::make_unique<CAudioSegment>();
            m_segment->m_number = number;
            m_openSegment = m_segment.get();
            SetState(kStateSegment);
            UpdateTime(m_segmentRecord.get(dal::kTime), static_cast<int>(number));
            UpdateSegment(m_file.m_name.c_str(), &m_file.LastHeader(), number);
        }
    }
    UpdateInfo(&m_segmentRecord, nullptr);
}

void CAudioLog::EndSegment() {
    if (!m_segment) {
        return;
    }
    m_openSegment = nullptr;
    m_segment.reset();
    if (m_state == kStateSegment) {
        SetState(kStateActive);
    }
}

void CAudioLog::GotoSegment(std::uint32_t number) {
    if (!m_file.GotoPlaySegment(number)) {
        return;
    }
    DropOutput();
    ShowCurrentSegment();
    if (m_playState == kPlayPlaying || m_playState == kPlaySegmentEnd) {
        m_playState = kPlayStarting;
    }
    FeedPlayback();
    UpdatePosition();
}

void CAudioLog::OnPlayButton() {
    RecordAudioCall(this, "OnPlayButton", {});
    if (m_mode != kModePlay) {
        ApplyMode(kModePlay);
        return;
    }
    if (m_playState == kPlayFileEnd || m_playState == kPlayStopped) {
        if (m_playState == kPlayFileEnd || m_file.m_currentRecord == 0) {
            m_file.GotoPlaySegment(1);
        }
    }
    m_playState = kPlayPlaying;
    SetState(kStateActive);
    FeedPlayback();
}

void CAudioLog::OnPauseButton() {
    RecordAudioCall(this, "OnPauseButton", {});
    if (m_mode == kModePlay && (m_playState == kPlayPlaying || m_playState == kPlayStarting)) {
        if (m_waveOut) {
            waveOutPause(m_waveOut);
            m_outputPaused = TRUE;
        }
        m_playState = kPlayPaused;
        SetState(kStatePaused);
    } else if (m_mode == kModePlay && m_playState == kPlayPaused) {
        m_playState = kPlayPlaying;
        SetState(kStateActive);
    } else if (m_mode == kModeRecord) {
        EndSegment();
        SetState(m_state == kStatePaused ? kStateActive : kStatePaused);
    }
}

void CAudioLog::OnStopButton() {
    RecordAudioCall(this, "OnStopButton", {});
    if (m_mode == kModePlay) {
        StopPlayback();
        SetState(kStateStopped);
    } else {
        ApplyMode(kModeOff);
    }
}

void CAudioLog::OnRewindButton() {
    RecordAudioCall(this, "OnRewindButton", {});
    GotoSegment(1);
}

void CAudioLog::OnForwardButton() {
    RecordAudioCall(this, "OnForwardButton", {});
    GotoSegment(HeardRecord() + 1);
}

void CAudioLog::OnBackButton() {
    RecordAudioCall(this, "OnBackButton", {});
    if (const std::uint32_t heard = HeardRecord(); heard > 1) {
        GotoSegment(heard - 1);
    }
}

void CAudioLog::OnEndButton() {
    RecordAudioCall(this, "OnEndButton", {});
    GotoSegment(m_file.m_recordCount);
}

void CAudioLog::OnClickSkip() {
    RecordAudioCall(this, "OnClickSkip", {});
    Skip();
    UpdateIndicators(0, m_skipCount != 0 ? 1 : 0);
}

void CAudioLog::OnClickChain() {
    RecordAudioCall(this, "OnClickChain", {});
    m_chain = !m_chain;
    m_chainFrequency = m_file.CurrentHeader().get(wlseg::kDal).get(dal::kFrequency);
    UpdateIndicators(2, m_chain ? 1 : 0);
}

int CAudioLog::ChainMatch() {
    RecordAudioCall(this, "ChainMatch", {});
    return m_chain && m_file.m_currentRecord != 0 &&
                   m_file.CurrentHeader().get(wlseg::kDal).get(dal::kFrequency) != m_chainFrequency
               ? 1
               : 0;
}

BOOL CAudioLog::NextPlayableRecord() {
    while (m_file.NextRecord()) {
        if (!ChainMatch()) {
            return TRUE;
        }
    }
    return FALSE;
}

void CAudioLog::OnGotoSegment(std::uint32_t number, BYTE play) {
    RecordAudioCall(this, "OnGotoSegment", {Arg(number), Arg(play)});
    if (play && m_mode != kModePlay) {
        // Play starts at the segment current when the mode changes.
        if (m_file.GotoPlaySegment(number)) {
            ApplyMode(kModePlay);
        }
        return;
    }
    GotoSegment(number);
    if (play && m_playState != kPlayPlaying && m_playState != kPlayStarting) {
        m_playState = kPlayStarting;
        SetState(kStateActive);
        FeedPlayback();
    }
}

void CAudioLog::MutePeers() {
    RecordAudioCall(this, "MutePeers", {});
    for (CAudioLog* log : al_list) {
        if (log != this && !log->m_muted) {
            log->m_muted = TRUE;
            log->UpdateIndicators(1, 1);
        }
    }
    if (m_muted) {
        m_muted = FALSE;
        UpdateIndicators(1, OutputMuted() ? 1 : 0);
    }
}
