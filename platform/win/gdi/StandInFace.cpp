#include "platform/win/gdi/StandInFace.h"

#include "platform/win/gdi/FaceWidths.h"
#include "platform/win/gdi/Fonts.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <string>
#include <string_view>

namespace hb::win {

namespace {

bool NamesAny(std::string face, std::initializer_list<std::string_view> parts) {
    std::transform(face.begin(), face.end(), face.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return std::any_of(parts.begin(), parts.end(),
                       [&](std::string_view part) { return face.find(part) != std::string::npos; });
}

StandInFamily FamilyOf(const FontState& font) {
    if ((font.pitchAndFamily & 0x03) == FIXED_PITCH || (font.pitchAndFamily & 0xF0) == FF_MODERN ||
        NamesAny(font.face, {"courier", "mono", "console", "fixedsys", "terminal"})) {
        return StandInFamily::Mono;
    }
    if ((font.pitchAndFamily & 0xF0) == FF_ROMAN ||
        NamesAny(font.face, {"times", "serif", "georgia", "roman"})) {
        // "MS Sans Serif" and "Microsoft Sans Serif" name a sans face.
        return NamesAny(font.face, {"sans"}) ? StandInFamily::Sans : StandInFamily::Serif;
    }
    return StandInFamily::Sans;
}

} // namespace

const char* StandInFace::Name() const {
    switch (family) {
    case StandInFamily::Serif:
        return "Liberation Serif";
    case StandInFamily::Mono:
        return "Liberation Mono";
    case StandInFamily::Sans:
        break;
    }
    return "Liberation Sans";
}

StandInFace StandInFaceOf(const FontState& font) {
    return {FamilyOf(font), font.weight >= FW_SEMIBOLD, font.italic};
}

const FaceWidths& WidthsOf(const StandInFace& face) {
    return kStandInFaces[static_cast<int>(face.family) * 4 + (face.bold ? 1 : 0) +
                         (face.italic ? 2 : 0)];
}

} // namespace hb::win
