#pragma once
// A stand-in for the audio logging engine of one radio or player: it keeps what it is told, with
// every call recorded (AudioCalls.h), and exposes the state the program reads as fields a test
// can set.

#include "platform/tessary/audio/AudioFile.h"
#include "platform/win/WinTypes.h"

#include <cstdint>

class CAudioSegment;

class CAudioLog {
public:
    // Run states.
    static constexpr BYTE kRecording = 2;
    // Live/paused byte.
    static constexpr BYTE kLive = 1;
    static constexpr BYTE kPaused = 2;

    CAudioLog() = default;
    CAudioLog(const CAudioLog&) = delete;
    CAudioLog& operator=(const CAudioLog&) = delete;
    virtual ~CAudioLog() = default;

    void SetRole(int role);
    void DSPRole(int role);
    void ProcessSpecial(int code);
    void Mute(int on);
    void Disable();
    // Live (1) or paused (2); 0 when taken.
    int SetMode(int mode);
    BYTE GetMode() const { return m_mode; }
    void Volume(int level);
    void MarkNow(std::uint32_t segment, int kind, int extra);
    void AnticipateNewChannel(std::uint32_t frequency);
    void SetInputLine(std::int32_t line);
    void SetOutputLine(std::int32_t line);
    void SetMonitorLine(std::int32_t line);

    // The engine's wave callback for a radio that delivers its own audio; `context` is the logger.
    static void DriverWaveInterface(void* context, const std::uint8_t* samples,
                                    std::uint32_t bytes);
    // Mutes or unmutes the monitor output of every logger.
    static void MasterMute(int on);
    // Non-zero while the monitor output is muted.
    static BYTE al_monitor_master_mute;

    BYTE m_runState = 0;
    BYTE m_mode = kLive;
    BYTE m_recorderMode = 0;
    // GetTickCount of the last audio heard.
    DWORD m_lastActivity = 0;
    // The segment being written, or null.
    CAudioSegment* m_openSegment = nullptr;
    BYTE m_recordSwitch = 0;

    int m_role = 0;
    int m_dspRole = 0;
    int m_volume = 0;
    BOOL m_muted = FALSE;
    BOOL m_disabled = FALSE;
    std::int32_t m_inputLine = -1;
    std::int32_t m_outputLine = -1;
    std::int32_t m_monitorLine = -1;
    // Set by the program from the radio model when the radio's driver delivers the audio.
    std::uint32_t m_driverWave = 0;
    std::uint8_t m_driverWaveBits = 0;
    BOOL m_fedByDriver = FALSE;
    std::uint32_t m_driverBytes = 0;

    // The recording file, and through it the index view that shows it.
    CAudioFile m_file;
};
