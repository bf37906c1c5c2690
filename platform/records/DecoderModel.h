#pragma once
// The tone reader model table: the devices beside a radio that decode tones, DTMF and trunk IDs.

#include <cstdint>
#include <span>

namespace hb::records {

// What a reader decodes.
inline constexpr std::uint32_t kDecodesCtcss = 0x01;
inline constexpr std::uint32_t kDecodesDcs = 0x02;
inline constexpr std::uint32_t kDecodesDtmf = 0x04;
inline constexpr std::uint32_t kDecodesTrunkIds = 0x08;

struct DecoderModel {
    std::uint8_t type = 0;
    const char* name = "";
    std::uint32_t decodes = 0;
};

// The row of a reader type; null when the type is unknown.
const DecoderModel* FindDecoderModel(std::uint8_t type);
std::span<const DecoderModel> DecoderModels();

} // namespace hb::records
