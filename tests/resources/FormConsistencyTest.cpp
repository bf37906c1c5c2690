// Every form of the resource library against what its window binds: the ids its view class
// looks for are there with the control kind the view drives, ids are unique within a form, the
// controls lie inside it, and each form has its number of controls.
#include "platform/afx/Afx.h"
#include "platform/afx/res/InstrumentFactory.h"
#include "platform/instruments/KindInfo.h"
#include "platform/testkit/PlatformTest.h"
#include "resources/ResourceIds.h"
#include "resources/program/ProgramResources.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

struct Binding {
    UINT id;
    // An instrument's window class, or a standard control's class.
    std::string kind;
};
using Bindings = std::vector<Binding>;

Bindings operator+(Bindings a, const Bindings& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bindings Range(UINT first, UINT count, const std::string& kind) {
    Bindings b;
    for (UINT n = 0; n < count; ++n) {
        b.push_back({first + n, kind});
    }
    return b;
}

Bindings All(std::vector<UINT> ids, const std::string& kind) {
    Bindings b;
    for (UINT id : ids) {
        b.push_back({id, kind});
    }
    return b;
}

const std::string kKnob = "TiKnob", kLamp = "TiLedRectangle", kSlider = "TiSwitchSlider",
                  kLabel = "TiLabel", kSegments = "TiSevenSegmentAnalog", kMatrix = "TiLedMatrix",
                  kButton = "Button", kEdit = "Edit", kSpin = "msctls_updown32",
                  kClock = "TiSevenSegmentClock", kInteger = "TiSevenSegmentInteger",
                  kBar = "TiLedBar";

const Bindings kReceiver = Bindings{{IDC_TUNING_KNOB, kKnob},
                                    {IDC_KEYPAD_ENTRY, kEdit},
                                    {IDC_FREQUENCY_DISPLAY, kSegments},
                                    {IDC_S_METER, "TiAngularGauge"},
                                    {IDC_VU_BAR, "TiLedBar"},
                                    {IDC_VOLUME_KNOB, kKnob},
                                    {IDC_KEYPAD, "TiPhonePad"},
                                    {IDC_STEP_SPIN, kSpin},
                                    {IDC_STEP_ENTRY, kEdit},
                                    {IDC_ENTER_MHZ, kButton},
                                    {IDC_FREQUENCY_FOLLOWING, kButton}} +
                           Range(IDC_VFO_1, 5, kButton);

const Bindings kKindLamps =
    All({IDC_KIND_PL, IDC_KIND_DPL, IDC_KIND_LTR, IDC_KIND_M1, IDC_KIND_M2, IDC_KIND_ED}, kLamp);

const Bindings kWideBand =
    kReceiver + Bindings{{IDC_MODE_SWITCH, kSlider}, {IDC_FILTER_SWITCH, kSlider},
                         {IDC_DSP_KNOB, kKnob},      {IDC_DECODER_DISPLAY, kSegments},
                         {IDC_TONE_SPIN, kSpin},     {IDC_DECODER_TEXT, kLabel}} +
    All({IDC_ATTENUATOR, IDC_NOISE_BLANKER, IDC_AGC, IDC_DSP, IDC_NOTCH, IDC_TONE_SQUELCH},
        kButton) +
    All({IDC_DSP_LAMP, IDC_CENTER_LAMP, IDC_TONE_LAMP}, kLamp);

const Bindings kR8500 =
    kReceiver +
    Bindings{{IDC_MODE_SWITCH, kSlider}, {IDC_ATTENUATOR_SWITCH, kSlider}, {IDC_APF_KNOB, kKnob}} +
    All({IDC_APF, IDC_NOISE_BLANKER, IDC_AGC}, kButton);

// The trunk-tracker panel's own controls, those of every model form.
const Bindings kTrunk =
    Bindings{{IDC_TUNING_KNOB, kKnob},           {IDC_KEYPAD_ENTRY, kEdit},
             {IDC_FREQUENCY_DISPLAY, kSegments}, {IDC_ID_DISPLAY, kSegments},
             {IDC_ID_MATRIX, kMatrix},           {IDC_BANK_MODE_COLUMN, kMatrix},
             {IDC_BANK_STRIP, kMatrix},          {IDC_STATUS_LINE, kLabel},
             {IDC_RADIO_NAME, kLabel},           {IDC_HOLD_LED, kLamp},
             {IDC_PRIORITY_MODE, kSlider},       {IDC_DATA_SKIP, kSlider}} +
    Range(IDC_TEXT_LINE_1, 3, kLabel) + Range(IDC_BANK_1, 5, kButton) +
    Range(IDC_DIGIT_0, 11, kButton) +
    All({IDC_KEY_SCAN, IDC_KEY_LOCK_OUT, IDC_KEY_11, IDC_KEY_12, IDC_KEY_RESET, IDC_KEY_MINI_BAR,
         IDC_KEY_SCAN_LIST, IDC_KEY_RECORD, IDC_ENTER_MHZ},
        kButton) +
    All({IDC_HOLD_STATE_LAMP, IDC_TRUNK_LAMP, IDC_ID_HOLD_LAMP, IDC_SEARCH_LAMP, IDC_PRIORITY_LAMP,
         IDC_ACTIVE_LAMP},
        kLamp);

const Bindings kTrunkBase = kTrunk + kKindLamps + Range(IDC_BANK_1 + 5, 5, kButton) +
                            Range(IDC_TRUNK_VFO_1, 5, kButton) +
                            Bindings{{IDC_SIGNAL_BAR, "TiLedBar"},
                                     {IDC_CHANNEL_TAG, kLabel},
                                     {IDC_TONE_CONTROL, kSlider},
                                     {IDC_SHOW_IN_SCAN_LIST, kButton}} +
                            All({IDC_KEY_SEARCH, IDC_KEY_SERVICE, IDC_KEY_HOLD, IDC_KEY_TRUNK,
                                 IDC_KEY_LIMIT, IDC_KEY_WEATHER, IDC_KEY_ATTENUATOR},
                                kButton) +
                            All({IDC_DIGITAL_LAMP, IDC_ICALL_LAMP, IDC_EMERGENCY_LAMP}, kLamp);

struct FormExpectation {
    UINT form;
    std::size_t controls;
    Bindings present;
    std::vector<UINT> absent{};
};

const std::vector<FormExpectation>& Expectations() {
    static const std::vector<FormExpectation> expectations{
        {IDD_RADIO_VIEW, 50, kReceiver + All({IDC_KIND_PL, IDC_KIND_ED}, "TiLedRound")},
        {IDD_BLAND_VIEW, 27, kReceiver},
        {IDD_OPTOCOM_VIEW, 47,
         kReceiver + kKindLamps +
             Bindings{{IDC_MODE_SWITCH, kSlider},
                      {IDC_DECODER_SWITCH, kSlider},
                      {IDC_DECODER_DISPLAY, kSegments},
                      {IDC_DECODER_TEXT, kLabel},
                      {IDC_TRUNK_LAMP, kLamp},
                      {IDC_ID_HOLD_LAMP, kLamp}}},
        {IDD_PCR1000_VIEW, 69, kWideBand + Bindings{{IDC_STATUS_LAMP, kLamp}}},
        {IDD_PCR1500_VIEW, 68, kWideBand, {IDC_STATUS_LAMP}},
        {IDD_R8500_VIEW, 57, kR8500},
        {IDD_R75_VIEW, 57, kR8500},
        {IDD_R9000_VIEW, 56,
         kReceiver + All({IDC_MODE_SWITCH, IDC_ATTENUATOR_SWITCH, IDC_FILTER_SWITCH}, kSlider)},
        {IDD_R7100_VIEW, 45,
         kReceiver + Bindings{{IDC_MODE_SWITCH, kSlider}, {IDC_ATTENUATOR_SWITCH, kButton}}},
        {IDD_R20_VIEW, 45, kReceiver + Bindings{{IDC_MODE_SWITCH, kSlider}}},
        {IDD_R10_VIEW, 45, kReceiver + Bindings{{IDC_MODE_SWITCH, kSlider}}},
        {IDD_OPTOSCAN_VIEW, 35,
         kReceiver + Bindings{{IDC_MODE_SWITCH, kSlider},
                              {IDC_DECODER_DISPLAY, kSegments},
                              {IDC_DECODER_TEXT, kLabel},
                              {IDC_KIND_PL, kLamp},
                              {IDC_KIND_DPL, kLamp}}},
        {IDD_PCR100_VIEW, 49,
         kReceiver + All({IDC_MODE_SWITCH, IDC_FILTER_SWITCH}, kSlider) +
             All({IDC_ATTENUATOR, IDC_NOISE_BLANKER}, "TiSwitchRocker")},
        {IDD_NRD535_VIEW, 62,
         kReceiver +
             All({IDC_MODE_SWITCH, IDC_AGC, IDC_ATTENUATOR, IDC_AUX_SWITCH, IDC_NB_SWITCH,
                  IDC_FILTER_SWITCH},
                 kSlider) +
             Bindings{{IDC_FILTER_2_KNOB, kKnob}}},
        {IDD_TRUNKTRACKER_VIEW,
         116,
         kTrunkBase + All({IDC_KEY_RESUME}, kButton),
         {IDC_KEY_MANUAL, IDC_BANK_STRIP_2}},
        {IDD_BC780_VIEW, 116, kTrunkBase + All({IDC_KEY_MANUAL}, kButton), {IDC_KEY_RESUME}},
        {IDD_BC898T_VIEW,
         116,
         kTrunkBase + All({IDC_KEY_RESUME}, kButton),
         {IDC_KEY_MANUAL, IDC_BANK_STRIP_2}},
        {IDD_BC895_VIEW,
         101,
         kTrunk + Range(IDC_BANK_1 + 5, 5, kButton) +
             All({IDC_KIND_PL, IDC_KIND_M1, IDC_KIND_M2, IDC_KIND_ED}, kLamp) +
             All({IDC_KEY_MANUAL, IDC_KEY_HOLD}, kButton),
         {IDC_KEY_SEARCH, IDC_KEY_SERVICE, IDC_KEY_TRUNK, IDC_KEY_RESUME, IDC_KEY_ATTENUATOR,
          IDC_TRUNK_VFO_1, IDC_DIGITAL_LAMP, IDC_ICALL_LAMP, IDC_EMERGENCY_LAMP, IDC_KIND_DPL}},
        {IDD_BC2052_VIEW,
         105,
         kTrunk + Range(IDC_BANK_1 + 5, 15, kButton) +
             Bindings{{IDC_BANK_STRIP_2, kMatrix}, {IDC_KEY_MANUAL, kButton}},
         {IDC_SIGNAL_BAR, IDC_TONE_CONTROL, IDC_KEY_RESUME, IDC_KEY_LIMIT, IDC_KEY_WEATHER,
          IDC_KEY_ATTENUATOR, IDC_SHOW_IN_SCAN_LIST, IDC_TRUNK_VFO_1, IDC_KIND_PL}},
        {IDD_BCT8_VIEW,
         93,
         kTrunk + All({IDC_KIND_LTR, IDC_KIND_M1, IDC_KIND_M2, IDC_KIND_ED}, kLamp) +
             All({IDC_KEY_DELAY, IDC_KEY_HOME_ROAM, IDC_KEY_MUTE}, kButton) +
             All({IDC_HIGHWAY_LAMP, IDC_PRIVATE_LAMP, IDC_MUTE_LAMP, IDC_ALERT_LAMP}, kLamp) +
             Bindings{{IDC_STATE_LIST, "ComboBox"}, {IDC_PATROL_BANKS, kSlider}},
         {IDC_BANK_1 + 5, IDC_SIGNAL_BAR, IDC_TONE_CONTROL, IDC_KEY_HOLD, IDC_KEY_RESUME,
          IDC_KEY_LIMIT, IDC_KEY_ATTENUATOR, IDC_SHOW_IN_SCAN_LIST, IDC_TRUNK_VFO_1,
          IDC_DIGITAL_LAMP, IDC_KIND_PL}},
        {IDD_AUDIO_PLAYER, 63,
         kKindLamps + Range(IDC_TEXT_LINE_1, 3, kLabel) +
             All({IDC_AUDIO_STOP, IDC_AUDIO_PAUSE, IDC_AUDIO_PLAY, IDC_AUDIO_REWIND, IDC_AUDIO_BACK,
                  IDC_AUDIO_FORWARD, IDC_AUDIO_END, IDC_AUDIO_MUTE, IDC_AUDIO_FILE,
                  IDC_AUDIO_SETTINGS, IDC_AUDIO_SPEAKERS},
                 kButton) +
             Bindings{{IDC_AUDIO_FREQUENCY, kSegments},
                      {IDC_AUDIO_ID, kSegments},
                      {IDC_AUDIO_CLOCK, "TiSevenSegmentClock"},
                      {IDC_AUDIO_YEAR, "TiSevenSegmentInteger"},
                      {IDC_AUDIO_MONTH, "TiSevenSegmentInteger"},
                      {IDC_AUDIO_DAY, "TiSevenSegmentInteger"},
                      {IDC_AUDIO_INDEX, "TiSevenSegmentInteger"},
                      {IDC_AUDIO_POSITION, "TiSevenSegmentInteger"},
                      {IDC_AUDIO_RADIO_NAME, kLabel},
                      {IDC_AUDIO_FILE_NAME, kLabel},
                      {IDC_VOLUME_KNOB, kKnob},
                      {IDC_SIGNAL_BAR, "TiLedBar"},
                      {IDC_VU_BAR, "TiLedBar"},
                      {IDC_PLAYBACK_AUTO_LEVEL, kSlider},
                      {IDC_CATALOG_SCOPE, "ComboBox"},
                      {IDC_CATALOG_SORT, "ComboBox"},
                      {IDC_PLAYER_SPEAKER, "ComboBox"},
                      {IDC_CATALOG_GROUP_HEADERS, kButton},
                      {IDC_CATALOG_FROM, "SysDateTimePick32"},
                      {IDC_CATALOG_TO, "SysDateTimePick32"},
                      {IDC_CATALOG_SEARCH, kEdit}}},
        {IDD_CUSTOMIZE_TOOLS, 8,
         Bindings{{IDC_TOOLS_LIST, "ListBox"}} +
             All({IDC_TOOLS_COMMAND, IDC_TOOLS_ARGUMENTS, IDC_TOOLS_DIRECTORY}, kEdit) +
             All({IDC_TOOLS_COMMAND_LABEL, IDC_TOOLS_ARGUMENTS_LABEL, IDC_TOOLS_DIRECTORY_LABEL},
                 "Static")},
        {IDD_SPARE_RECEIVER_1, 42, {}},
        {IDD_SPARE_RECEIVER_COMBOS, 68,
         All({IDC_DEEMPHASIS, IDC_HIGH_PASS, IDC_LOW_PASS, IDC_AGC_SPEED, IDC_CW_PITCH},
             "ComboBox")},
        {IDD_SPARE_RECEIVER_2, 29, {}},
        {IDD_SPARE_RECEIVER_3, 50, {}},
        {IDD_SPARE_BAND_SCOPE, 21, {}},
        {IDD_SPARE_GPS_PANEL, 82, {}},
        {IDD_SPARE_TRUNK_1, 62, {}},
        {IDD_SPARE_TRUNK_2, 63, {}},
        {IDD_SPARE_TRUNK_3, 62, {}},
        {IDD_SPARE_TRUNK_4, 62, {}},
        {IDD_SPARE_RECEIVER_4, 70, {}},
        {IDD_SPARE_RECEIVER_5, 58, {}},
    };
    return expectations;
}

// The window class a template control makes.
std::string KindOf(const hb::afx::DialogControl& control) {
    if (!hb::afx::IsClassId(control.className)) {
        return control.className;
    }
    const auto* kind = hb::instruments::FindKindByClassId(control.className);
    return kind ? kind->className : "unknown class id " + control.className;
}

// The form carries its controls inside itself, each id once, and what its window binds with the
// control kind the window drives.
void CheckForm(const FormExpectation& expected) {
    SCOPED_TRACE("form " + std::to_string(expected.form));
    const hb::afx::DialogTemplate* form = hb::afx::FindDialogTemplate(expected.form);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->controls.size(), expected.controls);

    std::map<UINT, std::string> kinds;
    for (const hb::afx::DialogControl& control : form->controls) {
        EXPECT_GE(control.x, 0) << control.id;
        EXPECT_GE(control.y, 0) << control.id;
        EXPECT_LE(control.x + control.cx, form->cx) << control.id;
        // A drop-down list's height is that of its open list, which may open past the form.
        const bool dropDown = KindOf(control) == "ComboBox";
        EXPECT_LE(control.y + (dropDown ? 1 : control.cy), form->cy) << control.id;
        if (control.id != IDC_STATIC) {
            EXPECT_TRUE(kinds.emplace(control.id, KindOf(control)).second)
                << "id " << control.id << " twice";
        }
    }
    for (const Binding& binding : expected.present) {
        const auto it = kinds.find(binding.id);
        ASSERT_NE(it, kinds.end()) << "missing " << binding.id;
        EXPECT_EQ(it->second, binding.kind) << "control " << binding.id;
    }
    for (UINT id : expected.absent) {
        EXPECT_EQ(kinds.count(id), 0u) << "unexpected " << id;
    }
}

class FormConsistencyTest : public hb::testkit::PlatformTest {
protected:
    FormConsistencyTest() : library(AfxLoadLibrary("Pellam.DLL")) {}
    ~FormConsistencyTest() override { AfxFreeLibrary(library); }

    HMODULE library;
};

TEST_F(FormConsistencyTest, EveryFormCarriesWhatItsWindowBindsAndNothingClashes) {
    ASSERT_TRUE(library);
    const auto& forms = hb::afx::ResourceModuleOf(library)->Tables().dialogs;
    EXPECT_EQ(forms.size(), Expectations().size());
    for (const FormExpectation& expected : Expectations()) {
        CheckForm(expected);
    }
}

TEST_F(FormConsistencyTest, TheProgramsAudioFormsCarryWhatTheirWindowsBind) {
    UseProgramResources(ProgramResourceTables());
    const Bindings transport =
        All({IDC_AUDIO_STOP, IDC_AUDIO_PAUSE, IDC_AUDIO_PLAY, IDC_AUDIO_REWIND, IDC_AUDIO_FORWARD,
             IDC_AUDIO_BACK, IDC_AUDIO_END},
            kButton);
    const Bindings shared =
        transport +
        Bindings{{IDC_AUDIO_FILE_NAME, kLabel},    {IDC_AUDIO_CLOCK, kClock},
                 {IDC_AUDIO_FREQUENCY, kSegments}, {IDC_AUDIO_ID, kSegments},
                 {IDC_AUDIO_STATE_LAMP, kLamp},    {IDC_SIGNAL_BAR, kBar},
                 {IDC_AUDIO_MODE, kSlider},        {IDC_AUDIO_KIND_LAMP, kLamp},
                 {IDC_AUDIO_MESSAGE, "Static"},    {IDC_AUDIO_POSITION_SLIDER, "TiSlider"},
                 {IDC_AUDIO_INDICATOR, kLamp},     {IDC_VU_BAR, kBar},
                 {IDC_AUDIO_RADIO_NAME, kLabel},   {IDC_VOLUME_KNOB, kKnob},
                 {IDC_INVERT_FREQUENCY, kKnob},    {IDC_INVERT_MODE, kSlider}} +
        All({IDC_AUDIO_INDEX, IDC_AUDIO_POSITION, IDC_AUDIO_DAY, IDC_AUDIO_YEAR, IDC_AUDIO_MONTH},
            kInteger) +
        All({IDC_AUDIO_FILE, IDC_AUDIO_AUTO_FILE, IDC_AUDIO_SETTINGS}, kButton);
    CheckForm({IDD_AUDIO_RACK, 44,
               shared + All({IDC_AUDIO_SKIP, IDC_AUDIO_MUTE, IDC_AUDIO_CHAIN}, "TiSwitchLed") +
                   All({IDC_AUDIO_ERASE, IDC_AUDIO_ZEROIZE}, kButton)});
    CheckForm(
        {IDD_AUDIO_RECORDER, 77,
         shared +
             All({IDC_AUDIO_COMMAND, IDC_AUDIO_SKIP, IDC_AUDIO_MUTE, IDC_AUDIO_CHAIN,
                  IDI_AUDIO_MUTE_PEERS, IDI_AUDIO_NO_ACTION, IDC_AUDIO_SPEAKERS,
                  IDC_AUDIO_RECORDING_MIXER, IDC_AUDIO_EXPLORE, IDC_AUDIO_SPARE,
                  IDC_AUDIO_PRESET_ADD, IDC_AUDIO_PRESET_REMOVE},
                 kButton) +
             All({IDC_AUDIO_KIND_PL, IDC_AUDIO_KIND_DPL, IDC_AUDIO_KIND_LTR, IDC_AUDIO_KIND_TYPE1,
                  IDC_AUDIO_KIND_TYPE2, IDC_AUDIO_KIND_EDACS, IDC_AUDIO_LIVE_LAMP},
                 kLamp) +
             All({IDC_AUDIO_FILE_TITLE, IDC_AUDIO_FREQUENCY_TEXT, IDC_AUDIO_ID_TEXT,
                  IDC_AUDIO_NAME_1, IDC_AUDIO_NAME_2, IDC_AUDIO_NAME_3},
                 kLabel) +
             All({IDC_AUDIO_MANUAL_LEVEL, IDC_AUDIO_RECORD_AUTO_LEVEL, IDC_PLAYBACK_AUTO_LEVEL},
                 kSlider) +
             Bindings{{IDC_AUDIO_ELAPSED, kClock},
                      {IDC_AUDIO_VU_RIGHT, kBar},
                      {IDC_AUDIO_LEVEL_GAUGE, "TiLinearGauge"},
                      {IDC_AUDIO_INPUT_LEVEL, kKnob},
                      {IDC_AUDIO_PRESET_SPIN, kSpin}}});
    Bindings rows{{IDC_MIXER_PICTURE, "Static"}, {IDC_MIXER_HEADING, kLabel}};
    for (UINT row = 0; row < 10; ++row) {
        rows = rows + Bindings{{IDC_MIXER_FRAME + row, kButton},
                               {IDC_MIXER_KNOB + row, kKnob},
                               {IDC_MIXER_LEVEL + row, kBar},
                               {IDC_MIXER_MUTE + row, kButton},
                               {IDC_MIXER_SHOW + row, kButton},
                               {IDC_MIXER_CAPTION + row, "Static"},
                               {IDC_MIXER_SPEAKER + row, "TiSlider"},
                               {IDC_MIXER_WAVE + row, "TiSlider"},
                               {IDC_MIXER_SPEAKER_LABEL + row, "Static"},
                               {IDC_MIXER_WAVE_LABEL + row, "Static"},
                               {IDC_MIXER_OUTPUT + row, "ComboBox"}};
    }
    CheckForm({IDD_MIXER, 112, rows});
}

TEST_F(FormConsistencyTest, FormsThatWindowsCreateAreChildPanelsAndThePageIsAPlainPropertyPage) {
    ASSERT_TRUE(library);
    for (const hb::afx::DialogTemplate& form :
         hb::afx::ResourceModuleOf(library)->Tables().dialogs) {
        EXPECT_TRUE(form.style & WS_CHILD) << form.id;
        EXPECT_FALSE(form.style & WS_POPUP) << form.id;
    }
    const auto* page = hb::afx::FindDialogTemplate(IDD_CUSTOMIZE_TOOLS);
    EXPECT_EQ(page->caption, "Tools");
    EXPECT_EQ(page->style & (WS_CAPTION | WS_DISABLED), WS_CAPTION | WS_DISABLED);
}

} // namespace
