#pragma once
#include "platform/win/WinTypes.h"

namespace hb::win {
struct AccelTag;
} // namespace hb::win

using HACCEL = hb::win::Handle<hb::win::AccelTag>;

inline constexpr BYTE FVIRTKEY = 0x01;
inline constexpr BYTE FSHIFT = 0x04;
inline constexpr BYTE FCONTROL = 0x08;
inline constexpr BYTE FALT = 0x10;

struct ACCEL {
    BYTE fVirt = 0;
    WORD key = 0;
    WORD cmd = 0;
};

// Null for no entries.
HACCEL CreateAcceleratorTable(const ACCEL* entries, int count);
BOOL DestroyAcceleratorTable(HACCEL table);

// A WM_KEYDOWN or WM_SYSKEYDOWN whose key and Shift, Ctrl and Alt state (GetKeyState) match an
// entry of the table exactly sends WM_COMMAND(MAKEWPARAM(cmd, 1), 0) to `hwnd` and returns TRUE.
// Only virtual-key entries (FVIRTKEY) are matched.
int TranslateAccelerator(HWND hwnd, HACCEL table, const MSG* msg);
