// The band scope on the simulated receiver: its sweep and traces, hold and tune, marks, range
// controls, knobs and selectors, and the settings it keeps.
#include "audio/AudioRack.h"
#include "platform/afx/EventSinkMap.h"
#include "platform/afx/ModalScript.h"
#include "platform/engine/EngineApi.h"
#include "platform/engine/SweepSim.h"
#include "platform/instruments/Dispids.h"
#include "platform/instruments/Gestures.h"
#include "platform/instruments/Instrument.h"
#include "platform/records/PrivateMessages.h"
#include "platform/tessary/app/LogControls.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/app/SweepDoc.h"
#include "platform/tessary/audio/AudioCalls.h"
#include "platform/tessary/model/File.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/SweepSettings.h"
#include "platform/tessary/model/TimeFunctions.h"
#include "platform/win/core/Hooks.h"
#include "resources/BandScopeIds.h"
#include "spectrum/RFBandScopeView.h"
#include "tests/app/spectrum/SweepFixture.h"

#include <algorithm>
#include <cmath>

namespace hb::app::test {
namespace {

using hb::engine::SweepReport;
using hb::engine::SweepSim;
using hb::records::Parm;

// The band scope with readings taken at their raw value as levels, so that a test chooses them.
class CRawLevelScope : public CRFBandScopeView {
    DECLARE_DYNCREATE(CRawLevelScope)

public:
    // Levels count up from the floor: raw 10 is 10 dB above it; an empty point lies on it.
    std::int16_t ConvertLevel(std::uint32_t raw, std::uint16_t kind) override {
        const int floor = Traces() != nullptr ? Traces()->Floor() : 0;
        return static_cast<std::int16_t>(kind == 0 ? floor : floor + static_cast<int>(raw));
    }
    std::int16_t Reading(std::uint32_t index, int above, bool active = false) {
        SpanPoint point;
        point.set(SpanPoint::kTime, GetLongTimeNow());
        point.set(SpanPoint::kFrequency,
                  Settings().get(Parm::kStart) + index * Settings().get(Parm::kStep));
        point.set(SpanPoint::kRawLevel, static_cast<std::uint32_t>(above));
        point.set(SpanPoint::kLevelKind, 1);
        point.set(SpanPoint::kFlags, active ? SpanPoint::kFlagActivity : 0);
        return ProcessSweepPoint(point);
    }
    void Hold(std::uint32_t now) {
        m_holdTime = now;
        m_holdStart = now;
    }
};
IMPLEMENT_DYNCREATE(CRawLevelScope, CRFBandScopeView)

class BandScopeViewTest : public SweepFixture {
protected:
    CRFBandScopeView* OpenScope(CRadioFrame* radio, UINT opener = 27024,
                                std::uint32_t frequency = 146'000'000) {
        if (radio->m_rig->m_device != 0) {
            Parm vfo;
            vfo.set(Parm::kFrequency, frequency);
            radio->m_rig->VfoFastWrite(&vfo);
        }
        radio->SendMessage(WM_COMMAND, opener);
        PumpUntilIdle();
        auto* frame = dynamic_cast<CRFAnalyzerFrame*>(Main().GetActiveFrame());
        return frame != nullptr ? dynamic_cast<CRFBandScopeView*>(frame->GetActiveView()) : nullptr;
    }
    CRawLevelScope* OpenRaw(CRadioFrame* radio) {
        CDocTemplate* scope = Template(CRFBandScopeView::kTemplateId);
        CRuntimeClass* kept = scope->m_pViewClass;
        scope->m_pViewClass = RUNTIME_CLASS(CRawLevelScope);
        auto* view = dynamic_cast<CRawLevelScope*>(OpenScope(radio));
        scope->m_pViewClass = kept;
        return view;
    }
    static CScanApp& ScanApp() { return *CScanApp::GetScanApp(); }
    static int Key(CRFBandScopeView* view, const char* key) {
        return ScanApp().GetProfileIntA(view->Section(), key, -1);
    }
    template <class T>
    static T* Control(CRFBandScopeView* view, UINT id) {
        return dynamic_cast<T*>(view->GetDlgItem(static_cast<int>(id)));
    }
    static void Fire(CRFBandScopeView* view, UINT id, long event) {
        std::vector<hb::afx::EventArg> none;
        hb::afx::FireEvent(view->GetDlgItem(static_cast<int>(id))->GetSafeHwnd(), event, none);
    }
    static std::string LastFeed(CRig* rig) {
        const auto calls = hb::tessary::AudioCallsOf(rig->GetAudioLog());
        for (auto call = calls.rbegin(); call != calls.rend(); ++call) {
            if (call->rfind("On", 0) == 0 && call->find("Status(") != std::string::npos) {
                return *call;
            }
        }
        return {};
    }
    // The range set while paused, then the sweep set up again and started.
    static void Range(CRFBandScopeView* view, std::uint32_t start, std::uint32_t end,
                      std::uint32_t step) {
        view->SendMessage(WM_COMMAND, CSweepView::kCommandPause);
        view->Settings().set(Parm::kStart, start);
        view->Settings().set(Parm::kEnd, end);
        view->Settings().set(Parm::kStep, step);
        view->SendMessage(WM_COMMAND, ID_SCOPE_RESTART);
    }
};

TEST_F(BandScopeViewTest, TheReceiversScopeRunsFillsItsTracesAndTellsTheLoggerWhatItDoes) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    CRig* rig = radio->m_rig;
    CRFBandScopeView* view = OpenScope(radio);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetSweepDoc()->GetTitle(), "RF Band Scope - Receiver");
    EXPECT_EQ(view->Plot().Title(), "RF Band Scope - Receiver");
    EXPECT_EQ(view->Section(), "Receiver_RFBandScope");
    EXPECT_FALSE(view->IsPaused());
    auto* lamp = Control<CiLedRectangleX>(view, IDC_SWEEP_RUN_LAMP);
    ASSERT_NE(lamp, nullptr);
    EXPECT_EQ(lamp->GetCaption(), "Running");
    ASSERT_NE(rig->GetAudioLog(), nullptr);
    EXPECT_EQ(LastFeed(rig).back(), ')');
    EXPECT_NE(LastFeed(rig).find(", 1)"), std::string::npos) << LastFeed(rig);

    const auto count = static_cast<int>(view->StepCount());
    ASSERT_GT(count, 1);
    EXPECT_EQ(view->Plot().Channel(0).Capacity(), count);
    const std::uint16_t device = rig->m_device;
    for (const SweepReport report :
         {SweepReport::Readings, SweepReport::ByteSweeps, SweepReport::Blocks}) {
        SweepSim::SetReport(device, report);
        SweepSim::RunSteps(device, static_cast<std::uint32_t>(count));
        PumpUntilIdle();
        for (int channel = 0; channel < BandScopePlot::kChannels; ++channel) {
            EXPECT_EQ(view->Plot().Channel(channel).Count(), count) << static_cast<int>(report);
        }
    }
    const auto* traces = view->Traces();
    for (int i = 0; i < count; ++i) {
        const auto at = static_cast<std::size_t>(i);
        EXPECT_LE(traces->Minimum()[at], traces->Maximum()[at]);
        EXPECT_EQ(view->Plot().Channel(3).YAt(i), traces->Floor() - 1);
    }

    // The first tick docks a recorder; each tick tells the logger whether to record.
    auto* frame = FrameOf(view);
    EXPECT_EQ(frame->m_rack, nullptr);
    AdvanceAndPump(CRFBandScopeView::kTimerPeriod);
    EXPECT_NE(frame->m_rack, nullptr);
    EXPECT_NE(LastFeed(rig).find(", 8)"), std::string::npos) << LastFeed(rig);
    auto* record = Control<CiSwitchSliderX>(view, IDC_SCOPE_RECORD);
    ASSERT_NE(record, nullptr);
    ASSERT_TRUE(hb::instruments::UserSetPosition(record->GetSafeHwnd(), 1));
    EXPECT_NE(view->Settings().get(Parm::Sweep::kSwitchBits) & Parm::Sweep::kSwitchRecord, 0);
    AdvanceAndPump(CRFBandScopeView::kTimerPeriod);
    EXPECT_NE(LastFeed(rig).find(", 2)"), std::string::npos) << LastFeed(rig);

    // The display mode is kept and the scheme applied again.
    auto* display = Control<CiSwitchSliderX>(view, IDC_SCOPE_DISPLAY_MODE);
    ASSERT_NE(display, nullptr);
    ASSERT_TRUE(hb::instruments::UserSetPosition(display->GetSafeHwnd(), 1));
    EXPECT_EQ(Key(view, "DisplayMode"), 1);
    EXPECT_EQ(Key(view, "ColorScheme"), 0);
    // Seeded from the radio window: the scope names no file of its own when it closes.
    view->GetSweepDoc()->SetModifiedFlag(FALSE);
    frame->SendMessage(WM_CLOSE);
    PumpUntilIdle();
    EXPECT_EQ(ScanApp().GetProfileStringA("Receiver", "BandScopeFile", "none"), "none");
}

TEST_F(BandScopeViewTest, ReadingsAreHeldToTheLevelRangeAndAPausedViewTakesNone) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    CRawLevelScope* view = OpenRaw(radio);
    ASSERT_NE(view, nullptr);
    const int floor = view->Traces()->Floor();
    const int ceiling = view->Traces()->Ceiling();
    EXPECT_EQ(floor, -127);
    Range(view, 146'000'000, 146'250'000, 25'000);
    ASSERT_EQ(view->StepCount(), 10u);
    EXPECT_EQ(view->Reading(5, 40), floor + 40);
    EXPECT_EQ(view->Plot().Channel(0).Count(), 6);
    EXPECT_EQ(view->Plot().Channel(1).YAt(4), floor);
    EXPECT_EQ(view->Plot().Channel(2).YAt(5), floor + 40);
    EXPECT_EQ(view->Plot().Channel(4).YAt(5), floor - 1);
    EXPECT_EQ(view->Reading(5, 500), ceiling);
    EXPECT_EQ(view->Traces()->Maximum()[5], ceiling);
    EXPECT_EQ(view->Traces()->Minimum()[5], floor + 40);
    // Past the traces: the level still comes back.
    EXPECT_EQ(view->Reading(20, 30), floor + 30);
    EXPECT_EQ(view->Plot().Channel(0).Count(), 6);
    view->SendMessage(WM_COMMAND, ID_SCOPE_PAUSE);
    EXPECT_EQ(view->Reading(5, 30), 0);
    EXPECT_EQ(view->Traces()->Signal()[5], ceiling);
    view->GetSweepDoc()->SetModifiedFlag(FALSE);
}

TEST_F(BandScopeViewTest, FastModeFillsSkippedStepsAndTheTimerEmptiesOnlyOldOnes) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    CRawLevelScope* view = OpenRaw(radio);
    ASSERT_NE(view, nullptr);
    const std::uint16_t device = view->GetRig()->m_device;
    // Nothing on the air: in fast mode the radio reports nothing of its own.
    SweepSim::SetLevelFunction(device, [](std::uint32_t, std::int64_t) { return 0; });
    Range(view, 146'000'000, 146'250'000, 25'000);
    auto* fast = Control<CiSwitchSliderX>(view, IDC_SCOPE_FAST_MODE);
    ASSERT_NE(fast, nullptr);
    ASSERT_TRUE(hb::instruments::UserSetPosition(fast->GetSafeHwnd(), 1));
    EXPECT_EQ(Key(view, "FastMode"), 1);
    EXPECT_NE(view->Settings().get(Parm::Sweep::kFlags) & Parm::Sweep::kFlagFastMode, 0);
    EXPECT_TRUE(view->GetSweepDoc()->IsModified());
    ASSERT_FALSE(view->IsPaused());
    ASSERT_EQ(view->StepCount(), 10u);
    const int floor = view->Traces()->Floor();

    view->Reading(3, 50, true);
    EXPECT_EQ(view->Plot().Channel(0).Count(), 4);
    view->Reading(7, 50, true);
    for (const std::size_t skipped : {4u, 5u, 6u}) {
        EXPECT_EQ(view->Traces()->Signal()[skipped], floor);
        EXPECT_EQ(view->Traces()->Stamps()[skipped], GetLongTimeNow());
    }
    view->Reading(8, 50, true);
    view->Reading(2, 50, true);
    EXPECT_EQ(view->Traces()->LastIndex(), 2u);
    EXPECT_EQ(view->Traces()->Signal()[9], floor);
    EXPECT_EQ(view->Traces()->Signal()[0], floor);

    // A byte sweep is stamped as it comes: the next tick keeps it, one past the time-out not.
    std::vector<std::uint8_t> bytes(10, 60);
    view->SendMessage(WM_SPAN_SWEEP, bytes.size(), reinterpret_cast<LPARAM>(bytes.data()));
    AdvanceAndPump(CRFBandScopeView::kTimerPeriod);
    EXPECT_EQ(
        std::count(view->Traces()->Signal().begin(), view->Traces()->Signal().end(), floor + 60),
        10);
    view->Reading(1, 70);
    AdvanceAndPump(1'900);
    EXPECT_EQ(view->Traces()->Signal()[0], floor);
    EXPECT_EQ(view->Traces()->Signal()[1], floor + 70);
    EXPECT_EQ(view->Traces()->Maximum()[0], floor + 60);
    view->GetSweepDoc()->SetModifiedFlag(FALSE);
}

// The receiver with a step rule that lets a step of 0 through.
class CZeroStepRadio : public Radio {
public:
    using Radio::Radio;
    std::uint32_t SweepStep(std::uint32_t step, std::uint32_t) const override { return step; }
};

TEST_F(BandScopeViewTest, TheSetUpCountsStepsSetsTheTimeOutAndRefusesARangeTheRadioCannotSweep) {
    const hb::records::RadioModel model = *hb::records::FindRadioModel(42);
    hb::tessary::SetRadioFactory([&model](std::uint8_t type) -> std::unique_ptr<Radio> {
        return type == 42 ? std::make_unique<CZeroStepRadio>(model) : nullptr;
    });
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    CRFBandScopeView* view = OpenScope(radio);
    ASSERT_NE(view, nullptr);
    Range(view, 144'000'000, 146'000'000, 20'000);
    EXPECT_EQ(view->StepCount(), 100u);
    EXPECT_EQ(view->Traces()->TimeOut(), 40'000'000);
    EXPECT_DOUBLE_EQ(view->Plot().XAxis().Min(), 144.0 - 0.005);
    EXPECT_DOUBLE_EQ(view->Plot().XAxis().Span(), 2.0);
    Range(view, 144'000'000, 144'800'000, 20'000);
    EXPECT_EQ(view->Traces()->TimeOut(), 20'000'000);
    Range(view, 144'000'000, 144'810'000, 20'000);
    EXPECT_EQ(view->StepCount(), 41u);
    Range(view, 144'000'000, 144'100'000, 0);
    EXPECT_EQ(view->Settings().get(Parm::kStep), 5'000u);
    EXPECT_EQ(view->StepCount(), 20u);
    // Start and end swapped are put in order.
    Range(view, 145'000'000, 144'000'000, 25'000);
    EXPECT_EQ(view->Settings().get(Parm::kStart), 144'000'000u);
    EXPECT_EQ(view->Settings().get(Parm::kEnd), 145'000'000u);
    ASSERT_FALSE(view->IsPaused());

    // An end past the radio's range: a beep, a pause, and the traces as they were.
    const std::uint32_t steps = view->StepCount();
    view->Settings().set(Parm::kEnd, view->GetRig()->m_radio->sweepValues().highest + 1);
    const std::size_t beeps = hb::win::Beeps().size();
    view->SetupPlot();
    EXPECT_EQ(hb::win::Beeps().size(), beeps + 1);
    EXPECT_TRUE(view->IsPaused());
    EXPECT_EQ(view->StepCount(), steps);
    EXPECT_EQ(view->Plot().Channel(0).Capacity(), static_cast<int>(steps));
    hb::tessary::SetRadioFactory(nullptr);
    view->GetSweepDoc()->SetModifiedFlag(FALSE);
}

TEST_F(BandScopeViewTest, AByteSweepShowsItsPeakAndReadingsShowAsCurrentActivity) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    CRawLevelScope* view = OpenRaw(radio);
    ASSERT_NE(view, nullptr);
    Range(view, 146'000'000, 146'100'000, 25'000);
    ASSERT_EQ(view->StepCount(), 4u);
    const int floor = view->Traces()->Floor();
    std::vector<std::uint8_t> bytes{10, 40, 40, 20};
    view->SendMessage(WM_SPAN_SWEEP, bytes.size(), reinterpret_cast<LPARAM>(bytes.data()));
    auto* frequency = Control<CiSevenSegmentAnalogX>(view, IDC_SWEEP_FREQUENCY);
    auto* level = Control<CiSevenSegmentAnalogX>(view, IDC_SWEEP_LEVEL);
    auto* panel = Control<CiPanelX>(view, IDC_SWEEP_PEAK_PANEL);
    ASSERT_TRUE(frequency && level && panel);
    EXPECT_DOUBLE_EQ(frequency->GetValue(), 146.025);
    EXPECT_DOUBLE_EQ(level->GetValue(), floor + 40);
    EXPECT_EQ(panel->GetCaption(), "Peak Level");

    const std::uint16_t device = view->GetRig()->m_device;
    SweepSim::SetReport(device, SweepReport::Readings);
    SweepSim::RunSteps(device, 2);
    PumpUntilIdle();
    EXPECT_EQ(panel->GetCaption(), "Current Activity");
    const double shown = frequency->GetValue();
    EXPECT_GE(shown, 146.0);
    EXPECT_LT(shown, 146.1);
    const auto index = static_cast<std::size_t>(std::lround((shown - 146.0) / 0.025));
    EXPECT_DOUBLE_EQ(level->GetValue(), view->Traces()->Signal()[index]);
    view->GetSweepDoc()->SetModifiedFlag(FALSE);
}

TEST_F(BandScopeViewTest, AClickOnThePlotHoldsTheSweepAndListensOnTheNearestStep) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    CRFBandScopeView* view = OpenScope(radio);
    ASSERT_NE(view, nullptr);
    Range(view, 146'000'000, 147'000'000, 25'000);
    auto* volume = Control<CiKnobX>(view, IDC_SCOPE_VOLUME);
    auto* squelch = Control<CiKnobX>(view, IDC_SCOPE_SQUELCH);
    ASSERT_TRUE(volume && squelch);
    volume->SetPosition(7.8);
    squelch->SetPosition(3.5);
    auto* pointer = Control<CiSevenSegmentAnalogX>(view, IDC_SCOPE_POINTER_FREQUENCY);
    ASSERT_NE(pointer, nullptr);
    pointer->SetValue(146.515625);
    EngineSim::ClearJournal();
    Fire(view, IDC_SCOPE_PLOT, 53);
    EXPECT_TRUE(view->IsPaused());
    EXPECT_EQ(view->Settings().get(Parm::kFrequency), 146'525'000u);
    EXPECT_EQ(view->Settings().get(Parm::Sweep::kSetup108), 0);
    EXPECT_EQ(view->Settings().get(Parm::kVolume), 7);
    const Radio& model = *view->GetRig()->m_radio;
    EXPECT_EQ(view->Settings().get(Parm::kSquelch), model.SquelchToDevice(4));
    auto* lamp = Control<CiLedRectangleX>(view, IDC_SWEEP_RUN_LAMP);
    EXPECT_EQ(lamp->GetCaption(), "Hold");
    EXPECT_FALSE(lamp->GetActive());
    EXPECT_EQ(lamp->GetInactiveColor(), 0x0000FFu);
    EXPECT_EQ(lamp->GetCaptionColor(), 0xFFFFFFu);
    std::vector<std::string_view> order;
    for (const auto& call : EngineSim::Journal()) {
        if (call.function == "scan_device_wait" || call.function == "scan_device_monitor") {
            order.push_back(call.function);
        }
    }
    EXPECT_EQ(order, (std::vector<std::string_view>{"scan_device_wait", "scan_device_monitor"}));
    const auto monitors = EngineSim::Calls("scan_device_monitor");
    ASSERT_EQ(monitors.size(), 1u);
    EXPECT_EQ(monitors[0].record->get(Parm::kFrequency), 146'525'000u);
    auto* shown = Control<CiSevenSegmentAnalogX>(view, IDC_SWEEP_FREQUENCY);
    EXPECT_DOUBLE_EQ(shown->GetValue(), 146.525);
    EXPECT_TRUE(view->GetSweepDoc()->IsModified());

    // The end of a drag on the plot's tool is no click.
    view->SendMessage(WM_COMMAND, ID_SCOPE_START);
    ASSERT_FALSE(view->IsPaused());
    view->Plot().Cursor(0).SetVisible(true);
    EngineSim::ClearJournal();
    ASSERT_TRUE(hb::instruments::PlotDragCursor(view->Plot().GetSafeHwnd(), 0, 0,
                                                view->Plot().DataView().PercentToPixelX(50)));
    EXPECT_FALSE(view->IsPaused());
    EXPECT_EQ(Calls("scan_device_monitor"), 0u);
    view->GetSweepDoc()->SetModifiedFlag(FALSE);
}

TEST_F(BandScopeViewTest, APausedScopeMarksTheRadiosStepAndRestartsAndMarksCanBeCleared) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    CRawLevelScope* view = OpenRaw(radio);
    ASSERT_NE(view, nullptr);
    Range(view, 146'000'000, 146'250'000, 25'000);
    for (std::uint32_t i = 0; i < 10; ++i) {
        view->Reading(i, 20 + static_cast<int>(i));
    }
    const int floor = view->Traces()->Floor();
    view->SendMessage(WM_COMMAND, ID_SCOPE_MARK_STEP);
    EXPECT_EQ(std::count(view->Traces()->Marks().begin(), view->Traces()->Marks().end(), 0), 10);

    view->SendMessage(WM_COMMAND, ID_SCOPE_PAUSE);
    Parm tuned = view->Settings();
    tuned.set(Parm::kFrequency, 146'075'000);
    view->GetRig()->VfoFastWrite(&tuned);
    view->GetSweepDoc()->SetModifiedFlag(FALSE);
    view->SendMessage(WM_COMMAND, ID_SCOPE_MARK_STEP);
    EXPECT_EQ(view->Traces()->Marks()[3], 0xFF);
    EXPECT_FALSE(view->IsPaused());
    EXPECT_TRUE(view->GetSweepDoc()->IsModified());
    EXPECT_EQ(view->Plot().Channel(3).YAt(3), view->Traces()->Maximum()[3]);
    EXPECT_EQ(view->Plot().Channel(4).YAt(3), view->Traces()->Signal()[3]);
    EXPECT_EQ(view->Plot().Channel(4).YAt(2), floor - 1);

    // Without a step the radio's frequency is the first step's.
    view->SendMessage(WM_COMMAND, ID_SCOPE_PAUSE);
    view->Settings().set(Parm::kStep, 0);
    view->SendMessage(WM_COMMAND, ID_SCOPE_MARK_STEP);
    EXPECT_EQ(view->Traces()->Marks()[0], 0xFF);
    view->SendMessage(WM_COMMAND, ID_SCOPE_PAUSE);
    view->Settings().set(Parm::kStep, 25'000);
    view->SendMessage(WM_COMMAND, ID_SCOPE_CLEAR_MARKS);
    EXPECT_EQ(std::count(view->Traces()->Marks().begin(), view->Traces()->Marks().end(), 0), 10);
    EXPECT_EQ(view->Plot().Channel(3).YAt(3), floor - 1);

    // The extremes start again from the signal.
    view->SendMessage(WM_COMMAND, ID_SCOPE_RESET_MAXIMUM);
    view->SendMessage(WM_COMMAND, ID_SCOPE_RESET_MINIMUM);
    EXPECT_EQ(view->Traces()->Maximum(), view->Traces()->Signal());
    EXPECT_EQ(view->Traces()->Minimum(), view->Traces()->Signal());
    view->GetSweepDoc()->SetModifiedFlag(FALSE);
}

TEST_F(BandScopeViewTest, TheRangeButtonsAndEntriesMoveTheRangeWithinTheRadiosAndRestart) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    CRFBandScopeView* view = OpenScope(radio);
    ASSERT_NE(view, nullptr);
    const auto range = [view] {
        return std::pair{view->Settings().get(Parm::kStart), view->Settings().get(Parm::kEnd)};
    };
    Range(view, 144'000'000, 148'000'000, 25'000);
    view->GetSweepDoc()->SetModifiedFlag(FALSE);
    EngineSim::ClearJournal();
    Fire(view, IDC_SCOPE_RANGE_BUTTONS, CRFBandScopeView::kZoomIn);
    EXPECT_EQ(range(), std::pair(145'000'000u, 147'000'000u));
    EXPECT_EQ(Calls("scan_spectrum"), 1u);
    EXPECT_FALSE(view->IsPaused());
    EXPECT_TRUE(view->GetSweepDoc()->IsModified());
    Fire(view, IDC_SCOPE_RANGE_BUTTONS, CRFBandScopeView::kZoomOut);
    EXPECT_EQ(range(), std::pair(143'000'000u, 149'000'000u));
    Range(view, 144'000'000, 148'000'000, 25'000);
    Fire(view, IDC_SCOPE_RANGE_BUTTONS, CRFBandScopeView::kHalfSpanUp);
    EXPECT_EQ(range(), std::pair(146'000'000u, 150'000'000u));
    Fire(view, IDC_SCOPE_RANGE_BUTTONS, CRFBandScopeView::kHalfSpanDown);
    EXPECT_EQ(range(), std::pair(144'000'000u, 148'000'000u));
    // Near 0 Hz half a span down stops at the radio's lowest frequency.
    const std::uint32_t lowest = view->GetRig()->m_radio->sweepValues().lowest;
    Range(view, lowest, 3'000'000, 25'000);
    Fire(view, IDC_SCOPE_RANGE_BUTTONS, CRFBandScopeView::kHalfSpanDown);
    EXPECT_EQ(range(), std::pair(lowest, 3'000'000u));

    // Typed entries are rounded to the hertz.
    Range(view, 144'000'000, 148'000'000, 25'000);
    view->GetSweepDoc()->SetModifiedFlag(FALSE);
    auto* step = Control<CiAnalogOutputX>(view, IDC_SCOPE_STEP);
    auto* start = Control<CiAnalogOutputX>(view, IDC_SCOPE_START);
    ASSERT_TRUE(step && start);
    step->SetValue(12.5);
    Fire(view, IDC_SCOPE_STEP, 10);
    step->SetValue(25);
    Fire(view, IDC_SCOPE_STEP, 10);
    EXPECT_EQ(view->Settings().get(Parm::kStep), 25'000u);
    EXPECT_EQ(view->Plot().Annotations().Text(1), "STEP 25 kHz");
    EXPECT_TRUE(view->GetSweepDoc()->IsModified());
    step->SetValue(1.001);
    Fire(view, IDC_SCOPE_STEP, 10);
    EXPECT_EQ(view->Settings().get(Parm::kStep), 1'001u);
    start->SetValue(144.01);
    Fire(view, IDC_SCOPE_START, 10);
    EXPECT_EQ(view->Settings().get(Parm::kStart), 144'010'000u);
    EXPECT_FALSE(view->IsPaused());
    view->GetSweepDoc()->SetModifiedFlag(FALSE);
}

TEST_F(BandScopeViewTest, ARadioWithoutModesOrKnobsStillSweepsAndStoredSettingsShowAtOnce) {
    hb::records::RadioModel model = *hb::records::FindRadioModel(42);
    model.modes = 0;
    model.sweepKnobs = Radio::kSweepSquelch;
    model.meterCeiling = model.meterFloor;
    hb::tessary::SetRadioFactory([&model](std::uint8_t type) -> std::unique_ptr<Radio> {
        return type == 42 ? std::make_unique<Radio>(model) : nullptr;
    });
    ScanApp().WriteProfileInt("Receiver_RFBandScope", "ColorScheme", 3);
    ScanApp().WriteProfileInt("Receiver_RFBandScope", "FastMode", 1);
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    EngineSim::ClearJournal();
    CRFBandScopeView* view = OpenScope(radio);
    ASSERT_NE(view, nullptr);
    hb::tessary::SetRadioFactory(nullptr);
    auto* mode = Control<CiModeComboBoxX>(view, IDC_SCOPE_MODE);
    ASSERT_NE(mode, nullptr);
    EXPECT_FALSE(mode->IsWindowVisible());
    for (const UINT gone : {IDC_SCOPE_MODE_CAPTION, IDC_SCOPE_VOLUME, IDC_SCOPE_VOLUME_CAPTION,
                            IDC_SCOPE_THIRD_KNOB, IDC_SCOPE_THIRD_CAPTION}) {
        EXPECT_EQ(view->GetDlgItem(static_cast<int>(gone)), nullptr) << gone;
    }
    EXPECT_NE(view->GetDlgItem(IDC_SCOPE_SQUELCH), nullptr);
    EXPECT_NE(view->GetDlgItem(IDC_SCOPE_SQUELCH_CAPTION), nullptr);
    EXPECT_FALSE(view->IsPaused());
    // In fast mode the radio reports the steps on the air.
    SweepSim::SetLevelFunction(view->GetRig()->m_device,
                               [](std::uint32_t, std::int64_t) { return 200; });
    SweepSim::RunSteps(view->GetRig()->m_device, view->StepCount());
    PumpUntilIdle();
    EXPECT_GT(view->Plot().Channel(0).Count(), 0);

    // Only bit 0 of the scheme counts: the light one, where no trace is white on white.
    auto* scheme = Control<CiModeComboBoxX>(view, IDC_SCOPE_COLOR_SCHEME);
    EXPECT_EQ(scheme->GetItemIndex(), 1);
    EXPECT_EQ(view->Plot().BackColor(), 0xFFFFFFu);
    for (int channel = 0; channel < BandScopePlot::kChannels; ++channel) {
        EXPECT_NE(view->Plot().Channel(channel).Color(), 0xFFFFFFu) << channel;
    }
    EXPECT_EQ(view->Plot().Annotations().VerticalLineColor(0), 0x800000u);
    EXPECT_EQ(view->Plot().Annotations().TextColor(0), 0x800000u);
    // The stored fast mode shows on its switch without restarting the sweep.
    auto* fast = Control<CiSwitchSliderX>(view, IDC_SCOPE_FAST_MODE);
    EXPECT_EQ(fast->GetPosition(), 1);
    EXPECT_NE(view->Settings().get(Parm::Sweep::kFlags) & Parm::Sweep::kFlagFastMode, 0);
    EXPECT_EQ(Calls("scan_spectrum"), 1u);

    // Floor and ceiling alike: the threshold is stored, no line is placed.
    auto* slider = Control<CiSliderX>(view, IDC_SCOPE_THRESHOLD_SLIDER);
    ASSERT_NE(slider, nullptr);
    ASSERT_TRUE(hb::instruments::UserSetPosition(slider->GetSafeHwnd(), -60));
    EXPECT_EQ(Key(view, "GlobalThreshold"), -60);
    EXPECT_EQ(view->Plot().Annotations().HorizontalLinePosition(0), 0);
    view->GetSweepDoc()->SetModifiedFlag(FALSE);
}

TEST_F(BandScopeViewTest, TheAlertHoldSwitchAndTheThresholdSliderShowTheirState) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    CRFBandScopeView* view = OpenScope(radio);
    ASSERT_NE(view, nullptr);
    auto* hold = Control<CiSwitchSliderX>(view, IDC_SCOPE_ALERT_HOLD);
    auto* lamp = Control<CiLedRectangleX>(view, IDC_SCOPE_ALERT_LAMP);
    ASSERT_TRUE(hold && lamp);
    view->SendMessage(WM_COMMAND, ID_SCOPE_PAUSE);
    ASSERT_TRUE(hb::instruments::UserSetPosition(hold->GetSafeHwnd(), 1));
    EXPECT_EQ(lamp->GetCaption(), "Ready");
    EXPECT_EQ(lamp->GetActiveColor(), 0x00FF00u);
    EXPECT_NE(view->Settings().get(Parm::Sweep::kSwitchBits) & Parm::Sweep::kSwitchAlertHold, 0);
    EXPECT_TRUE(view->IsPaused());
    ASSERT_TRUE(hb::instruments::UserSetPosition(hold->GetSafeHwnd(), 0));
    EXPECT_FALSE(view->IsPaused());
    EXPECT_EQ(lamp->GetCaption(), "Off");
    EXPECT_EQ(lamp->GetActiveColor(), 0x0000FFu);
    EXPECT_EQ(view->Settings().get(Parm::Sweep::kSwitchBits) & Parm::Sweep::kSwitchAlertHold, 0);
    EXPECT_TRUE(view->GetSweepDoc()->IsModified());

    auto* slider = Control<CiSliderX>(view, IDC_SCOPE_THRESHOLD_SLIDER);
    auto* threshold = Control<CiSevenSegmentAnalogX>(view, IDC_SCOPE_THRESHOLD);
    ASSERT_TRUE(slider && threshold);
    ASSERT_TRUE(hb::instruments::UserSetPosition(slider->GetSafeHwnd(), -70.5));
    EXPECT_DOUBLE_EQ(threshold->GetValue(), -70.5);
    EXPECT_EQ(Key(view, "GlobalThreshold"), -70);
    const int floor = view->Traces()->Floor();
    const int ceiling = view->Traces()->Ceiling();
    EXPECT_DOUBLE_EQ(view->Plot().Annotations().HorizontalLinePosition(0),
                     (-70.5 - floor) / (ceiling - floor) * 100);
    EXPECT_TRUE(view->Plot().Annotations().HorizontalLineVisible(0));
    view->GetSweepDoc()->SetModifiedFlag(FALSE);
}

TEST_F(BandScopeViewTest, SettingsGoToTheRadioWhilePausedAndRestartTheSweepWhileRunning) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    CRFBandScopeView* view = OpenScope(radio);
    ASSERT_NE(view, nullptr);
    const auto& values = view->GetRig()->m_radio->sweepValues();
    auto* listA = Control<CiModeComboBoxX>(view, IDC_SCOPE_LIST_A);
    auto* bandwidth = Control<CiModeComboBoxX>(view, IDC_SCOPE_BANDWIDTH);
    auto* mode = Control<CiModeComboBoxX>(view, IDC_SCOPE_MODE);
    ASSERT_TRUE(listA && bandwidth && mode);
    EXPECT_EQ(listA->GetItemCount(), static_cast<int>(values.listA.size()));
    ASSERT_EQ(bandwidth->GetItemCount(), static_cast<int>(values.bandwidths.size()));
    EXPECT_EQ(view->Plot().Annotations().Text(0),
              "RES BW " + std::string(bandwidth->GetItemText(bandwidth->GetItemIndex())));

    // Running: the sweep starts again with the new value.
    view->GetSweepDoc()->SetModifiedFlag(FALSE);
    EngineSim::ClearJournal();
    listA->SetItemIndex(2);
    Fire(view, IDC_SCOPE_LIST_A, 2);
    EXPECT_EQ(view->Settings().get(Parm::kSwitch96), 2);
    EXPECT_EQ(Calls("scan_spectrum"), 1u);
    EXPECT_TRUE(view->GetSweepDoc()->IsModified());
    // The bandwidth takes its mode only while running.
    std::size_t other = 0;
    while (other < values.bandwidths.size() &&
           values.bandwidths[other].mode == view->Settings().get(Parm::kMode)) {
        ++other;
    }
    ASSERT_LT(other, values.bandwidths.size());
    bandwidth->SetItemIndex(static_cast<int>(other));
    Fire(view, IDC_SCOPE_BANDWIDTH, 2);
    EXPECT_EQ(view->Settings().get(Parm::kBandwidth), values.bandwidths[other].bandwidth);
    EXPECT_EQ(view->Settings().get(Parm::kMode), values.bandwidths[other].mode);

    // Paused: the radio takes the value at once.
    view->SendMessage(WM_COMMAND, ID_SCOPE_PAUSE);
    view->GetSweepDoc()->SetModifiedFlag(FALSE);
    EngineSim::ClearJournal();
    listA->SetItemIndex(1);
    Fire(view, IDC_SCOPE_LIST_A, 2);
    EXPECT_EQ(Calls("scan_spectrum"), 0u);
    auto writes = EngineSim::Calls("scan_device_vfo_fast_write");
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].record->get(Parm::kSwitch96), 1);
    EXPECT_TRUE(view->GetSweepDoc()->IsModified());
    const std::uint8_t kept = view->Settings().get(Parm::kMode);
    const std::size_t first = other == 0 ? 1 : 0;
    bandwidth->SetItemIndex(static_cast<int>(first));
    Fire(view, IDC_SCOPE_BANDWIDTH, 2);
    EXPECT_EQ(view->Settings().get(Parm::kFilter), values.bandwidths[first].filter);
    EXPECT_EQ(view->Settings().get(Parm::kMode), kept);

    // A mode by name, only from the first table.
    int am = -1;
    for (int i = 0; i < mode->GetItemCount(); ++i) {
        if (mode->GetItemText(i) == "AM") {
            am = i;
        }
    }
    ASSERT_GE(am, 0);
    mode->SetItemIndex(am);
    Fire(view, IDC_SCOPE_MODE, 2);
    EXPECT_EQ(view->Settings().get(Parm::kMode), 1);
    mode->AddItem("FSK", 99);
    mode->SetItemIndex(mode->GetItemCount() - 1);
    Fire(view, IDC_SCOPE_MODE, 2);
    EXPECT_EQ(view->Settings().get(Parm::kMode), 1);

    // The squelch: halves up, and sent to the radio only as the knob turns.
    auto* squelch = Control<CiKnobX>(view, IDC_SCOPE_SQUELCH);
    auto* third = Control<CiKnobX>(view, IDC_SCOPE_THIRD_KNOB);
    ASSERT_TRUE(squelch && third);
    const Radio& model = *view->GetRig()->m_radio;
    EngineSim::ClearJournal();
    ASSERT_TRUE(hb::instruments::UserSetPosition(squelch->GetSafeHwnd(), 2.5));
    EXPECT_EQ(view->Settings().get(Parm::kSquelch), model.SquelchToDevice(3));
    EXPECT_EQ(Calls("scan_device_set_squelch"), 1u);
    Fire(view, IDC_SCOPE_SQUELCH, 11);
    Fire(view, IDC_SCOPE_SQUELCH, 8);
    EXPECT_EQ(Calls("scan_device_set_squelch"), 1u);
    EXPECT_DOUBLE_EQ(squelch->GetPosition(), values.squelch.def);
    EXPECT_EQ(view->Settings().get(Parm::kSquelch),
              model.SquelchToDevice(std::floor(values.squelch.def + 0.5)));
    // The third knob: whole positions on the radio's scale, held to a byte.
    third->SetPosition(40.5);
    Fire(view, IDC_SCOPE_THIRD_KNOB, 18);
    EXPECT_EQ(view->Settings().get(Parm::kGain),
              static_cast<int>((values.third.min + 41 - values.third.min) * values.third.scale +
                               values.third.offset));
    third->SetPosition(values.third.max + 60);
    Fire(view, IDC_SCOPE_THIRD_KNOB, 18);
    EngineSim::ClearJournal();
    Fire(view, IDC_SCOPE_THIRD_KNOB, 11);
    EXPECT_EQ(view->Settings().get(Parm::kGain), 255);
    EXPECT_EQ(Calls("scan_device_vfo_fast_write"), 1u);
    view->GetSweepDoc()->SetModifiedFlag(FALSE);
}

TEST_F(BandScopeViewTest, AHeldSweepRestartsAfterItsTimeOutAndANarrowRangeHasNoPositionLine) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    ScanApp().WriteProfileInt("Receiver_RFBandScope", "TimeOut", 5'000);
    CRawLevelScope* view = OpenRaw(radio);
    ASSERT_NE(view, nullptr);
    auto* timeOut = Control<CiModeComboBoxX>(view, IDC_SCOPE_TIME_OUT);
    ASSERT_NE(timeOut, nullptr);
    EXPECT_EQ(timeOut->GetItemValue(timeOut->GetItemIndex()), 5'000);
    view->SendMessage(WM_COMMAND, ID_SCOPE_PAUSE);
    // Paused, the position line shows where the radio listens.
    AdvanceAndPump(CRFBandScopeView::kTimerPeriod);
    EXPECT_TRUE(view->Plot().Annotations().VerticalLineVisible(0));
    view->Hold(scan_timer_read());
    AdvanceAndPump(4'500);
    EXPECT_TRUE(view->IsPaused());
    AdvanceAndPump(1'000);
    EXPECT_FALSE(view->IsPaused());
    EXPECT_FALSE(view->Plot().Annotations().VerticalLineVisible(0));

    Range(view, 146'000'000, 146'000'000, 25'000);
    EXPECT_EQ(view->StepCount(), 0u);
    view->SendMessage(WM_COMMAND, ID_SCOPE_PAUSE);
    AdvanceAndPump(CRFBandScopeView::kTimerPeriod);
    EXPECT_FALSE(view->Plot().Annotations().VerticalLineVisible(0));
    view->GetSweepDoc()->SetModifiedFlag(FALSE);
}

TEST_F(BandScopeViewTest, TheActivityLogShowsItsDialogAndSettingsAreAsTheyWereWhenReopened) {
    Radios(kReceiverOnly, {{"Receiver", 42}});
    const std::string path = Doc("Wide.swv");
    SweepSettings stored;
    stored.record().set(Parm::kStart, 144'000'000);
    stored.record().set(Parm::kEnd, 146'000'000);
    stored.record().set(Parm::kStep, 25'000);
    ASSERT_TRUE(File(path, &stored).save());
    ScanApp().WriteProfileStringA("Receiver", "BandScopeFile", "Wide.swv");
    const auto open = [this]() -> CRFBandScopeView* {
        Command(ID_TOOLS_BAND_SCOPE);
        PumpUntilIdle();
        auto* frame = dynamic_cast<CRFAnalyzerFrame*>(Main().GetActiveFrame());
        return frame != nullptr ? dynamic_cast<CRFBandScopeView*>(frame->GetActiveView()) : nullptr;
    };
    CRFBandScopeView* view = open();
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(view->IsSeeded());
    EXPECT_EQ(view->Settings().get(Parm::kStart), 144'000'000u);
    hb::afx::SetModalScript(hb::tessary::log::kBandScopeTemplate,
                            [](CDialog& dialog) { dialog.EndDialog(IDCANCEL); });
    view->SendMessage(WM_COMMAND, ID_SCOPE_ACTIVITY_LOG);
    ASSERT_FALSE(hb::afx::ModalLog().empty());
    EXPECT_EQ(hb::afx::ModalLog().back().templateId, hb::tessary::log::kBandScopeTemplate);

    auto* fast = Control<CiSwitchSliderX>(view, IDC_SCOPE_FAST_MODE);
    auto* scheme = Control<CiModeComboBoxX>(view, IDC_SCOPE_COLOR_SCHEME);
    auto* timeOut = Control<CiModeComboBoxX>(view, IDC_SCOPE_TIME_OUT);
    ASSERT_TRUE(fast && scheme && timeOut);
    hb::instruments::UserSetPosition(fast->GetSafeHwnd(), 1);
    scheme->SetItemIndex(1);
    Fire(view, IDC_SCOPE_COLOR_SCHEME, 2);
    timeOut->SetItemIndex(2);
    Fire(view, IDC_SCOPE_TIME_OUT, 2);
    Range(view, 150'000'000, 151'000'000, 12'500);
    ASSERT_TRUE(view->GetSweepDoc()->OnSaveDocument(path.c_str()));
    view->GetSweepDoc()->SetModifiedFlag(FALSE);
    FrameOf(view)->SendMessage(WM_CLOSE);
    PumpUntilIdle();
    EXPECT_EQ(ScanApp().GetProfileStringA("Receiver", "BandScopeFile", ""), path.c_str());

    CRFBandScopeView* again = open();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->Settings().get(Parm::kStart), 150'000'000u);
    EXPECT_EQ(again->Settings().get(Parm::kEnd), 151'000'000u);
    EXPECT_EQ(again->Settings().get(Parm::kStep), 12'500u);
    EXPECT_EQ(Control<CiSwitchSliderX>(again, IDC_SCOPE_FAST_MODE)->GetPosition(), 1);
    EXPECT_EQ(Control<CiModeComboBoxX>(again, IDC_SCOPE_COLOR_SCHEME)->GetItemIndex(), 1);
    EXPECT_EQ(again->Plot().BackColor(), 0xFFFFFFu);
    EXPECT_EQ(Control<CiModeComboBoxX>(again, IDC_SCOPE_TIME_OUT)->GetItemIndex(), 2);
    again->GetSweepDoc()->SetModifiedFlag(FALSE);
}

TEST_F(BandScopeViewTest, AScopeStoppedByItsRigStartsAgainWhenActivatedUnlessTheRigStillSweeps) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    CRFBandScopeView* view = OpenScope(radio);
    ASSERT_NE(view, nullptr);
    CRFAnalyzerFrame* frame = FrameOf(view);
    // The rig's stop, relayed by the frame, holds the running scope and marks it for a restart.
    frame->SendMessage(WM_COMMAND, CSweepView::kCommandPause);
    ASSERT_TRUE(view->IsPaused());
    ASSERT_EQ(frame->m_restart, 1);
    CRig* rig = view->GetRig();
    ASSERT_EQ(rig->m_busy, 4);
    frame->SetActiveView(nullptr);
    frame->SetActiveView(view);
    EXPECT_TRUE(view->IsPaused());
    rig->m_busy = CRig::kIdle;
    frame->SetActiveView(nullptr);
    frame->SetActiveView(view);
    EXPECT_FALSE(view->IsPaused());
    view->GetSweepDoc()->SetModifiedFlag(FALSE);
}

} // namespace
} // namespace hb::app::test
