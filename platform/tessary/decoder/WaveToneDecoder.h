#pragma once
// A tone decoder that listens to a radio's audio logger: CTCSS and DCS tones and DTMF digits of
// the received sound. What it hears is reported on its next tick through its owner's callbacks,
// which a window overrides: the tone only while the owner says the channel is one it can hear.
// Real decoding of sound is not part of this version; a test gives the decoder what it hears.

#include "platform/records/UserId.h"
#include "platform/win/WinTypes.h"

#include <cstdint>
#include <optional>
#include <string>

class CAudioLog;

class CWaveToneDecoder {
public:
    explicit CWaveToneDecoder(CAudioLog* log) : m_log(log) {}
    // Never touches the logger: it may be gone already.
    virtual ~CWaveToneDecoder() = default;
    CWaveToneDecoder(const CWaveToneDecoder&) = delete;
    CWaveToneDecoder& operator=(const CWaveToneDecoder&) = delete;

    // Reports what was heard since the last tick, if anything, as a ToneReport.
    virtual void OnTimerTick();
    // The owner's callbacks: take a report; 1 when the current channel is one the decoder can
    // hear; the current channel's name or null.
    virtual void ReportDecoded(BYTE* /*record*/) {}
    virtual int CanDecodeFrequency() { return 0; }
    virtual const char* ChannelText() { return nullptr; }

    // Forgets what was heard and not yet reported.
    void Clear();
    CAudioLog* AudioLog() const { return m_log; }

    // The library's two settings of the decoder, as its messages give them.
    std::uint32_t m_decodeValue = 0;
    BYTE m_decodeMode = 0;

    // What the decoder hears next, for tests: a tone or code, or digits.
    void HearTone(const hb::records::UserId& id) { m_tone = id; }
    void HearDigits(std::string digits) { m_digits += digits; }

private:
    CAudioLog* m_log;
    std::optional<hb::records::UserId> m_tone;
    std::string m_digits;
};
