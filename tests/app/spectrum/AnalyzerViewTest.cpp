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
#include "platform/tessary/model/Format.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/SweepSettings.h"
#include "platform/win/core/Hooks.h"
#include "resources/AnalyzerIds.h"
#include "spectrum/ModeTables.h"
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

// The receiver of the table, with a step rule that may give 0.
class CStandInReceiver : public Radio {
public:
    CStandInReceiver(const hb::records::RadioModel& model, bool zeroSteps)
        : Radio(model), m_zeroSteps(zeroSteps) {}
    std::uint32_t SweepStep(std::uint32_t step, std::uint32_t start) const override {
        return m_zeroSteps ? 0 : Radio::SweepStep(step, start);
    }

private:
    bool m_zeroSteps;
};

class AnalyzerViewTest : public SweepFixture {
protected:
    ~AnalyzerViewTest() override { hb::tessary::SetRadioFactory(nullptr); }
    // The receiver offers the sweep knobs of `knobs`, its filters or none, and a step rule that
    // gives 0 or its own; before the program starts.
    void UseReceiver(std::uint32_t knobs, bool filters = true, bool zeroSteps = false) {
        m_model = *hb::records::FindRadioModel(42);
        m_model.sweepKnobs = knobs;
        if (!filters) {
            m_model.filters = {};
        }
        hb::tessary::SetRadioFactory([this, zeroSteps](std::uint8_t type) {
            return type == 42 ? std::make_unique<CStandInReceiver>(m_model, zeroSteps) : nullptr;
        });
    }
    template <typename Control>
    static Control* Item(CRFAnalyzerView* view, UINT id) {
        return dynamic_cast<Control*>(view->GetDlgItem(static_cast<int>(id)));
    }
    // A click in the middle of a control.
    static void ClickOn(CWnd* control) {
        CRect client;
        control->GetClientRect(&client);
        hb::instruments::UserClick(control->GetSafeHwnd(), 1, 0, client.Width() / 2,
                                   client.Height() / 2);
    }
    static std::vector<hb::records::Parm> Writes() {
        std::vector<hb::records::Parm> records;
        for (const auto& call : EngineSim::Calls("scan_device_vfo_fast_write")) {
            if (call.record) {
                records.push_back(*call.record);
            }
        }
        return records;
    }
    // The receiver's window, then its analyzer around 150 MHz.
    CRFAnalyzerView* ReceiversAnalyzer() {
        CRadioFrame* radio = OpenReceiver();
        return radio != nullptr ? OpenAnalyzer(radio) : nullptr;
    }
    hb::records::RadioModel m_model;
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
    CRFAnalyzerView* view = ReceiversAnalyzer();
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
    CRFAnalyzerView* view = ReceiversAnalyzer();
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

    // A typed end past the radio's range is taken as its highest frequency.
    auto* end = dynamic_cast<CiAnalogOutputX*>(view->GetDlgItem(IDC_ANALYZER_END));
    ASSERT_NE(end, nullptr);
    for (const char ch : std::string("99999")) {
        end->SendMessage(WM_CHAR, static_cast<WPARAM>(ch));
    }
    end->SendMessage(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(view->Settings().get(Parm::kEnd), view->GetRig()->m_radio->sweepValues().highest);
    view->GetSweepDoc()->SetModifiedFlag(FALSE);
}

TEST_F(AnalyzerViewTest, TheLastTraceTurnedOffBringsBackTheSignalAndSchemesRecolourThePlot) {
    CRFAnalyzerView* view = ReceiversAnalyzer();
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

    view->OnColorScheme(1);
    EXPECT_EQ(view->Plot().BackColor(), 0u);
    EXPECT_EQ(view->Plot().FrameColor(), 0xFFFF00u);
    EXPECT_EQ(view->Plot().DataView().Color(), 0x0000FFu);
    EXPECT_EQ(view->Plot().DataView().GridColor(), 0x00FF00u);
    EXPECT_EQ(view->Plot().Cursor(0).Color(), 0xFFFFFFu);
    view->OnColorScheme(0);
    EXPECT_EQ(view->Plot().BackColor(), 0xFFFFFFu);
    EXPECT_EQ(view->Plot().FrameColor(), 0x800000u);
    EXPECT_EQ(view->Plot().DataView().Color(), 0u);
    EXPECT_EQ(view->Plot().Channel(0).Color(), 0x00C000u);
    EXPECT_EQ(view->Plot().Cursor(0).Color(), 0x0080FFu);
    view->OnColorScheme(1);
    view->ApplyColorScheme(7);
    EXPECT_EQ(view->Plot().BackColor(), 0u);
    EXPECT_EQ(Key(view, "ColorScheme"), 1);
}

TEST_F(AnalyzerViewTest, AClickOnThePlotTunesThePointersFrequencyUnlessACursorWasDragged) {
    CRFAnalyzerView* view = ReceiversAnalyzer();
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
    CRFAnalyzerView* view = ReceiversAnalyzer();
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
    auto* detail = Item<CiModeComboBoxX>(view, IDC_ANALYZER_DETAIL);
    ASSERT_NE(detail, nullptr);
    ClickOn(detail);
    EXPECT_EQ(Key(view, "Detail"), 2);
    Range(view, 144'000'000, 146'000'000);
    const CString path = view->GetSweepDoc()->GetPathName();
    CRig* rig = view->GetRig();
    // Closed, its settings kept in the analyzer file.
    ExpectBox("Save changes", IDYES, "Halbridge Pro");
    FrameOf(view)->SendMessage(WM_CLOSE);
    PumpUntilIdle();

    // Opened on the file, not from the radio window: the file's settings.
    rig->m_opener = 0;
    CRig::s_selection[0] = rig;
    ASSERT_NE(Template(CRFAnalyzerView::kTemplateId)->OpenDocumentFile(path, TRUE), nullptr);
    PumpUntilIdle();
    auto* reopened = dynamic_cast<CRFAnalyzerFrame*>(Main().GetActiveFrame());
    ASSERT_NE(reopened, nullptr);
    auto* fromFile = dynamic_cast<CRFAnalyzerView*>(reopened->GetActiveView());
    ASSERT_NE(fromFile, nullptr);
    EXPECT_EQ(fromFile->Settings().get(Parm::kStart), 144'000'000u);
    EXPECT_EQ(fromFile->Settings().get(Parm::kEnd), 146'000'000u);
    EXPECT_EQ(fromFile->GetSweepDoc()->GetObject().radioType(), 42);
    EXPECT_FALSE(fromFile->GetSweepDoc()->IsModified());
    EXPECT_EQ(Item<CiModeComboBoxX>(fromFile, IDC_ANALYZER_DETAIL)->GetItemIndex(), 2);
    fromFile->GetSweepDoc()->SetModifiedFlag(FALSE);
    FrameOf(fromFile)->SendMessage(WM_CLOSE);
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

TEST_F(AnalyzerViewTest, TheLampSaysRunningAndByteSweepsAndBlocksShowTheirPeak) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    CRFAnalyzerView* view = OpenAnalyzer(radio);
    ASSERT_NE(view, nullptr);
    auto* lamp = Item<CiLedRectangleX>(view, IDC_SWEEP_RUN_LAMP);
    ASSERT_NE(lamp, nullptr);
    EXPECT_EQ(lamp->GetCaption(), "Running");
    view->SendMessage(WM_COMMAND, CSweepView::kCommandPause);
    EXPECT_EQ(lamp->GetCaption(), "Paused");
    view->SendMessage(WM_COMMAND, ID_ANALYZER_START);
    EXPECT_EQ(lamp->GetCaption(), "Running");

    // One step stands out: the second.
    const std::uint16_t device = view->GetRig()->m_device;
    const std::uint32_t start = view->Settings().get(Parm::kStart);
    const std::uint32_t peakAt = start + view->Settings().get(Parm::kStep);
    SweepSim::SetLevelFunction(device, [peakAt](std::uint32_t frequency, std::int64_t) {
        return static_cast<std::uint8_t>(frequency == peakAt ? 90 : 10);
    });
    auto* frequency = Item<CiSevenSegmentAnalogX>(view, IDC_SWEEP_FREQUENCY);
    auto* level = Item<CiSevenSegmentAnalogX>(view, IDC_SWEEP_LEVEL);
    auto* panel = Item<CiPanelX>(view, IDC_SWEEP_PEAK_PANEL);
    ASSERT_TRUE(frequency && level && panel);
    const Radio* receiver = view->GetRig()->m_radio;
    const std::pair<SweepReport, double> kinds[] = {
        {SweepReport::ByteSweeps, view->ConvertLevel(90, 1)},
        {SweepReport::Blocks, receiver->meterFloor() + 90.0},
    };
    for (const auto& [report, peak] : kinds) {
        panel->SetCaption("");
        SweepSim::SetReport(device, report);
        SweepSim::RunSteps(device, view->StepCount());
        PumpUntilIdle();
        EXPECT_EQ(panel->GetCaption(), "Peak Level") << static_cast<int>(report);
        EXPECT_DOUBLE_EQ(frequency->GetValue(), peakAt * 1e-6) << static_cast<int>(report);
        EXPECT_DOUBLE_EQ(level->GetValue(), peak) << static_cast<int>(report);
    }
}

TEST_F(AnalyzerViewTest, AStepRuleOfZeroSweepsIn5kHzStepsAndNoFiltersLeaveTheRecordsOwn) {
    UseReceiver(Radio::kSweepSquelch | Radio::kSweepVolume | Radio::kSweepThirdKnob, false, true);
    CRFAnalyzerView* view = ReceiversAnalyzer();
    ASSERT_NE(view, nullptr);
    view->SendMessage(WM_COMMAND, CSweepView::kCommandPause);
    view->Settings().set(Parm::kBandwidth, 0);
    view->Settings().set(Parm::kMode, 7);
    view->Settings().set(Parm::kFilter, 9);
    Range(view, 150'000'000, 150'100'000);
    EXPECT_EQ(view->Settings().get(Parm::kStep), 5'000u);
    EXPECT_EQ(view->StepCount(), 20u);
    EXPECT_EQ(view->Settings().get(Parm::kBandwidth), 0u);
    EXPECT_EQ(view->Settings().get(Parm::kMode), 7);
    EXPECT_EQ(view->Settings().get(Parm::kFilter), 9);
    // Nothing to choose from: the filter selector is hidden.
    auto* filter = Item<CiModeComboBoxX>(view, IDC_ANALYZER_FILTER);
    ASSERT_NE(filter, nullptr);
    EXPECT_EQ(filter->GetItemCount(), 0);
    EXPECT_FALSE(filter->IsWindowVisible());
}

TEST_F(AnalyzerViewTest, TheRadiosListsFillTheSelectorsAndAnEmptyOneTakesItsCaptionAway) {
    // The HF receiver has no third option list.
    Radios("[Radios]\nRadio#1=Receiver\n[Receiver]\nType=115\nPort=SIM\n", {{"Receiver", 115}});
    CRig* rig = CRig::FindByName("Receiver");
    ASSERT_NE(rig, nullptr);
    CRadioFrame* radio = Opened();
    ASSERT_NE(radio, nullptr);
    CRFAnalyzerView* view = OpenAnalyzer(radio, 27022, 7'100'000);
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(view->IsPaused());
    const auto& values = rig->m_radio->sweepValues();
    auto* filter = Item<CiModeComboBoxX>(view, IDC_ANALYZER_FILTER);
    auto* mode = Item<CiModeComboBoxX>(view, IDC_ANALYZER_MODE);
    ASSERT_TRUE(filter && mode);
    ASSERT_EQ(filter->GetItemCount(), static_cast<int>(values.bandwidths.size()));
    EXPECT_EQ(filter->GetItemText(0), format_bandwidth(values.bandwidths[0].bandwidth).c_str());
    EXPECT_EQ(mode->GetItemCount(), static_cast<int>(values.modes.size()));
    // The selectors show the prepared record: its bandwidth and its mode's name.
    const Parm& settings = view->Settings();
    ASSERT_GE(filter->GetItemIndex(), 0);
    EXPECT_EQ(values.bandwidths[static_cast<std::size_t>(filter->GetItemIndex())].bandwidth,
              settings.get(Parm::kBandwidth));
    ASSERT_GE(mode->GetItemIndex(), 0);
    EXPECT_EQ(hb::spectrum::ModeCodeOfName(
                  static_cast<const char*>(mode->GetItemText(mode->GetItemIndex()))),
              settings.get(Parm::kMode));
    const std::pair<UINT, UINT> lists[] = {{IDC_ANALYZER_LIST_A, IDC_ANALYZER_LIST_A_CAPTION},
                                           {IDC_ANALYZER_LIST_B, IDC_ANALYZER_LIST_B_CAPTION},
                                           {IDC_ANALYZER_LIST_C, IDC_ANALYZER_LIST_C_CAPTION}};
    const std::vector<std::string>* items[] = {&values.listA, &values.listB, &values.listC};
    for (std::size_t i = 0; i < 3; ++i) {
        auto* list = Item<CiModeComboBoxX>(view, lists[i].first);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->GetItemCount(), static_cast<int>(items[i]->size()));
        EXPECT_EQ(list->IsWindowVisible() != 0, !items[i]->empty());
        EXPECT_EQ(view->GetDlgItem(static_cast<int>(lists[i].second)) != nullptr,
                  !items[i]->empty());
    }
}

TEST_F(AnalyzerViewTest, TheKnobsThatTheRadioDoesNotOfferGoWithTheirCaptions) {
    UseReceiver(Radio::kSweepThirdKnob);
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    CRFAnalyzerView* view = OpenAnalyzer(radio);
    ASSERT_NE(view, nullptr);
    for (const UINT gone : {IDC_ANALYZER_VOLUME, IDC_ANALYZER_VOLUME_CAPTION, IDC_ANALYZER_SQUELCH,
                            IDC_ANALYZER_SQUELCH_CAPTION}) {
        EXPECT_EQ(view->GetDlgItem(static_cast<int>(gone)), nullptr) << gone;
    }
    auto* gain = Item<CiKnobX>(view, IDC_ANALYZER_GAIN);
    ASSERT_NE(gain, nullptr);
    const auto& third = view->GetRig()->m_radio->sweepValues().third;
    EXPECT_DOUBLE_EQ(gain->GetPositionMin(), third.min);
    EXPECT_DOUBLE_EQ(gain->GetPositionMax(), third.max);
    EXPECT_NE(view->GetDlgItem(IDC_ANALYZER_GAIN_CAPTION), nullptr);

    // With neither tuning knob a click tunes with one write.
    Range(view, 146'000'000, 147'000'000);
    EngineSim::ClearJournal();
    const HWND plot = view->Plot().GetSafeHwnd();
    ASSERT_TRUE(hb::instruments::PlotClick(plot, view->Plot().DataView().PercentToPixelX(50),
                                           view->Plot().DataView().PercentToPixelY(50)));
    EXPECT_EQ(Writes().size(), 1u);
}

TEST_F(AnalyzerViewTest, KnobsRoundOrTruncateAndTheThirdIsHeldToAByte) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    CRFAnalyzerView* view = OpenAnalyzer(radio);
    ASSERT_NE(view, nullptr);
    const Radio& receiver = *view->GetRig()->m_radio;
    auto* volume = Item<CiKnobX>(view, IDC_ANALYZER_VOLUME);
    auto* squelch = Item<CiKnobX>(view, IDC_ANALYZER_SQUELCH);
    auto* gain = Item<CiKnobX>(view, IDC_ANALYZER_GAIN);
    ASSERT_TRUE(volume && squelch && gain);

    // Running: turning applies nothing until the knob is let go.
    hb::instruments::UserSetPosition(squelch->GetSafeHwnd(), 40.5);
    EXPECT_NE(view->Settings().get(Parm::kSquelch), receiver.SquelchToDevice(41));
    view->GetSweepDoc()->SetModifiedFlag(FALSE);
    ClickOn(squelch);
    EXPECT_EQ(view->Settings().get(Parm::kSquelch), receiver.SquelchToDevice(41));
    EXPECT_TRUE(view->GetSweepDoc()->IsModified());

    view->SendMessage(WM_COMMAND, CSweepView::kCommandPause);
    EngineSim::ClearJournal();
    hb::instruments::UserSetPosition(volume->GetSafeHwnd(), 40.9);
    EXPECT_EQ(view->Settings().get(Parm::kVolume), 40);
    ASSERT_FALSE(Writes().empty());
    EXPECT_EQ(Writes().back().get(Parm::kVolume), 40);
    hb::instruments::UserSetPosition(squelch->GetSafeHwnd(), 20.4);
    EXPECT_EQ(view->Settings().get(Parm::kSquelch), receiver.SquelchToDevice(20));
    EXPECT_EQ(Calls("scan_device_set_squelch"), 1u);
    hb::instruments::UserSetPosition(gain->GetSafeHwnd(), 20.5);
    const auto& third = receiver.sweepValues().third;
    EXPECT_EQ(view->Settings().get(Parm::kGain),
              static_cast<std::uint8_t>((third.min + 21) * third.scale + third.offset));
    // Past the radio's range the byte holds at 255; the reset takes the radio's default.
    gain->SetPosition(third.max * 2);
    EngineSim::ClearJournal();
    ClickOn(gain);
    EXPECT_EQ(view->Settings().get(Parm::kGain), 255);
    EXPECT_EQ(Writes().size(), 1u);
    hb::instruments::UserDoubleClick(gain->GetSafeHwnd(), 1, 0, 5, 5);
    EXPECT_DOUBLE_EQ(gain->GetPosition(), third.def);
    EXPECT_TRUE(view->IsPaused());
}

TEST_F(AnalyzerViewTest, AModeIsChosenOnlyWhilePausedAndFiltersAndListsRestartARunningSweep) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    CRFAnalyzerView* view = OpenAnalyzer(radio);
    ASSERT_NE(view, nullptr);
    auto* mode = Item<CiModeComboBoxX>(view, IDC_ANALYZER_MODE);
    ASSERT_NE(mode, nullptr);
    const std::size_t beeps = hb::win::Beeps().size();
    const std::uint8_t before = view->Settings().get(Parm::kMode);
    ClickOn(mode);
    EXPECT_EQ(hb::win::Beeps().size(), beeps + 1);
    EXPECT_EQ(view->Settings().get(Parm::kMode), before);

    view->SendMessage(WM_COMMAND, CSweepView::kCommandPause);
    const int usb = [&] {
        for (int i = 0; i < mode->GetItemCount(); ++i) {
            if (mode->GetItemText(i) == "USB") {
                return i;
            }
        }
        return -1;
    }();
    ASSERT_GT(usb, 0);
    mode->SetItemIndex(usb - 1);
    EngineSim::ClearJournal();
    ClickOn(mode);
    EXPECT_EQ(view->Settings().get(Parm::kMode), 3);
    ASSERT_EQ(Writes().size(), 1u);
    EXPECT_EQ(Writes()[0].get(Parm::kMode), 3);

    // A filter while paused goes to the radio; the mode stays.
    auto* filter = Item<CiModeComboBoxX>(view, IDC_ANALYZER_FILTER);
    ASSERT_NE(filter, nullptr);
    const auto& table = view->GetRig()->m_radio->sweepValues().bandwidths;
    filter->SetItemIndex(0);
    EngineSim::ClearJournal();
    ClickOn(filter);
    EXPECT_EQ(view->Settings().get(Parm::kFilter), table[1].filter);
    EXPECT_EQ(view->Settings().get(Parm::kBandwidth), table[1].bandwidth);
    EXPECT_EQ(view->Settings().get(Parm::kMode), 3);
    EXPECT_EQ(Writes().size(), 1u);
    EXPECT_EQ(Calls("scan_spectrum"), 0u);

    // Running, a filter brings its own mode and the sweep starts again; so does a list.
    view->SendMessage(WM_COMMAND, ID_ANALYZER_START);
    EngineSim::ClearJournal();
    ClickOn(filter);
    EXPECT_EQ(view->Settings().get(Parm::kBandwidth), table[2].bandwidth);
    EXPECT_EQ(view->Settings().get(Parm::kMode), table[2].mode);
    EXPECT_EQ(Calls("scan_spectrum"), 1u);
    auto* attenuator = Item<CiModeComboBoxX>(view, IDC_ANALYZER_LIST_A);
    ASSERT_NE(attenuator, nullptr);
    attenuator->SetItemIndex(0);
    view->GetSweepDoc()->SetModifiedFlag(FALSE);
    ClickOn(attenuator);
    EXPECT_EQ(view->Settings().get(Parm::kSwitch96), 1);
    EXPECT_EQ(Calls("scan_spectrum"), 2u);
    EXPECT_TRUE(view->GetSweepDoc()->IsModified());
    EXPECT_FALSE(view->IsPaused());
}

TEST_F(AnalyzerViewTest, TheFourWaySwitchPansAndZooms) {
    CRFAnalyzerView* view = ReceiversAnalyzer();
    ASSERT_NE(view, nullptr);
    Range(view, 144'000'000, 146'000'000);
    auto* quad = Item<CiSwitchQuadX>(view, IDC_ANALYZER_PAN_ZOOM);
    ASSERT_NE(quad, nullptr);
    CRect client;
    quad->GetClientRect(&client);
    const HWND hwnd = quad->GetSafeHwnd();
    const long cx = client.Width() / 2;
    const long cy = client.Height() / 2;
    const auto range = [view] {
        return std::pair{view->Settings().get(Parm::kStart), view->Settings().get(Parm::kEnd)};
    };
    // Down: zoom out; up: zoom in; left and right: half the span.
    hb::instruments::UserClick(hwnd, 1, 0, cx, client.Height() - 2);
    EXPECT_EQ(range(), std::pair(142'000'000u, 148'000'000u));
    hb::instruments::UserClick(hwnd, 1, 0, cx, 2);
    EXPECT_EQ(range(), std::pair(143'500'000u, 146'500'000u));
    hb::instruments::UserClick(hwnd, 1, 0, 2, cy);
    EXPECT_EQ(range(), std::pair(142'000'000u, 145'000'000u));
    EngineSim::ClearJournal();
    hb::instruments::UserClick(hwnd, 1, 0, client.Width() - 2, cy);
    EXPECT_EQ(range(), std::pair(143'500'000u, 146'500'000u));
    EXPECT_EQ(Calls("scan_spectrum"), 1u);
    EXPECT_TRUE(view->GetSweepDoc()->IsModified());
}

TEST_F(AnalyzerViewTest, AClickWithBandSnapPutsTheRangeOnTheBandAndSelectsItsMode) {
    CRFAnalyzerView* view = ReceiversAnalyzer();
    ASSERT_NE(view, nullptr);
    Range(view, 146'000'000, 147'000'000);
    auto* snap = Item<CiSwitchLedX>(view, IDC_ANALYZER_BAND_SNAP);
    auto* mode = Item<CiModeComboBoxX>(view, IDC_ANALYZER_MODE);
    ASSERT_TRUE(snap && mode);
    ASSERT_TRUE(hb::instruments::UserSetActive(snap->GetSafeHwnd(), true));
    EXPECT_EQ(Key(view, "BandSnap"), 1);
    mode->SetItemIndex(-1);
    const HWND plot = view->Plot().GetSafeHwnd();
    ASSERT_TRUE(hb::instruments::PlotClick(plot, view->Plot().DataView().PercentToPixelX(50),
                                           view->Plot().DataView().PercentToPixelY(50)));
    Parm where;
    where.set(Parm::kFrequency, view->Settings().get(Parm::kFrequency));
    band found;
    ASSERT_EQ(CBandSelect::LocateBand(&where, &found), 1);
    Parm snapped = where;
    CBandSelect::SnapBand(&snapped, found);
    EXPECT_EQ(view->Settings().get(Parm::kStart), snapped.get(Parm::kStart));
    EXPECT_EQ(view->Settings().get(Parm::kEnd), snapped.get(Parm::kEnd));
    const std::uint8_t code = found.get(hb::records::Band::kFirstMode);
    EXPECT_EQ(view->Settings().get(Parm::kMode), code);
    ASSERT_GE(mode->GetItemIndex(), 0);
    EXPECT_EQ(mode->GetItemText(mode->GetItemIndex()),
              std::string(hb::spectrum::ModeName(hb::spectrum::kFirstModeNames, code)).c_str());
}

TEST_F(AnalyzerViewTest, AModeCodePastTheTableNamesNoItemAndTheSelectorStays) {
    CRFAnalyzerView* view = ReceiversAnalyzer();
    ASSERT_NE(view, nullptr);
    auto* mode = Item<CiModeComboBoxX>(view, IDC_ANALYZER_MODE);
    ASSERT_NE(mode, nullptr);
    const int chosen = mode->GetItemIndex();
    view->SendMessage(WM_COMMAND, CSweepView::kCommandPause);
    view->Settings().set(Parm::kMode, 0x13);
    view->UpdateControlsFromSettings();
    EXPECT_EQ(mode->GetItemIndex(), chosen);
}

TEST_F(AnalyzerViewTest, ThePlotGrowsToTheViewsRightAndBottomEdges) {
    CRFAnalyzerView* view = ReceiversAnalyzer();
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
