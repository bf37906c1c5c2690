#pragma once
// What the layout knows of each stand-in face, taken from its font file once
// (tools/face-widths): enough to measure text in integers, the same on every machine, whether or
// not the fonts are installed where the tests run.
#include "platform/win/gdi/StandInFace.h"

#include <array>
#include <cstdint>

namespace hb::win {

inline constexpr char32_t kFirstMeasured = 0x20;
inline constexpr char32_t kLastMeasured = 0xFF;

// In font units.
struct FaceWidths {
    int unitsPerEm = 2048;
    // The cell above and below the baseline, as Windows takes it from the face.
    int ascent = 0;
    int descent = 0;
    int declaredAverage = 0;
    int widest = 0;
    std::array<std::uint16_t, kLastMeasured - kFirstMeasured + 1> advances{};
};

// Sans, Serif and Mono, each regular, bold, italic and bold italic.
extern const FaceWidths kStandInFaces[12];

const FaceWidths& WidthsOf(const StandInFace& face);

} // namespace hb::win
