// The "Multi-Radio" tab's form: the queue the first radio holds for the second, the priority
// mode and preempt level of the pair, and the second radio's squelch.
#include "platform/win/controls/ListViewMessages.h"
#include "platform/win/core/Window.h"
#include "resources/FormControls.h"
#include "resources/ResourceIds.h"
#include "resources/program/ProgramParts.h"

namespace hb::resources {

DialogTemplate MultiRadioForm() {
    constexpr int kRight = 214;
    Controls controls{
        Caption("Radio:", {4, 5, 40, 9}),
        Label(IDC_SLAVE_RIG_A_NAME, "", {46, 4, 160, 10}),
        Caption("Queue for:", {4, 17, 40, 9}),
        Label(IDC_SLAVE_RIG_B_NAME, "", {46, 16, 160, 10}),
        ListView(IDC_SLAVE_QUEUE, {4, 30, 202, 126}, LVS_REPORT | LVS_SHOWSELALWAYS),
        Caption("Priority mode", {kRight, 4, 60, 9}),
        RotarySwitch(IDC_PRIORITY_MODE, {kRight, 14, 40, 40}, 2),
        Caption("Preempt level", {kRight, 60, 60, 9}),
        Slider(IDC_PREEMPT_LEVEL, {kRight, 70, 70, 14}, -127, 127),
        CountDisplay(IDC_PREEMPT_DISPLAY, {kRight + 74, 70, 26, 14}, 4),
        Text(IDC_SLAVE_SQUELCH_CAPTION, "Squelch", {kRight, 92, 60, 9}),
        Knob(IDC_SLAVE_SQUELCH_KNOB, {kRight, 102, 44, 44}, 0, 100, 0),
    };
    return Form(IDD_SEARCH_SLAVE_VIEW, 320, 160, WS_CHILD | DS_SETFONT, std::move(controls));
}

} // namespace hb::resources
