#include "tests/radioview/TuningTest.h"

namespace hb::radioview::test {
namespace {

class StepEntryTest : public TuningTest {
protected:
    void SetUp() override {
        UseReceiver();
        Open();
    }
    // Typed into the entry, which has the focus while the user types.
    void Type(LPCSTR text) const {
        panel->m_stepEntry.SetFocus();
        panel->m_stepEntry.SetWindowText(text);
    }
    // The focus moves on to the keypad field.
    void Leave() const { panel->m_keypadEntry.SetFocus(); }
};

TEST_F(StepEntryTest, StepsShowInHzOrKhzWithTheFewestDecimals) {
    struct Case {
        UINT step;
        const char* text;
    };
    for (const Case c :
         {Case{12'500, "12.5 kHz"}, Case{6'250, "6.25 kHz"}, Case{8'333, "8333 Hz"},
          Case{999, "999 Hz"}, Case{25'000, "25 kHz"}, Case{1'000'000, "1000 kHz"}}) {
        panel->ShowStep(c.step);
        EXPECT_EQ(StepText(), c.text) << c.step;
    }
}

TEST_F(StepEntryTest, LeavingTheEntryTakesWhatConvertsAndShowsTheOldStepForTheRest) {
    Type("12.5 kHz");
    Leave();
    EXPECT_EQ(Vfo().get(parm::kStep), 12'500u);
    EXPECT_EQ(Setting("TuningStep"), 12'500);
    Type("2500");
    Leave();
    EXPECT_EQ(Vfo().get(parm::kStep), 2'500u);
    EXPECT_EQ(StepText(), "2.5 kHz");

    Type("fast");
    Leave();
    EXPECT_EQ(Vfo().get(parm::kStep), 2'500u);
    EXPECT_EQ(StepText(), "2.5 kHz");
    EXPECT_EQ(Setting("TuningStep"), 2'500);
}

TEST_F(StepEntryTest, TheSpinMovesAlongTheRadiosStepList) {
    Type("12.5 kHz");
    EXPECT_EQ(Spin(IDC_STEP_SPIN, 1), 0);
    EXPECT_EQ(Vfo().get(parm::kStep), 20'000u);
    EXPECT_EQ(StepText(), "20 kHz");
    Spin(IDC_STEP_SPIN, -1);
    Spin(IDC_STEP_SPIN, -1);
    EXPECT_EQ(Vfo().get(parm::kStep), 10'000u);
    EXPECT_EQ(Setting("TuningStep"), 10'000);
}

TEST_F(StepEntryTest, AStoredStepSurvivesTwoReopenings) {
    Type("12.5 kHz");
    Leave();
    for (int cycle = 0; cycle < 2; ++cycle) {
        Close();
        Reopen();
        EXPECT_EQ(Vfo().get(parm::kStep), 12'500u) << cycle;
        EXPECT_EQ(StepText(), "12.5 kHz");
        EXPECT_EQ(Setting("TuningStep"), 12'500);
    }
}

class StepResetTest : public TuningTest {};

TEST_F(StepResetTest, ATuneAcrossThirtyMhzRescalesTheKnobAndResetsTheStoredStep) {
    static constexpr hb::records::CoverageRow kWide[] = {{100'000, 400 * kMhz, 1000}};
    UseReceiver(kWide);
    Open();
    panel->TuneFrequency(145 * kMhz, 0);
    panel->ShowStep(12'500);
    Vfo().set(parm::kStep, 12'500);
    // Below 30 MHz the knob tunes finely, in 1 Hz steps.
    panel->TuneFrequency(7 * kMhz, 0);
    EXPECT_EQ(Vfo().get(parm::kStep), 1u);
    EXPECT_EQ(Setting("TuningStep"), 1);
    panel->TuneFrequency(145 * kMhz, 0);
    EXPECT_EQ(Vfo().get(parm::kStep), 1000u);
    EXPECT_EQ(Setting("TuningStep"), 1000);
    EXPECT_EQ(StepText(), "1 kHz");
}

} // namespace
} // namespace hb::radioview::test
