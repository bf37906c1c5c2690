#include "tests/radioview/TuningTest.h"

namespace hb::radioview::test {
namespace {

class SpinTest : public TuningTest {
protected:
    void SetUp() override {
        UseReceiver();
        Open();
        panel->TuneFrequency(150 * kMhz, 0);
        Vfo().set(parm::kStep, 5000);
    }
};

TEST_F(SpinTest, HoldingShiftOnTheUpLedStepsAThousandStepsAtThePressThenRepeats) {
    Mouse(IDC_STEP_UP, MouseAction::Down, kLeft, kShift);
    EXPECT_EQ(Frequency(), 155 * kMhz);
    EXPECT_TRUE(panel->m_stepUp.GetActive());
    EXPECT_EQ(panel->m_stepUp.GetActiveColor(), 0x8000FFu);
    EXPECT_EQ(::GetCapture(), Control(IDC_STEP_UP));

    AdvanceAndPump(299);
    EXPECT_EQ(Frequency(), 155 * kMhz);
    // The up LED's repeat steps, then tunes where it stepped to.
    AdvanceAndPump(1);
    EXPECT_EQ(Frequency(), 160 * kMhz);
    AdvanceAndPump(100);
    EXPECT_EQ(Frequency(), 165 * kMhz);
    AdvanceAndPump(200);
    EXPECT_EQ(Frequency(), 175 * kMhz);
    EXPECT_DOUBLE_EQ(panel->m_frequencyDisplay.GetValue(), 175.0);
    EXPECT_EQ(panel->m_tuningKnob.GetPosition(),
              static_cast<double>(175 * kMhz - panel->m_knobOrigin));

    Mouse(IDC_STEP_UP, MouseAction::Up, kLeft, kShift);
    EXPECT_FALSE(panel->m_stepUp.GetActive());
    EXPECT_EQ(panel->m_stepUp.GetActiveColor(), 0xFF0000u);
    EXPECT_EQ(::GetCapture(), HWND{});
    AdvanceAndPump(1000);
    EXPECT_EQ(Frequency(), 175 * kMhz);
}

TEST_F(SpinTest, TheRightButtonReversesEachLedAndCtrlAndAltMultiplyLess) {
    struct Case {
        UINT led;
        short button, shift;
        std::int64_t change;
    };
    for (const Case c :
         {Case{IDC_STEP_UP, kRight, 0, -5000}, Case{IDC_STEP_DOWN, kLeft, 0, -5000},
          Case{IDC_STEP_DOWN, kRight, 2, 500'000}, Case{IDC_STEP_UP, kLeft, 4, 50'000}}) {
        const std::int64_t before = Frequency();
        Mouse(c.led, MouseAction::Down, c.button, c.shift);
        Mouse(c.led, MouseAction::Up, c.button, c.shift);
        EXPECT_EQ(Frequency(), before + c.change) << c.led << " " << c.button << " " << c.shift;
    }
}

TEST_F(SpinTest, LeavingTheLedWhileHeldStopsTheRepeat) {
    Mouse(IDC_STEP_DOWN, MouseAction::Down);
    EXPECT_EQ(Frequency(), 150 * kMhz - 5000);
    Mouse(IDC_STEP_DOWN, MouseAction::Move, kLeft, 0, 2, 2);
    EXPECT_TRUE(panel->m_stepDown.GetActive());
    Mouse(IDC_STEP_DOWN, MouseAction::Move, kLeft, 0, 500, 2);
    EXPECT_FALSE(panel->m_stepDown.GetActive());
    EXPECT_EQ(::GetCapture(), HWND{});
    AdvanceAndPump(1000);
    EXPECT_EQ(Frequency(), 150 * kMhz - 5000);

    // Hovering lights the LED without stepping.
    Mouse(IDC_STEP_DOWN, MouseAction::Move, 0, 0, 2, 2);
    EXPECT_TRUE(panel->m_stepDown.GetActive());
    EXPECT_EQ(Frequency(), 150 * kMhz - 5000);
}

TEST_F(SpinTest, LargeStepsStopAtTheEdgesOfCoverageInsteadOfWrappingAround) {
    // 1 MHz, below the coverage, as a stored VFO may hold it.
    Vfo().set(parm::kFrequency, 1'000'000);
    Vfo().set(parm::kStep, 5000);
    Mouse(IDC_STEP_DOWN, MouseAction::Down, kLeft, kShift);
    Mouse(IDC_STEP_DOWN, MouseAction::Up, kLeft, kShift);
    EXPECT_EQ(Frequency(), 100 * kMhz);

    // A typed step of 100 MHz, a thousand times.
    Vfo().set(parm::kStep, 100 * kMhz);
    Mouse(IDC_STEP_UP, MouseAction::Down, kLeft, kShift);
    Mouse(IDC_STEP_UP, MouseAction::Up, kLeft, kShift);
    EXPECT_EQ(Frequency(), 400 * kMhz - 25'000);
}

TEST_F(SpinTest, TheKnobSpansTheCoverageInWholeMhzPlusOneHzWithOneTurnPerUnit) {
    // Above 30 MHz the unit is 10 kHz from 100 MHz to 400 MHz: 300 MHz is whole.
    EXPECT_EQ(panel->m_knobUnit, 10'000u);
    EXPECT_EQ(panel->m_knobOrigin, 100 * kMhz);
    EXPECT_EQ(panel->m_tuningKnob.GetPositionMax(), 300.0 * kMhz);
    EXPECT_EQ(panel->m_tuningKnob.GetRotationDegrees(), 30'000.0 * 360);
    EXPECT_EQ(panel->m_tuningKnob.GetIncrement(), 12'500.0);

    // A position change tunes to the origin plus the position.
    hb::instruments::UserSetPosition(Control(IDC_TUNING_KNOB), 45'678'901.7);
    EXPECT_EQ(Frequency(), 145'678'901u);
}

class KnobSpanTest : public TuningTest {};

TEST_F(KnobSpanTest, ASpanThatIsNotWholeMhzEndsOneHzAboveTheLastWholeMhz) {
    static constexpr hb::records::CoverageRow kRows[] = {{108'004'000, 137'512'345, 8'333}};
    UseReceiver(kRows);
    Open();
    // The origin is the lowest frequency rounded down to the unit.
    EXPECT_EQ(panel->m_knobOrigin, 108 * kMhz);
    EXPECT_EQ(panel->m_tuningKnob.GetPositionMax(), 29'000'001.0);
    EXPECT_EQ(panel->m_tuningKnob.GetRotationDegrees(), 2'900.0 * 360);
    EXPECT_EQ(panel->m_tuningKnob.GetIncrement(), 8'333.0);
}

} // namespace
} // namespace hb::radioview::test
