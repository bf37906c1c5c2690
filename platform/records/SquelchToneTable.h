#pragma once
// Squelch tones by position: 0 (no tone), the 38 CTCSS tones in tenths of a hertz, the 104
// standard DCS codes as the values of their octal digits (023 is 19), then an end mark. Radios are
// sent a tone as its position. Tone values are compared in their low 15 bits.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace hb::records {

inline constexpr std::size_t kSquelchToneFirstCtcss = 1;
inline constexpr std::size_t kSquelchToneFirstDcs = 39; // where a DCS search starts
inline constexpr std::size_t kSquelchToneCount = 143;   // entries before the end mark
inline constexpr std::uint16_t kSquelchToneEnd = 0xFFFF;

namespace detail {

inline constexpr std::array<std::uint16_t, 38> kCtcssTones = {
    670,  719,  744,  770,  797,  825,  854,  885,  915,  948,  974,  1000, 1035,
    1072, 1109, 1148, 1188, 1230, 1273, 1318, 1365, 1413, 1462, 1514, 1567, 1622,
    1679, 1738, 1799, 1862, 1928, 2035, 2107, 2181, 2257, 2336, 2418, 2503};

// Written in octal, so each value is the number its octal digits denote.
inline constexpr std::array<std::uint16_t, 104> kDcsCodes = {
    023,  025,  026,  031,  032,  036,  043,  047,  051,  053,  054,  065,  071,  072,  073,
    074,  0114, 0115, 0116, 0122, 0125, 0131, 0132, 0134, 0143, 0145, 0152, 0155, 0156, 0162,
    0165, 0172, 0174, 0205, 0212, 0223, 0225, 0226, 0243, 0244, 0245, 0246, 0251, 0252, 0255,
    0261, 0263, 0265, 0266, 0271, 0274, 0306, 0311, 0315, 0325, 0331, 0332, 0343, 0346, 0351,
    0356, 0364, 0365, 0371, 0411, 0412, 0413, 0423, 0431, 0432, 0445, 0446, 0452, 0454, 0455,
    0462, 0464, 0465, 0466, 0503, 0506, 0516, 0523, 0526, 0532, 0546, 0565, 0606, 0612, 0624,
    0627, 0631, 0632, 0654, 0662, 0664, 0703, 0712, 0723, 0731, 0732, 0734, 0743, 0754};

static_assert(kSquelchToneFirstDcs == kSquelchToneFirstCtcss + kCtcssTones.size());
static_assert(kSquelchToneCount == kSquelchToneFirstDcs + kDcsCodes.size());

} // namespace detail

inline constexpr std::array<std::uint16_t, kSquelchToneCount + 1> SquelchToneTable = [] {
    std::array<std::uint16_t, kSquelchToneCount + 1> table{};
    std::ranges::copy(detail::kCtcssTones, table.begin() + kSquelchToneFirstCtcss);
    std::ranges::copy(detail::kDcsCodes, table.begin() + kSquelchToneFirstDcs);
    table[kSquelchToneCount] = kSquelchToneEnd;
    return table;
}();

} // namespace hb::records
