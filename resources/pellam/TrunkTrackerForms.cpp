// The trunk-tracking scanner panels: the base panel and its four model variants.
#include "platform/win/controls/CommonControls.h"
#include "platform/win/core/Window.h"
#include "resources/ResourceIds.h"
#include "resources/pellam/PellamForms.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace hb::resources {

namespace {

struct Key {
    UINT id;
    const char* text;
};

struct TrunkModel {
    UINT id = 0;
    int cx = 616;
    int cy = 200;
    const char* modelName = "";
    std::vector<Key> keys{};
    // Kind lamps first, then state lamps and the model's own.
    std::vector<Key> lamps{};
    int banks = 10;
    bool vfoButtons = true;
    bool signalBar = true;
    bool showInScanList = true;
    // The first switch slot holds the tone control, or the model's own switch.
    DialogControl firstSwitch{};
    std::string firstSwitchCaption{};
    int priorityPositions = 2;
    // The model's own controls.
    Controls extras{};
    // How many controls the form has in all.
    std::size_t controlCount = 0;
};

constexpr int kColumnD = 446;
// Two columns of keys wide enough for a 32 by 32 icon with its caption beside it.
constexpr int kKeyWidth = 71;
constexpr int kKeyRows = 8;
constexpr int kKeysBottom = 4 + kKeyRows * 18;
// The ID groups and the mode column: ten rows that each hold a caption.
constexpr int kMatrixHeight = 80;
constexpr int kLampsTop = kMatrixHeight + 16;
// The memory controls sit below the bank buttons, never higher than this.
constexpr int kMemoryTop = 166;
constexpr int kSwitchesTop = kKeysBottom + 20;

const Key kScan{IDC_KEY_SCAN, "Scan"}, kSearch{IDC_KEY_SEARCH, "Search"},
    kService{IDC_KEY_SERVICE, "Service"}, kHold{IDC_KEY_HOLD, "Hold"},
    kResume{IDC_KEY_RESUME, "RSM"}, kTrunk{IDC_KEY_TRUNK, "Trunk"}, kLimit{IDC_KEY_LIMIT, "Limit"},
    kLockOut{IDC_KEY_LOCK_OUT, "L/O"}, kWeather{IDC_KEY_WEATHER, "Weather"},
    kAtt{IDC_KEY_ATTENUATOR, "Att"}, kKey11{IDC_KEY_11, ""}, kKey12{IDC_KEY_12, ""},
    kManual{IDC_KEY_MANUAL, "MAN"}, kDelay{IDC_KEY_DELAY, "Delay"}, kReset{IDC_KEY_RESET, "Reset"},
    kMiniBar{IDC_KEY_MINI_BAR, "Mini Bar"}, kScanList{IDC_KEY_SCAN_LIST, "Scan List"},
    kRecord{IDC_KEY_RECORD, "Record"}, kHomeRoam{IDC_KEY_HOME_ROAM, "H/R"},
    kMute{IDC_KEY_MUTE, "Mute"};

const Key kPl{IDC_KIND_PL, "PL"}, kDpl{IDC_KIND_DPL, "DPL"}, kLtr{IDC_KIND_LTR, "LTR"},
    kM1{IDC_KIND_M1, "M1"}, kM2{IDC_KIND_M2, "M2"}, kEd{IDC_KIND_ED, "ED"},
    kEdacs{IDC_KIND_ED, "EDACS"};
const Key kHoldLamp{IDC_HOLD_STATE_LAMP, "Hold"}, kTrunkLamp{IDC_TRUNK_LAMP, "Trunk"},
    kIdHold{IDC_ID_HOLD_LAMP, "ID Hold"}, kDigital{IDC_DIGITAL_LAMP, "Digital"},
    kSearchLamp{IDC_SEARCH_LAMP, "Search"}, kPriority{IDC_PRIORITY_LAMP, "Priority"},
    kICall{IDC_ICALL_LAMP, "I-Call"}, kActive{IDC_ACTIVE_LAMP, "Active"},
    kEmergency{IDC_EMERGENCY_LAMP, "EMERG"};

bool IsCheckable(UINT id) {
    return id == IDC_KEY_TRUNK || id == IDC_KEY_DELAY || id == IDC_KEY_RECORD;
}

// The name lines, the ID display, VFO buttons, step and the state lamps.
Controls DisplayColumn(const TrunkModel& m) {
    Controls c{FrequencyDisplay(IDC_FREQUENCY_DISPLAY, {4, 4, 120, 24}, 9, 4),
               Label(IDC_CHANNEL_TAG, "", {126, 4, 44, 11}),
               Label(IDC_RADIO_NAME, m.modelName, {126, 17, 44, 11}),
               FrequencyDisplay(IDC_ID_DISPLAY, {4, 30, 166, 20}, 9, 0)};
    for (UINT n = 0; n < 3; ++n) {
        c.push_back(Label(IDC_TEXT_LINE_1 + n, "", {4, 52 + static_cast<int>(n) * 11, 166, 10}));
    }
    c.push_back(Label(IDC_STATUS_LINE, "", {4, 85, 166, 10}));
    if (m.signalBar) {
        c.push_back(LevelBar(IDC_SIGNAL_BAR, {4, 97, 166, 8}, 255, 20));
    }
    if (m.vfoButtons) {
        for (UINT n = 0; n < 5; ++n) {
            c.push_back(ToggleButton(IDC_TRUNK_VFO_1 + n, "V" + std::to_string(n + 1),
                                     {4 + static_cast<int>(n) * 34, 108, 32, 12}));
        }
    }
    Append(c,
           {Lamp(IDC_STEP_DOWN, "<", {4, 123, 14, 10}), EditBox(IDC_STEP_ENTRY, {20, 123, 40, 10}),
            Lamp(IDC_STEP_UP, ">", {62, 123, 14, 10}),
            SpinButton(IDC_STEP_SPIN, {78, 123, 24, 10}, UDS_HORZ)});
    const Key states[] = {{IDC_LIVE_LED, "Live"},
                          {IDC_HOLD_LED, "Replay"},
                          {IDC_SCANNING_LAMP, "Scan"},
                          {IDC_STOPPED_LAMP, "Delay"},
                          {IDC_SIGNAL_LAMP, "Sig"}};
    for (int i = 0; i < 5; ++i) {
        c.push_back(Lamp(states[i].id, states[i].text, {4 + i * 33, 136, 31, 9}));
    }
    Append(c, {Lamp(IDC_LIVE_PLAY_LAMP, "LIVE", {4, 148, 40, 9}),
               Lamp(IDC_RECORDER_STATUS, "OFF", {46, 148, 40, 9})});
    return c;
}

// The keypad with its entry field, the tuning knob, volume, squelch and hold.
Controls KeypadColumn() {
    Controls c{EditBox(IDC_KEYPAD_ENTRY, {176, 4, 112, 12})};
    const Key pad[] = {{IDC_DIGIT_0 + 1, "1"}, {IDC_DIGIT_0 + 2, "2"}, {IDC_DIGIT_0 + 3, "3"},
                       {IDC_DIGIT_0 + 4, "4"}, {IDC_DIGIT_0 + 5, "5"}, {IDC_DIGIT_0 + 6, "6"},
                       {IDC_DIGIT_0 + 7, "7"}, {IDC_DIGIT_0 + 8, "8"}, {IDC_DIGIT_0 + 9, "9"},
                       {IDC_DIGIT_POINT, "."}, {IDC_DIGIT_0, "0"},     {IDC_ENTER_MHZ, "E"}};
    for (int i = 0; i < 12; ++i) {
        c.push_back(
            PushButton(pad[i].id, pad[i].text, {176 + (i % 3) * 38, 18 + (i / 3) * 15, 36, 13}));
    }
    Append(c, {TuningKnob(IDC_TUNING_KNOB, {176, 80, 50, 50}, 0, 1000000),
               Knob(IDC_VOLUME_KNOB, {236, 80, 26, 26}, 0, 100, 50),
               Knob(IDC_SQUELCH_KNOB, {264, 80, 26, 26}, 0, 255, 0),
               Caption("Vol", {236, 108, 26, 8}, SS_CENTER),
               Caption("Sql", {264, 108, 26, 8}, SS_CENTER),
               ToggleSwitch(IDC_HOLD_SWITCH, {236, 118, 20, 20})});
    return c;
}

// A slide switch with its caption centred below it, `width` wide.
Controls SwitchCaptioned(DialogControl control, std::string caption, int width) {
    const Box below{control.x + (control.cx - width) / 2, control.y + control.cy + 2, width, 8};
    return {std::move(control), Caption(std::move(caption), below, SS_CENTER)};
}

std::vector<std::string> PriorityModes(const TrunkModel& m) {
    std::vector<std::string> modes{"Off", "On", "Plus"};
    modes.resize(static_cast<std::size_t>(m.priorityPositions));
    return modes;
}

// The scanner keys, the show-in-scan-list button and the three slide switches.
Controls KeyColumn(const TrunkModel& m) {
    Controls c;
    for (std::size_t i = 0; i < m.keys.size(); ++i) {
        const Key& key = m.keys[i];
        const Box box{296 + static_cast<int>(i % 2) * (kKeyWidth + 2),
                      4 + static_cast<int>(i / 2) * 18, kKeyWidth, 16};
        if (IsCheckable(key.id)) {
            c.push_back(ToggleButton(key.id, key.text, box));
        } else {
            c.push_back(IconButton(key.id, key.text, box));
        }
    }
    if (m.showInScanList) {
        c.push_back(PushButton(IDC_SHOW_IN_SCAN_LIST, "@", {296, kKeysBottom, 40, 12}));
    }
    // The first two captions are wider than their switches, so the third switch sits further right.
    if (!m.firstSwitchCaption.empty()) {
        Append(c, SwitchCaptioned(m.firstSwitch, m.firstSwitchCaption, 44));
    }
    Append(c, SwitchCaptioned(
                  SlideSwitch(IDC_PRIORITY_MODE, {350, kSwitchesTop, 40, 14}, PriorityModes(m)),
                  "Priority Mode", 44));
    Append(c,
           SwitchCaptioned(SlideSwitch(IDC_DATA_SKIP, {402, kSwitchesTop, 40, 14}, {"Off", "On"}),
                           "Data Skip", 40));
    return c;
}

// The ID groups with their mode column, the lamps, the bank strips and bank buttons.
// Gives the top of the free space below the bank buttons.
int AddBankColumn(const TrunkModel& m, Controls& c) {
    const int width = m.cx - 4 - kColumnD;
    const int modeWidth = width > 150 ? 44 : 38;
    Append(c,
           {LedMatrix(IDC_ID_MATRIX, {kColumnD, 4, width - modeWidth - 2, kMatrixHeight}, 10, 10),
            LedMatrix(IDC_BANK_MODE_COLUMN, {m.cx - 4 - modeWidth, 4, modeWidth, kMatrixHeight}, 10,
                      1)});
    const int columns = width > 150 ? 4 : 3;
    const int cell = (width + 2) / columns;
    for (std::size_t i = 0; i < m.lamps.size(); ++i) {
        const int col = static_cast<int>(i) % columns;
        const int row = static_cast<int>(i) / columns;
        c.push_back(Lamp(m.lamps[i].id, m.lamps[i].text,
                         {kColumnD + col * cell, kLampsTop + row * 11, cell - 2, 9}));
    }
    const int rows = (static_cast<int>(m.lamps.size()) + columns - 1) / columns;
    int y = kLampsTop + rows * 11 + 1;
    c.push_back(LedMatrix(IDC_BANK_STRIP, {kColumnD, y, width, 7}, 1, 10));
    y += 9;
    if (m.banks > 10) {
        c.push_back(LedMatrix(IDC_BANK_STRIP_2, {kColumnD, y, width, 7}, 1, 10));
        y += 9;
    }
    c.push_back(Caption("Banks", {kColumnD, y + 2, 26, 8}));
    const int perRow = std::min(m.banks, 10);
    const int buttonWidth = (width - 28 + 2) / perRow - 2;
    for (int n = 0; n < m.banks; ++n) {
        c.push_back(ToggleButton(IDC_BANK_1 + static_cast<UINT>(n), std::to_string(n + 1),
                                 {kColumnD + 28 + (n % perRow) * (buttonWidth + 2),
                                  y + (n / perRow) * 13, buttonWidth, 12}));
    }
    const int bankRows = (m.banks + perRow - 1) / perRow;
    return y + bankRows * 13 + 2;
}

// Further controls in fixed free places, taken in this order until the form has its count.
Controls Furnishings(const TrunkModel& m, int memoryTop) {
    return {
        Lamp(IDC_HIT_LAMP, "Hit", {88, 148, 40, 9}),
        Caption("Hold", {258, 124, 30, 8}),
        Caption("Tuning", {176, 131, 50, 8}, SS_CENTER),
        Lamp(IDC_KHZ_LAMP, "kHz", {176, 141, 26, 8}),
        Lamp(IDC_MHZ_LAMP, "MHz", {204, 141, 26, 8}),
        Lamp(IDC_LOCAL_REMOTE_LAMP, "REMOTE", {130, 148, 40, 9}),
        Label(IDC_STEP_LABEL, "", {176, 151, 56, 8}),
        Caption("Step", {104, 124, 30, 8}),
        LevelBar(IDC_VU_BAR, {234, 151, 54, 8}, 100, 10),
        Caption("ID Groups", {kColumnD, kMatrixHeight + 5, 60, 8}),
        Caption("Mode", {m.cx - 4 - 38, kMatrixHeight + 5, 38, 8}),
        Lamp(IDC_CHANGE_LED, "", {232, 141, 26, 8}),
        GroupBox("Keypad", {172, 0, 120, 78}),
        GroupBox("Keys", {292, 0, 152, kKeysBottom + 14}),
        GroupBox("Switches", {292, kSwitchesTop - 4, 152, 34}),
        GroupBox("Audio", {232, 76, 60, 63}),
        CountDisplay(IDC_MEMORY_CHANNEL, {kColumnD, memoryTop, 40, 12}, 4),
        SpinButton(IDC_MEMORY_SPIN, {kColumnD + 42, memoryTop, 10, 12}),
        PushButton(IDC_MEMORY_STORE, "STO", {kColumnD + 54, memoryTop, 26, 12}),
        PushButton(IDC_MEMORY_RECALL, "RCL", {kColumnD + 82, memoryTop, 26, 12}),
    };
}

DialogTemplate TrunkForm(const TrunkModel& m) {
    Controls c = DisplayColumn(m);
    Append(c, KeypadColumn());
    Append(c, KeyColumn(m));
    const int memoryTop = std::max(kMemoryTop, AddBankColumn(m, c));
    Append(c, m.extras);
    for (const DialogControl& extra : Furnishings(m, memoryTop)) {
        if (c.size() >= m.controlCount) {
            break;
        }
        c.push_back(extra);
    }
    return Form(m.id, m.cx, std::max(m.cy, memoryTop + 16), kPanelStyle, std::move(c));
}

DialogControl ToneControl() {
    return SlideSwitch(IDC_TONE_CONTROL, {298, kSwitchesTop, 40, 14}, {"None", "Tone", "Srch"});
}

TrunkModel BaseModel() {
    return {.id = IDD_TRUNKTRACKER_VIEW,
            .modelName = "BC785D",
            .keys = {kScan, kSearch, kService, kHold, kResume, kTrunk, kLimit, kLockOut, kWeather,
                     kAtt, kKey11, kKey12, kReset, kMiniBar, kScanList, kRecord},
            .lamps = {kPl, kDpl, kLtr, kM1, kM2, kEd, kHoldLamp, kTrunkLamp, kIdHold, kDigital,
                      kSearchLamp, kPriority, kICall, kActive, kEmergency},
            .firstSwitch = ToneControl(),
            .firstSwitchCaption = "Tone Control",
            .priorityPositions = 3,
            .controlCount = 116};
}

TrunkModel Bc780Model() {
    TrunkModel m = BaseModel();
    m.id = IDD_BC780_VIEW;
    m.keys = {kScan,    kSearch, kService, kHold,  kManual, kTrunk,   kLimit,    kLockOut,
              kWeather, kAtt,    kKey11,   kKey12, kReset,  kMiniBar, kScanList, kRecord};
    m.priorityPositions = 2;
    return m;
}

// A stand-in form: the base panel under the model's name.
TrunkModel Bc898tModel() {
    TrunkModel m = BaseModel();
    m.id = IDD_BC898T_VIEW;
    m.modelName = "BC898T";
    return m;
}

TrunkModel Bc895Model() {
    return {.id = IDD_BC895_VIEW,
            .modelName = "BC-895",
            .keys = {kScan, kHold, kManual, kLimit, kLockOut, kWeather, kKey11, kKey12, kReset,
                     kMiniBar, kScanList, kRecord},
            .lamps = {kPl, kM1, kM2, kEdacs, kHoldLamp, kTrunkLamp, kIdHold, kSearchLamp, kPriority,
                      kActive},
            .vfoButtons = false,
            .firstSwitch = ToneControl(),
            .firstSwitchCaption = "Tone Control",
            .controlCount = 101};
}

TrunkModel Bc2052Model() {
    return {.id = IDD_BC2052_VIEW,
            .modelName = "PRO-2052",
            .keys = {kScan, kSearch, kService, kHold, kManual, kTrunk, kLockOut, kKey11, kKey12,
                     kReset, kMiniBar, kScanList, kRecord},
            .lamps = {kHoldLamp, kTrunkLamp, kIdHold, kSearchLamp, kPriority, kActive},
            .banks = 20,
            .vfoButtons = false,
            .signalBar = false,
            .showInScanList = false,
            .controlCount = 105};
}

TrunkModel Bct8Model() {
    return {.id = IDD_BCT8_VIEW,
            .cx = 566,
            .modelName = "BCT8",
            .keys = {kScan, kSearch, kService, kTrunk, kLockOut, kWeather, kKey11, kKey12, kDelay,
                     kHomeRoam, kMute, kReset, kMiniBar, kScanList, kRecord},
            .lamps = {kLtr,
                      kM1,
                      kM2,
                      kEd,
                      kHoldLamp,
                      kTrunkLamp,
                      kIdHold,
                      kSearchLamp,
                      kPriority,
                      kActive,
                      {IDC_HIGHWAY_LAMP, "HWY"},
                      {IDC_PRIVATE_LAMP, "PVT"},
                      {IDC_MUTE_LAMP, "MUTE"},
                      {IDC_ALERT_LAMP, "ALERT"}},
            .banks = 5,
            .vfoButtons = false,
            .signalBar = false,
            .showInScanList = false,
            .firstSwitch =
                SlideSwitch(IDC_PATROL_BANKS, {298, kSwitchesTop, 40, 14}, {"HWY", "PVT", "Both"}),
            .firstSwitchCaption = "PVT Banks:",
            // The state list takes the place of the VFO buttons.
            .extras = {Caption("State:", {4, 110, 28, 8}),
                       DropList(IDC_STATE_LIST, {34, 108, 136, 50})},
            .controlCount = 93};
}

} // namespace

std::vector<DialogTemplate> TrunkTrackerForms() {
    return {TrunkForm(BaseModel()),   TrunkForm(Bc780Model()), TrunkForm(Bc895Model()),
            TrunkForm(Bc2052Model()), TrunkForm(Bct8Model()),  TrunkForm(Bc898tModel())};
}

} // namespace hb::resources
