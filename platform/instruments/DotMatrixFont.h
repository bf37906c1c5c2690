#pragma once
// The characters a dot-matrix display draws: 5 x 7 dots each, one byte per row from the top, bit
// 4 the leftmost dot. Not part of the public surface.
#include <array>
#include <cstdint>

namespace hb::instruments::detail {

inline constexpr int kGlyphColumns = 5;
inline constexpr int kGlyphRows = 7;

using Glyph = std::array<std::uint8_t, kGlyphRows>;

// Small letters look like capitals; a character the display has no picture for is a full block.
const Glyph& GlyphOf(char ch);

} // namespace hb::instruments::detail
