#pragma once
#include "platform/win/WinTypes.h"
#include "platform/win/gdi/DisplayList.h"
#include "platform/win/gdi/GdiTypes.h"

#include <string>
#include <string_view>
#include <vector>

inline constexpr UINT ETO_OPAQUE = 0x0002;
inline constexpr UINT ETO_CLIPPED = 0x0004;

inline constexpr UINT DT_TOP = 0x0000;
inline constexpr UINT DT_LEFT = 0x0000;
inline constexpr UINT DT_CENTER = 0x0001;
inline constexpr UINT DT_RIGHT = 0x0002;
inline constexpr UINT DT_VCENTER = 0x0004;
inline constexpr UINT DT_BOTTOM = 0x0008;
inline constexpr UINT DT_WORDBREAK = 0x0010;
inline constexpr UINT DT_SINGLELINE = 0x0020;
inline constexpr UINT DT_CALCRECT = 0x0400;
inline constexpr UINT DT_NOPREFIX = 0x0800;
inline constexpr UINT DT_END_ELLIPSIS = 0x8000;

BOOL TextOut(HDC hdc, int x, int y, LPCSTR text, int length);
// `rect` may be null; `dx` (character advances) is not used: the font's metrics place the text.
BOOL ExtTextOut(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT length,
                const INT* dx);
// A length of -1 takes the text up to its terminator. '&' marks the next character (and "&&"
// stands for '&') unless DT_NOPREFIX. Lines end at line breaks unless DT_SINGLELINE; DT_WORDBREAK
// also wraps them between words to the rectangle's width. Returns the height of the text, or with
// DT_VCENTER/DT_BOTTOM the offset from the top of the rectangle to the bottom of the text; 0 on
// failure. DT_CALCRECT draws nothing and sets the rectangle's right and bottom to fit the text
// (the width stays when DT_END_ELLIPSIS would cut the text).
int DrawText(HDC hdc, LPCSTR text, int length, RECT* rect, UINT format);

namespace hb::win {

// The lines DrawText shows for `text` in a box `width` pixels wide: without the '&' prefixes
// (unless DT_NOPREFIX), broken at line breaks and, with DT_WORDBREAK, between words.
std::vector<std::string> DrawTextLines(std::string_view text, UINT format, LONG width,
                                       const FontState& font);

} // namespace hb::win
