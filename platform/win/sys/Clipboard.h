#pragma once
// The clipboard of this process, and the movable memory blocks it holds. Nothing reaches the
// desktop's clipboard: copy and paste work between the program's own windows.

#include "platform/win/WinTypes.h"

namespace hb::win {
struct GlobalTag;
} // namespace hb::win

using HGLOBAL = hb::win::Handle<hb::win::GlobalTag>;

inline constexpr UINT GMEM_MOVEABLE = 0x0002;
inline constexpr UINT GMEM_ZEROINIT = 0x0040;
inline constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;

inline constexpr UINT CF_TEXT = 1;

// A block of `bytes` bytes (zeroed with GMEM_ZEROINIT); null when it cannot be had.
HGLOBAL GlobalAlloc(UINT flags, std::size_t bytes);
// The block's bytes until the matching GlobalUnlock; null for no block.
LPVOID GlobalLock(HGLOBAL block);
// FALSE once no lock is left.
BOOL GlobalUnlock(HGLOBAL block);
std::size_t GlobalSize(HGLOBAL block);
// Null when freed; the block itself when it is unknown.
HGLOBAL GlobalFree(HGLOBAL block);

// One window at a time holds the clipboard open; FALSE while another does.
BOOL OpenClipboard(HWND owner);
BOOL CloseClipboard();
// Frees what the clipboard held; only while it is open.
BOOL EmptyClipboard();
// The clipboard takes the block over; null, the block staying the caller's, when the clipboard is
// not open or the format is not text.
HGLOBAL SetClipboardData(UINT format, HGLOBAL block);
// The clipboard's own block, to be read and not freed; null when it is not open or holds no such
// data.
HGLOBAL GetClipboardData(UINT format);
BOOL IsClipboardFormatAvailable(UINT format);

namespace hb::win::sys {

// An empty, closed clipboard and no blocks.
void ResetClipboard();

} // namespace hb::win::sys
