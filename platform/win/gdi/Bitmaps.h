#pragma once
#include "platform/win/WinTypes.h"
#include "platform/win/gdi/GdiTypes.h"

#include <optional>
#include <string>
#include <vector>

struct BITMAP {
    LONG bmType = 0;
    LONG bmWidth = 0;
    LONG bmHeight = 0;
    LONG bmWidthBytes = 0;
    WORD bmPlanes = 0;
    WORD bmBitsPixel = 0;
    LPVOID bmBits = nullptr;
};

// A bitmap of run-time drawing (no resource behind it). Null for an empty size or a bad DC.
HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy);
BOOL DestroyIcon(HICON icon);

namespace hb::win {

// Bitmaps and icons carry only their size, the resource their pixels come from and the names of
// the pictures that show them; the resource layer makes them here. A bitmap may be a strip of
// `cells` images of equal width, with one picture per cell.
HICON CreateIconHandle(int cx, int cy, UINT resourceId, const std::string& picture = {});
HBITMAP CreateBitmapHandle(int cx, int cy, UINT resourceId, int cells = 1,
                           const std::vector<std::string>& pictures = {});

struct ImageInfo {
    SIZE size;
    UINT resourceId = 0;
    int cells = 1;
    std::string picture{}; // an icon's picture; empty for a bitmap
};
std::optional<ImageInfo> GetImageInfo(HICON icon);
std::optional<ImageInfo> GetImageInfo(HBITMAP bitmap);

} // namespace hb::win
