#include "platform/win/core/SystemInfo.h"

#include "platform/win/gdi/ObjectTable.h"

#include <array>

namespace {

constexpr DWORD kMajor = 6;
constexpr DWORD kMinor = 1;
constexpr DWORD kBuild = 7601;

constexpr SIZE kClassicScreen{1920, 1080};
SIZE g_screen = kClassicScreen;

constexpr std::array<COLORREF, 25> kClassicColors = {
    RGB(212, 208, 200), // scroll bar
    RGB(58, 110, 165),  // desktop
    RGB(10, 36, 106),   // active caption
    RGB(128, 128, 128), // inactive caption
    RGB(212, 208, 200), // menu
    RGB(255, 255, 255), // window
    RGB(0, 0, 0),       // window frame
    RGB(0, 0, 0),       // menu text
    RGB(0, 0, 0),       // window text
    RGB(255, 255, 255), // caption text
    RGB(212, 208, 200), // active border
    RGB(212, 208, 200), // inactive border
    RGB(128, 128, 128), // application workspace
    RGB(10, 36, 106),   // highlight
    RGB(255, 255, 255), // highlight text
    RGB(212, 208, 200), // button face
    RGB(128, 128, 128), // button shadow
    RGB(128, 128, 128), // grey text
    RGB(0, 0, 0),       // button text
    RGB(212, 208, 200), // inactive caption text
    RGB(255, 255, 255), // button highlight
    RGB(64, 64, 64),    // 3-D dark shadow
    RGB(212, 208, 200), // 3-D light
    RGB(0, 0, 0),       // tooltip text
    RGB(255, 255, 225), // tooltip background
};
std::array<COLORREF, 25> g_colors = kClassicColors;

bool IsColorIndex(int index) {
    return index >= 0 && static_cast<std::size_t>(index) < g_colors.size();
}

} // namespace

int GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXSCREEN:
        return g_screen.cx;
    case SM_CYSCREEN:
        return g_screen.cy;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
        return 17;
    case SM_CYCAPTION:
    case SM_CYMENU:
        return 19;
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXICON:
    case SM_CYICON:
        return 32;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return 4;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return 2;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return 16;
    default:
        return 0;
    }
}

DWORD GetSysColor(int index) {
    return IsColorIndex(index) ? g_colors[static_cast<std::size_t>(index)] : 0;
}

namespace hb::win {

void SetSysColorForTest(int index, COLORREF color) {
    if (!IsColorIndex(index)) {
        return;
    }
    g_colors[static_cast<std::size_t>(index)] = color;
    detail::Objects().RecolorSysColorBrush(index, color);
}

void ResetSysColors() {
    for (std::size_t index = 0; index < kClassicColors.size(); ++index) {
        SetSysColorForTest(static_cast<int>(index), kClassicColors[index]);
    }
}

} // namespace hb::win

DWORD GetVersion() {
    return kMajor | (kMinor << 8) | (kBuild << 16);
}

BOOL GetVersionEx(OSVERSIONINFO* info) {
    if (!info) {
        return FALSE;
    }
    info->dwMajorVersion = kMajor;
    info->dwMinorVersion = kMinor;
    info->dwBuildNumber = kBuild;
    info->dwPlatformId = VER_PLATFORM_WIN32_NT;
    info->szCSDVersion[0] = '\0';
    return TRUE;
}

void GetSystemInfo(SYSTEM_INFO* info) {
    if (!info) {
        return;
    }
    info->wProcessorArchitecture = PROCESSOR_ARCHITECTURE_INTEL;
}

namespace hb::win {

void SetScreenSize(int width, int height) {
    g_screen = {width, height};
}

void ResetScreenSize() {
    g_screen = kClassicScreen;
}

} // namespace hb::win
