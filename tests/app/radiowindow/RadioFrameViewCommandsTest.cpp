#include "app/rig/EngineView.h"
#include "platform/afx/CCmdUI.h"
#include "platform/afx/CDocTemplate.h"
#include "platform/afx/CDocument.h"
#include "platform/afx/ModalScript.h"
#include "platform/instruments/CiAngularGaugeX.h"
#include "platform/records/EngineCommands.h"
#include "platform/tessary/audio/AudioCalls.h"
#include "platform/tessary/audio/AudioLog.h"
#include "platform/tessary/model/Radio.h"
#include "platform/toolkit/CXTPCommandBars.h"
#include "platform/toolkit/ProfileBlob.h"
#include "platform/win/core/Hooks.h"
#include "platform/win/core/MessageBox.h"
#include "radioview/MiniStatusWnd.h"
#include "resources/ResourceIds.h"
#include "spectrum/RFAnalyzerFrame.h"
#include "tests/app/radiowindow/RadioWindowTest.h"

#include <cmath>

namespace hb::app::test {
namespace {

using hb::win::Beeps;
using Codes = std::vector<std::uint8_t>;
using Texts = std::vector<std::string>;

// Whether an update handler ran, and what it set.
class RecordingCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn) override {
        enabled = bOn;
        CCmdUI::Enable(bOn);
    }
    void SetCheck(int nCheck) override { checked = nCheck; }
    BOOL enabled = TRUE;
    int checked = -1;
};

class RadioFrameViewCommandsTest : public RadioWindowTest {
protected:
    CRadioFrame* OpenReceiver() {
        Radios(kReceiverOnly, {{"Receiver", 42}});
        return Opened();
    }
    CRadioFrame* OpenTracker() {
        Radios(kTwoRadios, {{"Receiver", 42}, {"Tracker", 17}});
        ChooseRow(1);
        return Opened();
    }
    CRadioFrame* Opened() {
        CRadioFrame* frame = OpenWindow();
        AdvanceAndPump(1000);
        EngineSim::ClearJournal();
        return frame;
    }
    static void Send(CRadioFrame* frame, UINT id) { frame->SendMessage(WM_COMMAND, id); }
    static RecordingCmdUI Update(CRadioFrame* frame, UINT id) {
        RecordingCmdUI ui;
        ui.m_nID = id;
        EXPECT_TRUE(ui.DoUpdate(frame, TRUE)) << id;
        return ui;
    }
    static CDocTemplate* AnalyzerTemplate() {
        POSITION position = AfxGetApp()->GetFirstDocTemplatePosition();
        while (position) {
            CDocTemplate* found = AfxGetApp()->GetNextDocTemplate(position);
            if (found->m_nIDResource == IDR_SPECTRUM_ANALYZER) {
                return found;
            }
        }
        return nullptr;
    }
    static std::vector<std::string> LoggerCalls(const CAudioLog* log) {
        std::vector<std::string> calls;
        for (const std::string& call : hb::tessary::AudioCallsOf(log)) {
            // The logger's own work in between is not the command's.
            if (call.rfind("UpdateIndicators", 0) != 0) {
                calls.push_back(call);
            }
        }
        return calls;
    }
};

TEST_F(RadioFrameViewCommandsTest, ASweepCommandOpensAnAnalyzerForThisRadio) {
    CRadioFrame* frame = OpenReceiver();
    ASSERT_NE(frame, nullptr);
    CRig* rig = frame->m_rig;
    Send(frame, 27022);
    EXPECT_EQ(rig->m_opener, 27022u);
    EXPECT_EQ(CRig::s_selection[0], rig);
    EXPECT_NE(dynamic_cast<CRFAnalyzerFrame*>(Main().GetActiveFrame()), nullptr);
    // The radio was never tuned, so the analyzer took its default range, which is not saved.
    hb::win::ExpectBox({"Save changes", IDNO, ""});
}

TEST_F(RadioFrameViewCommandsTest, WithoutASweepWindowTheNextStartStillSendsTheStartPair) {
    CRadioFrame* frame = OpenReceiver();
    ASSERT_NE(frame, nullptr);
    CDocTemplate* analyzer = AnalyzerTemplate();
    ASSERT_NE(analyzer, nullptr);
    // The template cannot be found: no window can be made.
    analyzer->m_nIDResource = 0;
    Send(frame, 27022);
    analyzer->m_nIDResource = IDR_SPECTRUM_ANALYZER;
    EXPECT_EQ(frame->m_rig->m_opener, 27022u);
    EXPECT_EQ(frame->m_skipStartPair, 0u);
    Send(frame, CRig::kCommandStop);
    AdvanceAndPump(1000);
    EngineSim::ClearJournal();
    Send(frame, CRig::kCommandStart);
    const Codes codes = EngineCodes();
    ASSERT_GE(codes.size(), 2u);
    EXPECT_EQ(Codes(codes.begin(), codes.begin() + 2), (Codes{19, 9}));
}

TEST_F(RadioFrameViewCommandsTest, TheViewTypeIsStoredForTheNextWindowOnly) {
    CRadioFrame* frame = OpenTracker();
    ASSERT_NE(frame, nullptr);
    CRig* tracker = frame->m_rig;
    ASSERT_NE(tracker->m_trunk, 0u);
    const std::uint8_t before = tracker->m_view_type;
    for (const UINT id : {27227u, 29969u}) {
        const std::size_t beeps = Beeps().size();
        const std::size_t boxes = hb::win::BoxLog().size();
        Send(frame, id);
        EXPECT_EQ(Beeps().size(), beeps + 1);
        EXPECT_EQ(hb::win::BoxLog().size(), boxes);
    }
    EXPECT_EQ(tracker->m_view_type, before);
    EXPECT_EQ(app->GetProfileIntA("Tracker", "ViewType", 99), 99);
    frame->SendMessage(WM_CLOSE);

    ChooseRow(0);
    frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    const std::uint8_t shown = frame->ViewType();
    ExpectBox("will not take effect until this window is closed and re-opened", IDOK,
              "View Type Changed to Browse");
    Send(frame, 29969);
    EXPECT_EQ(frame->m_rig->m_view_type, 2u);
    EXPECT_EQ(app->GetProfileIntA("Receiver", "ViewType", 99), 2);
    EXPECT_EQ(frame->ViewType(), shown);
    EXPECT_EQ(Update(frame, 29969).checked, shown == 2 ? 1 : 0);
    frame->SendMessage(WM_CLOSE);

    ChooseRow(0);
    frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->ViewType(), 2u);
    EXPECT_EQ(Update(frame, 29969).checked, 1);
    EXPECT_EQ(Update(frame, 27228).checked, 0);
}

TEST_F(RadioFrameViewCommandsTest, TheBarLockOfAWindowWithoutBarsOnlyTogglesTheSetting) {
    CRadioFrame* frame = OpenTracker();
    ASSERT_NE(frame, nullptr);
    ASSERT_EQ(frame->ScanToolBar(), nullptr);
    Send(frame, 30075);
    EXPECT_TRUE(frame->m_toolBarLock);
    EXPECT_EQ(app->GetProfileIntA("Tracker", "ToolBarLock", 99), 1);
    EXPECT_EQ(Update(frame, 30075).checked, 1);
    Send(frame, 30075);
    EXPECT_FALSE(frame->m_toolBarLock);
    EXPECT_EQ(app->GetProfileIntA("Tracker", "ToolBarLock", 99), 0);
}

TEST_F(RadioFrameViewCommandsTest, LockingTheBarsSavesThem) {
    CRadioFrame* frame = OpenReceiver();
    ASSERT_NE(frame, nullptr);
    ASSERT_FALSE(hb::toolkit::detail::LoadBlob("Receiver", "CommandBarState",
                                               hb::toolkit::detail::BlobKind::CommandBarState));
    Send(frame, 30075);
    EXPECT_FALSE(frame->GetCommandBars()->IsCustomizationEnabled());
    EXPECT_TRUE(hb::toolkit::detail::LoadBlob("Receiver", "CommandBarState",
                                              hb::toolkit::detail::BlobKind::CommandBarState));
    Send(frame, 30075);
    EXPECT_TRUE(frame->GetCommandBars()->IsCustomizationEnabled());
}

TEST_F(RadioFrameViewCommandsTest, TheMiniStatusCommandOpensAndClosesItsWindow) {
    CRadioFrame* frame = OpenReceiver();
    ASSERT_NE(frame, nullptr);
    auto gaugeOf = [](CWnd* window) -> CiAngularGaugeX* {
        auto* mini = DYNAMIC_DOWNCAST(CMiniStatusWnd, window);
        return mini && mini->panel.m_sMeter.GetSafeHwnd() ? &mini->panel.m_sMeter : nullptr;
    };

    // Like the front panel's meter.
    CiAngularGaugeX& panelMeter = frame->FrontPanel()->m_sMeter;
    ASSERT_NE(panelMeter.GetSafeHwnd(), nullptr);
    panelMeter.SetPositionMin(-120);
    panelMeter.SetSectionEnd(2, -61);
    Send(frame, 27169);
    ASSERT_NE(frame->m_miniStatus, nullptr);
    EXPECT_EQ(app->GetProfileIntA("Receiver", "MiniStatus", 0), 1);
    EXPECT_EQ(Update(frame, 27169).checked, 1);
    CiAngularGaugeX* gauge = gaugeOf(frame->m_miniStatus);
    ASSERT_NE(gauge, nullptr);
    EXPECT_EQ(gauge->GetPositionMin(), -120);
    EXPECT_EQ(gauge->GetSectionEnd(2), -61);
    Send(frame, 27169);
    EXPECT_EQ(frame->m_miniStatus, nullptr);
    EXPECT_EQ(Update(frame, 27169).checked, 0);

    // Without a meter on the panel: the radio's meter range out to whole tens.
    panelMeter.DestroyWindow();
    Send(frame, 27169);
    ASSERT_NE(frame->m_miniStatus, nullptr);
    gauge = gaugeOf(frame->m_miniStatus);
    ASSERT_NE(gauge, nullptr);
    const Radio& radio = *frame->m_rig->m_radio;
    const double ceiling = radio.meterCeiling();
    EXPECT_EQ(gauge->GetPositionMin(), std::floor(radio.meterFloor() / 10.0) * 10);
    EXPECT_EQ(gauge->GetPositionMax(), std::ceil(ceiling / 10) * 10);
    EXPECT_EQ(gauge->GetSectionEnd(1), ceiling - 40);
    EXPECT_EQ(gauge->GetSectionEnd(2), ceiling - 20);
    EXPECT_EQ(gauge->GetSectionEnd(3), ceiling);
    EXPECT_EQ(gauge->GetSectionColor(1), 0x00FF00u);
    EXPECT_EQ(gauge->GetSectionColor(2), 0x00FFFFu);
    EXPECT_EQ(gauge->GetSectionColor(3), 0x0000FFu);
    EXPECT_EQ(gauge->GetCaption(), "S - dBm");
    // Closed by the user, the window lets the radio window know.
    frame->m_miniStatus->DestroyWindow();
    EXPECT_EQ(frame->m_miniStatus, nullptr);
}

TEST_F(RadioFrameViewCommandsTest, DiagnosticsAddTheirTabOnce) {
    CRadioFrame* frame = OpenReceiver();
    ASSERT_NE(frame, nullptr);
    const int tabs = frame->Tabs().GetItemCount();
    Send(frame, 1638);
    Send(frame, 1638);
    ASSERT_EQ(frame->Tabs().GetItemCount(), tabs + 1);
    EXPECT_EQ(frame->Tabs().GetCaption(tabs), "Search Diagnostics");
    ASSERT_NE(frame->m_searchDiagnostics, nullptr);
    EXPECT_EQ(frame->m_searchDiagnostics->m_rig, frame->m_rig);
    EXPECT_EQ(frame->m_monitorDiagnostics, nullptr);
}

TEST_F(RadioFrameViewCommandsTest, TheAudioCommandsReachTheRadiosLogger) {
    CRadioFrame* frame = OpenReceiver();
    ASSERT_NE(frame, nullptr);
    CAudioLog* log = frame->m_rig->GetAudioLog();
    ASSERT_NE(log, nullptr);
    hb::tessary::detail::ResetAudio();
    hb::afx::SetModalScript("CAudioLogSettings",
                            [](CDialog& dialog) { dialog.EndDialog(IDCANCEL); });
    ExpectBox("Erase every recording in", IDCANCEL);
    for (const UINT id : {27170u, 26032u, 26010u, 26015u, 26049u, 28442u}) {
        Send(frame, id);
    }
    const auto calls = LoggerCalls(log);
    ASSERT_GE(calls.size(), 6u);
    EXPECT_EQ(calls[0], "Settings()");
    EXPECT_EQ(calls[1], "OnFileErase()");
    EXPECT_EQ(calls[2], "OnAutoFileButton()");
    EXPECT_EQ(calls[3], "Mute(1)");
    EXPECT_EQ(calls[4], "MutePeers()");
    EXPECT_EQ(calls.back().rfind("ProcessRequest(5", 0), 0u) << calls.back();
    EXPECT_EQ(frame->FrontPanel()->m_channelHold, 0xFFu);
}

TEST_F(RadioFrameViewCommandsTest, WithoutALoggerTheAudioCommandsDoNothing) {
    Radios(kReceiverOnly, {{"Receiver", 42}});
    app->SetAudioLoggingUnavailable(true);
    CRadioFrame* frame = Opened();
    ASSERT_NE(frame, nullptr);
    ASSERT_EQ(frame->m_rig->GetAudioLog(), nullptr);
    hb::tessary::detail::ResetAudio();
    for (const UINT id : {27170u, 26032u, 26010u, 26015u, 26049u}) {
        Send(frame, id);
    }
    EXPECT_TRUE(hb::tessary::AudioCalls().empty());
}

TEST_F(RadioFrameViewCommandsTest, TheLogAndTheRadiosSettingsRunAsModalDialogs) {
    CRadioFrame* frame = OpenReceiver();
    ASSERT_NE(frame, nullptr);
    CDocument* doc = frame->FrontPanel()->GetDocument();
    hb::afx::SetModalScript(IDD_ACTIVITY_LOG, [](CDialog& dialog) { dialog.EndDialog(IDOK); });
    int answer = IDCANCEL;
    hb::afx::SetModalScript("CRadioGroupSettings",
                            [&answer](CDialog& dialog) { dialog.EndDialog(answer); });
    Send(frame, 27021);
    doc->SetModifiedFlag(FALSE);
    Send(frame, 27139);
    EXPECT_FALSE(doc->IsModified());
    answer = IDOK;
    Send(frame, 27139);
    EXPECT_TRUE(doc->IsModified());
    doc->SetModifiedFlag(FALSE);
    const auto& shown = hb::afx::ModalLog();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].caption, "Receiver Scan Logging");
    EXPECT_EQ(shown[1].className, "CRadioGroupSettings");
    EXPECT_EQ(shown[2].result, IDOK);
}

TEST_F(RadioFrameViewCommandsTest, TheIgnoredCommandsStayEnabledAndChangeNothing) {
    CRadioFrame* frame = OpenReceiver();
    ASSERT_NE(frame, nullptr);
    const std::size_t beeps = Beeps().size();
    const std::size_t boxes = hb::win::BoxLog().size();
    for (const UINT id :
         {26033u, 27041u, 27187u, 27208u, 27210u, 28297u, 28794u, 28795u, 28796u, 28797u, 28798u,
          28881u, 29364u, 29397u, 29398u, 29806u, 30093u, 35001u, 28730u}) {
        Send(frame, id);
    }
    EXPECT_TRUE(EngineSim::Journal().empty());
    EXPECT_EQ(Beeps().size(), beeps);
    EXPECT_EQ(hb::win::BoxLog().size(), boxes);
    for (const UINT id :
         {27041u, 28297u, 28794u, 28795u, 28796u, 28797u, 28798u, 28881u, 29364u, 29806u, 30093u}) {
        const RecordingCmdUI ui = Update(frame, id);
        EXPECT_TRUE(ui.enabled) << id;
        EXPECT_EQ(ui.checked, -1) << id;
    }
}

} // namespace
} // namespace hb::app::test
