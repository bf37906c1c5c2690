#include "platform/tessary/model/Decoder.h"

std::unique_ptr<Decoder> Decoder::CreateDecoder(BYTE type) {
    const hb::records::DecoderModel* model = hb::records::FindDecoderModel(type);
    return model ? std::make_unique<Decoder>(*model) : nullptr;
}
