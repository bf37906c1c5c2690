// Panels that travel with the library although no window creates them: each keeps its size and
// its number of controls, and one keeps its five option lists.
#include "platform/win/core/Window.h"
#include "resources/ResourceIds.h"
#include "resources/pellam/PellamForms.h"

#include <cmath>

namespace hb::resources {

namespace {

// Ids of the stand-in controls; no panel code uses this range.
constexpr UINT kFirstStandInId = 40001;

// `count` blank labels in a grid over the box.
Controls StandIns(std::size_t count, Box area) {
    const int columns = 10;
    const int rows = static_cast<int>((count + columns - 1) / columns);
    const int cellX = area.cx / columns;
    const int cellY = area.cy / rows;
    Controls c;
    for (std::size_t i = 0; i < count; ++i) {
        const int col = static_cast<int>(i) % columns;
        const int row = static_cast<int>(i) / columns;
        c.push_back(Text(kFirstStandInId + static_cast<UINT>(i), "",
                         {area.x + col * cellX, area.y + row * cellY, cellX - 2, cellY - 2}));
    }
    return c;
}

DialogTemplate SparePanel(UINT id, int cx, int cy, std::size_t count) {
    return Form(id, cx, cy, WS_CHILD | DS_SETFONT, StandIns(count, {4, 4, cx - 8, cy - 8}));
}

DialogTemplate ComboPanel() {
    std::vector<std::string> pitches;
    for (int hz = 400; hz <= 1100; hz += 100) {
        pitches.push_back(std::to_string(hz) + " Hz");
    }
    Controls c = StandIns(63, {4, 4, 580, 126});
    Append(c,
           {
               DropList(IDC_DEEMPHASIS, {4, 134, 80, 24}, {"25 µs", "50 µs", "75 µs", "750 µs"}),
               DropList(IDC_HIGH_PASS, {90, 134, 80, 24}, {"50 Hz", "200 Hz", "300 Hz", "400 Hz"}),
               DropList(IDC_LOW_PASS, {176, 134, 80, 24}, {"3 kHz", "4 kHz", "6 kHz", "12 kHz"}),
               DropList(IDC_AGC_SPEED, {262, 134, 80, 24}, {"Auto", "1", "2", "3", "4"}),
               DropList(IDC_CW_PITCH, {348, 134, 80, 24}, std::move(pitches)),
           });
    return Form(IDD_SPARE_RECEIVER_COMBOS, 588, 162, WS_CHILD | DS_SETFONT, std::move(c));
}

} // namespace

std::vector<DialogTemplate> SparePanelForms() {
    return {SparePanel(IDD_SPARE_RECEIVER_1, 540, 110, 42),
            ComboPanel(),
            SparePanel(IDD_SPARE_RECEIVER_2, 510, 92, 29),
            SparePanel(IDD_SPARE_RECEIVER_3, 622, 112, 50),
            SparePanel(IDD_SPARE_BAND_SCOPE, 414, 114, 21),
            SparePanel(IDD_SPARE_GPS_PANEL, 514, 164, 82),
            SparePanel(IDD_SPARE_TRUNK_1, 686, 144, 62),
            SparePanel(IDD_SPARE_TRUNK_2, 686, 144, 63),
            SparePanel(IDD_SPARE_TRUNK_3, 686, 144, 62),
            SparePanel(IDD_SPARE_TRUNK_4, 686, 144, 62),
            SparePanel(IDD_SPARE_RECEIVER_4, 594, 154, 70),
            SparePanel(IDD_SPARE_RECEIVER_5, 538, 152, 58)};
}

} // namespace hb::resources
