// The three settings scopes and the window positions kept in them.
#include "platform/afx/CWnd.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/win/core/Geometry.h"
#include "platform/win/core/MessageBox.h"
#include "platform/win/core/SystemInfo.h"
#include "platform/win/core/Window.h"
#include "platform/win/core/WindowState.h"
#include "platform/win/store/Registry.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr LPCSTR kPositionSection = "WindowPositions";

// The value's data when it is there with that type; an empty result otherwise.
bool Query(HKEY root, const std::string& path, LPCSTR entry, DWORD wanted, std::string& out) {
    HKEY key;
    if (RegOpenKeyEx(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    DWORD type = REG_NONE;
    DWORD size = 0;
    bool found = RegQueryValueEx(key, entry, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
                 type == wanted;
    if (found) {
        out.resize(size);
        found = RegQueryValueEx(key, entry, nullptr, nullptr, reinterpret_cast<BYTE*>(out.data()),
                                &size) == ERROR_SUCCESS;
    }
    RegCloseKey(key);
    return found;
}

bool Set(HKEY root, const std::string& path, LPCSTR entry, DWORD type, const BYTE* data,
         DWORD size) {
    HKEY key;
    if (RegCreateKeyEx(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                       nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const bool done = RegSetValueEx(key, entry, 0, type, data, size) == ERROR_SUCCESS;
    RegCloseKey(key);
    return done;
}

int ReadInt(HKEY root, const std::string& path, LPCSTR entry, int defaultValue) {
    std::string data;
    if (!Query(root, path, entry, REG_DWORD, data) || data.size() != 4) {
        return defaultValue;
    }
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<std::uint8_t>(data[static_cast<std::size_t>(i)]);
    }
    return static_cast<int>(value);
}

CString ReadString(HKEY root, const std::string& path, LPCSTR entry, LPCSTR defaultValue) {
    std::string data;
    if (!Query(root, path, entry, REG_SZ, data)) {
        return defaultValue ? defaultValue : "";
    }
    return CString(data.c_str());
}

struct Placement {
    RECT rect{};
    int maximized = 0;
};

bool ParsePlacement(const CString& text, Placement& out) {
    char tail = 0;
    return std::sscanf(text, "%d,%d,%d,%d,%d%c", &out.rect.left, &out.rect.top, &out.rect.right,
                       &out.rect.bottom, &out.maximized, &tail) == 5 &&
           out.rect.right > out.rect.left && out.rect.bottom > out.rect.top;
}

// The window's rectangle in its parent's client coordinates (the screen's for a top-level one).
RECT PlacementRect(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    if (const HWND parent = GetParent(hwnd)) {
        MapWindowPoints(HWND{}, parent, corners, 2);
    }
    return {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

} // namespace

std::string CScanApp::SuiteKey(LPCSTR section) {
    return std::string("Software\\") + kCompanyName + "\\Suite\\" + section;
}

int CScanApp::GetProfileIntA(LPCSTR section, LPCSTR entry, int defaultValue) {
    return static_cast<int>(GetProfileInt(section, entry, defaultValue));
}

CString CScanApp::GetProfileStringA(LPCSTR section, LPCSTR entry, LPCSTR defaultValue) {
    return GetProfileString(section, entry, defaultValue);
}

BOOL CScanApp::WriteProfileStringA(LPCSTR section, LPCSTR entry, LPCSTR value) {
    return WriteProfileString(section, entry, value);
}

BOOL CScanApp::WriteProfileInt(LPCSTR section, LPCSTR entry, int value) {
    return Saved(CWinApp::WriteProfileInt(section, entry, value));
}

BOOL CScanApp::WriteProfileString(LPCSTR section, LPCSTR entry, LPCSTR value) {
    return Saved(CWinApp::WriteProfileString(section, entry, value));
}

BOOL CScanApp::WriteProfileBinary(LPCSTR section, LPCSTR entry, BYTE* data, UINT bytes) {
    return Saved(CWinApp::WriteProfileBinary(section, entry, data, bytes));
}

BOOL CScanApp::Saved(BOOL written) {
    if (written || m_saveFailureShown) {
        return written;
    }
    // A write refused for another reason (no such section, say) is not the user's concern.
    const auto failure = hb::win::registry::TakeSaveFailure();
    if (!failure) {
        return written;
    }
    m_saveFailureShown = true;
    CString text;
    text.Format("The settings could not be saved to %s (%s). Settings changed from now on may be "
                "lost when %s ends.",
                failure->path.c_str(), failure->reason.c_str(), m_pszAppName);
    MessageBox(m_pMainWnd ? m_pMainWnd->m_hWnd : HWND{}, text, m_pszAppName, MB_ICONEXCLAMATION);
    return written;
}

BOOL CScanApp::ReadBinaryValue(HKEY key, LPCSTR name, void* data, DWORD size) {
    DWORD type = REG_NONE;
    DWORD stored = 0;
    if (!key || !data ||
        RegQueryValueEx(key, name, nullptr, &type, nullptr, &stored) != ERROR_SUCCESS ||
        type != REG_BINARY || stored != size) {
        return FALSE;
    }
    return RegQueryValueEx(key, name, nullptr, nullptr, static_cast<BYTE*>(data), &stored) ==
           ERROR_SUCCESS;
}

int CScanApp::GetSuiteProfileInt(LPCSTR section, LPCSTR entry, int defaultValue) {
    return section ? ReadInt(HKEY_CURRENT_USER, SuiteKey(section), entry, defaultValue)
                   : defaultValue;
}

CString CScanApp::GetSuiteProfileString(LPCSTR section, LPCSTR entry, LPCSTR defaultValue) {
    return section ? ReadString(HKEY_CURRENT_USER, SuiteKey(section), entry, defaultValue)
                   : CString(defaultValue ? defaultValue : "");
}

BOOL CScanApp::WriteSuiteProfileInt(LPCSTR section, LPCSTR entry, int value) {
    const BYTE data[4] = {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8),
                          static_cast<BYTE>(value >> 16), static_cast<BYTE>(value >> 24)};
    return Saved(section && Set(HKEY_CURRENT_USER, SuiteKey(section), entry, REG_DWORD, data, 4));
}

BOOL CScanApp::WriteSuiteProfileString(LPCSTR section, LPCSTR entry, LPCSTR value) {
    return Saved(section && value &&
                 Set(HKEY_CURRENT_USER, SuiteKey(section), entry, REG_SZ,
                     reinterpret_cast<const BYTE*>(value),
                     static_cast<DWORD>(std::strlen(value) + 1)));
}

int CScanApp::GetMachineProfileInt(LPCSTR section, LPCSTR entry, int defaultValue) {
    if (!section) {
        return defaultValue;
    }
    const std::string path =
        std::string("Software\\") + kCompanyName + "\\" + m_pszAppName + "\\" + section;
    return ReadInt(HKEY_LOCAL_MACHINE, path, entry, defaultValue);
}

void CScanApp::SaveWindowPosition(CWnd* wnd, LPCSTR name) {
    if (!wnd || !::IsWindow(wnd->m_hWnd) || !name || IsIconic(wnd->m_hWnd)) {
        return;
    }
    Placement placement;
    const bool maximized = IsZoomed(wnd->m_hWnd);
    // A maximised window's own rectangle is the screen: keep the normal one stored before.
    if (!maximized || !ParsePlacement(GetProfileStringA(kPositionSection, name), placement)) {
        placement.rect = PlacementRect(wnd->m_hWnd);
    }
    CString text;
    text.Format("%d,%d,%d,%d,%d", static_cast<int>(placement.rect.left),
                static_cast<int>(placement.rect.top), static_cast<int>(placement.rect.right),
                static_cast<int>(placement.rect.bottom), maximized ? 1 : 0);
    WriteProfileStringA(kPositionSection, name, text);
}

BOOL CScanApp::RestoreWindowPosition(CWnd* wnd, LPCSTR name) {
    Placement placement;
    if (!wnd || !::IsWindow(wnd->m_hWnd) || !name ||
        !ParsePlacement(GetProfileStringA(kPositionSection, name), placement)) {
        return FALSE;
    }
    const RECT& r = placement.rect;
    if (!GetParent(wnd->m_hWnd)) {
        const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        RECT visible;
        if (!IntersectRect(&visible, &r, &screen)) {
            return FALSE;
        }
    }
    MoveWindow(wnd->m_hWnd, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
    if (placement.maximized) {
        ShowWindow(wnd->m_hWnd, SW_SHOWMAXIMIZED);
    }
    return TRUE;
}
