#pragma once
// The sound-card mixer as the loggers see it: the list of input sources from the sound devices,
// which output goes with an input, and which sources are in use. Every call is recorded
// (AudioCalls.h). Lines are signed: 0 or more is a real line, card << 24 | device; -1 none, -4 the
// default monitor, -5 a radio's own wave interface.

#include "platform/win/WinTypes.h"

#include <cstdint>
#include <string>
#include <vector>

class CComboBox;

class CMixer {
public:
    struct Source {
        std::string name;
        std::int32_t line = -1;
        // The mixer device, the card the source belongs to.
        UINT mixer = 0;
        BOOL inUse = FALSE;
    };

    // The capture devices of the sound cards, one source each.
    static std::vector<Source> m_mix_list;

    static void BuildAudioDeviceList(int mode);
    // The output line of an input line: the first playback device on the input's card; -1 for a
    // line without a source or a card without playback.
    static std::int32_t MapInputToOutput(std::int32_t input);
    // Marks every source of the line's card.
    static void SetSourceInUse(std::int32_t line, int inUse);
    // "Default Output" (-4), then every playback device; the item named `text` is chosen, else the
    // first.
    static void EnumerateOutputs(CComboBox* combo, const char* text);

    static std::int32_t LineOf(UINT card, UINT device) {
        return static_cast<std::int32_t>(((card & 0x7F) << 24) | (device & 0xFFFFFF));
    }

    // For tests.
    static void SetOutputFor(std::int32_t input, std::int32_t output);
    static bool IsSourceInUse(std::int32_t line);
    static void ResetForTests();
};
