// The Volume pane's form: a heading, then ten rows that the view fills with sound cards and audio
// loggers. A row holds the controls of both kinds in one frame; the view shows one kind's.
#include "platform/win/controls/ControlMessages.h"
#include "platform/win/core/Window.h"
#include "resources/FormControls.h"
#include "resources/ResourceIds.h"
#include "resources/program/ProgramParts.h"

namespace hb::resources {

namespace {

constexpr int kRowCount = 10;
constexpr int kFirstRowTop = 24;
constexpr int kRowHeight = 42;
constexpr int kRowWidth = 186;

DialogControl Frame(UINT id, Box box) {
    return {.id = id,
            .className = "Button",
            .style = WS_CHILD | BS_GROUPBOX,
            .x = box.x,
            .y = box.y,
            .cx = box.cx,
            .cy = box.cy};
}

DialogControl Hidden(DialogControl control) {
    control.style &= ~WS_VISIBLE;
    return control;
}

Controls Row(UINT i) {
    const int top = kFirstRowTop + static_cast<int>(i) * kRowHeight;
    return {Frame(IDC_MIXER_FRAME + i, {3, top, kRowWidth - 6, kRowHeight - 3}),
            Hidden(Knob(IDC_MIXER_KNOB + i, {6, top + 8, 28, 30}, 0, 100, 100)),
            Hidden(LevelBar(IDC_MIXER_LEVEL + i, {38, top + 11, 86, 7}, 100, 20)),
            Hidden(IconButton(IDC_MIXER_MUTE + i, "Mute", {155, top + 11, 26, 24})),
            Hidden(IconButton(IDC_MIXER_SHOW + i, "Show", {127, top + 11, 26, 24})),
            Hidden(Text(IDC_MIXER_CAPTION + i, "", {8, top + 9, 142, 8})),
            Hidden(Slider(IDC_MIXER_SPEAKER + i, {37, top + 18, 111, 9})),
            Hidden(Slider(IDC_MIXER_WAVE + i, {37, top + 28, 111, 9})),
            Hidden(Text(IDC_MIXER_SPEAKER_LABEL + i, "Speaker", {5, top + 19, 31, 8})),
            Hidden(Text(IDC_MIXER_WAVE_LABEL + i, "Wave", {5, top + 29, 31, 8})),
            Hidden(DropList(IDC_MIXER_OUTPUT + i, {38, top + 22, 86, 60}))};
}

} // namespace

DialogTemplate MixerForm() {
    DialogControl picture{.id = IDC_MIXER_PICTURE,
                          .className = "Static",
                          .style = WS_CHILD | WS_VISIBLE | SS_ICON,
                          .x = 4,
                          .y = 3,
                          .cx = 16,
                          .cy = 16};
    Controls c{picture, Label(IDC_MIXER_HEADING, "Volume", {24, 6, 150, 12})};
    for (UINT i = 0; i < kRowCount; ++i) {
        Append(c, Row(i));
    }
    return Form(IDD_MIXER, kRowWidth, kFirstRowTop + kRowCount * kRowHeight, WS_CHILD | DS_SETFONT,
                std::move(c));
}

} // namespace hb::resources
