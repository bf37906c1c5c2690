// The forms of the sweep displays: the run lamp, the peak panel with its frequency and level
// displays, and the radio's name. Each display adds its own controls to its form.
#include "platform/win/core/Window.h"
#include "resources/FormControls.h"
#include "resources/ResourceIds.h"
#include "resources/program/ProgramParts.h"

namespace hb::resources {

namespace {

DialogTemplate SweepForm(UINT id) {
    return Form(id, 320, 60, WS_CHILD | DS_SETFONT,
                {Label(IDC_SWEEP_RIG_NAME, "", {7, 7, 120, 12}),
                 Lamp(IDC_SWEEP_RUN_LAMP, "Paused", {250, 7, 60, 12}),
                 Panel(IDC_SWEEP_PEAK_PANEL, {7, 24, 200, 30}),
                 FrequencyDisplay(IDC_SWEEP_FREQUENCY, {12, 36, 110, 14}, 10, 6),
                 FrequencyDisplay(IDC_SWEEP_LEVEL, {130, 36, 60, 14}, 4, 0)});
}

} // namespace

std::vector<DialogTemplate> SweepForms() {
    return {SweepForm(IDD_SPECTRUM_ANALYZER), SweepForm(IDD_BAND_SCOPE)};
}

} // namespace hb::resources
