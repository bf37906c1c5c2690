#pragma once
// The waveform subset: capture (waveIn) and playback (waveOut) devices opened with a callback
// window. A device reports to that window with the MM_ messages below, wParam the device handle
// and, for DONE and DATA, lParam the buffer's header. Which devices exist depends on the backend
// chosen at start (Devices.h).

#include "platform/win/WinTypes.h"

using MMRESULT = UINT;
using HWAVEIN = DWORD;
using HWAVEOUT = DWORD;

constexpr MMRESULT MMSYSERR_NOERROR = 0;
constexpr MMRESULT MMSYSERR_ERROR = 1;
constexpr MMRESULT MMSYSERR_BADDEVICEID = 2;
constexpr MMRESULT MMSYSERR_ALLOCATED = 4;
constexpr MMRESULT MMSYSERR_INVALHANDLE = 5;
constexpr MMRESULT MMSYSERR_NODRIVER = 6;
constexpr MMRESULT MMSYSERR_NOMEM = 7;
constexpr MMRESULT MMSYSERR_INVALFLAG = 10;
constexpr MMRESULT MMSYSERR_INVALPARAM = 11;
constexpr MMRESULT WAVERR_BADFORMAT = 32;
constexpr MMRESULT WAVERR_STILLPLAYING = 33;

// The default output device.
constexpr UINT WAVE_MAPPER = 0xFFFFFFFF;
constexpr DWORD CALLBACK_WINDOW = 0x00010000;

constexpr UINT MM_WOM_OPEN = 0x3BB;
constexpr UINT MM_WOM_CLOSE = 0x3BC;
constexpr UINT MM_WOM_DONE = 0x3BD;
constexpr UINT MM_WIM_OPEN = 0x3BE;
constexpr UINT MM_WIM_CLOSE = 0x3BF;
constexpr UINT MM_WIM_DATA = 0x3C0;

constexpr WORD WAVE_FORMAT_PCM = 1;

struct WAVEFORMATEX {
    WORD wFormatTag = WAVE_FORMAT_PCM;
    WORD nChannels = 1;
    DWORD nSamplesPerSec = 0;
    DWORD nAvgBytesPerSec = 0;
    WORD nBlockAlign = 0;
    WORD wBitsPerSample = 0;
    WORD cbSize = 0;
};

// Header flags: the device is done with the buffer; the buffer waits in the device's queue.
constexpr DWORD WHDR_DONE = 0x01;
constexpr DWORD WHDR_INQUEUE = 0x10;

// A buffer handed to a device. The device owns it from the add or write until its DONE or DATA
// message; the caller keeps it alive that long.
struct WAVEHDR {
    char* lpData = nullptr;
    DWORD dwBufferLength = 0;
    DWORD dwBytesRecorded = 0;
    DWORD_PTR dwUser = 0;
    DWORD dwFlags = 0;
};

constexpr UINT TIME_BYTES = 0x0004;

struct MMTIME {
    UINT wType = TIME_BYTES;
    DWORD cb = 0;
};

UINT waveInGetNumDevs();
UINT waveOutGetNumDevs();

// `callback` is the window (CALLBACK_WINDOW in `flags`); 0 with no flag opens a silent device.
MMRESULT waveInOpen(HWAVEIN* handle, UINT device, const WAVEFORMATEX* format, DWORD_PTR callback,
                    DWORD_PTR instance, DWORD flags);
MMRESULT waveInAddBuffer(HWAVEIN handle, WAVEHDR* header, UINT size);
MMRESULT waveInStart(HWAVEIN handle);
// Stops filling; a partly filled buffer comes back with what it holds.
MMRESULT waveInStop(HWAVEIN handle);
// Stops and gives every queued buffer back.
MMRESULT waveInReset(HWAVEIN handle);
// Refused (WAVERR_STILLPLAYING) while buffers are queued.
MMRESULT waveInClose(HWAVEIN handle);

MMRESULT waveOutOpen(HWAVEOUT* handle, UINT device, const WAVEFORMATEX* format, DWORD_PTR callback,
                     DWORD_PTR instance, DWORD flags);
MMRESULT waveOutWrite(HWAVEOUT handle, WAVEHDR* header, UINT size);
MMRESULT waveOutPause(HWAVEOUT handle);
MMRESULT waveOutRestart(HWAVEOUT handle);
// Stops playing, gives every queued buffer back and sets the position to 0.
MMRESULT waveOutReset(HWAVEOUT handle);
MMRESULT waveOutClose(HWAVEOUT handle);
// Bytes played since the open or the last reset.
MMRESULT waveOutGetPosition(HWAVEOUT handle, MMTIME* time, UINT size);
