#pragma once
// A stand-in for the sound-card mixer: input lines map to the output lines a test sets, and the
// sources in use are kept. Every call is recorded (AudioCalls.h). Lines are signed: 0 or more is a
// real line, -1 none, -4 the default monitor, -5 a radio's own wave interface.

#include <cstdint>

class CMixer {
public:
    static void BuildAudioDeviceList(int mode);
    // The output line of an input line: -1 for a line without a source or one not mapped.
    static std::int32_t MapInputToOutput(std::int32_t input);
    static void SetSourceInUse(std::int32_t line, int inUse);

    // For tests.
    static void SetOutputFor(std::int32_t input, std::int32_t output);
    static bool IsSourceInUse(std::int32_t line);
    static void ResetForTests();
};
