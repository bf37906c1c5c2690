#pragma once
#include "platform/win/WinTypes.h"

// Fixed values, whatever machine runs the program: one classic desktop, 1920x1080 unless the
// display the windows are shown on says otherwise.
inline constexpr int SM_CXSCREEN = 0;
inline constexpr int SM_CYSCREEN = 1;
inline constexpr int SM_CXVSCROLL = 2;
inline constexpr int SM_CYHSCROLL = 3;
inline constexpr int SM_CYCAPTION = 4;
inline constexpr int SM_CXBORDER = 5;
inline constexpr int SM_CYBORDER = 6;
inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;
inline constexpr int SM_CYMENU = 15;
inline constexpr int SM_CXFRAME = 32;
inline constexpr int SM_CYFRAME = 33;
inline constexpr int SM_CXEDGE = 45;
inline constexpr int SM_CYEDGE = 46;
inline constexpr int SM_CXSMICON = 49;
inline constexpr int SM_CYSMICON = 50;

int GetSystemMetrics(int index);

namespace hb::win {
// The screen the windows are shown on; without a display, the classic 1920x1080.
void SetScreenSize(int width, int height);
void ResetScreenSize();
} // namespace hb::win

inline constexpr int COLOR_SCROLLBAR = 0;
inline constexpr int COLOR_BACKGROUND = 1;
inline constexpr int COLOR_ACTIVECAPTION = 2;
inline constexpr int COLOR_INACTIVECAPTION = 3;
inline constexpr int COLOR_MENU = 4;
inline constexpr int COLOR_WINDOW = 5;
inline constexpr int COLOR_WINDOWFRAME = 6;
inline constexpr int COLOR_MENUTEXT = 7;
inline constexpr int COLOR_WINDOWTEXT = 8;
inline constexpr int COLOR_CAPTIONTEXT = 9;
inline constexpr int COLOR_ACTIVEBORDER = 10;
inline constexpr int COLOR_INACTIVEBORDER = 11;
inline constexpr int COLOR_APPWORKSPACE = 12;
inline constexpr int COLOR_HIGHLIGHT = 13;
inline constexpr int COLOR_HIGHLIGHTTEXT = 14;
inline constexpr int COLOR_BTNFACE = 15;
inline constexpr int COLOR_3DFACE = COLOR_BTNFACE;
inline constexpr int COLOR_BTNSHADOW = 16;
inline constexpr int COLOR_3DSHADOW = COLOR_BTNSHADOW;
inline constexpr int COLOR_GRAYTEXT = 17;
inline constexpr int COLOR_BTNTEXT = 18;
inline constexpr int COLOR_INACTIVECAPTIONTEXT = 19;
inline constexpr int COLOR_BTNHIGHLIGHT = 20;
inline constexpr int COLOR_3DHIGHLIGHT = COLOR_BTNHIGHLIGHT;
inline constexpr int COLOR_3DDKSHADOW = 21;
inline constexpr int COLOR_3DLIGHT = 22;
inline constexpr int COLOR_INFOTEXT = 23;
inline constexpr int COLOR_INFOBK = 24;

// The classic colour scheme; 0 (black) for an unknown index.
DWORD GetSysColor(int index);

namespace hb::win {
// Tests: changes one system colour, its brush (GetSysColorBrush) included, as a user changing the
// desktop's colour scheme would; ResetSysColors (part of ResetForTests) brings back the classic
// scheme. An unknown index is ignored.
void SetSysColorForTest(int index, COLORREF color);
void ResetSysColors();
} // namespace hb::win

struct OSVERSIONINFO {
    DWORD dwOSVersionInfoSize = 0;
    DWORD dwMajorVersion = 0;
    DWORD dwMinorVersion = 0;
    DWORD dwBuildNumber = 0;
    DWORD dwPlatformId = 0;
    char szCSDVersion[128] = {};
};

inline constexpr DWORD VER_PLATFORM_WIN32_NT = 2;

// Version 6.1, build 7601: the program takes its newer-system branches.
DWORD GetVersion();
BOOL GetVersionEx(OSVERSIONINFO* info);

inline constexpr WORD PROCESSOR_ARCHITECTURE_INTEL = 0;

struct SYSTEM_INFO {
    WORD wProcessorArchitecture = 0;
};

void GetSystemInfo(SYSTEM_INFO* info);
