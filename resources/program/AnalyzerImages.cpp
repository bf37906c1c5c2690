// The spectrum analyzer's own button icons; its start, pause, zoom and axes buttons show icons
// the program has already.
#include "resources/AnalyzerIds.h"
#include "resources/program/ProgramParts.h"

namespace hb::resources {

std::vector<hb::afx::IconResource> AnalyzerIcons() {
    const std::vector<SIZE> sizes{{32, 32}, {16, 16}};
    return {{ID_ANALYZER_RESTART, sizes, "restart"},
            {ID_ANALYZER_SELECT_BAND, sizes, "band-select"}};
}

} // namespace hb::resources
