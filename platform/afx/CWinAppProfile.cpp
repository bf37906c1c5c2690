// The application's settings in the registry store.
#include "platform/afx/CWinApp.h"

#include <cstring>
#include <memory>
#include <optional>

namespace {

// Closes a key when it goes out of scope.
struct KeyCloser {
    HKEY key;
    ~KeyCloser() {
        if (key) {
            RegCloseKey(key);
        }
    }
};

// The size of the entry's value when it is there with that type.
std::optional<DWORD> SizeOf(HKEY section, LPCSTR entry, DWORD wanted) {
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (!section ||
        RegQueryValueEx(section, entry, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != wanted) {
        return std::nullopt;
    }
    return size;
}

} // namespace

void CWinApp::SetRegistryKey(LPCSTR lpszRegistryKey) {
    m_registryKey = lpszRegistryKey ? lpszRegistryKey : "";
    m_profileName = m_appName;
    m_pszRegistryKey = m_registryKey.c_str();
    m_pszProfileName = m_profileName.c_str();
}

HKEY CWinApp::GetAppRegistryKey() {
    if (!m_pszRegistryKey || m_registryKey.empty()) {
        return {};
    }
    const std::string path = "Software\\" + m_registryKey + "\\" + m_profileName;
    HKEY key;
    return RegCreateKeyEx(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_ALL_ACCESS, nullptr, &key, nullptr) == ERROR_SUCCESS
               ? key
               : HKEY{};
}

HKEY CWinApp::GetSectionKey(LPCSTR lpszSection) {
    return OpenSection(lpszSection, true);
}

HKEY CWinApp::OpenSection(LPCSTR lpszSection, bool create) {
    if (!m_pszRegistryKey || m_registryKey.empty() || !lpszSection) {
        return {};
    }
    const std::string path =
        "Software\\" + m_registryKey + "\\" + m_profileName + "\\" + lpszSection;
    HKEY key;
    const DWORD result =
        create ? RegCreateKeyEx(HKEY_CURRENT_USER, path.c_str(), 0, nullptr,
                                REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr)
               : RegOpenKeyEx(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key);
    return result == ERROR_SUCCESS ? key : HKEY{};
}

UINT CWinApp::GetProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault) {
    const KeyCloser section{OpenSection(lpszSection, false)};
    DWORD value = 0;
    DWORD type = REG_NONE;
    DWORD size = sizeof value;
    if (!section.key ||
        RegQueryValueEx(section.key, lpszEntry, nullptr, &type, reinterpret_cast<BYTE*>(&value),
                        &size) != ERROR_SUCCESS ||
        type != REG_DWORD) {
        return static_cast<UINT>(nDefault);
    }
    return value;
}

CString CWinApp::GetProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszDefault) {
    const CString fallback = lpszDefault ? lpszDefault : "";
    const KeyCloser section{OpenSection(lpszSection, false)};
    auto size = SizeOf(section.key, lpszEntry, REG_SZ);
    if (!size) {
        return fallback;
    }
    CString value;
    LPSTR buffer = value.GetBufferSetLength(static_cast<int>(*size));
    if (RegQueryValueEx(section.key, lpszEntry, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer),
                        &*size) != ERROR_SUCCESS) {
        return fallback;
    }
    value.ReleaseBuffer();
    return value;
}

BOOL CWinApp::GetProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, BYTE** ppData, UINT* pBytes) {
    *ppData = nullptr;
    *pBytes = 0;
    const KeyCloser section{OpenSection(lpszSection, false)};
    auto size = SizeOf(section.key, lpszEntry, REG_BINARY);
    if (!size) {
        return FALSE;
    }
    auto data = std::make_unique<BYTE[]>(*size);
    if (RegQueryValueEx(section.key, lpszEntry, nullptr, nullptr, data.get(), &*size) !=
        ERROR_SUCCESS) {
        return FALSE;
    }
    *ppData = data.release();
    *pBytes = *size;
    return TRUE;
}

BOOL CWinApp::WriteProfileInt(LPCSTR lpszSection, LPCSTR lpszEntry, int nValue) {
    const KeyCloser section{OpenSection(lpszSection, true)};
    const auto value = static_cast<DWORD>(nValue);
    return section.key &&
           RegSetValueEx(section.key, lpszEntry, 0, REG_DWORD,
                         reinterpret_cast<const BYTE*>(&value), sizeof value) == ERROR_SUCCESS;
}

BOOL CWinApp::WriteProfileString(LPCSTR lpszSection, LPCSTR lpszEntry, LPCSTR lpszValue) {
    if (!lpszEntry) {
        const KeyCloser app{GetAppRegistryKey()};
        return app.key && RegDeleteTree(app.key, lpszSection) == ERROR_SUCCESS;
    }
    const KeyCloser section{OpenSection(lpszSection, true)};
    if (!section.key) {
        return FALSE;
    }
    if (!lpszValue) {
        return RegDeleteValue(section.key, lpszEntry) == ERROR_SUCCESS;
    }
    return RegSetValueEx(section.key, lpszEntry, 0, REG_SZ,
                         reinterpret_cast<const BYTE*>(lpszValue),
                         static_cast<DWORD>(std::strlen(lpszValue) + 1)) == ERROR_SUCCESS;
}

BOOL CWinApp::WriteProfileBinary(LPCSTR lpszSection, LPCSTR lpszEntry, BYTE* pData, UINT nBytes) {
    const KeyCloser section{OpenSection(lpszSection, true)};
    return section.key &&
           RegSetValueEx(section.key, lpszEntry, 0, REG_BINARY, pData, nBytes) == ERROR_SUCCESS;
}
