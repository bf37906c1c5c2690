#pragma once
// File calls of the Windows subset over POSIX. Paths may use '\' or '/'; failures return
// FALSE (or INVALID_FILE_ATTRIBUTES) and set GetLastError.

#include "platform/win/WinTypes.h"

struct SECURITY_ATTRIBUTES;
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;

inline constexpr DWORD MAX_PATH = 260;

inline constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF;
inline constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x01;
inline constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
inline constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;

// READONLY when the file has no write permission bit at all, whoever asks.
DWORD GetFileAttributes(LPCSTR path);
// Copies through a temporary file beside the target and renames it into place, so a reader
// never sees half a file. With failIfExists an existing target is refused (ERROR_FILE_EXISTS)
// and left untouched, even when it appears while the copy runs.
BOOL CopyFile(LPCSTR source, LPCSTR target, BOOL failIfExists);
BOOL DeleteFile(LPCSTR path);
BOOL CreateDirectory(LPCSTR path, LPSECURITY_ATTRIBUTES security);
BOOL RemoveDirectory(LPCSTR path);
