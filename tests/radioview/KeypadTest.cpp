#include "tests/radioview/KeypadTest.h"

namespace hb::radioview::test {
namespace {

using hb::records::kEngineCmdManualMode;
using hb::records::kEngineCmdPause;
using hb::records::kEngineCmdStart;

TEST_F(KeypadTest, AnEmptyUnreadableOrUncoveredEntryBeepsAndTunesNothing) {
    UseReceiver();
    Open();
    const parm before = Vfo();
    EngineSim::ClearJournal();
    EXPECT_TRUE(PressInKeypad(VK_RETURN));
    Type("abc");
    EXPECT_TRUE(PressInKeypad(VK_RETURN));
    EXPECT_EQ(KeypadText(), "abc");
    Click(IDC_ENTER_KHZ);
    panel->m_keypadEntry.SetWindowText("250");
    Click(IDC_ENTER_MHZ);
    EXPECT_EQ(Vfo(), before);
    EXPECT_FALSE(panel->IsManualMode());
    EXPECT_FALSE(Sent(kEngineCmdManualMode));
    ExpectBeeps(4);
    EXPECT_EQ(Beeps().back(), MB_ICONASTERISK);
}

TEST_F(KeypadTest, AFrequencyAndEnterTunesTheManualVfoAndTheNextTickSendsIt) {
    Open();
    EngineSim::ClearJournal();
    Type("146.52");
    EXPECT_TRUE(PressInKeypad(VK_RETURN));
    EXPECT_EQ(panel->m_activeVfo, 0);
    EXPECT_EQ(Frequency(), 146'520'000u);
    EXPECT_TRUE(panel->IsManualMode());
    EXPECT_EQ(KeypadText(), "");
    EXPECT_TRUE(KeypadHasFocus());

    EngineSim::ClearJournal();
    panel->CommitActiveVfo();
    EXPECT_TRUE(Sent(kEngineCmdManualMode));
    ASSERT_EQ(FastWrites(), 1u);
    EXPECT_EQ(EngineSim::Calls("scan_device_vfo_fast_write")[0].record->get(parm::kFrequency),
              146'520'000u);
    EXPECT_EQ(DeviceFrequency(), 146'520'000u);
}

TEST_F(KeypadTest, AnHfRadioTakesKilohertzUnlessItShowsMegahertz) {
    static constexpr hb::records::CoverageRow kHf[] = {{100'000, 30 * kMhz, 1000}};
    UseReceiver(kHf, Radio::kFeatureControl | Radio::kFeatureHf);
    UserValue("Settings", "HFFreqDisplayMHz", 0);
    Open();
    Type("146.52");
    PressInKeypad(VK_RETURN);
    EXPECT_EQ(Frequency(), 146'520u);

    panel->m_mhzDisplay = CRadioView::kOn;
    Type("14.2");
    PressInKeypad(VK_RETURN);
    EXPECT_EQ(Frequency(), 14'200'000u);
}

TEST_F(KeypadTest, ThePhonePadAndTheDigitCommandsTypeIntoTheField) {
    Open();
    const HWND pad = Control(IDC_KEYPAD);
    ASSERT_TRUE(pad);
    for (UINT key : {UINT{'1'}, UINT{'4'}, UINT{'6'}, UINT{VK_DECIMAL}, UINT{'5'}}) {
        EXPECT_TRUE(hb::instruments::UserKey(pad, static_cast<short>(key), 0));
    }
    EXPECT_TRUE(KeypadHasFocus());
    panel->SendMessage(WM_COMMAND, IDC_DIGIT_0 + 2);
    panel->SendMessage(WM_COMMAND, IDC_DIGIT_POINT);
    EXPECT_EQ(KeypadText(), "146.52.");
    EXPECT_TRUE(hb::instruments::UserKey(pad, VK_BACK, 0));
    EXPECT_EQ(KeypadText(), "");
    Type("9");
    panel->SendMessage(WM_COMMAND, 28487);
    EXPECT_EQ(KeypadText(), "");
}

TEST_F(KeypadTest, SpaceStopsScanningOrStartsItAgainFromManualMode) {
    Open();
    constexpr std::uint8_t kScanning = 8;
    EngineSim::SetState(frame->m_rig->m_engine, kScanning);
    EngineSim::ClearJournal();
    EXPECT_TRUE(PressInKeypad(VK_SPACE));
    EXPECT_EQ(EngineCodes(), std::vector<std::uint8_t>{kEngineCmdPause});
    EXPECT_EQ(KeypadText(), "");

    panel->EnterManualMode();
    EngineSim::ClearJournal();
    EXPECT_TRUE(PressInKeypad(VK_SPACE));
    EXPECT_TRUE(Sent(kEngineCmdStart));
}

TEST_F(KeypadTest, KeysOnOtherControlsGoToTheKeypadFieldExceptAKnobsArrows) {
    Open();
    const HWND knob = Control(IDC_SQUELCH_KNOB);
    ASSERT_TRUE(knob);
    ::SetFocus(knob);
    EXPECT_TRUE(Press(knob, 'A'));
    EXPECT_TRUE(KeypadHasFocus());
    EXPECT_EQ(KeypadText(), "");

    ::SetFocus(knob);
    const double before = panel->m_squelchKnob.GetPosition();
    EXPECT_FALSE(Press(knob, VK_UP));
    EXPECT_EQ(::GetFocus(), knob);
    EXPECT_GT(panel->m_squelchKnob.GetPosition(), before);
}

TEST_F(KeypadTest, TheArrowsInTheFieldStepTheStepOrNothing) {
    Open();
    panel->TuneFrequency(150 * kMhz, 0);
    const std::uint32_t step = Vfo().get(parm::kStep);
    EXPECT_TRUE(PressInKeypad(VK_LEFT));
    EXPECT_GT(Vfo().get(parm::kStep), step);
    EXPECT_TRUE(PressInKeypad(VK_RIGHT));
    EXPECT_EQ(Vfo().get(parm::kStep), step);
    const parm before = Vfo();
    EXPECT_TRUE(PressInKeypad(VK_UP));
    EXPECT_TRUE(PressInKeypad(VK_DOWN));
    EXPECT_EQ(Vfo(), before);
}

TEST_F(KeypadTest, ARefusedClaimLeavesTheRadioScanningAndSendsNothing) {
    Open();
    CRig* rig = frame->m_rig;
    rig->DetachView(frame);
    ASSERT_EQ(rig->AttachView(IDR_RADIO, &Main()), 0);
    EngineSim::ClearJournal();
    Type("146.52");
    PressInKeypad(VK_RETURN);
    EXPECT_FALSE(panel->IsManualMode());
    panel->CommitActiveVfo();
    EXPECT_FALSE(Sent(kEngineCmdManualMode));
    EXPECT_EQ(FastWrites(), 0u);
    rig->DetachView(&Main());
}

TEST_F(KeypadTest, TheNameFieldNamesTheActiveVfoAndEscapeLeavesItAlone) {
    Open();
    const HWND field = Control(IDC_NAME_FIELD);
    ASSERT_TRUE(field);
    Mouse(IDC_NAME_FIELD, MouseAction::Down);
    EXPECT_EQ(panel->m_nameEditing, CRadioView::kOn);
    EXPECT_EQ(::GetCapture(), field);
    EXPECT_EQ(panel->m_nameField.GetBackGroundColor(), 0xFFFFFFu);
    EXPECT_EQ(panel->m_nameField.GetFontColor(), 0u);
    EXPECT_TRUE(hb::instruments::UserKey(field, VK_ESCAPE, 0));
    EXPECT_EQ(panel->m_nameEditing, 0);
    EXPECT_NE(::GetCapture(), field);
    EXPECT_EQ(panel->m_nameField.GetBackGroundColor(), app->Color(13));

    panel->m_nameField.SetCaption("");
    for (char c : std::string_view("Marine channel sixteen")) {
        panel->m_nameField.SendMessage(WM_CHAR, static_cast<WPARAM>(c));
    }
    EXPECT_TRUE(hb::instruments::UserKey(field, VK_RETURN, 0));
    EXPECT_EQ(panel->m_nameEditing, 0);
    EXPECT_EQ(panel->m_vfoInfo[0], "Marine channel sixteen");
    EXPECT_EQ(Vfo().text(parm::kName), "Marine channel s");
}

} // namespace
} // namespace hb::radioview::test
