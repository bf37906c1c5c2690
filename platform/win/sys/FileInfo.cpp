#include "platform/win/sys/FileInfo.h"

#include "platform/win/gdi/Bitmaps.h"
#include "platform/win/sys/Paths.h"

#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <sstream>

namespace hb::win {

namespace {

constexpr int kSmallIcon = 16;
constexpr int kLargeIcon = 32;

HICON IconOfExistingFile(const std::string& path, bool small) {
    struct stat st {};
    if (stat(NativePath(path).c_str(), &st) != 0) {
        return {};
    }
    const int size = small ? kSmallIcon : kLargeIcon;
    return CreateIconHandle(size, size, 0, "program");
}

FileIconProvider& Provider() {
    static FileIconProvider provider;
    return provider;
}

bool IsFile(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::optional<std::string> Find(const std::string& folders, const std::string& name) {
    if (name.find('/') != std::string::npos) {
        return IsFile(name) ? std::optional(name) : std::nullopt;
    }
    std::istringstream list(folders);
    std::string folder;
    while (std::getline(list, folder, ':')) {
        const std::string path = (folder.empty() ? std::string(".") : folder) + "/" + name;
        if (IsFile(path)) {
            return path;
        }
    }
    return std::nullopt;
}

} // namespace

void SetFileIconProvider(FileIconProvider provider) {
    Provider() = std::move(provider);
}

} // namespace hb::win

DWORD SearchPath(LPCSTR lpPath, LPCSTR lpFileName, LPCSTR lpExtension, DWORD nBufferLength,
                 LPSTR lpBuffer, LPSTR* lpFilePart) {
    if (!lpFileName || !*lpFileName) {
        return 0;
    }
    const char* variable = std::getenv("PATH");
    const std::string folders = lpPath ? hb::win::NativePath(lpPath) : variable ? variable : "";
    const std::string name = hb::win::NativePath(lpFileName);
    std::optional<std::string> found = hb::win::Find(folders, name);
    if (!found && lpExtension && *lpExtension) {
        found = hb::win::Find(folders, name + lpExtension);
    }
    if (!found) {
        return 0;
    }
    const auto length = static_cast<DWORD>(found->size());
    if (!lpBuffer || nBufferLength <= length) {
        return length + 1;
    }
    std::memcpy(lpBuffer, found->c_str(), found->size() + 1);
    if (lpFilePart) {
        *lpFilePart = lpBuffer + found->rfind('/') + 1;
    }
    return length;
}

DWORD_PTR SHGetFileInfo(LPCSTR pszPath, DWORD, SHFILEINFO* psfi, UINT, UINT uFlags) {
    if (!pszPath || !psfi || !(uFlags & SHGFI_ICON)) {
        return 0;
    }
    const bool small = (uFlags & SHGFI_SMALLICON) != 0;
    const hb::win::FileIconProvider& provider = hb::win::Provider();
    psfi->hIcon = provider ? provider(pszPath, small) : hb::win::IconOfExistingFile(pszPath, small);
    return psfi->hIcon ? 1 : 0;
}
