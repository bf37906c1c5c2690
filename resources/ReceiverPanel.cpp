#include "resources/ReceiverPanel.h"

#include "platform/win/controls/CommonControls.h"
#include "resources/ResourceIds.h"

namespace hb::resources {

Controls ReceiverCore(const ReceiverParts& parts) {
    Controls c{
        FrequencyDisplay(IDC_FREQUENCY_DISPLAY, {4, 4, 150, 24}, 10, 4),
        Lamp(IDC_KHZ_LAMP, "kHz", {4, 30, 22, 9}),
        Lamp(IDC_MHZ_LAMP, "MHz", {28, 30, 22, 9}),
        Label(IDC_RADIO_NAME, "", {52, 30, 102, 9}),
        Label(IDC_CHANNEL_LABEL, "", {4, 41, 150, 10}),
    };
    if (parts.nameField) {
        c.push_back(EditableLabel(IDC_NAME_FIELD, {4, 53, 150, 10}));
    }
    for (UINT n = 0; n < 5; ++n) {
        c.push_back(ToggleButton(IDC_VFO_1 + n, "V" + std::to_string(n + 1),
                                 {4 + static_cast<int>(n) * 25, 66, 23, 12}));
    }
    c.push_back(ToggleButton(IDC_FREQUENCY_FOLLOWING, "FF", {129, 66, 25, 12}));
    if (parts.snapButtons) {
        Append(c, {ToggleButton(IDC_BAND_STEP_SNAP, "SB", {4, 81, 23, 11}),
                   ToggleButton(IDC_TUNING_STEP_SNAP, "ST", {29, 81, 23, 11}),
                   PushButton(IDC_SNAP_TO_BAND, "AB", {54, 81, 23, 11}),
                   PushButton(IDC_SNAP_TO_STEP, "AT", {79, 81, 23, 11})});
    }
    if (parts.channelButtons) {
        Append(c, {PushButton(IDC_SHOW_IN_SCAN_LIST, "CL", {104, 81, 23, 11}),
                   IconButton(IDC_BAND_SELECT, "", {129, 81, 25, 11})});
    }
    Append(c, {
                  PhonePad(IDC_KEYPAD, {160, 4, 64, 56}),
                  EditBox(IDC_KEYPAD_ENTRY, {160, 62, 64, 12}),
                  DefaultButton(IDC_ENTER_MHZ, "Enter", {160, 77, 31, 12}),
                  PushButton(IDC_ENTER_KHZ, "kHz", {193, 77, 31, 12}),
                  TuningKnob(IDC_TUNING_KNOB, {230, 4, 64, 58}, 0, 1000000),
                  Lamp(IDC_STEP_DOWN, "<", {230, 64, 14, 10}),
                  EditBox(IDC_STEP_ENTRY, {246, 64, 32, 10}),
                  Lamp(IDC_STEP_UP, ">", {280, 64, 14, 10}),
                  SpinButton(IDC_STEP_SPIN, {246, 76, 32, 10}, UDS_HORZ),
                  Meter(IDC_S_METER, {300, 4, 76, 56}, -120, 0, "Signal"),
                  LevelBar(IDC_VU_BAR, {300, 62, 76, 8}, 100, 20),
              });
    if (parts.statusLamps) {
        Append(c, {Lamp(IDC_SIGNAL_LAMP, "Sig", {300, 73, 17, 9}),
                   Lamp(IDC_SCANNING_LAMP, "Scan", {319, 73, 17, 9}),
                   Lamp(IDC_STOPPED_LAMP, "Stop", {338, 73, 17, 9}),
                   Lamp(IDC_HIT_LAMP, "Hit", {357, 73, 19, 9})});
    }
    if (parts.recorderLamps) {
        Append(c, {Lamp(IDC_LIVE_PLAY_LAMP, "LIVE", {300, 84, 37, 9}),
                   Lamp(IDC_RECORDER_STATUS, "OFF", {339, 84, 37, 9})});
    }
    Append(c, {
                  Knob(IDC_VOLUME_KNOB, {382, 4, 32, 32}, 0, 100, 50),
                  Knob(IDC_SQUELCH_KNOB, {418, 4, 32, 32}, 0, 255, 0),
                  ToggleSwitch(IDC_HOLD_SWITCH, {382, 48, 20, 30}),
                  Lamp(IDC_LIVE_LED, "Live", {406, 50, 44, 10}),
                  Lamp(IDC_HOLD_LED, "Hold", {406, 62, 44, 10}),
              });
    return c;
}

Controls MemoryBlock(int x, int y) {
    return {CountDisplay(IDC_MEMORY_CHANNEL, {x, y, 46, 20}, 4),
            SpinButton(IDC_MEMORY_SPIN, {x + 48, y, 10, 20}),
            PushButton(IDC_MEMORY_STORE, "STO", {x, y + 22, 28, 12}),
            PushButton(IDC_MEMORY_RECALL, "RCL", {x + 30, y + 22, 28, 12})};
}

} // namespace hb::resources
