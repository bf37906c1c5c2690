#pragma once
// The keys of a phone pad: four rows of three over the whole client area. Key 10 stands where a
// telephone has '*' and types a decimal point; key 11 stands at '#' and clears.
#include "platform/win/WinTypes.h"

namespace hb::instruments::detail {

inline constexpr int kPadRows = 4;
inline constexpr int kPadColumns = 3;
inline constexpr int kPadKeys[kPadRows][kPadColumns] = {
    {1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 0, 11}};
inline constexpr const char* kPadKeyLabels[] = {"0", "1", "2", "3", "4", "5",
                                                "6", "7", "8", "9", ".", "C"};

inline RECT PadCell(const RECT& client, int row, int column) {
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    return {client.left + width * column / kPadColumns, client.top + height * row / kPadRows,
            client.left + width * (column + 1) / kPadColumns,
            client.top + height * (row + 1) / kPadRows};
}

} // namespace hb::instruments::detail
