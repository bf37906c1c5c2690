#pragma once
// Text as the drawing layer reads it: UTF-8, with each byte that is not part of a valid sequence
// taken as a Latin-1 character of its own, so no text is ever unreadable.
#include <string>
#include <string_view>

namespace hb::win {

std::u32string CodePointsOf(std::string_view text);
std::string Utf8Of(std::u32string_view codePoints);

} // namespace hb::win
