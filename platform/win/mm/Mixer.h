#pragma once
// The sound-card mixer subset: a card's speaker line and its wave-out source, each with a volume
// and a mute control of one channel. Mixer device numbers are the cards' numbers of the wave
// devices (Devices.h). An open mixer posts MM_MIXM_CONTROL_CHANGE to its callback window for every
// change of one of its card's controls, whoever made it; wParam is the mixer handle and lParam the
// control id.

#include "platform/win/mm/Wave.h"

using HMIXER = DWORD;

constexpr UINT MM_MIXM_CONTROL_CHANGE = 0x3D1;

constexpr MMRESULT MIXERR_INVALLINE = 1024;
constexpr MMRESULT MIXERR_INVALCONTROL = 1025;

constexpr DWORD MIXERLINE_COMPONENTTYPE_DST_SPEAKERS = 4;
constexpr DWORD MIXERLINE_COMPONENTTYPE_SRC_WAVEOUT = 0x1008;
constexpr DWORD MIXERCONTROL_CONTROLTYPE_VOLUME = 0x50030001;
constexpr DWORD MIXERCONTROL_CONTROLTYPE_MUTE = 0x20010002;

constexpr DWORD MIXER_GETLINEINFOF_COMPONENTTYPE = 0x00000003;
constexpr DWORD MIXER_GETLINECONTROLSF_ONEBYTYPE = 0x00000002;
constexpr DWORD MIXER_GETCONTROLDETAILSF_VALUE = 0x00000000;
constexpr DWORD MIXER_SETCONTROLDETAILSF_VALUE = 0x00000000;
constexpr DWORD MIXER_OBJECTF_HMIXER = 0x80000000;

struct MIXERLINEA {
    DWORD cbStruct = sizeof(MIXERLINEA);
    DWORD dwLineID = 0;
    DWORD dwComponentType = 0;
    DWORD cChannels = 1;
    DWORD cControls = 0;
    char szName[64] = {};
};

struct MIXERCONTROLA {
    DWORD cbStruct = sizeof(MIXERCONTROLA);
    DWORD dwControlID = 0;
    DWORD dwControlType = 0;
    char szName[64] = {};
    struct {
        DWORD dwMinimum = 0;
        DWORD dwMaximum = 0;
    } Bounds;
};

// Asks for one control of a line by its type.
struct MIXERLINECONTROLSA {
    DWORD cbStruct = sizeof(MIXERLINECONTROLSA);
    DWORD dwLineID = 0;
    DWORD dwControlType = 0;
    DWORD cControls = 1;
    DWORD cbmxctrl = sizeof(MIXERCONTROLA);
    MIXERCONTROLA* pamxctrl = nullptr;
};

struct MIXERCONTROLDETAILS_UNSIGNED {
    DWORD dwValue = 0;
};

// One channel with one unsigned value is all the subset takes.
struct MIXERCONTROLDETAILS {
    DWORD cbStruct = sizeof(MIXERCONTROLDETAILS);
    DWORD dwControlID = 0;
    DWORD cChannels = 1;
    DWORD cMultipleItems = 0;
    DWORD cbDetails = sizeof(MIXERCONTROLDETAILS_UNSIGNED);
    void* paDetails = nullptr;
};

UINT mixerGetNumDevs();
// `callback` is the window to report to (CALLBACK_WINDOW in `flags`); 0 with no flag reports to
// nobody.
MMRESULT mixerOpen(HMIXER* handle, UINT device, DWORD_PTR callback, DWORD_PTR instance,
                   DWORD flags);
MMRESULT mixerClose(HMIXER handle);
// Finds a line of the card by `dwComponentType`.
MMRESULT mixerGetLineInfoA(HMIXER handle, MIXERLINEA* line, DWORD flags);
MMRESULT mixerGetLineControlsA(HMIXER handle, MIXERLINECONTROLSA* controls, DWORD flags);
MMRESULT mixerGetControlDetailsA(HMIXER handle, MIXERCONTROLDETAILS* details, DWORD flags);
MMRESULT mixerSetControlDetails(HMIXER handle, const MIXERCONTROLDETAILS* details, DWORD flags);

namespace hb::win::mm {

// Mixer handles open now; a test sees a leak with it.
std::size_t OpenMixerCount();

} // namespace hb::win::mm
