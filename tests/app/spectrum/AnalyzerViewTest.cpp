// The spectrum analyzer on the simulated receiver: its traces, markers, pan and zoom, trace
// switches, colour schemes and the settings it keeps.
#include "platform/engine/SweepSim.h"
#include "platform/instruments/CiPlotX.h"
#include "platform/instruments/Dispids.h"
#include "platform/instruments/Gestures.h"
#include "platform/instruments/Instrument.h"
#include "platform/records/PrivateMessages.h"
#include "platform/tessary/app/BandSelect.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/app/SweepDoc.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/core/Hooks.h"
#include "resources/AnalyzerIds.h"
#include "tests/app/spectrum/SweepFixture.h"

#include <algorithm>

namespace hb::app::test {
namespace {

using hb::engine::SweepReport;
using hb::engine::SweepSim;
using hb::records::Parm;

// The analyzer with readings taken at their raw value as dBm, so that a test chooses levels.
class CRawLevelAnalyzer : public CRFAnalyzerView {
    DECLARE_DYNCREATE(CRawLevelAnalyzer)

public:
    std::int16_t ConvertLevel(std::uint32_t raw, std::uint16_t) override {
        return static_cast<std::int16_t>(static_cast<std::int32_t>(raw));
    }
    // A reading of `level` at step `index`.
    void Reading(std::uint32_t index, int level) {
        SpanPoint point;
        point.set(SpanPoint::kFrequency,
                  Settings().get(Parm::kStart) + index * Settings().get(Parm::kStep));
        point.set(SpanPoint::kRawLevel, static_cast<std::uint32_t>(level));
        ProcessSweepPoint(point);
    }
    bool PeakCaptioned() {
        return m_peakPanel.GetProperty(hb::instruments::panel::kCaption) ==
               hb::afx::Value(std::string("Peak Level"));
    }
    double Precision(UINT id) {
        CWnd* display = GetDlgItem(static_cast<int>(id));
        return display != nullptr
                   ? std::get<std::int32_t>(*hb::instruments::GetProperty(
                         display->GetSafeHwnd(), hb::instruments::sevenSegmentAnalog::kPrecision))
                   : -1;
    }
};
IMPLEMENT_DYNCREATE(CRawLevelAnalyzer, CRFAnalyzerView)

class AnalyzerViewTest : public SweepFixture {
protected:
    CRawLevelAnalyzer* OpenRaw(CRadioFrame* radio) {
        return dynamic_cast<CRawLevelAnalyzer*>(OpenAnalyzer(radio));
    }
    static CScanApp& ScanApp() { return *CScanApp::GetScanApp(); }
    int Key(CRFAnalyzerView* view, const char* key) {
        return ScanApp().GetProfileIntA(view->Section(), key, -1);
    }
    // The range changed while paused, then the sweep prepared again and started.
    static void Range(CRFAnalyzerView* view, std::uint32_t start, std::uint32_t end) {
        view->SendMessage(WM_COMMAND, CSweepView::kCommandPause);
        view->Settings().set(Parm::kStart, start);
        view->Settings().set(Parm::kEnd, end);
        view->SendMessage(WM_COMMAND, ID_ANALYZER_RESTART);
    }
};

TEST_F(AnalyzerViewTest, TheReceiversAnalyzerOpensRunningAndFillsItsTracesFromEveryReportKind) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    CRFAnalyzerView* view = OpenAnalyzer(radio);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetSweepDoc()->GetTitle(), "RF Spectrum Analyzer - Receiver");
    EXPECT_EQ(view->Plot().Title(), "RF Spectrum Analyzer - Receiver");
    EXPECT_FALSE(view->IsPaused());
    const std::uint16_t device = view->GetRig()->m_device;
    const auto count = static_cast<int>(view->StepCount());
    ASSERT_GT(count, 1);
    EXPECT_EQ(view->Plot().Channel(0).Capacity(), count);
    for (const SweepReport report :
         {SweepReport::Readings, SweepReport::ByteSweeps, SweepReport::Blocks}) {
        SweepSim::SetReport(device, report);
        SweepSim::RunSteps(device, static_cast<std::uint32_t>(count));
        PumpUntilIdle();
        EXPECT_EQ(view->Plot().Channel(0).Count(), count) << static_cast<int>(report);
        EXPECT_EQ(view->Plot().Channel(2).Count(), count) << static_cast<int>(report);
    }
    // The signal, average, minimum and maximum traces hold every step.
    for (const auto trace : {CRFAnalyzerView::kSignal, CRFAnalyzerView::kAverage,
                             CRFAnalyzerView::kMinimum, CRFAnalyzerView::kMaximum}) {
        EXPECT_EQ(view->TraceOf(trace).size(), view->StepCount());
    }
    EXPECT_GE(view->LevelCeiling(), view->LevelFloor() + 10);
    EXPECT_EQ(view->LevelFloor() % 10, 0);
}

TEST_F(AnalyzerViewTest, ReadingsExtendThenReplaceTheTracesAndMoveTheAverage) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    const auto raw = UseViewClass(RUNTIME_CLASS(CRawLevelAnalyzer));
    CRawLevelAnalyzer* view = OpenRaw(radio);
    ASSERT_NE(view, nullptr);
    // 12,500 Hz at detail 1 steps 6,250 Hz: three steps.
    view->SendMessage(WM_COMMAND, CSweepView::kCommandPause);
    view->Settings().set(Parm::kBandwidth, 12'500);
    view->Settings().set(Parm::kFilter, 3);
    view->Settings().set(Parm::kMode, 11);
    Range(view, 145'000'000, 145'018'750);
    ASSERT_EQ(view->Settings().get(Parm::kStep), 6'250u);
    ASSERT_EQ(view->StepCount(), 3u);
    view->Reading(0, 50);
    view->Reading(1, -55);
    view->Reading(2, 20);
    EXPECT_EQ(view->Plot().Channel(0).Count(), 3);
    view->Reading(0, 60);
    view->Reading(1, -60);
    EXPECT_EQ(view->Plot().Channel(0).Count(), 3);
    const auto& average = view->TraceOf(CRFAnalyzerView::kAverage);
    EXPECT_EQ(average[0], 51);
    EXPECT_EQ(average[1], -56);
    EXPECT_EQ(view->TraceOf(CRFAnalyzerView::kMaximum)[0], 60);
    EXPECT_EQ(view->TraceOf(CRFAnalyzerView::kMinimum)[0], 50);
    EXPECT_EQ(view->TraceOf(CRFAnalyzerView::kMinimum)[1], -60);
    EXPECT_EQ(view->Plot().Channel(1).YAt(0), 51);
    EXPECT_EQ(view->Settings().get(Parm::Sweep::kResumeFrequency), 145'006'250u);

    // After a restart the traces are empty: a reading past the points held changes only the
    // signal array.
    view->SendMessage(WM_COMMAND, ID_ANALYZER_RESTART);
    view->Reading(2, 30);
    EXPECT_EQ(view->TraceOf(CRFAnalyzerView::kSignal)[2], 30);
    EXPECT_EQ(view->TraceOf(CRFAnalyzerView::kMaximum)[2], 0);
    EXPECT_EQ(view->Plot().Channel(0).Count(), 0);

    // The trace resets copy the signal trace.
    view->SendMessage(WM_COMMAND, ID_ANALYZER_RESET_MAXIMUM);
    EXPECT_EQ(view->TraceOf(CRFAnalyzerView::kMaximum), view->TraceOf(CRFAnalyzerView::kSignal));

    // A byte sweep shows its peak under "Peak Level".
    const std::uint8_t bytes[] = {10, 40, 20};
    view->SendMessage(WM_SPAN_SWEEP, 3, reinterpret_cast<LPARAM>(bytes));
    EXPECT_TRUE(view->PeakCaptioned());
    EXPECT_EQ(view->TraceOf(CRFAnalyzerView::kSignal)[1], 40);
}

TEST_F(AnalyzerViewTest, DetailDividesTheBandwidthAndTheDisplaysShowDecimalsByRange) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    const auto raw = UseViewClass(RUNTIME_CLASS(CRawLevelAnalyzer));
    CRawLevelAnalyzer* view = OpenRaw(radio);
    ASSERT_NE(view, nullptr);
    auto* detail = dynamic_cast<CiModeComboBoxX*>(view->GetDlgItem(IDC_ANALYZER_DETAIL));
    ASSERT_NE(detail, nullptr);
    detail->SetItemIndex(3);
    view->SendMessage(WM_COMMAND, CSweepView::kCommandPause);
    view->Settings().set(Parm::kBandwidth, 12'500);
    view->Settings().set(Parm::kFilter, 3);
    view->Settings().set(Parm::kMode, 11);
    Range(view, 50'000'000, 50'100'000);
    EXPECT_EQ(view->Settings().get(Parm::kStep), 1'562u);
    EXPECT_EQ(view->StepCount(), 65u); // 100,000 / 1,562 rounded up
    EXPECT_EQ(view->Precision(IDC_SWEEP_FREQUENCY), 6);
    Range(view, 400'000'000, 400'100'000);
    EXPECT_EQ(view->Precision(IDC_SWEEP_FREQUENCY), 5);
    Range(view, 1'200'000'000, 1'200'100'000);
    EXPECT_EQ(view->Precision(IDC_ANALYZER_POINTER_FREQUENCY), 4);
}

TEST_F(AnalyzerViewTest, MarkersFollowTheCursorsAndZoomingToThemNeedsThemShown) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    CRFAnalyzerView* view = OpenAnalyzer(radio);
    ASSERT_NE(view, nullptr);
    Range(view, 145'000'000, 145'100'000);
    view->Plot().Cursor(0).SetPosition(0, 25);
    view->Plot().Cursor(0).SetPosition(1, 75);
    // Hidden markers: zooming to them beeps and changes nothing.
    const std::size_t beeps = hb::win::Beeps().size();
    view->SendMessage(WM_COMMAND, ID_ANALYZER_ZOOM_MARKERS);
    EXPECT_EQ(hb::win::Beeps().size(), beeps + 1);
    EXPECT_EQ(view->Settings().get(Parm::kStart), 145'000'000u);

    auto* markers = dynamic_cast<CiSwitchLedX*>(view->GetDlgItem(IDC_ANALYZER_MARKERS));
    ASSERT_NE(markers, nullptr);
    ASSERT_TRUE(hb::instruments::UserSetActive(markers->GetSafeHwnd(), true));
    EXPECT_TRUE(view->Plot().Cursor(0).Visible());
    EXPECT_EQ(Key(view, "MarkerVisible"), 1);
    // A cursor line dragged: the markers are read again from the cursors.
    const HWND plot = view->Plot().GetSafeHwnd();
    const long at = view->Plot().DataView().PercentToPixelX(75);
    ASSERT_TRUE(hb::instruments::PlotDragCursor(plot, 0, 1, at));
    EXPECT_EQ(view->Marker(0), 145'025'000u);
    EXPECT_NEAR(view->Marker(1), 145'075'000, 500);
    EXPECT_EQ(Key(view, "MarkerOne"), 25);
    EXPECT_NE(Key(view, "MarkerFour"), -1);
    auto* difference =
        dynamic_cast<CiAnalogOutputX*>(view->GetDlgItem(IDC_ANALYZER_FIRST_DIFFERENCE));
    ASSERT_NE(difference, nullptr);
    EXPECT_NEAR(difference->GetValue(), (view->Marker(1) - view->Marker(0)) * 1e-6, 1e-9);

    // Exactly on 25 % and 75 %.
    view->Plot().Cursor(0).SetPosition(0, 25);
    view->Plot().Cursor(0).SetPosition(1, 75);
    std::vector<hb::afx::EventArg> none;
    hb::afx::FireEvent(plot, 6, none);
    EXPECT_EQ(view->Marker(0), 145'025'000u);
    EXPECT_EQ(view->Marker(1), 145'075'000u);
    EXPECT_NEAR(difference->GetValue(), 0.05, 1e-9);
    EXPECT_EQ(difference->GetProperty(hb::instruments::analogOutput::kPrecision),
              hb::afx::Value(std::int32_t{6}));
    view->SendMessage(WM_COMMAND, ID_ANALYZER_ZOOM_MARKERS);
    EXPECT_EQ(view->Settings().get(Parm::kStart), 145'025'000u);
    EXPECT_EQ(view->Settings().get(Parm::kEnd), 145'075'000u);
    EXPECT_FALSE(view->IsPaused());
    view->GetSweepDoc()->SetModifiedFlag(FALSE);
}

TEST_F(AnalyzerViewTest, PanAndZoomStayInsideTheRadiosRangeAndRestartTheSweep) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    CRFAnalyzerView* view = OpenAnalyzer(radio);
    ASSERT_NE(view, nullptr);
    Range(view, 144'000'000, 146'000'000);
    view->GetSweepDoc()->SetModifiedFlag(FALSE);
    EngineSim::ClearJournal();
    view->OnPanZoom(CRFAnalyzerView::kZoomOut);
    EXPECT_EQ(view->Settings().get(Parm::kStart), 142'000'000u);
    EXPECT_EQ(view->Settings().get(Parm::kEnd), 148'000'000u);
    EXPECT_TRUE(view->GetSweepDoc()->IsModified());
    EXPECT_EQ(Calls("scan_spectrum"), 1u);
    EXPECT_FALSE(view->IsPaused());
    view->OnPanZoom(CRFAnalyzerView::kZoomIn);
    EXPECT_EQ(view->Settings().get(Parm::kStart), 143'500'000u);
    EXPECT_EQ(view->Settings().get(Parm::kEnd), 146'500'000u);

    // Near the bottom of the radio's range a pan stops there instead of wrapping.
    const std::uint32_t lowest = view->GetRig()->m_radio->sweepValues().lowest;
    Range(view, lowest, 30'000'000);
    view->OnPanZoom(CRFAnalyzerView::kPanLeft);
    EXPECT_EQ(view->Settings().get(Parm::kStart), lowest);
    EXPECT_EQ(view->Settings().get(Parm::kEnd), 30'000'000u);

    // A typed start is rounded to the nearest hertz.
    Range(view, 120'000'000, 130'000'000);
    auto* start = dynamic_cast<CiAnalogOutputX*>(view->GetDlgItem(IDC_ANALYZER_START));
    ASSERT_NE(start, nullptr);
    start->SetValue(128.01);
    std::vector<hb::afx::EventArg> none;
    hb::afx::FireEvent(start->GetSafeHwnd(), 10, none);
    EXPECT_EQ(view->Settings().get(Parm::kStart), 128'010'000u);
    EXPECT_TRUE(view->GetSweepDoc()->IsModified());
    view->GetSweepDoc()->SetModifiedFlag(FALSE);
}

TEST_F(AnalyzerViewTest, TheLastTraceTurnedOffBringsBackTheSignalAndSchemesRecolourThePlot) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    CRFAnalyzerView* view = OpenAnalyzer(radio);
    ASSERT_NE(view, nullptr);
    auto* signal = dynamic_cast<CiSwitchLedX*>(view->GetDlgItem(IDC_ANALYZER_SIGNAL_TRACE));
    auto* maximum = dynamic_cast<CiSwitchLedX*>(view->GetDlgItem(IDC_ANALYZER_MAXIMUM_TRACE));
    ASSERT_NE(signal, nullptr);
    ASSERT_NE(maximum, nullptr);
    ASSERT_TRUE(hb::instruments::UserSetActive(maximum->GetSafeHwnd(), true));
    EXPECT_TRUE(view->Plot().Channel(2).Visible());
    EXPECT_EQ(Key(view, "MaximumTrace"), 1);
    ASSERT_TRUE(hb::instruments::UserSetActive(maximum->GetSafeHwnd(), false));
    ASSERT_TRUE(hb::instruments::UserSetActive(signal->GetSafeHwnd(), false));
    EXPECT_TRUE(signal->GetActive());
    EXPECT_TRUE(view->Plot().Channel(0).Visible());
    EXPECT_EQ(Key(view, "SignalTrace"), 1);
    EXPECT_EQ(Key(view, "MaximumTrace"), 0);

    view->OnColorScheme(0);
    EXPECT_EQ(view->Plot().BackColor(), 0xFFFFFFu);
    EXPECT_EQ(view->Plot().FrameColor(), 0x800000u);
    EXPECT_EQ(view->Plot().Channel(0).Color(), 0x00C000u);
    view->OnColorScheme(1);
    EXPECT_EQ(view->Plot().BackColor(), 0u);
    EXPECT_EQ(view->Plot().FrameColor(), 0xFFFF00u);
    view->ApplyColorScheme(7);
    EXPECT_EQ(view->Plot().BackColor(), 0u);
    EXPECT_EQ(Key(view, "ColorScheme"), 1);
}

TEST_F(AnalyzerViewTest, AClickOnThePlotTunesThePointersFrequencyUnlessACursorWasDragged) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    CRFAnalyzerView* view = OpenAnalyzer(radio);
    ASSERT_NE(view, nullptr);
    Range(view, 146'000'000, 147'000'000);
    const HWND plot = view->Plot().GetSafeHwnd();
    const long x = view->Plot().DataView().PercentToPixelX(50);
    const long y = view->Plot().DataView().PercentToPixelY(50);

    // The end of a cursor drag tunes nothing and the sweep runs on.
    auto* markers = dynamic_cast<CiSwitchLedX*>(view->GetDlgItem(IDC_ANALYZER_MARKERS));
    ASSERT_NE(markers, nullptr);
    hb::instruments::UserSetActive(markers->GetSafeHwnd(), true);
    EngineSim::ClearJournal();
    ASSERT_TRUE(hb::instruments::PlotDragCursor(plot, 0, 0, x));
    EXPECT_EQ(Calls("scan_device_vfo_fast_write"), 0u);
    EXPECT_FALSE(view->IsPaused());

    ASSERT_TRUE(hb::instruments::PlotClick(plot, x + 20, y));
    EXPECT_TRUE(view->IsPaused());
    // The volume and the squelch knob each send the tuned settings.
    const auto writes = EngineSim::Calls("scan_device_vfo_fast_write");
    ASSERT_EQ(writes.size(), 2u);
    ASSERT_TRUE(writes[1].record.has_value());
    const std::uint32_t tuned = writes[1].record->get(Parm::kFrequency);
    EXPECT_NEAR(tuned, 146'500'000, 60'000);
    EXPECT_EQ(writes[1].record->get(Parm::Sweep::kSetup108), 0);
    Parm where;
    where.set(Parm::kFrequency, tuned);
    band found;
    ASSERT_EQ(CBandSelect::LocateBand(&where, &found), 1);
    EXPECT_EQ(writes[1].record->get(Parm::kMode), found.get(hb::records::Band::kFirstMode));
    // Without band snap the range stays.
    EXPECT_EQ(view->Settings().get(Parm::kStart), 146'000'000u);
    view->GetSweepDoc()->SetModifiedFlag(FALSE);
}

TEST_F(AnalyzerViewTest, AFailingPlotIsLoggedAndTheSweepGoesOn) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    CRFAnalyzerView* view = OpenAnalyzer(radio);
    ASSERT_NE(view, nullptr);
    const std::uint16_t device = view->GetRig()->m_device;
    hb::instruments::FailPlotCallsForTests(static_cast<long>(0x80004005));
    SweepSim::SetReport(device, SweepReport::ByteSweeps);
    SweepSim::RunSteps(device, view->StepCount());
    PumpUntilIdle();
    hb::instruments::FailPlotCallsForTests(0);
    EXPECT_GT(view->PlotFailures(), 0);
    EXPECT_FALSE(view->IsPaused());
    SweepSim::RunSteps(device, view->StepCount());
    PumpUntilIdle();
    EXPECT_EQ(view->Plot().Channel(0).Count(), static_cast<int>(view->StepCount()));
}

TEST_F(AnalyzerViewTest, MarkersTracesAndSchemeAreAsTheyWereAfterReopening) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    CRFAnalyzerView* view = OpenAnalyzer(radio);
    ASSERT_NE(view, nullptr);
    auto* markers = dynamic_cast<CiSwitchLedX*>(view->GetDlgItem(IDC_ANALYZER_MARKERS));
    auto* snap = dynamic_cast<CiSwitchLedX*>(view->GetDlgItem(IDC_ANALYZER_BAND_SNAP));
    auto* average = dynamic_cast<CiSwitchLedX*>(view->GetDlgItem(IDC_ANALYZER_AVERAGE_TRACE));
    ASSERT_TRUE(markers && snap && average);
    hb::instruments::UserSetActive(markers->GetSafeHwnd(), true);
    hb::instruments::UserSetActive(snap->GetSafeHwnd(), true);
    hb::instruments::UserSetActive(average->GetSafeHwnd(), true);
    hb::instruments::PlotDragCursor(view->Plot().GetSafeHwnd(), 1, 0,
                                    view->Plot().DataView().PercentToPixelX(40));
    view->OnColorScheme(1);
    view->GetSweepDoc()->SetModifiedFlag(FALSE);
    FrameOf(view)->SendMessage(WM_CLOSE);
    PumpUntilIdle();

    CRFAnalyzerView* again = OpenAnalyzer(radio);
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->Plot().Cursor(0).Visible());
    EXPECT_NEAR(again->Plot().Cursor(1).Position(0), 40, 1);
    EXPECT_TRUE(again->Plot().Channel(1).Visible());
    EXPECT_EQ(again->Plot().BackColor(), 0u);
    auto* snapAgain = dynamic_cast<CiSwitchLedX*>(again->GetDlgItem(IDC_ANALYZER_BAND_SNAP));
    ASSERT_NE(snapAgain, nullptr);
    EXPECT_TRUE(snapAgain->GetActive());
}

TEST_F(AnalyzerViewTest, ThePlotGrowsToTheViewsRightAndBottomEdges) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    CRFAnalyzerView* view = OpenAnalyzer(radio);
    ASSERT_NE(view, nullptr);
    CRect before;
    view->Plot().GetWindowRect(&before);
    view->ScreenToClient(&before);
    FrameOf(view)->MoveWindow(0, 0, 1400, 1000);
    PumpUntilIdle();
    CRect client;
    view->GetClientRect(&client);
    CRect plot;
    view->Plot().GetWindowRect(&plot);
    view->ScreenToClient(&plot);
    EXPECT_EQ(plot.TopLeft(), before.TopLeft());
    EXPECT_EQ(plot.right, client.right);
    EXPECT_EQ(plot.bottom, client.bottom);
}

} // namespace
} // namespace hb::app::test
