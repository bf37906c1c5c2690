#pragma once
// The faces that stand in for the ones a program asks for. Each is metric-compatible with a common
// Windows face (Liberation Sans with Arial, Serif with Times New Roman, Mono with Courier New), so
// captions laid out for those widths fit; the layout's metrics and the screen use the same one.
#include "platform/win/gdi/DisplayList.h"

namespace hb::win {

enum class StandInFamily { Sans, Serif, Mono };

struct StandInFace {
    StandInFamily family = StandInFamily::Sans;
    bool bold = false;
    bool italic = false;

    // The family name the screen asks fontconfig for.
    const char* Name() const;
};

// Fixed-pitch requests and the typewriter faces get Mono, roman requests and the Times faces
// Serif, everything else (the dialog faces, Arial, Tahoma, System...) Sans. Semibold and heavier
// is bold.
StandInFace StandInFaceOf(const FontState& font);

} // namespace hb::win
