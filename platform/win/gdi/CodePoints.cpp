#include "platform/win/gdi/CodePoints.h"

namespace hb::win {

namespace {

std::size_t SequenceLength(unsigned char lead) {
    return lead < 0x80             ? 1
           : (lead & 0xE0) == 0xC0 ? 2
           : (lead & 0xF0) == 0xE0 ? 3
           : (lead & 0xF8) == 0xF0 ? 4
                                   : 0;
}

} // namespace

std::u32string CodePointsOf(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = SequenceLength(lead);
        bool valid = length > 0 && i + length <= text.size();
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (valid) {
            out += code;
            i += length;
        } else {
            out += static_cast<char32_t>(lead);
            ++i;
        }
    }
    return out;
}

std::string Utf8Of(std::u32string_view codePoints) {
    std::string out;
    out.reserve(codePoints.size());
    for (const char32_t c : codePoints) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace hb::win
