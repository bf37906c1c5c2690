#include "platform/records/DeviceStatus.h"
#include "platform/records/DtmfRecord.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/MessageBox.h"
#include "radioview/models/PCR1000View.h"
#include "radioview/models/PCR100View.h"
#include "radioview/models/PCR1500View.h"
#include "resources/ResourceIds.h"
#include "tests/radioview/models/ModelViewTest.h"

#include <cmath>

namespace hb::app::test {
namespace {

using hb::radioview::PcrPanel;

class PcrViewTest : public ModelViewTest {
protected:
    // A PC receiver with the DSP unit whose audio comes through its driver.
    static constexpr int kPcWithDspAndDriverAudio = 130;

    PcrPanel* Open(const char* className, int type) { return OpenModel<PcrPanel>(className, type); }
    static void Press(CRadioView& panel, UINT id) {
        panel.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                          hb::win::ParamFromHwnd(panel.GetDlgItem(static_cast<int>(id))->m_hWnd));
        PumpUntilIdle();
    }
    // One press of the tone spin's upper or lower arrow.
    static void SpinTone(PcrPanel& panel, bool up) {
        CRect client;
        panel.m_toneSpin.GetClientRect(&client);
        const LPARAM at = MAKELPARAM(client.Width() / 2, up ? 1 : client.Height() - 2);
        panel.m_toneSpin.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
        panel.m_toneSpin.SendMessage(WM_LBUTTONUP, 0, at);
        PumpUntilIdle();
    }
};

TEST_F(PcrViewTest, BothWideBandPanelsOpenByNameWithTheirControlsAndModeSwitch) {
    for (const char* name : {"CPCR1000View", "CPCR1500View"}) {
        SCOPED_TRACE(name);
        PcrPanel* panel = Open(name, kPcWithDsp);
        ASSERT_NE(panel, nullptr);
        EXPECT_STREQ(panel->GetRuntimeClass()->m_lpszClassName, name);
        EXPECT_EQ(panel->GetRuntimeClass()->m_pBaseClass, RUNTIME_CLASS(CRadioView));
        for (CWnd* control : std::initializer_list<CWnd*>{
                 &panel->m_filterSwitch, &panel->m_dspKnob, &panel->m_toneDisplay,
                 &panel->m_dspButton, &panel->m_notchButton, &panel->m_toneButton,
                 &panel->m_toneSpin, &panel->m_dspLamp, &panel->m_dtmfLabel}) {
            EXPECT_NE(control->m_hWnd, nullptr);
        }
        EXPECT_EQ(panel->m_filterSwitch.GetPositionCount(), 5);
        EXPECT_DOUBLE_EQ(panel->m_dspKnob.GetPositionMax(), 16);

        const std::uint8_t codes[] = {0, 2, 1, 5, 3, 4};
        ASSERT_EQ(panel->m_modeSwitch.GetPositionCount(), 6);
        for (long position = 5; position >= 0; --position) {
            Slide(panel->m_modeSwitch, position);
            EXPECT_EQ(Active(*panel).get(parm::kMode), codes[position]);
            Show(*panel, codes[position]);
            EXPECT_EQ(panel->m_modeSwitch.GetPosition(), position);
        }
        EXPECT_TRUE(panel->IsManualMode());
        Show(*panel, 0x13);
        EXPECT_EQ(panel->m_modeSwitch.GetPosition(), 4);
        CloseWindow();
        CRadioFrame::s_panelClassForTest = nullptr;
    }
}

TEST_F(PcrViewTest, TheRecordIsPutRightForEachMode) {
    PcrPanel* panel = Open("CPCR1000View", kPcWithDsp);
    ASSERT_NE(panel, nullptr);
    parm record = Active(*panel);
    record.set(parm::kMode, std::uint8_t{1});
    record.set(parm::kFilter, std::uint8_t{2});
    record.set(parm::kIfShift, std::int16_t{40});
    panel->NormaliseParm(&record);
    EXPECT_EQ(record.get(parm::kFilter), 4u);
    EXPECT_EQ(record.get(parm::kIfShift), 0);

    panel->m_bfoKnob.SetPosition(30);
    for (const std::uint8_t filter : {2, 3}) {
        record.set(parm::kMode, std::uint8_t{0});
        record.set(parm::kFilter, filter);
        record.set(parm::kIfShift, std::int16_t{12});
        panel->NormaliseParm(&record);
        EXPECT_EQ(record.get(parm::kFilter), 0u);
        EXPECT_EQ(record.get(parm::kIfShift), 0);
    }
    EXPECT_DOUBLE_EQ(panel->m_bfoKnob.GetPosition(), 0);
    EXPECT_FALSE(panel->m_bfoKnob.IsWindowEnabled());

    record.set(parm::kMode, std::uint8_t{2});
    record.set(parm::kFilter, std::uint8_t{4});
    panel->NormaliseParm(&record);
    EXPECT_EQ(record.get(parm::kFilter), 2u);
    record.set(parm::kMode, std::uint8_t{5});
    record.set(parm::kFilter, std::uint8_t{0});
    record.set(parm::kIfShift, std::int16_t{12});
    panel->NormaliseParm(&record);
    EXPECT_EQ(record.get(parm::kFilter), 3u);
    EXPECT_EQ(record.get(parm::kIfShift), 12);
    EXPECT_TRUE(panel->m_bfoKnob.IsWindowEnabled());
}

TEST_F(PcrViewTest, TheSwitchButtonsToggleTheirBytes) {
    PcrPanel* panel = Open("CPCR1500View", kPcWithDsp);
    ASSERT_NE(panel, nullptr);
    Press(*panel, IDC_ATTENUATOR);
    Press(*panel, IDC_NOISE_BLANKER);
    Press(*panel, IDC_AGC);
    Press(*panel, IDC_NOTCH);
    EXPECT_EQ(Active(*panel).get(parm::kSwitch96), 1u);
    EXPECT_EQ(Active(*panel).get(parm::kVoiceInversionOn), 1u);
    EXPECT_EQ(Active(*panel).get(parm::kSwitch92), 1u);
    EXPECT_EQ(Active(*panel).get(parm::kNotch), 1);
    EXPECT_TRUE(panel->m_notchButton.GetChecked());
    Press(*panel, IDC_NOTCH);
    Press(*panel, IDC_ATTENUATOR);
    EXPECT_EQ(Active(*panel).get(parm::kNotch), 0);
    EXPECT_EQ(Active(*panel).get(parm::kSwitch96), 0u);
    EXPECT_FALSE(panel->m_attenuatorButton.GetChecked());
    Slide(panel->m_filterSwitch, 3);
    EXPECT_EQ(Active(*panel).get(parm::kFilter), 3u);
}

TEST_F(PcrViewTest, DspWithoutTheUnitBeepsSaysNoDspAndChangesNothing) {
    PcrPanel* panel = Open("CPCR1000View", kPcWithoutDsp);
    ASSERT_NE(panel, nullptr);
    const std::uint16_t flags = Active(*panel).get(parm::kOptionFlags);
    const std::size_t beeps = hb::win::Beeps().size();
    const std::size_t boxes = hb::win::BoxLog().size();
    hb::win::ExpectBox({"DSP", IDOK, "No DSP"});
    Press(*panel, IDC_DSP);
    EXPECT_TRUE(hb::win::UnmetBoxExpectations().empty());
    EXPECT_EQ(hb::win::Beeps().size(), beeps + 1);
    ASSERT_EQ(hb::win::BoxLog().size(), boxes + 1);
    EXPECT_EQ(hb::win::BoxLog().back().caption, "No DSP");
    EXPECT_FALSE(hb::win::BoxLog().back().text.empty());
    EXPECT_FALSE(panel->m_dspButton.GetChecked());
    EXPECT_EQ(Active(*panel).get(parm::kOptionFlags), flags);
}

TEST_F(PcrViewTest, DspWithTheUnitSwitchesTheFlagAndTheKnobWhoseLevelIsKept) {
    PcrPanel* panel = Open("CPCR1000View", kPcWithDsp);
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(panel->m_dspKnob.IsWindowEnabled());
    Press(*panel, IDC_DSP);
    EXPECT_EQ(Active(*panel).get(parm::kOptionFlags) & 0x40, 0x40);
    EXPECT_TRUE(panel->m_dspButton.GetChecked());
    EXPECT_TRUE(panel->m_dspKnob.IsWindowEnabled());

    ASSERT_TRUE(hb::instruments::UserSetPosition(panel->m_dspKnob.m_hWnd, 6.6));
    PumpUntilIdle();
    EXPECT_EQ(Active(*panel).get(parm::kNoiseReducer), 7u);
    ASSERT_TRUE(hb::instruments::UserMouse(panel->m_dspKnob.m_hWnd,
                                           hb::instruments::MouseAction::Up, 1, 0, 5, 5));
    PumpUntilIdle();
    EXPECT_EQ(Profile("DSPNoiceReducer"), 7);
    ASSERT_TRUE(hb::instruments::UserDoubleClick(panel->m_dspKnob.m_hWnd, 1, 0, 5, 5));
    PumpUntilIdle();
    EXPECT_EQ(Active(*panel).get(parm::kNoiseReducer), 0u);
    EXPECT_EQ(Profile("DSPNoiceReducer"), 0);

    Press(*panel, IDC_DSP);
    EXPECT_EQ(Active(*panel).get(parm::kOptionFlags) & 0x40, 0);
    EXPECT_FALSE(panel->m_dspKnob.IsWindowEnabled());

    // The saved level is where the knob starts next time, and what every VFO then runs at.
    CloseWindow();
    app->WriteProfileInt(kSection, "DSPNoiceReducer", 9);
    panel = Open("CPCR1000View", kPcWithDsp);
    ASSERT_NE(panel, nullptr);
    EXPECT_DOUBLE_EQ(panel->m_dspKnob.GetPosition(), 9);
    for (const parm& record : panel->m_vfo) {
        EXPECT_EQ(record.get(parm::kNoiseReducer), 9u);
    }
}

TEST_F(PcrViewTest, TheOtherReceiverWithTheUnitTakesDspToo) {
    PcrPanel* panel = Open("CPCR1500View", kPcWithDspAndDriverAudio);
    ASSERT_NE(panel, nullptr);
    const std::size_t boxes = hb::win::BoxLog().size();
    Press(*panel, IDC_DSP);
    EXPECT_EQ(Active(*panel).get(parm::kOptionFlags) & 0x40, 0x40);
    EXPECT_TRUE(panel->m_dspButton.GetChecked());
    EXPECT_TRUE(panel->m_dspKnob.IsWindowEnabled());
    EXPECT_EQ(hb::win::BoxLog().size(), boxes);
}

TEST_F(PcrViewTest, TheToneSpinWrapsAndToneSquelchTakesTheToneShown) {
    PcrPanel* panel = Open("CPCR1000View", kPcWithDsp);
    ASSERT_NE(panel, nullptr);
    SpinTone(*panel, true);
    EXPECT_DOUBLE_EQ(panel->m_toneDisplay.GetValue(), 67.0);
    SpinTone(*panel, false);
    EXPECT_DOUBLE_EQ(panel->m_toneDisplay.GetValue(), 254.1);
    SpinTone(*panel, true);
    EXPECT_DOUBLE_EQ(panel->m_toneDisplay.GetValue(), 67.0);
    SpinTone(*panel, true);
    EXPECT_DOUBLE_EQ(panel->m_toneDisplay.GetValue(), 69.4);

    Press(*panel, IDC_TONE_SQUELCH);
    EXPECT_EQ(Active(*panel).get(parm::Channel::kSquelchKind), 4u);
    EXPECT_EQ(Active(*panel).tone(), 694u);
    EXPECT_TRUE(panel->m_toneButton.GetChecked());
    Press(*panel, IDC_TONE_SQUELCH);
    EXPECT_EQ(Active(*panel).get(parm::Channel::kSquelchKind), 0u);
    EXPECT_EQ(Active(*panel).tone(), 0u);
}

TEST_F(PcrViewTest, ToneAndDspChangesHaveCodesOfTheirOwn) {
    PcrPanel* panel = Open("CPCR1000View", kPcWithDsp);
    ASSERT_NE(panel, nullptr);
    const parm a = Record(145'000'000, 0, "A");
    parm b = a;
    b.set(parm::Channel::kSquelchKind, std::uint8_t{4});
    EXPECT_EQ(panel->CompareParm(a, b), 8255u);
    b = a;
    b.set(parm::kModelWords, 2, 7u);
    EXPECT_EQ(panel->CompareParm(a, b), 8255u);
    b = a;
    b.set(parm::kOptionFlags, std::uint16_t{0x40});
    EXPECT_EQ(panel->CompareParm(a, b), 8259u);
    b = a;
    b.set(parm::kFrequency, 146'000'000u);
    EXPECT_EQ(panel->CompareParm(a, b), CompareParm(a, b));
    EXPECT_EQ(panel->CompareParm(a, a), 0u);
}

TEST_F(PcrViewTest, TheDtmfLineKeepsTheLast25CharactersAndAnEmptyRecordClearsIt) {
    PcrPanel* panel = Open("CPCR1000View", kPcWithDsp);
    ASSERT_NE(panel, nullptr);
    panel->ShowChannelName("Sixteen chars ok");
    DtmfRecord rec;
    rec.setText(DtmfRecord::kText, "1234567890");
    panel->AppendDtmf(&rec);
    panel->AppendDtmf(&rec);
    EXPECT_EQ(std::string(panel->m_dtmfLabel.GetCaption()),
              std::string("1234567890Sixteen chars ok").substr(1));
    panel->AppendDtmf(nullptr);
    EXPECT_EQ(std::string(panel->m_dtmfLabel.GetCaption()), "");
    panel->AppendDtmf(&rec);
    EXPECT_EQ(std::string(panel->m_dtmfLabel.GetCaption()), "234567890Sixteen chars ok");
}

TEST_F(PcrViewTest, TheSmallPanelsRockersFilterRulesAndCorrectionsBeforeSending) {
    auto* panel = OpenModel<CPCR100View>("CPCR100View", kPcWithoutDsp);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->m_filterSwitch.GetPositionCount(), 4);
    ASSERT_EQ(panel->m_modeSwitch.GetPositionCount(), 3);
    const std::uint8_t codes[] = {0, 2, 1};
    for (long position = 2; position >= 0; --position) {
        Slide(panel->m_modeSwitch, position);
        EXPECT_EQ(Active(*panel).get(parm::kMode), codes[position]);
        Show(*panel, codes[position]);
        EXPECT_EQ(panel->m_modeSwitch.GetPosition(), position);
    }

    // The rockers: the upper half rocks on, the lower half off, the space bar flips.
    CRect client;
    panel->m_attenuatorRocker.GetClientRect(&client);
    ASSERT_TRUE(hb::instruments::UserClick(panel->m_attenuatorRocker.m_hWnd, 1, 0, 3, 1));
    PumpUntilIdle();
    EXPECT_EQ(Active(*panel).get(parm::kSwitch96), 1u);
    ASSERT_TRUE(
        hb::instruments::UserClick(panel->m_attenuatorRocker.m_hWnd, 1, 0, 3, client.Height() - 2));
    PumpUntilIdle();
    EXPECT_EQ(Active(*panel).get(parm::kSwitch96), 0u);
    ASSERT_TRUE(hb::instruments::UserKey(panel->m_noiseBlankerRocker.m_hWnd, VK_SPACE, 0));
    PumpUntilIdle();
    EXPECT_EQ(Active(*panel).get(parm::kVoiceInversionOn), 1u);
    parm shown = Active(*panel);
    shown.set(parm::kSwitch96, std::uint8_t{1});
    shown.set(parm::kVoiceInversionOn, std::uint8_t{0});
    panel->UpdateControlsFromParm(&shown, nullptr);
    EXPECT_EQ(panel->m_attenuatorRocker.GetPosition(), 1);
    EXPECT_EQ(panel->m_noiseBlankerRocker.GetPosition(), 0);

    Show(*panel, 2);
    Slide(panel->m_filterSwitch, 1);
    EXPECT_EQ(Active(*panel).get(parm::kFilter), 2u);
    Show(*panel, 0);
    Slide(panel->m_filterSwitch, 3);
    EXPECT_EQ(Active(*panel).get(parm::kFilter), 3u);
    Slide(panel->m_filterSwitch, 2);
    EXPECT_EQ(Active(*panel).get(parm::kFilter), 0u);
    EXPECT_EQ(panel->m_filterSwitch.GetPosition(), 0);

    Active(*panel).set(parm::kFrequency, 14'200'000u);
    Active(*panel).set(parm::kMode, std::uint8_t{2});
    panel->CommitActiveVfo();
    EXPECT_EQ(Active(*panel).get(parm::kMode), 1u);
    Active(*panel).set(parm::kFrequency, 30'000'000u);
    Active(*panel).set(parm::kMode, std::uint8_t{2});
    Active(*panel).set(parm::kFilter, std::uint8_t{2});
    panel->CommitActiveVfo();
    EXPECT_EQ(Active(*panel).get(parm::kMode), 0u);
    EXPECT_EQ(Active(*panel).get(parm::kFilter), 0u);
    for (const std::uint8_t filter : {0, 3}) {
        Active(*panel).set(parm::kFrequency, 90'000'000u);
        Active(*panel).set(parm::kMode, std::uint8_t{2});
        Active(*panel).set(parm::kFilter, filter);
        panel->CommitActiveVfo();
        EXPECT_EQ(Active(*panel).get(parm::kFilter), 2u);
    }
}

TEST_F(PcrViewTest, EveryModelPanelOpensByNameAndKeepsItsVfosOnClose) {
    for (const char* name :
         {"CBlandView", "COptoComView", "COptoScanView", "CPCR1000View", "CPCR1500View",
          "CPCR100View", "CR8500View", "CR9000View", "CR7100View", "CR10View", "CR8View",
          "CNRD535View", "CR20View", "CR75View"}) {
        SCOPED_TRACE(name);
        CRadioView* panel = OpenModel<CRadioView>(name, kPcWithDsp);
        ASSERT_NE(panel, nullptr);
        EXPECT_STREQ(panel->GetRuntimeClass()->m_lpszClassName, name);
        EXPECT_EQ(panel->GetRuntimeClass()->m_pBaseClass, RUNTIME_CLASS(CRadioView));
        EXPECT_TRUE(panel->m_rig->IsOpenFor(panel->m_frame));
        Active(*panel).set(parm::kFrequency, 151'250'000u);
        const std::string vfo = "VFO" + std::to_string(panel->m_activeVfo);
        CloseWindow();
        const std::vector<BYTE> saved = Binary(vfo.c_str());
        ASSERT_EQ(saved.size(), sizeof(parm));
        parm record;
        std::memcpy(record.data(), saved.data(), saved.size());
        EXPECT_EQ(record.get(parm::kFrequency), 151'250'000u);
        CRadioFrame::s_panelClassForTest = nullptr;
    }
}

} // namespace
} // namespace hb::app::test
