#include "programming/TransferFamilies.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::uint8_t, 1> kType17{17};
constexpr std::array<std::uint8_t, 1> kType43{43};
constexpr std::array<std::uint8_t, 1> kType35{35};
constexpr std::array<std::uint8_t, 2> kType45{45, 51};
constexpr std::array<std::uint8_t, 8> kType63{63, 64, 70, 71, 89, 90, 91, 92};
constexpr std::array<std::uint8_t, 1> kType99{99};

const std::array<TransferFamily, 6> kFamilies{{
    {kType17},
    {kType43},
    {kType35},
    {kType45},
    {kType63},
    {kType99},
}};

} // namespace

const TransferFamily* FindTransferFamily(std::uint8_t type) {
    const auto found = std::ranges::find_if(kFamilies, [type](const TransferFamily& family) {
        return std::ranges::find(family.types, type) != family.types.end();
    });
    return found == kFamilies.end() ? nullptr : &*found;
}
