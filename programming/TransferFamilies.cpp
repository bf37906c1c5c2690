#include "programming/TransferFamilies.h"

#include "programming/Loader.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::uint8_t, 1> kType17{17};
constexpr std::array<std::uint8_t, 1> kType43{43};
constexpr std::array<std::uint8_t, 1> kType35{35};
constexpr std::array<std::uint8_t, 2> kType45{45, 51};
constexpr std::array<std::uint8_t, 8> kType63{63, 64, 70, 71, 89, 90, 91, 92};
constexpr std::array<std::uint8_t, 1> kType99{99};

// A line between rows, so that families filled in side by side merge without touching.
const std::array<TransferFamily, 6> kFamilies{{
    // Keypad-programmed trunk scanner.
    {kType17, &CLoader::UploadType17, &CLoader::DownloadType17},
    // Twenty-bank trunk scanner.
    {kType43, &CLoader::UploadType43, &CLoader::DownloadType43},
    // Ten-bank trunk scanner.
    {kType35, &CLoader::UploadType35, &CLoader::DownloadType35},
    // Trunk scanners with names and menus.
    {kType45, &CLoader::UploadType45, &CLoader::DownloadType45},
    // Trunk-tracking scanners by model code.
    {kType63, &CLoader::UploadType63, &CLoader::DownloadType63},
    // Five-bank trunk scanner with band plans.
    {kType99, &CLoader::UploadType99, &CLoader::DownloadType99},
}};

} // namespace

const TransferFamily* FindTransferFamily(std::uint8_t type) {
    const auto found = std::ranges::find_if(kFamilies, [type](const TransferFamily& family) {
        return std::ranges::find(family.types, type) != family.types.end();
    });
    return found == kFamilies.end() ? nullptr : &*found;
}
