// The band scope on the simulated receiver: its sweep and traces, hold and tune, marks, range
// controls, knobs and selectors, and the settings it keeps.
#include "audio/AudioRack.h"
#include "platform/afx/EventSinkMap.h"
#include "platform/afx/ModalScript.h"
#include "platform/engine/SweepSim.h"
#include "platform/instruments/Dispids.h"
#include "platform/instruments/Gestures.h"
#include "platform/instruments/Instrument.h"
#include "platform/records/PrivateMessages.h"
#include "platform/tessary/app/ScanApp.h"
#include "platform/tessary/app/SweepDoc.h"
#include "platform/tessary/audio/AudioCalls.h"
#include "platform/tessary/model/Radio.h"
#include "platform/win/core/Hooks.h"
#include "resources/BandScopeIds.h"
#include "spectrum/RFBandScopeView.h"
#include "tests/app/spectrum/SweepFixture.h"

#include <algorithm>

namespace hb::app::test {
namespace {

using hb::engine::SweepReport;
using hb::engine::SweepSim;
using hb::records::Parm;

// The band scope with readings taken at their raw value as levels, so that a test chooses them.
class CRawLevelScope : public CRFBandScopeView {
    DECLARE_DYNCREATE(CRawLevelScope)

public:
    std::int16_t ConvertLevel(std::uint32_t raw, std::uint16_t kind) override {
        return kind == 0 ? static_cast<std::int16_t>(Traces()->Floor())
                         : static_cast<std::int16_t>(static_cast<std::int32_t>(raw));
    }
    std::int16_t Reading(std::uint32_t index, int level, bool active = false) {
        SpanPoint point;
        point.set(SpanPoint::kFrequency,
                  Settings().get(Parm::kStart) + index * Settings().get(Parm::kStep));
        point.set(SpanPoint::kRawLevel, static_cast<std::uint32_t>(level));
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
    view->GetSweepDoc()->SetModifiedFlag(FALSE);
}

} // namespace
} // namespace hb::app::test
