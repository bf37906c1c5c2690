#include "tests/radioview/TuningTest.h"

#include "platform/records/PrivateMessages.h"
#include "radioview/MiniStatusWnd.h"

namespace hb::radioview::test {
namespace {

class FrequencyTest : public TuningTest {};

TEST_F(FrequencyTest, TheDisplayShowsKhzBelowThirtyMhzAndMhzAboveWithTheirLamps) {
    UseReceiver(kTwoRows, Radio::kFeatureControl);
    Open();
    panel->m_mhzDisplay = 0;
    panel->FormatFrequency(29'999'999);
    EXPECT_DOUBLE_EQ(panel->m_frequencyDisplay.GetValue(), 29999.999);
    EXPECT_EQ(panel->m_frequencyDisplay.GetPrecision(), 3);
    EXPECT_TRUE(panel->m_khzLamp.GetActive());
    EXPECT_FALSE(panel->m_mhzLamp.GetActive());

    panel->FormatFrequency(30'000'000);
    EXPECT_DOUBLE_EQ(panel->m_frequencyDisplay.GetValue(), 30.0);
    EXPECT_EQ(panel->m_frequencyDisplay.GetPrecision(), 4);
    EXPECT_FALSE(panel->m_khzLamp.GetActive());
    EXPECT_TRUE(panel->m_mhzLamp.GetActive());

    // Four decimals cut the Hz; a frequency past 2^31 Hz is still positive.
    panel->FormatFrequency(3'000'123'456);
    EXPECT_DOUBLE_EQ(panel->m_frequencyDisplay.GetValue(), 3000.1234);
}

TEST_F(FrequencyTest, AnHfRadioWithTheMhzSettingShowsSixDecimalsAndACoarseOneNeverKhz) {
    UserValue("Settings", "HFFreqDisplayMHz", 1);
    UseReceiver(kTwoRows, Radio::kFeatureControl | Radio::kFeatureHf);
    Open();
    panel->FormatFrequency(7'050'000);
    EXPECT_DOUBLE_EQ(panel->m_frequencyDisplay.GetValue(), 7.05);
    EXPECT_EQ(panel->m_frequencyDisplay.GetPrecision(), 6);
    EXPECT_TRUE(panel->m_mhzLamp.GetActive());
    panel->FormatFrequency(145'000'000);
    EXPECT_EQ(panel->m_frequencyDisplay.GetPrecision(), 6);

    panel->m_mhzDisplay = 0;
    panel->FormatFrequency(145'000'000);
    EXPECT_DOUBLE_EQ(panel->m_frequencyDisplay.GetValue(), 145000.0);
    EXPECT_TRUE(panel->m_khzLamp.GetActive());
}

TEST_F(FrequencyTest, TuningOutsideCoverageSnapsToTheNearerEdgeAsTheRadioAccepts) {
    UseReceiver();
    Open();
    struct Case {
        std::uint32_t asked, tuned;
    };
    for (const Case c : {Case{240 * kMhz, 300 * kMhz}, Case{260 * kMhz, 200 * kMhz},
                         Case{50 * kMhz, 100 * kMhz}, Case{450 * kMhz, 400 * kMhz - 25'000},
                         Case{400 * kMhz, 400 * kMhz}, Case{200 * kMhz, 200 * kMhz},
                         Case{0xFFFFFFFF, 400 * kMhz - 25'000}, Case{0, 100 * kMhz}}) {
        panel->TuneFrequency(c.asked, 0);
        EXPECT_EQ(Frequency(), c.tuned) << c.asked;
        EXPECT_EQ(panel->SnapToRadioBand(c.asked), c.tuned) << c.asked;
    }
    EXPECT_DOUBLE_EQ(panel->m_frequencyDisplay.GetValue(), 100.0);
}

TEST_F(FrequencyTest, AnEmptyCoverageTableSnapsNothing) {
    UseReceiver({});
    Open();
    EXPECT_EQ(panel->SnapToRadioBand(5), 5u);
    EXPECT_EQ(panel->SnapToRadioBand(0xFFFFFFFF), 0xFFFFFFFFu);
    const std::uint32_t step = Vfo().get(parm::kStep);
    panel->TuneFrequency(123'456'789, 0);
    EXPECT_EQ(Frequency(), 123'456'789u);
    EXPECT_EQ(Vfo().get(parm::kStep), step);
}

TEST_F(FrequencyTest, TuningStepSnapRoundsHalfUpAndBandStepSnapCountsFromTheBandsBase) {
    UseReceiver();
    Open();
    panel->m_tuningStepSnap = CRadioView::kOn;
    Vfo().set(parm::kStep, 12'500);
    // The knob's step reset only follows a change of scale, which these tunes do not make.
    panel->TuneFrequency(145'000'000, 0);
    Vfo().set(parm::kStep, 12'500);
    panel->TuneFrequency(145'006'250, 0);
    EXPECT_EQ(Frequency(), 145'012'500u);
    panel->TuneFrequency(145'006'249, 0);
    EXPECT_EQ(Frequency(), 145'000'000u);

    // Marine VHF starts at 156 MHz with 25 kHz channels.
    panel->m_tuningStepSnap = 0;
    panel->m_bandStepSnap = CRadioView::kOn;
    panel->TuneFrequency(156'812'000, 0);
    EXPECT_EQ(Frequency(), 156'800'000u);
    panel->TuneFrequency(156'813'000, 0);
    EXPECT_EQ(Frequency(), 156'825'000u);
    // Outside every band nothing is snapped.
    panel->TuneFrequency(140'000'123, 0);
    EXPECT_EQ(Frequency(), 140'000'123u);
}

TEST_F(FrequencyTest, ATuneIsMarkedUntilTheClampedDelayEnds) {
    UseReceiver();
    Open();
    CRig* rig = CRig::FindByName("Receiver");
    struct Case {
        std::uint32_t delay;
        std::int64_t period;
    };
    for (const Case c : {Case{100, 2100}, Case{0xFFFFFFFF, 60'000}}) {
        rig->m_device_status.set(hb::records::DeviceStatus::kDelay, c.delay);
        panel->TuneFrequency(150 * kMhz, 0);
        // Writing the VFO to the radio marks the change again: do it now, so the delay counts
        // from here rather than from the next periodic commit.
        panel->CommitActiveVfo();
        EXPECT_EQ(panel->m_frequencyChanged, CRadioView::kOn);
        panel->m_recalled = CRadioView::kOn;
        AdvanceAndPump(c.period - 10);
        EXPECT_EQ(panel->m_frequencyChanged, CRadioView::kOn) << c.delay;
        AdvanceAndPump(20);
        EXPECT_EQ(panel->m_frequencyChanged, 0) << c.delay;
        EXPECT_EQ(panel->m_recalled, 0);
    }
}

TEST_F(FrequencyTest, ALoadedRecordIsCheckedAsACopyAndTheCallersRecordStaysAsItWas) {
    UseReceiver();
    Open();
    parm channel;
    channel.set(parm::kFrequency, 155'475'000);
    channel.set(parm::kStep, 12'000); // not a step of the radio
    channel.set(parm::kMode, 7);      // FAX: not a mode of the radio
    channel.setText(parm::kName, "County Fire");
    const parm before = channel;
    frame->SendMessage(WM_RADIO_TUNE, 1, reinterpret_cast<LPARAM>(&channel));
    EXPECT_EQ(channel, before);
    EXPECT_EQ(Frequency(), 155'475'000u);
    EXPECT_EQ(Vfo().get(parm::kStep), 12'500u);
    EXPECT_EQ(Vfo().get(parm::kMode), 0);
    EXPECT_EQ(panel->m_vfoInfo[panel->m_activeVfo], "County Fire     ");
    EXPECT_DOUBLE_EQ(panel->m_frequencyDisplay.GetValue(), 155.475);
}

TEST_F(FrequencyTest, AManualChannelUsesVfoZeroANarrowFilterAndTheNameAle) {
    UseReceiver();
    Open();
    panel->m_activeVfo = 3;
    panel->SetManualChannel(250 * kMhz, 3);
    EXPECT_EQ(panel->m_activeVfo, 0);
    const parm& vfo = panel->m_vfo[0];
    EXPECT_EQ(vfo.get(parm::kFrequency), 200 * kMhz);
    EXPECT_EQ(vfo.get(parm::kMode), 3);
    EXPECT_EQ(vfo.get(parm::kBandwidth), 2800u);
    EXPECT_EQ(vfo.text(parm::kName), "ALE             ");
    EXPECT_EQ(panel->m_vfoInfo[0], "ALE");
    EXPECT_EQ(panel->m_frequencyChanged, CRadioView::kOn);
}

TEST_F(FrequencyTest, DigitStepsMoveByTheAmountTruncateAndNeverGoBelowIt) {
    UseReceiver();
    Open();
    panel->TuneFrequency(150'123'456, 0);
    const auto step = [this](std::uint32_t amount, bool truncate, bool down) {
        panel->SendMessage(WM_TUNE_DIGIT_STEP, amount, (truncate ? 1 : 0) | (down ? 0x100 : 0));
    };
    step(1'000'000, false, false);
    EXPECT_EQ(Frequency(), 151'123'456u);
    step(1000, true, true);
    EXPECT_EQ(Frequency(), 151'122'000u);
    // Downward by more than the frequency leaves it as it was.
    step(400 * kMhz, false, true);
    EXPECT_EQ(Frequency(), 151'122'000u);
    EXPECT_EQ(panel->m_tuningKnob.GetPosition(),
              static_cast<double>(151'122'000 - panel->m_knobOrigin));
}

TEST_F(FrequencyTest, StepsByCountFollowTheSnapsAndStayInsideCoverage) {
    UseReceiver();
    Open();
    panel->m_manualMode = CRadioView::kOn;
    panel->TuneFrequency(150 * kMhz, 0);
    Vfo().set(parm::kStep, 0);
    panel->TuneBySteps(3);
    EXPECT_EQ(Vfo().get(parm::kStep), 5000u);
    EXPECT_EQ(Frequency(), 150 * kMhz + 3);

    panel->m_tuningStepSnap = CRadioView::kOn;
    Vfo().set(parm::kStep, 12'500);
    panel->TuneBySteps(-2);
    EXPECT_EQ(Frequency(), 149'975'000u);

    panel->m_tuningStepSnap = 0;
    panel->m_bandStepSnap = CRadioView::kOn;
    panel->TuneFrequency(156'800'000, 0);
    panel->TuneBySteps(-2);
    EXPECT_EQ(Frequency(), 156'750'000u);
    panel->TuneBySteps(-100'000);
    EXPECT_EQ(Frequency(), 100 * kMhz);

    panel->m_manualMode = 0;
    panel->TuneBySteps(5);
    EXPECT_EQ(Frequency(), 100 * kMhz);
}

TEST_F(FrequencyTest, TheMiniStatusWindowMirrorsEveryShownFrequencyButNotWhileHeld) {
    UseReceiver();
    Open();
    auto* mini = new CMiniStatusWnd(frame, "Receiver");
    frame->m_miniStatus = mini;
    panel->TuneFrequency(150 * kMhz, 0);
    panel->m_hold = CRadioView::kOn;
    panel->TuneFrequency(160 * kMhz, 0);
    panel->m_hold = 0;
    EXPECT_EQ(mini->panel.lastFrequency, 150 * kMhz);
    mini->DestroyWindow();
    EXPECT_EQ(frame->m_miniStatus, nullptr);
    EXPECT_DOUBLE_EQ(panel->m_frequencyDisplay.GetValue(), 150.0);
}

} // namespace
} // namespace hb::radioview::test
