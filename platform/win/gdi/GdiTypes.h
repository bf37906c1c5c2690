#pragma once
// Handles of the drawing layer: 32-bit ids like every other handle. HGDIOBJ stands for any object
// SelectObject, GetObject and DeleteObject take; a specific handle converts to it implicitly, and
// back only by an explicit cast, as in `(HFONT)SelectObject(hdc, font)`.

#include "platform/win/WinTypes.h"

#include <concepts>
#include <cstdint>

namespace hb::win {

struct DcTag;
struct FontTag;
struct PenTag;
struct BrushTag;
struct BitmapTag;
struct RegionTag;
struct IconTag;
struct ImageListTag;
struct GdiObjectTag;

template <class Tag>
inline constexpr bool kIsGdiObjectTag =
    std::same_as<Tag, FontTag> || std::same_as<Tag, PenTag> || std::same_as<Tag, BrushTag> ||
    std::same_as<Tag, BitmapTag> || std::same_as<Tag, RegionTag>;

template <class From>
inline constexpr bool kHandleConverts<GdiObjectTag, From> = kIsGdiObjectTag<From>;
template <class To>
inline constexpr bool kHandleCasts<To, GdiObjectTag> = kIsGdiObjectTag<To>;

// Handles in message parameters (BM_SETIMAGE, STM_SETICON, WM_SETFONT, ...).
template <class Tag>
constexpr LPARAM ParamFromHandle(Handle<Tag> handle) {
    return static_cast<LPARAM>(handle.id());
}
template <class H>
constexpr H HandleFromParam(std::uintptr_t param) {
    return H(static_cast<std::uint32_t>(param));
}

} // namespace hb::win

using HDC = hb::win::Handle<hb::win::DcTag>;
using HFONT = hb::win::Handle<hb::win::FontTag>;
using HPEN = hb::win::Handle<hb::win::PenTag>;
using HBRUSH = hb::win::Handle<hb::win::BrushTag>;
using HBITMAP = hb::win::Handle<hb::win::BitmapTag>;
using HRGN = hb::win::Handle<hb::win::RegionTag>;
using HICON = hb::win::Handle<hb::win::IconTag>;
using HIMAGELIST = hb::win::Handle<hb::win::ImageListTag>;
using HGDIOBJ = hb::win::Handle<hb::win::GdiObjectTag>;
