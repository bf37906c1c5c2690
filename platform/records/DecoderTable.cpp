#include "platform/records/DecoderModel.h"

namespace hb::records {
namespace {

constexpr std::uint32_t kTones = kDecodesCtcss | kDecodesDcs;

// External tone readers, and the two decoders that work on the audio logger's sound (72, 73).
constexpr DecoderModel kDecoders[] = {
    {3, "Tone Reader 3", kTones | kDecodesDtmf},
    {12, "Tone Reader 12", kTones | kDecodesDtmf},
    {13, "Tone Reader 13", kTones | kDecodesDtmf | kDecodesTrunkIds},
    {25, "Tone Reader 25", kTones},
    {39, "Tone Reader 39", kTones | kDecodesDtmf | kDecodesTrunkIds},
    {40, "Tone Reader 40", kTones | kDecodesDtmf | kDecodesTrunkIds},
    {72, "Sound Tone Decoder 72", kTones | kDecodesDtmf},
    {73, "Sound Tone Decoder 73", kDecodesCtcss | kDecodesDtmf},
};

} // namespace

const DecoderModel* FindDecoderModel(std::uint8_t type) {
    for (const DecoderModel& model : kDecoders) {
        if (model.type == type) {
            return &model;
        }
    }
    return nullptr;
}

std::span<const DecoderModel> DecoderModels() {
    return kDecoders;
}

} // namespace hb::records
