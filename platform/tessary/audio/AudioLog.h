#pragma once
// The audio logging engine of one radio or player. It records the input line's audio into the
// recording file segment by segment as the channel requests come, monitors it on an output, and
// plays a file back. The sound devices report to the owner window, which hands their four MM_
// messages to the Process* handlers; the owner's 100 ms timer calls OnTimerTick. What the logger
// shows goes out through the update virtuals, which the logger windows override. Every call the
// program makes on it is recorded as well (AudioCalls.h), except the tick and the device messages,
// which come with the clock and would fill the record as long as the program runs.

#include "platform/tessary/audio/AudioFile.h"
#include "platform/win/WinTypes.h"
#include "platform/win/mm/Wave.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

class CAudioSegment;
class CWaveToneDecoder;
class CWnd;

class CAudioLog {
public:
    // Modes.
    static constexpr BYTE kModeOff = 0;
    static constexpr BYTE kModeRecord = 1;
    static constexpr BYTE kModePlay = 2;
    // Logger states.
    static constexpr BYTE kStateStopped = 0;
    static constexpr BYTE kStatePaused = 1;
    static constexpr BYTE kStateActive = 4;  // monitoring or playing
    static constexpr BYTE kStateSegment = 5; // recording a segment
    // Play states.
    static constexpr BYTE kPlayStopped = 0;
    static constexpr BYTE kPlayStarting = 1;
    static constexpr BYTE kPlayPlaying = 2;
    static constexpr BYTE kPlayPaused = 3;
    static constexpr BYTE kPlaySegmentEnd = 4;
    static constexpr BYTE kPlayFileEnd = 5;
    static constexpr BYTE kPlayHeld = 6;
    // The run state the front panel reads while a segment is recorded.
    static constexpr BYTE kRecording = 2;
    // Disk-space stop reason: free space fell below "MinDiskSpace".
    static constexpr BYTE kStopDiskSpace = 2;
    // "MinDiskSpace" when unset, in MB.
    static constexpr int kDefaultMinDiskSpace = 20;
    // The input level of unity gain, and the most.
    static constexpr int kUnityLevel = 32768;
    static constexpr int kMostLevel = 65535;

    CAudioLog() : CAudioLog("", "") {}
    // `section` is the logger's profile section, `name` the radio's.
    CAudioLog(const char* section, const char* name);
    CAudioLog(const CAudioLog&) = delete;
    CAudioLog& operator=(const CAudioLog&) = delete;
    virtual ~CAudioLog();

    // What the logger shows; the logger windows override them.
    virtual void UpdateStatus() {}
    virtual void UpdateSegment(const char* /*file*/, const wlseg* /*segment*/,
                               std::uint32_t /*n*/) {}
    virtual void UpdatePosition() {}
    virtual void UpdateTime(std::uint32_t /*time*/, int /*n*/) {}
    virtual void UpdateInfo(const dal* /*record*/, const char* /*text*/) {}
    virtual void UpdateIndicators(int /*kind*/, int /*value*/) {}
    virtual void UpdateAnnotation(const wlseg* /*segment*/) {}
    virtual void UpdateVUMeter(int /*left*/, int /*right*/) {}

    // Opens the input line's device (none for line -5, whose audio the radio's driver hands in)
    // and the monitor output, reporting to the owner window. FALSE when there is no sound device
    // at all or one cannot be opened; then the logger stays closed. A second call releases what
    // the first opened and opens again.
    virtual BOOL Create(CWnd* parent, DWORD style);
    // The owner's 100 ms tick.
    virtual void OnTimerTick();
    LRESULT ProcessWIMData(WPARAM wParam, LPARAM lParam);
    LRESULT ProcessWOMDone(WPARAM wParam, LPARAM lParam);
    LRESULT ProcessWIMClose(WPARAM wParam, LPARAM lParam);
    LRESULT ProcessWOMClose(WPARAM wParam, LPARAM lParam);

    // Takes the role (1 local recorder, 2 live reception) and reads the section again: the mode
    // and the recording file, which it opens.
    virtual int SetRole(int role);
    void DSPRole(int role);
    // Off, record (or live) or play; -1 when refused (play without a file to play).
    virtual int SetMode(int mode);
    BYTE GetMode() const { return m_mode; }
    // The number of the segment whose time and channel are shown.
    std::uint32_t ShownRecord() const { return m_shownRecord; }
    // 1 ends the segment in progress, 2 and 8 start a segment of that activity, 4 writes the
    // segment's header again with the record's new ID or level.
    virtual void ProcessRequest(int code, const dal* record, std::uint64_t time);
    virtual void ProcessSpecial(int code);
    virtual void Mute(int on);
    // Disable stops the logger and ignores channel requests until Enable.
    virtual void Enable();
    virtual void Disable();
    // 0 to 100.
    virtual void Volume(int level);
    virtual void MarkNow(std::uint32_t segment, int kind, int extra);
    virtual void AnticipateNewChannel(std::uint32_t frequency);
    virtual void Reset();
    // Reads the recording settings of the section again; SetRole runs it.
    virtual void SetupRecordSettings();
    // Monitors on another output, reopening the output when the logger is created.
    virtual void ChangeMonitorOutputLine(std::int32_t line);
    void SetInputLine(std::int32_t line);
    void SetOutputLine(std::int32_t line);
    void SetMonitorLine(std::int32_t line);

    // The transport.
    void OnPlayButton();
    void OnPauseButton();
    void OnStopButton();
    void OnRewindButton();
    void OnForwardButton();
    void OnBackButton();
    void OnEndButton();

    // The recording file: chosen in the file dialog, made when recording begins, emptied, or
    // overwritten with zeros and emptied (both asked first).
    void OnFileButton();
    void OnAutoFileButton();
    void OnFileErase();
    void OnFileZeroize();

    // Skips the rest of the segment being played.
    virtual void Skip();
    void OnClickSkip();
    // Chain on: play keeps to the channel of the segment current when it was turned on.
    void OnClickChain();
    // Non-zero for the current segment when chain is on and it is off the chained channel.
    virtual int ChainMatch();
    // Goes to a segment of the file, playing it when `play` is set.
    void OnGotoSegment(std::uint32_t number, BYTE play);
    // Mutes every other logger and unmutes this one.
    virtual void MutePeers();
    // The logger's settings dialog; what the user sets is kept in the section.
    virtual void Settings();
    // Takes the inversion mode and frequency: while both are set, played and monitored audio is
    // mixed with the inversion frequency, which turns inverted speech back.
    virtual void DSPInvertSetup();
    // While the gain control is on, quiet audio is raised towards half of full scale, at most
    // eightfold.
    virtual void AutoGainControl(std::uint8_t* samples, std::uint32_t bytes);
    // `manual` non-zero holds the input gain at `level` (32768 is unity, 65535 the most) instead
    // of the automatic control.
    void AutoGainControl(int manual, int level);
    // The gain the automatic control applies now, on the manual level's scale.
    int GetAutoLevel() const { return m_autoLevel; }
    // The section names the logger; the display name is the radio's.
    const char* GetNameText() const { return m_section.c_str(); }
    const char* GetDisplayName() const { return m_name.c_str(); }
    // The tone decoder that listens to this logger's audio; null detaches it. The logger never
    // owns it, and drops it unused when it goes first.
    virtual void DSPAttachFastDecoder(CWaveToneDecoder* decoder);

    // While the output plays the file: the segment it plays and the file offset of the byte it
    // plays now. False when no audio of the file is on the output.
    bool HeardPosition(std::uint32_t& record, std::uint64_t& offset) const;

    // The engine's wave callback for a radio that delivers its own audio; `context` is the logger.
    static void DriverWaveInterface(void* context, const std::uint8_t* samples,
                                    std::uint32_t bytes);
    // Mutes or unmutes the monitor output of every logger.
    static void MasterMute(int on);
    // Non-zero while the monitor output is muted.
    static BYTE al_monitor_master_mute;
    // Every logger that exists, in the order they were made.
    static std::vector<CAudioLog*> al_list;

    std::string m_section;
    std::string m_name;
    CWnd* m_owner = nullptr;

    int m_role = 0;
    int m_dspRole = 0;
    BYTE m_mode = kModeOff;
    // The logger state (also the front panel's recorder mode) and the play state.
    BYTE m_state = kStateStopped;
    BYTE m_playState = kPlayStopped;
    // Set in record mode with a file.
    BOOL m_recording = FALSE;
    BYTE m_runState = 0;
    BYTE m_recorderMode = 0;
    // GetTickCount of the last audio heard.
    DWORD m_lastActivity = 0;
    // The segment being written, or null.
    CAudioSegment* m_openSegment = nullptr;
    BYTE m_recordSwitch = 0;
    BOOL m_muted = FALSE;
    BOOL m_disabled = FALSE;
    // 0 to 1.
    double m_volume = 1.0;
    // The peak of the last audio, 0 to 100.
    int m_level = 0;
    // Channel reports are ignored while set.
    BYTE m_blockChannelInput = 0;
    BOOL m_diskSpaceStop = FALSE;
    BYTE m_stopReason = 0;
    BYTE m_segmentControl = 0;
    std::uint16_t m_loggerValue = 0;
    std::int32_t m_inputLine = -1;
    std::int32_t m_outputLine = -1;
    std::int32_t m_monitorLine = -1;
    // Set by the program from the radio model when the radio's driver delivers the audio.
    std::uint32_t m_driverWave = 0;
    std::uint8_t m_driverWaveBits = 0;
    BOOL m_fedByDriver = FALSE;
    std::uint32_t m_driverBytes = 0;

    std::uint32_t m_skipCount = 0;
    BOOL m_chain = FALSE;
    std::uint32_t m_chainFrequency = 0;
    int m_invertMode = 0;
    double m_invertFrequency = 0;
    BOOL m_autoGain = FALSE;
    // Automatic level control of the recorded and of the played audio.
    BOOL m_recordAutoLevel = FALSE;
    BOOL m_playbackAutoLevel = FALSE;
    BOOL m_manualGain = FALSE;
    int m_manualLevel = kUnityLevel;
    int m_autoLevel = kUnityLevel;
    // Non-zero while the last audio taken was not silent.
    std::uint16_t m_activity = 0;
    // A new dated file is made when recording begins.
    BOOL m_autoFile = FALSE;

    CWaveToneDecoder* m_fastDecoder = nullptr;

    HWAVEIN m_waveIn = 0;
    HWAVEOUT m_waveOut = 0;
    BOOL m_outputPaused = FALSE;

    // The recording file, and through it the index view that shows it.
    CAudioFile m_file;

private:
    struct Buffer;

    void ReadSettings();
    int MinDiskSpace() const;
    void TakeFile(const std::string& path);
    void MakeAutoFile();
    void ClearFile(bool zeroize);
    // Moves to the next segment that chain allows; FALSE at the end of the file.
    BOOL NextPlayableRecord();
    int ApplyMode(int mode);
    void OpenRecordingFile();
    void ReleaseDevices();
    BOOL OpenInput();
    BOOL OpenOutput();
    void StartInput();
    void StopInput();
    void TakeAudio(const std::uint8_t* samples, std::uint32_t bytes);
    void Monitor(const std::uint8_t* samples, std::uint32_t bytes);
    void Play(const std::uint8_t* samples, std::uint32_t bytes);
    void FeedPlayback();
    void EndSegment();
    void StartSegment(int code, const dal& record, std::uint64_t time);
    void CheckDiskSpace();
    void SetState(BYTE state);
    void StopPlayback();
    // Shows the time and channel of the file's current segment.
    void ShowCurrentSegment();
    void ShowHeardSegment();
    // Playing, starting or seeking, or playing out the last of the file.
    bool Going() const {
        return m_playState == kPlayPlaying || m_playState == kPlayStarting ||
               m_playState == kPlaySegmentEnd;
    }
    // The segment whose audio the output plays now; the file may be read further on.
    std::uint32_t HeardRecord() const;
    // Gives back what the output still holds.
    void DropOutput();
    void GotoSegment(std::uint32_t number);
    BOOL OutputMuted() const;

    std::vector<std::unique_ptr<Buffer>> m_inputBuffers;
    std::deque<std::unique_ptr<Buffer>> m_outputBuffers;
    std::unique_ptr<CAudioSegment> m_segment;
    dal m_segmentRecord;
    BYTE m_lastTickPlayState = kPlayStopped;
    // The bytes written to the output since it was opened or reset, as its position counts.
    std::uint64_t m_outputWritten = 0;
    // The segment whose time and channel are shown.
    std::uint32_t m_shownRecord = 0;
    // The inversion carrier while it is on, in radians a sample.
    double m_invertStep = 0;
    double m_invertPhase = 0;
};
