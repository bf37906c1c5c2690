#include "audio/AudioRack.h"
#include "platform/afx/CDocTemplate.h"
#include "platform/afx/ModalScript.h"
#include "platform/engine/Device.h"
#include "platform/engine/EngineSim.h"
#include "platform/engine/SweepSim.h"
#include "platform/records/PrivateMessages.h"
#include "platform/records/SpanBlockHeader.h"
#include "platform/tessary/app/AppHooks.h"
#include "platform/tessary/app/BandSelect.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/app/SweepDoc.h"
#include "platform/tessary/model/File.h"
#include "platform/tessary/model/Group.h"
#include "platform/tessary/model/Radio.h"
#include "platform/tessary/model/SweepSettings.h"
#include "platform/testkit/TestWindow.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/MessageBox.h"
#include "spectrum/RFAnalyzerFrame.h"
#include "spectrum/RFAnalyzerView.h"
#include "spectrum/ScopeDoc.h"
#include "spectrum/SpanDoc.h"
#include "tests/app/spectrum/SweepFixture.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <memory>

namespace hb::app::test {
namespace {

using hb::engine::SweepReport;
using hb::engine::SweepSim;
using hb::records::Parm;
using hb::records::SpanBlockHeader;

// The analyzer's view, keeping every step it is given.
class CStepRecorderView : public CRFAnalyzerView {
    DECLARE_DYNCREATE(CStepRecorderView)

public:
    struct Step {
        std::uint32_t index;
        std::uint32_t frequency;
        std::uint32_t raw;
        std::uint64_t time;
    };
    std::vector<Step> steps;
    std::vector<double> peaks; // frequency in MHz, then level
    int reentered = 0;
    // As before the end of its set-up.
    void Unready() { m_ready = 0; }

protected:
    void FoldLevel(std::uint32_t index, std::int16_t, const SpanPoint& point) override {
        steps.push_back({index, point.get(SpanPoint::kFrequency), point.get(SpanPoint::kRawLevel),
                         point.get(SpanPoint::kTime)});
        // A plot that pumps messages while it draws: a block posted meanwhile is not taken in.
        if (m_blockBusy != 0 && steps.size() == 1) {
            SendMessage(WM_SPAN_BLOCK, 0, 0);
            ++reentered;
        }
    }
    // The settings stay as the seeding left them, the step count as the base counts it.
    void PrepareSweep() override { m_stepCount = CSweepView::CountSteps(); }
    void ShowPeak(double megahertz, double level) override {
        peaks.push_back(megahertz);
        peaks.push_back(level);
        CRFAnalyzerView::ShowPeak(megahertz, level);
    }
};
IMPLEMENT_DYNCREATE(CStepRecorderView, CRFAnalyzerView)

// A radio that sweeps nothing: every block it hands over holds no step.
class CEmptyBlockDevice : public hb::engine::Device {
public:
    void Tune(const Parm&) override {}
    std::uint8_t Signal(std::int64_t) const override { return 0; }
    unsigned ChannelsPerSecond() const override { return 1; }
    hb::engine::Reply Handle(const hb::engine::Request& request) override {
        if (request.kind == hb::engine::RequestKind::SpanBlock) {
            SpanBlockHeader header;
            std::memcpy(header.data(), request.data, SpanBlockHeader::kSize);
            header.set(SpanBlockHeader::kCount, 0);
            std::memcpy(request.data, header.data(), SpanBlockHeader::kSize);
        }
        return {};
    }
    void TrunkCommand(const EngineCommandRecord&) override {}
    void FillStatus(hb::records::DeviceStatus&, std::int64_t) const override {}
    std::uint32_t SweepBlockSize() const override { return SpanBlockHeader::kSize + 4; }
};

class SweepWindowTest : public SweepFixture {
protected:
    void TearDown() override {
        m_recorder.reset();
        SweepFixture::TearDown();
    }
    // The receiver's window, then its analyzer as a view that records its steps.
    CStepRecorderView* RecordingAnalyzer() {
        CRadioFrame* radio = OpenReceiver();
        if (radio == nullptr) {
            return nullptr;
        }
        CDocTemplate* analyzer = Template(CRFAnalyzerView::kTemplateId);
        m_recorder.reset(new ViewClass{analyzer, analyzer->m_pViewClass});
        analyzer->m_pViewClass = RUNTIME_CLASS(CStepRecorderView);
        return dynamic_cast<CStepRecorderView*>(OpenAnalyzer(radio));
    }
    // The analyzer the template opens on the file, for the rig chosen before.
    CRFAnalyzerView* OpenFile(const std::string& path) {
        AfxGetApp()->OpenDocumentFile(path.c_str());
        PumpUntilIdle();
        auto* frame = dynamic_cast<CRFAnalyzerFrame*>(Main().GetActiveFrame());
        return frame != nullptr ? dynamic_cast<CRFAnalyzerView*>(frame->GetActiveView()) : nullptr;
    }
    static void SaveSettings(const std::string& path, std::uint32_t start, std::uint32_t end,
                             std::uint32_t step, std::uint8_t radioType = 42) {
        CSweepDoc doc;
        doc.SetRadioType(radioType);
        doc.GetParm().set(Parm::kStart, start);
        doc.GetParm().set(Parm::kEnd, end);
        doc.GetParm().set(Parm::kStep, step);
        ASSERT_TRUE(doc.OnSaveDocument(path.c_str()));
    }
    static void ExpectFirstBand(CRFAnalyzerView* view) {
        const std::uint32_t first = view->GetRig()->m_radio->sweepValues().firstBand;
        EXPECT_EQ(view->Settings().get(Parm::kStart), first);
        EXPECT_EQ(view->Settings().get(Parm::kEnd), first + 100'000);
        EXPECT_EQ(view->Settings().get(Parm::kStep), 10'000u);
        EXPECT_TRUE(view->GetSweepDoc()->IsModified());
    }

    std::unique_ptr<ViewClass> m_recorder;
};

TEST_F(SweepWindowTest, ARadioThatCannotSweepIsRefusedAndItsWindowStartsAgain) {
    Radios(kTwoRadios, {{"Receiver", 42}, {"Tracker", 17}});
    ChooseRow(1);
    CRadioFrame* tracker = Opened();
    ASSERT_NE(tracker, nullptr);
    hb::win::ExpectBox({"This radio does not support this feature. Please select a different "
                        "type of radio.",
                        IDOK, "Unsupported Radio Function"});
    tracker->SendMessage(WM_COMMAND, 27022);
    EXPECT_TRUE(hb::win::UnmetBoxExpectations().empty());
    ASSERT_FALSE(hb::win::Beeps().empty());
    EXPECT_EQ(hb::win::Beeps().back(), MB_ICONASTERISK);
    EXPECT_EQ(dynamic_cast<CRFAnalyzerFrame*>(Main().GetActiveFrame()), nullptr);
    tracker->SendMessage(WM_COMMAND, CRig::kCommandStop);
    AdvanceAndPump(1000);
    EngineSim::ClearJournal();
    tracker->SendMessage(WM_COMMAND, CRig::kCommandStart);
    const auto codes = EngineCodes();
    ASSERT_GE(codes.size(), 2u);
    EXPECT_EQ(std::vector<std::uint8_t>(codes.begin(), codes.begin() + 2),
              (std::vector<std::uint8_t>{19, 9}));
}

TEST_F(SweepWindowTest, TheVfoSeedsTheRangeAndStartRunsTheSweepThroughTheRig) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    CRig* rig = radio->m_rig;
    const auto recorder = UseViewClass(RUNTIME_CLASS(CStepRecorderView));
    CRFAnalyzerView* view = OpenAnalyzer(radio);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->IsReady());
    // The analyzer sweeps as soon as it opens.
    EXPECT_FALSE(view->IsPaused());
    view->SendMessage(WM_COMMAND, CSweepView::kCommandPause);
    EXPECT_TRUE(view->IsSeeded());
    EXPECT_EQ(view->GetSweepDoc()->m_seeded, CSweepDoc::kSeeded);
    const Parm& settings = view->Settings();
    EXPECT_EQ(settings.get(Parm::kStart), 149'900'000u);
    EXPECT_EQ(settings.get(Parm::kEnd), 150'100'000u);
    EXPECT_EQ(settings.get(Parm::kStep), 20'000u);
    EXPECT_EQ(view->StepCount(), 10u);
    EXPECT_EQ(view->GetSweepDoc()->GetObject().radioType(), 42);

    // Start: the squelch opens fully, the engine sweeps at volume 0, the receiver is muted and
    // the sweep's messages come to the view.
    Parm& mutableSettings = view->Settings();
    mutableSettings.set(Parm::kVolume, 77);
    mutableSettings.set(Parm::Sweep::kResumeFrequency, 10);
    EngineSim::ClearJournal();
    view->SendMessage(WM_COMMAND, CSweepView::kCommandStart);
    EXPECT_FALSE(view->IsPaused());
    const auto sweeps = EngineSim::Calls("scan_spectrum");
    ASSERT_EQ(sweeps.size(), 1u);
    ASSERT_TRUE(sweeps[0].record.has_value());
    EXPECT_EQ(sweeps[0].record->get(Parm::kVolume), 0);
    EXPECT_EQ(sweeps[0].record->get(Parm::kFrequency), 149'900'000u);
    EXPECT_EQ(sweeps[0].record->get(Parm::Sweep::kSetup108), 0xFF);
    const Radio& model = *rig->m_radio;
    EXPECT_EQ(sweeps[0].record->get(Parm::kSquelch),
              model.SquelchToDevice(model.controls().squelch.min));
    EXPECT_EQ(settings.get(Parm::kVolume), 77);
    const auto volumes = EngineSim::Calls("scan_device_set_volume");
    ASSERT_FALSE(volumes.empty());
    EXPECT_EQ(volumes.back().value, 0u);
    EXPECT_EQ(EngineSim::Calls("scan_device_hwnd").back().window, view->GetSafeHwnd());
    // The sweep, the mute, then the sweep's messages to the view, in that order.
    std::vector<std::string_view> order;
    for (const auto& call : EngineSim::Journal()) {
        if (call.function == "scan_spectrum" || call.function == "scan_device_set_volume" ||
            call.function == "scan_device_hwnd") {
            order.push_back(call.function);
        }
    }
    EXPECT_EQ(order, (std::vector<std::string_view>{"scan_spectrum", "scan_device_set_volume",
                                                    "scan_device_hwnd"}));
    // Started twice: nothing more.
    view->SendMessage(WM_COMMAND, CSweepView::kCommandStart);
    EXPECT_EQ(Calls("scan_spectrum"), 1u);
    EXPECT_EQ(view->SendMessage(WM_QUERY_RUN_COMMAND, 27037, 27038), 27038);

    // Pause breaks and stops the sweep, gives the volume back and reads the status.
    EngineSim::ClearJournal();
    view->SendMessage(WM_COMMAND, CSweepView::kCommandPause);
    EXPECT_TRUE(view->IsPaused());
    EXPECT_EQ(Calls("scan_device_break"), 1u);
    EXPECT_EQ(Calls("scan_device_stop"), 1u);
    EXPECT_EQ(EngineSim::Calls("scan_device_set_volume").back().value, 77u);
    EXPECT_EQ(Calls("scan_device_status"), 1u);
    EXPECT_EQ(view->SendMessage(WM_QUERY_RUN_COMMAND, 27037, 27038), 27037);
}

TEST_F(SweepWindowTest, TheBandOpenerSeedsTheVfosBandAndAnEmptyRangeTakesTheFirstBand) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    const auto recorder = UseViewClass(RUNTIME_CLASS(CStepRecorderView));
    CRFAnalyzerView* view = OpenAnalyzer(radio, 27023, 146'520'000);
    ASSERT_NE(view, nullptr);
    Parm expected;
    expected.set(Parm::kFrequency, 146'520'000);
    band found;
    ASSERT_EQ(CBandSelect::LocateBand(&expected, &found), 1);
    CBandSelect::SnapBand(&expected, found);
    EXPECT_TRUE(view->IsSeeded());
    EXPECT_EQ(view->Settings().get(Parm::kStart), expected.get(Parm::kStart));
    EXPECT_EQ(view->Settings().get(Parm::kEnd), expected.get(Parm::kEnd));
}

TEST_F(SweepWindowTest, WithNoCurrentRigTheViewFindsItsRigByTheDocumentsName) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    const std::string path = Doc("Receiver.swa");
    SaveSettings(path, 144'000'000, 146'000'000, 12'500);
    const auto recorder = UseViewClass(RUNTIME_CLASS(CStepRecorderView));
    CRig::s_selection[0] = nullptr;
    radio->m_rig->m_opener = 0;
    AfxGetApp()->OpenDocumentFile(path.c_str());
    PumpUntilIdle();
    auto* frame = dynamic_cast<CRFAnalyzerFrame*>(Main().GetActiveFrame());
    ASSERT_NE(frame, nullptr);
    auto* view = dynamic_cast<CRFAnalyzerView*>(frame->GetActiveView());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetRig(), radio->m_rig);
    EXPECT_FALSE(view->IsSeeded());
    EXPECT_EQ(view->Settings().get(Parm::kStart), 144'000'000u);
    EXPECT_EQ(view->Settings().get(Parm::kStep), 12'500u);
    view->GetSweepDoc()->SetModifiedFlag(FALSE);
    frame->SendMessage(WM_CLOSE);
    PumpUntilIdle();

    // A document without a range starts on the radio's first band.
    {
        CSweepDoc doc;
        doc.SetRadioType(42);
        ASSERT_TRUE(doc.OnSaveDocument(path.c_str()));
    }
    CRig::s_selection[0] = nullptr;
    AfxGetApp()->OpenDocumentFile(path.c_str());
    PumpUntilIdle();
    frame = dynamic_cast<CRFAnalyzerFrame*>(Main().GetActiveFrame());
    ASSERT_NE(frame, nullptr);
    view = dynamic_cast<CRFAnalyzerView*>(frame->GetActiveView());
    ASSERT_NE(view, nullptr);
    const std::uint32_t first = view->GetRig()->m_radio->sweepValues().firstBand;
    EXPECT_EQ(view->Settings().get(Parm::kStart), first);
    EXPECT_EQ(view->Settings().get(Parm::kEnd), first + 100'000);
    EXPECT_EQ(view->Settings().get(Parm::kStep), 10'000u);
    EXPECT_TRUE(view->GetSweepDoc()->IsModified());
    view->GetSweepDoc()->SetModifiedFlag(FALSE);
}

TEST_F(SweepWindowTest, AFailedOpenIsReportedAndTheViewStaysPaused) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    const auto recorder = UseViewClass(RUNTIME_CLASS(CStepRecorderView));
    CRFAnalyzerView* view = OpenAnalyzer(radio);
    ASSERT_NE(view, nullptr);
    view->SendMessage(WM_COMMAND, CSweepView::kCommandPause);
    CRig* rig = view->GetRig();
    rig->CloseDevice();
    ASSERT_FALSE(rig->IsOpen());
    EngineSim::FailNextOpen(0x8005);
    EngineSim::ClearJournal();
    hb::win::ExpectBox({"", IDOK, "Device Open"});
    view->SendMessage(WM_COMMAND, CSweepView::kCommandStart);
    EXPECT_TRUE(hb::win::UnmetBoxExpectations().empty());
    EXPECT_TRUE(view->IsPaused());
    EXPECT_EQ(Calls("scan_spectrum"), 0u);
    ASSERT_FALSE(hb::tessary::ErrorMessages().empty());
    const auto& report = hb::tessary::ErrorMessages().back();
    EXPECT_EQ(report.who, "Radio");
    EXPECT_EQ(report.title, "Device Open");
    EXPECT_EQ(report.source, "RFAnalyzer");
    EXPECT_GT(report.ref, 0);
    EXPECT_EQ(report.status, 0x8005);
    EXPECT_EQ(report.type, 0x10u);
    EXPECT_EQ(report.reserved, 0);
    // The frame holds no claim on the rig any more.
    CWnd* frame = view->GetParentFrame();
    EXPECT_EQ(std::count(rig->m_slots.window.begin(), rig->m_slots.window.end(), frame), 0);
}

TEST_F(SweepWindowTest, StartDoesNothingWhileAnotherWindowHoldsTheAnalyzersClaim) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    const auto recorder = UseViewClass(RUNTIME_CLASS(CStepRecorderView));
    CRFAnalyzerView* view = OpenAnalyzer(radio);
    ASSERT_NE(view, nullptr);
    view->SendMessage(WM_COMMAND, CSweepView::kCommandPause);
    CRig* rig = view->GetRig();
    rig->DetachView(view->GetParentFrame());
    hb::testkit::TestWindow window;
    CWnd other;
    other.Attach(window.Create());
    ASSERT_EQ(rig->AttachView(CRFAnalyzerView::kTemplateId, &other), 0);
    EngineSim::ClearJournal();
    view->SendMessage(WM_COMMAND, CSweepView::kCommandStart);
    EXPECT_TRUE(view->IsPaused());
    EXPECT_TRUE(EngineSim::Journal().empty());
    // Pause on a rig that is not open for this window only beeps.
    const std::size_t beeps = hb::win::Beeps().size();
    view->SendMessage(WM_COMMAND, CSweepView::kCommandPause);
    ASSERT_EQ(hb::win::Beeps().size(), beeps + 1);
    EXPECT_EQ(hb::win::Beeps().back(), MB_ICONASTERISK);
    EXPECT_TRUE(EngineSim::Journal().empty());
    rig->DetachView(&other);
    other.Detach();
}

TEST_F(SweepWindowTest, EachReportKindReachesTheViewStepByStep) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    CDocTemplate* analyzer = Template(IDR_SPECTRUM_ANALYZER);
    ASSERT_NE(analyzer, nullptr);
    // The analyzer's template makes the recording view instead.
    struct ViewClass {
        CDocTemplate* t;
        CRuntimeClass* kept;
        ~ViewClass() { t->m_pViewClass = kept; }
    } restore{analyzer, analyzer->m_pViewClass};
    analyzer->m_pViewClass = RUNTIME_CLASS(CStepRecorderView);
    auto* view = dynamic_cast<CStepRecorderView*>(OpenAnalyzer(radio));
    ASSERT_NE(view, nullptr);
    view->SendMessage(WM_COMMAND, CSweepView::kCommandStart);
    const std::uint16_t device = view->GetRig()->m_device;
    SweepSim::SetLevelFunction(device, [](std::uint32_t f, std::int64_t) {
        return static_cast<std::uint8_t>((f - 149'900'000) / 20'000 + 1);
    });
    const std::uint32_t count = view->StepCount();

    for (const SweepReport report :
         {SweepReport::Readings, SweepReport::ByteSweeps, SweepReport::Blocks}) {
        SweepSim::SetReport(device, report);
        view->steps.clear();
        SweepSim::RunSteps(device, count);
        PumpUntilIdle();
        ASSERT_EQ(view->steps.size(), count) << static_cast<int>(report);
        for (std::uint32_t i = 0; i < count; ++i) {
            EXPECT_EQ(view->steps[i].index, i);
            EXPECT_EQ(view->steps[i].frequency, 149'900'000u + i * 20'000);
            EXPECT_EQ(view->steps[i].raw, i + 1);
        }
    }
    // Block steps are stamped evenly over the sweep's duration.
    const std::uint64_t perStep = view->steps[1].time - view->steps[0].time;
    EXPECT_GT(perStep, 0u);
    EXPECT_EQ(view->steps[9].time - view->steps[0].time, 9 * perStep);
    EXPECT_EQ(view->reentered, 1);
    // The block's peak: the last step, at the radio's floor plus its byte.
    ASSERT_GE(view->peaks.size(), 2u);
    EXPECT_DOUBLE_EQ(view->peaks[view->peaks.size() - 2], 150.08);
    EXPECT_EQ(view->peaks.back(), view->GetRig()->m_radio->meterFloor() + 10);
}

TEST_F(SweepWindowTest, BytesAndBlocksAreReadWithinTheirBounds) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    CDocTemplate* analyzer = Template(IDR_SPECTRUM_ANALYZER);
    struct ViewClass {
        CDocTemplate* t;
        CRuntimeClass* kept;
        ~ViewClass() { t->m_pViewClass = kept; }
    } restore{analyzer, analyzer->m_pViewClass};
    analyzer->m_pViewClass = RUNTIME_CLASS(CStepRecorderView);
    auto* view = dynamic_cast<CStepRecorderView*>(OpenAnalyzer(radio));
    ASSERT_NE(view, nullptr);
    view->SendMessage(WM_COMMAND, CSweepView::kCommandStart);
    view->steps.clear();

    // Fewer bytes than steps: only those are read.
    std::vector<std::uint8_t> three = {5, 9, 7};
    view->SendMessage(WM_SPAN_SWEEP, three.size(), reinterpret_cast<LPARAM>(three.data()));
    ASSERT_EQ(view->steps.size(), 3u);
    EXPECT_EQ(view->steps[1].raw, 9u);

    // A block of 5, 9, 9, 7 peaks at 9 on its second step; one of 0 steps shows nothing.
    const std::uint16_t device = view->GetRig()->m_device;
    Parm& settings = view->Settings();
    view->SendMessage(WM_COMMAND, CSweepView::kCommandPause);
    settings.set(Parm::kEnd, 149'980'000); // four steps
    view->SendMessage(WM_COMMAND, CSweepView::kCommandStart);
    const std::uint8_t levels[] = {5, 9, 9, 7};
    SweepSim::SetLevelFunction(
        device, [&](std::uint32_t f, std::int64_t) { return levels[(f - 149'900'000) / 20'000]; });
    SweepSim::SetReport(device, SweepReport::Blocks);
    view->peaks.clear();
    SweepSim::RunSteps(device, 4);
    PumpUntilIdle();
    ASSERT_EQ(view->peaks.size(), 2u);
    EXPECT_DOUBLE_EQ(view->peaks[0], 149.92);
    EXPECT_EQ(view->peaks[1], view->GetRig()->m_radio->meterFloor() + 9);
    EXPECT_GE(view->BlockBuffer().size(), 64u);
}

TEST_F(SweepWindowTest, ANameThatNoRadioHasAsksForTheRadioAndTheFileIsRemembered) {
    Radios(kTwoRadios, {{"Receiver", 42}, {"Tracker", 17}});
    ChooseRow(0);
    CRadioFrame* radio = Opened();
    ASSERT_NE(radio, nullptr);
    const std::string path = Doc("Elsewhere.swa");
    SaveSettings(path, 144'000'000, 146'000'000, 12'500);
    const auto recorder = UseViewClass(RUNTIME_CLASS(CStepRecorderView));
    CRig::s_selection[0] = nullptr;
    radio->m_rig->m_opener = 0;
    ChooseRow(0);
    CRFAnalyzerView* view = OpenFile(path);
    ASSERT_NE(view, nullptr);
    CString typeName;
    Template(CRFAnalyzerView::kTemplateId)->GetDocString(typeName, CDocTemplate::regFileTypeName);
    ASSERT_FALSE(hb::afx::ModalLog().empty());
    EXPECT_EQ(hb::afx::ModalLog().back().caption, "Select Radio - " + typeName.str());
    EXPECT_EQ(view->GetRig(), radio->m_rig);
    // Not seeded: the file is the radio's analyzer file, and a document of the radio's type
    // stays as it was read.
    EXPECT_EQ(CScanApp::GetScanApp()
                  ->GetProfileStringA(radio->m_rig->m_section, "SpectrumAnalyzerFile", "")
                  .str(),
              path);
    EXPECT_EQ(view->Settings().get(Parm::kStart), 144'000'000u);
    EXPECT_FALSE(view->GetSweepDoc()->IsModified());
}

TEST_F(SweepWindowTest, ADocumentOfAnotherRadiosTypeKeepsItsType) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    const std::string path = Doc("Receiver.swa");
    SaveSettings(path, 7'000'000, 7'200'000, 1'000, 115);
    const auto recorder = UseViewClass(RUNTIME_CLASS(CStepRecorderView));
    CRig::s_selection[0] = radio->m_rig;
    radio->m_rig->m_opener = 0;
    CRFAnalyzerView* view = OpenFile(path);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->GetSweepDoc()->GetObject().radioType(), 115);
    EXPECT_FALSE(view->GetSweepDoc()->IsModified());
}

TEST_F(SweepWindowTest, ARangeThatIsBackwardsOrHasNoStepStartsOnTheFirstBand) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    const auto recorder = UseViewClass(RUNTIME_CLASS(CStepRecorderView));
    const std::string path = Doc("Receiver.swa");
    const std::array<std::array<std::uint32_t, 3>, 3> ranges = {{
        {146'000'000, 145'000'000, 12'500},
        {146'000'000, 146'000'000, 12'500},
        {144'000'000, 146'000'000, 0},
    }};
    for (const auto& [start, end, step] : ranges) {
        SaveSettings(path, start, end, step);
        CRig::s_selection[0] = radio->m_rig;
        radio->m_rig->m_opener = 0;
        CRFAnalyzerView* view = OpenFile(path);
        ASSERT_NE(view, nullptr);
        ExpectFirstBand(view);
        view->GetSweepDoc()->SetModifiedFlag(FALSE);
        FrameOf(view)->SendMessage(WM_CLOSE);
        PumpUntilIdle();
    }
}

TEST_F(SweepWindowTest, AFailedStatusReadSeedsTheFirstBand) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    const auto recorder = UseViewClass(RUNTIME_CLASS(CStepRecorderView));
    EngineSim::FailNext("scan_device_status", 0x8005);
    CRFAnalyzerView* view = OpenAnalyzer(radio);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->IsSeeded());
    ExpectFirstBand(view);
}

TEST_F(SweepWindowTest, StartAndPauseDoNothingBeforeTheViewIsReady) {
    CStepRecorderView* view = RecordingAnalyzer();
    ASSERT_NE(view, nullptr);
    view->SendMessage(WM_COMMAND, CSweepView::kCommandPause);
    view->Unready();
    // Not even the beep of a pause without the rig.
    view->GetRig()->DetachView(view->GetParentFrame());
    PumpUntilIdle();
    EngineSim::ClearJournal();
    const std::size_t beeps = hb::win::Beeps().size();
    view->SendMessage(WM_COMMAND, CSweepView::kCommandStart);
    EXPECT_TRUE(view->IsPaused());
    view->SendMessage(WM_COMMAND, CSweepView::kCommandPause);
    EXPECT_TRUE(EngineSim::Journal().empty());
    EXPECT_EQ(hb::win::Beeps().size(), beeps);
}

TEST_F(SweepWindowTest, WithoutAStepEveryReadingIsTheFirstAndReadingsPastTheTracesAreDropped) {
    CStepRecorderView* view = RecordingAnalyzer();
    ASSERT_NE(view, nullptr);
    ASSERT_FALSE(view->IsPaused());
    const std::uint32_t start = view->Settings().get(Parm::kStart);
    const auto reading = [view](std::uint32_t frequency) {
        SpanPoint point;
        point.set(SpanPoint::kFrequency, frequency);
        view->ProcessSweepPoint(point);
    };
    view->Settings().set(Parm::kStep, 0);
    reading(start);
    reading(start + 60'000);
    ASSERT_EQ(view->steps.size(), 2u);
    EXPECT_EQ(view->steps[1].index, 0u);

    view->Settings().set(Parm::kStep, 20'000);
    view->steps.clear();
    reading(start + 9 * 20'000);
    reading(start + 10 * 20'000);
    reading(start + 30 * 20'000);
    ASSERT_EQ(view->steps.size(), 1u);
    EXPECT_EQ(view->steps[0].index, 9u);
}

TEST_F(SweepWindowTest, ABlockOfNoStepsShowsNothingButKeepsItsBuffer) {
    CStepRecorderView* view = RecordingAnalyzer();
    ASSERT_NE(view, nullptr);
    view->SendMessage(WM_COMMAND, CSweepView::kCommandPause);
    CRig* rig = view->GetRig();
    rig->CloseDevice();
    EngineSim::UseDevice(rig->m_section.str(),
                         [] { return std::make_unique<CEmptyBlockDevice>(); });
    view->SendMessage(WM_COMMAND, CSweepView::kCommandStart);
    ASSERT_FALSE(view->IsPaused());
    view->steps.clear();
    view->peaks.clear();
    view->SendMessage(WM_SPAN_BLOCK, 0, 0);
    EXPECT_TRUE(view->steps.empty());
    EXPECT_TRUE(view->peaks.empty());
    ASSERT_EQ(view->BlockBuffer().size(), SpanBlockHeader::kSize + 4);
    SpanBlockHeader header;
    std::memcpy(header.data(), view->BlockBuffer().data(), SpanBlockHeader::kSize);
    EXPECT_EQ(header.get(SpanBlockHeader::kBufferSize), SpanBlockHeader::kSize + 4);
}

TEST_F(SweepWindowTest, TheFrameResumesOnlyADisplayThatWasRunning) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    CRFAnalyzerView* view = OpenAnalyzer(radio);
    ASSERT_NE(view, nullptr);
    CRFAnalyzerFrame* frame = FrameOf(view);
    view->SendMessage(WM_COMMAND, CSweepView::kCommandStart);
    frame->SendMessage(WM_COMMAND, CSweepView::kCommandPause);
    EXPECT_TRUE(view->IsPaused());
    frame->SendMessage(WM_COMMAND, CSweepView::kCommandStart);
    EXPECT_FALSE(view->IsPaused());

    // Two stops: the second finds it paused, so the start leaves it so.
    frame->SendMessage(WM_COMMAND, CSweepView::kCommandPause);
    frame->SendMessage(WM_COMMAND, CSweepView::kCommandPause);
    frame->SendMessage(WM_COMMAND, CSweepView::kCommandStart);
    EXPECT_TRUE(view->IsPaused());
}

TEST_F(SweepWindowTest, TheRecorderDocksWithTheRigsLoggerAndLeavesWithTheWindow) {
    CRadioFrame* radio = OpenReceiver();
    ASSERT_NE(radio, nullptr);
    CRig* rig = radio->m_rig;
    CRFAnalyzerView* view = OpenAnalyzer(radio);
    ASSERT_NE(view, nullptr);
    CRFAnalyzerFrame* frame = FrameOf(view);
    // A rig whose logger is the radio window's keeps it: here it has none.
    CRig::DetachAudioLog(rig->m_audio_log);
    ASSERT_EQ(rig->m_audio_log, nullptr);
    frame->CreateAudioRack();
    ASSERT_NE(frame->m_rack, nullptr);
    EXPECT_EQ(frame->m_rack->m_pDockSite, frame);
    EXPECT_EQ(frame->m_rack->m_rig, rig);
    EXPECT_EQ(rig->m_audio_log, static_cast<CAudioLog*>(frame->m_rack));
    // The new document took the radio's type.
    hb::win::ExpectBox({"Save changes", IDNO, ""});
    frame->SendMessage(WM_CLOSE);
    PumpUntilIdle();
    EXPECT_EQ(rig->m_audio_log, nullptr);
    EXPECT_EQ(std::count(rig->m_slots.window.begin(), rig->m_slots.window.end(), frame), 0);
}

TEST_F(SweepWindowTest, SettingsSurviveAFileAndADamagedFileIsRefused) {
    Radios(kReceiverOnly, {{"Receiver", 42}});
    const std::string path = Doc("Receiver.swa");
    {
        CSweepDoc doc;
        doc.SetRadioType(42);
        doc.GetObject().setAlertSound(3);
        doc.GetParm().set(Parm::kStart, 144'000'000);
        doc.GetParm().set(Parm::kEnd, 146'000'000);
        doc.GetParm().set(Parm::kStep, 12'500);
        ASSERT_TRUE(doc.OnSaveDocument(path.c_str()));
    }
    CSweepDoc reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(path.c_str()));
    EXPECT_EQ(reopened.GetObject().radioType(), 42);
    EXPECT_EQ(reopened.GetObject().alertSound(), 3);
    EXPECT_EQ(reopened.GetParm().get(Parm::kStart), 144'000'000u);
    EXPECT_EQ(reopened.GetParm().get(Parm::kEnd), 146'000'000u);
    EXPECT_EQ(reopened.GetParm().get(Parm::kStep), 12'500u);
    ASSERT_NE(reopened.GetRadio(), nullptr);
    EXPECT_EQ(reopened.GetRadio()->RadioTypeCode(), 42);

    // Damaged on disk: refused with the normal open failure, the settings kept.
    std::FILE* file = std::fopen(path.c_str(), "r+b");
    ASSERT_NE(file, nullptr);
    std::fseek(file, 40, SEEK_SET);
    std::fputc(0x5A, file);
    std::fclose(file);
    hb::win::ExpectBox({"", IDOK, ""});
    EXPECT_FALSE(reopened.OnOpenDocument(path.c_str()));
    EXPECT_EQ(reopened.GetParm().get(Parm::kStart), 144'000'000u);

    // An intact file of another kind of object: the same refusal, saying what it should hold.
    Group group;
    ASSERT_TRUE(File(path, &group).save());
    hb::win::ExpectBox({"does not hold sweep settings", IDOK, ""});
    EXPECT_FALSE(reopened.OnOpenDocument(path.c_str()));
    EXPECT_TRUE(hb::win::UnmetBoxExpectations().empty());
    EXPECT_EQ(reopened.GetParm().get(Parm::kStart), 144'000'000u);
}

TEST_F(SweepWindowTest, TheUnusedSweepDocumentsAreMadeByName) {
    std::unique_ptr<CObject> scope(CRuntimeClass::CreateObject("CScopeDoc"));
    std::unique_ptr<CObject> span(CRuntimeClass::CreateObject("CSpanDoc"));
    EXPECT_NE(dynamic_cast<CScopeDoc*>(scope.get()), nullptr);
    EXPECT_NE(dynamic_cast<CSpanDoc*>(span.get()), nullptr);
    EXPECT_TRUE(scope->IsKindOf(RUNTIME_CLASS(CDocument)));
}

} // namespace
} // namespace hb::app::test
