#pragma once
#include "platform/win/WinTypes.h"
#include "platform/win/gdi/GdiTypes.h"

inline constexpr UINT ILC_MASK = 0x0001;
inline constexpr UINT ILC_COLOR = 0x0000;
inline constexpr UINT ILC_COLOR4 = 0x0004;
inline constexpr UINT ILC_COLOR8 = 0x0008;
inline constexpr UINT ILC_COLOR16 = 0x0010;
inline constexpr UINT ILC_COLOR24 = 0x0018;
inline constexpr UINT ILC_COLOR32 = 0x0020;

inline constexpr UINT ILD_NORMAL = 0x0000;
inline constexpr UINT ILD_TRANSPARENT = 0x0001;

// A list of equally sized images. It copies what it is given: the bitmaps and icons added may be
// deleted afterwards. The initial size and the growth step change nothing here.
HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int initial, int grow);
BOOL ImageList_Destroy(HIMAGELIST list);
// Adds one image per whole cell of the list's width in the bitmap (a strip); `mask` is the colour
// that shows as transparent. Returns the index of the first image added, or -1.
int ImageList_AddMasked(HIMAGELIST list, HBITMAP bitmap, COLORREF mask);
// Replaces image `index`, or with -1 appends; returns the image's index, or -1.
int ImageList_ReplaceIcon(HIMAGELIST list, int index, HICON icon);
int ImageList_AddIcon(HIMAGELIST list, HICON icon);
int ImageList_GetImageCount(HIMAGELIST list);
BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy);
// A new icon of the image at the list's size (the caller destroys it); null for a bad index.
HICON ImageList_GetIcon(HIMAGELIST list, int index, UINT flags);
BOOL ImageList_Draw(HIMAGELIST list, int index, HDC hdc, int x, int y, UINT style);
