#include "app/radiowindow/TabViewContainer.h"
#include "audio/AudioView.h"
#include "platform/afx/Afx.h"
#include "programming/ScanListGroupView.h"
#include "programming/ScanListRosterView.h"
#include "radioview/ChannelRack.h"
#include "radioview/HistView.h"
#include "radioview/SearchSlaveView.h"
#include "radioview/ToneDecoderRack.h"
#include "resources/program/ProgramResources.h"
#include "tests/app/rig/RigTest.h"

namespace hb::app::test {
namespace {

// What a radio window builds from the neighbouring subsystems, in a frame with its tab container.
class RadioWindowNeighboursTest : public RigTest {
protected:
    // The Multi-Radio tab's form is one of the program's resources.
    RadioWindowNeighboursTest() {
        UseProgramResources(ProgramResourceTables());
        frame->Create(nullptr, "Radio", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 400, 300));
        tabs->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), frame,
                     AFX_IDW_PANE_FIRST);
    }
    void TearDown() override {
        frame->DestroyWindow();
        RigTest::TearDown();
    }

    CFrameWnd* frame = new CFrameWnd;
    CTabViewContainer* tabs =
        static_cast<CTabViewContainer*>(RUNTIME_CLASS(CTabViewContainer)->CreateObject());
};

TEST_F(RadioWindowNeighboursTest, TheTabViewsAreMadeByTheirClasses) {
    for (CRuntimeClass* viewClass :
         {RUNTIME_CLASS(CScanListGroupView), RUNTIME_CLASS(CScanListRosterView),
          RUNTIME_CLASS(CHistView), RUNTIME_CLASS(CSearchSlaveView)}) {
        EXPECT_TRUE(tabs->AddView(viewClass, nullptr, viewClass->m_lpszClassName))
            << viewClass->m_lpszClassName;
    }
    ASSERT_EQ(tabs->GetItemCount(), 4);
    EXPECT_TRUE(tabs->GetView(0)->IsKindOf(RUNTIME_CLASS(CScanListView)));
    EXPECT_TRUE(tabs->GetView(1)->IsKindOf(RUNTIME_CLASS(CScanListView)));
}

TEST_F(RadioWindowNeighboursTest, ClearingTheHistoryEmptiesItsList) {
    ASSERT_TRUE(tabs->AddView(RUNTIME_CLASS(CHistView), nullptr, "History"));
    auto* history = static_cast<CHistView*>(tabs->GetView(0));
    for (LPCSTR text : {"155.4750", "460.1250"}) {
        LVITEM item{};
        item.mask = LVIF_TEXT;
        item.pszText = const_cast<LPSTR>(text);
        history->SendMessage(LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&item));
    }
    ASSERT_EQ(history->SendMessage(LVM_GETITEMCOUNT), 2);
    history->ClearHistory();
    EXPECT_EQ(history->SendMessage(LVM_GETITEMCOUNT), 0);
}

TEST_F(RadioWindowNeighboursTest, TheRecorderViewsLoggerLeavesTheRigWithTheView) {
    UseProgramResources(ProgramResourceTables());
    CRig* rig = AddRig("Receiver", kReceiver);
    auto* recorder = new CAudioView("Receiver_AudioRecorder", "Receiver", 28497);
    EXPECT_EQ(recorder->m_name, "Receiver_AudioRecorder");
    EXPECT_EQ(recorder->m_secondName, "Receiver");
    EXPECT_EQ(recorder->m_form, 28497u);
    ASSERT_TRUE(recorder->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(), tabs, 1));
    ASSERT_TRUE(tabs->AddControl(recorder, "Audio Recorder"));
    EXPECT_EQ(rig->AttachAudioLog(frame, recorder->GetLogClient()), recorder->GetLogClient());

    EXPECT_TRUE(tabs->RemoveView(0, TRUE));
    EXPECT_EQ(rig->GetAudioLog(), nullptr);
}

TEST_F(RadioWindowNeighboursTest, ATonePanelIsAPlainChildUnderItsTemplateId) {
    UseProgramResources(ProgramResourceTables());
    CRig* rig = AddRig("Receiver", kReceiver);
    constexpr UINT kPanelStyle = 0x50402830;
    CChannelRack channel;
    ASSERT_TRUE(channel.Create(frame, 27386, kPanelStyle));
    EXPECT_EQ(channel.owner, frame);
    EXPECT_EQ(channel.GetParent(), frame);
    EXPECT_EQ(channel.GetDlgCtrlID(), 27386);
    EXPECT_EQ(channel.GetStyle(), WS_CHILD | WS_VISIBLE);

    CAudioLogClient log;
    rig->AttachAudioLog(frame, &log);
    CToneDecoderRack decoder(rig->GetAudioLog());
    ASSERT_TRUE(decoder.Create(frame, 27252, kPanelStyle));
    EXPECT_EQ(decoder.GetAudioLog(), &log);
    EXPECT_EQ(decoder.GetDlgCtrlID(), 27252);
    CRig::DetachAudioLog(&log);
}

} // namespace
} // namespace hb::app::test
