#pragma once
// The start of a recording file (.swq): the 32-byte file header, then the 18-byte wave format of
// the recording at offset 32, then an area of the header's stated length before the first segment
// record (Wlseg.h). The recorder writes it and the recordings catalog reads it.

#include "platform/records/ByteRecord.h"

#include <cstdint>

namespace hb::records {

class SwqFileHeader : public ByteRecord<SwqFileHeader, 32> {
public:
    static constexpr Field<std::uint32_t, 0> kMagic{};
    static constexpr Field<std::uint32_t, 4> kVersion{};
    // Bytes between the end of this header and the first segment record.
    static constexpr Field<std::uint32_t, 12> kAreaLength{};

    static constexpr std::uint32_t kMagicValue = 0x00082B39;
    static constexpr std::uint32_t kVersionValue = 1;

    // Where the first segment record stands.
    std::uint64_t firstRecord() const { return kSize + std::uint64_t{get(kAreaLength)}; }
    bool isValid() const { return get(kMagic) == kMagicValue && get(kVersion) == kVersionValue; }
};
static_assert(sizeof(SwqFileHeader) == SwqFileHeader::kSize);

// The recording's wave format as stored at offset 32 of the file, in the layout of the Windows
// wave format record.
class SwqWaveFormat : public ByteRecord<SwqWaveFormat, 18> {
public:
    static constexpr Field<std::uint16_t, 0> kFormatTag{};
    static constexpr Field<std::uint16_t, 2> kChannels{};
    static constexpr Field<std::uint32_t, 4> kSamplesPerSecond{};
    static constexpr Field<std::uint32_t, 8> kAverageBytesPerSecond{};
    static constexpr Field<std::uint16_t, 12> kBlockAlign{};
    static constexpr Field<std::uint16_t, 14> kBitsPerSample{};
    static constexpr Field<std::uint16_t, 16> kExtraSize{};

    static constexpr std::uint32_t kOffset = 32;
};
static_assert(sizeof(SwqWaveFormat) == SwqWaveFormat::kSize);

} // namespace hb::records
