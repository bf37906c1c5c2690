#pragma once
// Motorola Type I size codes: how an ID splits into block, fleet and subfleet. Only the low four
// bits of a size code count, so a byte from a radio or a recording can never index past the table.
// Codes 0 and 15 have no layout (both moduli 0) and are shown as plain IDs; nothing may divide by
// their moduli.

#include <array>
#include <cstdint>

namespace hb::records {

struct TypeISize {
    std::uint8_t blockMask;
    std::uint8_t fleetModulus;
    std::uint8_t subfleetModulus;

    constexpr bool hasLayout() const { return fleetModulus != 0 && subfleetModulus != 0; }
};

inline constexpr std::array<TypeISize, 16> TypeISizeTable = {{
    {7, 0, 0},
    {7, 128, 4},
    {7, 16, 8},
    {7, 8, 8},
    {7, 1, 16},
    {7, 64, 4},
    {7, 32, 8},
    {7, 32, 4},
    {7, 16, 4},
    {7, 8, 4},
    {7, 4, 8},
    {7, 2, 16},
    {6, 1, 16},
    {4, 1, 16},
    {0, 1, 16},
    {0, 0, 0},
}};

constexpr std::uint8_t TypeISizeCode(std::uint8_t raw) {
    return raw & 0x0F;
}
constexpr const TypeISize& TypeISizeFor(std::uint8_t raw) {
    return TypeISizeTable[TypeISizeCode(raw)];
}

} // namespace hb::records
