#pragma once
// The basic types of the Windows subset the program is written against. Handles are 32-bit ids,
// never pointers, because several of them are stored in 32-bit fields of shared records.

#include <cstddef>
#include <cstdint>
#include <functional>

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = std::uint32_t;
using INT = std::int32_t;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using SHORT = std::int16_t;
using USHORT = std::uint16_t;
using BOOL = int;
using LONGLONG = std::int64_t;
using ULONGLONG = std::uint64_t;
using COLORREF = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using DWORD_PTR = std::uintptr_t;
using LPSTR = char*;
using LPCSTR = const char*;
using LPVOID = void*;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

namespace hb::win {

// Which handles of another kind a handle may be made from: implicitly (kHandleConverts) or only by
// an explicit cast (kHandleCasts). None by default; the drawing layer lets its specific objects
// pass as HGDIOBJ and back.
template <class To, class From>
inline constexpr bool kHandleConverts = false;
template <class To, class From>
inline constexpr bool kHandleCasts = false;

// A 32-bit handle value. Zero is "no handle"; the tag keeps window, key and module handles apart.
template <class Tag>
class Handle {
public:
    constexpr Handle() = default;
    constexpr Handle(std::nullptr_t) {}
    explicit constexpr Handle(std::uint32_t id) : m_id(id) {}
    template <class From>
    requires kHandleConverts<Tag, From>
    constexpr Handle(Handle<From> other) : m_id(other.id()) {}
    template <class From>
    requires kHandleCasts<Tag, From>
    explicit constexpr Handle(Handle<From> other) : m_id(other.id()) {}

    constexpr std::uint32_t id() const { return m_id; }
    explicit constexpr operator bool() const { return m_id != 0; }
    friend constexpr bool operator==(Handle, Handle) = default;
    friend constexpr auto operator<=>(Handle, Handle) = default;

private:
    std::uint32_t m_id = 0;
};

struct WindowTag;
struct KeyTag;
struct ModuleTag;
struct MenuTag;

} // namespace hb::win

using HWND = hb::win::Handle<hb::win::WindowTag>;
using HKEY = hb::win::Handle<hb::win::KeyTag>;
using HMODULE = hb::win::Handle<hb::win::ModuleTag>;
using HINSTANCE = HMODULE;
using HMENU = hb::win::Handle<hb::win::MenuTag>;

template <class Tag>
struct std::hash<hb::win::Handle<Tag>> {
    std::size_t operator()(hb::win::Handle<Tag> h) const noexcept {
        return std::hash<std::uint32_t>{}(h.id());
    }
};

inline constexpr std::uint32_t LOWORD(std::uintptr_t v) {
    return static_cast<WORD>(v & 0xFFFF);
}
inline constexpr std::uint32_t HIWORD(std::uintptr_t v) {
    return static_cast<WORD>((v >> 16) & 0xFFFF);
}
inline constexpr DWORD MAKELONG(WORD lo, WORD hi) {
    return static_cast<DWORD>(lo) | (static_cast<DWORD>(hi) << 16);
}
inline constexpr WPARAM MAKEWPARAM(WORD lo, WORD hi) {
    return MAKELONG(lo, hi);
}
inline constexpr LPARAM MAKELPARAM(WORD lo, WORD hi) {
    return static_cast<LPARAM>(static_cast<std::int32_t>(MAKELONG(lo, hi)));
}
inline constexpr int GET_X_LPARAM(LPARAM lp) {
    return static_cast<SHORT>(LOWORD(lp));
}
inline constexpr int GET_Y_LPARAM(LPARAM lp) {
    return static_cast<SHORT>(HIWORD(lp));
}
inline constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
inline constexpr BYTE GetRValue(COLORREF c) {
    return static_cast<BYTE>(c & 0xFF);
}
inline constexpr BYTE GetGValue(COLORREF c) {
    return static_cast<BYTE>((c >> 8) & 0xFF);
}
inline constexpr BYTE GetBValue(COLORREF c) {
    return static_cast<BYTE>((c >> 16) & 0xFF);
}

struct POINT {
    LONG x = 0;
    LONG y = 0;
};

struct SIZE {
    LONG cx = 0;
    LONG cy = 0;
};

struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
};

using LPPOINT = POINT*;
using LPRECT = RECT*;
using LPCRECT = const RECT*;

struct MSG {
    HWND hwnd;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    DWORD time = 0;
    POINT pt;
};

struct FILETIME {
    DWORD dwLowDateTime = 0;
    DWORD dwHighDateTime = 0;
};

using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);
