#pragma once
#include "platform/win/WinTypes.h"

using ATOM = WORD;

inline constexpr UINT CS_VREDRAW = 0x0001;
inline constexpr UINT CS_HREDRAW = 0x0002;
inline constexpr UINT CS_DBLCLKS = 0x0008;

struct WNDCLASS {
    UINT style = 0;
    WNDPROC lpfnWndProc = nullptr;
    LPCSTR lpszClassName = nullptr;
};

// Class names compare without case; a window reports the name exactly as it was registered.
ATOM RegisterClass(const WNDCLASS& wc);
BOOL UnregisterClass(LPCSTR className);
BOOL GetClassInfo(LPCSTR className, WNDCLASS* wc);

namespace hb::win {

// For classes the platform itself provides (standard controls, ...): they stay registered when
// tests reset the platform, while classes registered by the program or a test are dropped.
ATOM RegisterBuiltinClass(const WNDCLASS& wc);

} // namespace hb::win
