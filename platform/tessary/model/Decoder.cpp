#include "platform/tessary/model/Decoder.h"

namespace {

// External tone readers, and the two decoders that work on the audio logger's sound (72, 73).
constexpr Decoder::Model kDecoders[] = {
    {3, "Tone Reader 3", Decoder::kCtcss | Decoder::kDcs | Decoder::kDtmf},
    {12, "Tone Reader 12", Decoder::kCtcss | Decoder::kDcs | Decoder::kDtmf},
    {13, "Tone Reader 13", Decoder::kCtcss | Decoder::kDcs | Decoder::kDtmf | Decoder::kTrunkIds},
    {25, "Tone Reader 25", Decoder::kCtcss | Decoder::kDcs},
    {39, "Tone Reader 39", Decoder::kCtcss | Decoder::kDcs | Decoder::kDtmf | Decoder::kTrunkIds},
    {40, "Tone Reader 40", Decoder::kCtcss | Decoder::kDcs | Decoder::kDtmf | Decoder::kTrunkIds},
    {72, "Sound Tone Decoder 72", Decoder::kCtcss | Decoder::kDcs | Decoder::kDtmf},
    {73, "Sound Tone Decoder 73", Decoder::kCtcss | Decoder::kDtmf},
};

} // namespace

std::unique_ptr<Decoder> Decoder::CreateDecoder(BYTE type) {
    for (const Model& model : kDecoders) {
        if (model.type == type) {
            return std::make_unique<Decoder>(model);
        }
    }
    return nullptr;
}
