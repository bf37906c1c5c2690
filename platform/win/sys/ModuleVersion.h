#pragma once
// The version record every companion library and the program carry in an ELF section of their
// own, so that it can be read from the file without loading it.

#include <array>
#include <compare>
#include <cstdint>
#include <string>

namespace hb::win {

struct ModuleVersion {
    std::array<std::uint16_t, 4> parts{};

    friend auto operator<=>(const ModuleVersion&, const ModuleVersion&) = default;
};

// The record: eight magic bytes, then the four parts as little-endian 16-bit values.
inline constexpr std::array<unsigned char, 8> kModuleVersionMagic{'H', 'B', 'V', 'E',
                                                                  'R', '0', '1', '\0'};
inline constexpr std::size_t kModuleVersionRecordSize = 16;

constexpr std::array<unsigned char, kModuleVersionRecordSize>
EncodeModuleVersion(ModuleVersion version) {
    std::array<unsigned char, kModuleVersionRecordSize> record{};
    for (std::size_t i = 0; i < kModuleVersionMagic.size(); ++i) {
        record[i] = kModuleVersionMagic[i];
    }
    for (std::size_t i = 0; i < version.parts.size(); ++i) {
        record[8 + 2 * i] = static_cast<unsigned char>(version.parts[i] & 0xFF);
        record[9 + 2 * i] = static_cast<unsigned char>(version.parts[i] >> 8);
    }
    return record;
}

// Reads the record of the library or program at `path` (a fake module answers from the test
// table). False when the file is missing, is not a little-endian ELF64 file, or has no record.
bool ReadModuleVersion(const std::string& path, ModuleVersion& out);

} // namespace hb::win

// Use once per library or program, at namespace scope.
#define HB_MODULE_VERSION(a, b, c, d)                                                              \
    static_assert((a) >= 0 && (a) <= 0xFFFF && (b) >= 0 && (b) <= 0xFFFF && (c) >= 0 &&            \
                      (c) <= 0xFFFF && (d) >= 0 && (d) <= 0xFFFF,                                  \
                  "version parts are 16-bit");                                                     \
    [[gnu::section(".hbversion"), gnu::used]] static constexpr auto hbModuleVersionRecord =        \
        ::hb::win::EncodeModuleVersion({{(a), (b), (c), (d)}})
