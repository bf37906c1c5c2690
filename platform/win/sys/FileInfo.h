#pragma once
// Finding a program on the search path, and the shell's icon of a file. The icons come from a
// provider that tests replace; the program's own gives an icon to every existing file.

#include "platform/win/WinTypes.h"
#include "platform/win/gdi/GdiTypes.h"

#include <functional>
#include <string>

inline constexpr UINT SHGFI_SMALLICON = 0x0001;
inline constexpr UINT SHGFI_SHELLICONSIZE = 0x0004;
inline constexpr UINT SHGFI_ICON = 0x0100;

struct SHFILEINFO {
    HICON hIcon;
    int iIcon = 0;
    DWORD dwAttributes = 0;
};

// Without a path, the folders of $PATH in order; a file name with a '/' is looked up as it is.
// The extension, when given, is tried after the name alone. Returns the length of the full path
// written to `buffer` (with its terminator when it fits), the size needed when the buffer is too
// small, or 0 when the file is nowhere.
DWORD SearchPath(LPCSTR lpPath, LPCSTR lpFileName, LPCSTR lpExtension, DWORD nBufferLength,
                 LPSTR lpBuffer, LPSTR* lpFilePart);

// With SHGFI_ICON: the file's icon (small with SHGFI_SMALLICON) in psfi->hIcon, which the caller
// destroys; returns non-zero when there is one.
DWORD_PTR SHGetFileInfo(LPCSTR pszPath, DWORD dwFileAttributes, SHFILEINFO* psfi, UINT cbFileInfo,
                        UINT uFlags);

namespace hb::win {

// The icon of the file at `path` (small or large), or null for none.
using FileIconProvider = std::function<HICON(const std::string& path, bool small)>;
// An empty provider goes back to the program's own.
void SetFileIconProvider(FileIconProvider provider);

} // namespace hb::win
