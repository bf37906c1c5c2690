#include "app/radiowindow/ToolView.h"
#include "platform/afx/CDocument.h"
#include "platform/afx/ModalScript.h"
#include "platform/engine/EngineSim.h"
#include "platform/tessary/audio/AudioLog.h"
#include "platform/tessary/audio/AudioPlayerView.h"
#include "platform/toolkit/CXTPCommandBars.h"
#include "programming/ScanListGroupView.h"
#include "programming/ScanListRosterView.h"
#include "radioview/ChannelRack.h"
#include "radioview/SearchSlaveView.h"
#include "radioview/ToneDecoderRack.h"
#include "tests/app/radiowindow/RadioWindowTest.h"

namespace hb::app::test {
namespace {

using Captions = std::vector<std::string>;

const std::string kPair = std::string(kTwoRadios) + "[MultiRadio]\nB=1\nB1=Tracker\nB2=Receiver\n";

Captions TabCaptions(CRadioFrame& frame) {
    Captions captions;
    for (int i = 0; i < frame.Tabs().GetItemCount(); ++i) {
        captions.push_back(frame.Tabs().GetCaption(i).str());
    }
    return captions;
}

// The receiver with a tone reader of the type connected to it.
std::string WithToneReader(int type) {
    return std::string(kReceiverOnly) +
           "[Vela*Quin]\nToneReadersInstalled=1\n[Connections]\nReader#1=Radio#1\n"
           "[ToneReaders]\nReader#1=Reader\n[Reader]\nType=" +
           std::to_string(type) + "\nPort=SIM\n";
}

class RadioFrameLayoutTest : public RadioWindowTest {
protected:
    static void MachineValue(LPCSTR name, DWORD value) {
        HKEY key;
        ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, "Software\\Corvanta\\Halbridge Pro\\Settings",
                                 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueEx(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
        RegCloseKey(key);
    }
    int Profile(LPCSTR name, int fallback = -7) const {
        return app->GetProfileIntA("Receiver", name, fallback);
    }
};

TEST_F(RadioFrameLayoutTest, ANormalWindowShowsThePanelAboveTheTabsAndTheScanBar) {
    Radios(kReceiverOnly, {{"Receiver", 42}});
    CRig* rig = CRig::FindByName("Receiver");
    rig->m_view_type = 1;
    CRadioFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(TabCaptions(*frame),
              (Captions{"Scan List", "History", "Audio Recorder", "Audio Index"}));
    EXPECT_EQ(frame->GetActiveView(), frame->FrontPanel());
    EXPECT_EQ(frame->FrontPanel()->m_rig, rig);
    EXPECT_NE(DYNAMIC_DOWNCAST(CScanListGroupView, frame->m_scanListView), nullptr);
    EXPECT_EQ(frame->m_scanListView->m_rig, rig);
    EXPECT_EQ(frame->m_scanListView->m_radio, rig->m_radio);
    EXPECT_EQ(frame->m_multiRadioView, nullptr);
    ASSERT_NE(frame->ScanToolBar(), nullptr);
    EXPECT_EQ(frame->ScanToolBar()->GetTitle(), "Radio Controls");
    EXPECT_EQ(frame->ActivityLog().GetCaption(), "Receiver Scan Logging");
    EXPECT_TRUE(frame->ActivityLog().IsActive());
    // The recorder's logger is the rig's, and its file is shown by the index tab.
    CAudioLog* log = rig->GetAudioLog();
    ASSERT_NE(log, nullptr);
    auto* index = DYNAMIC_DOWNCAST(CAudioPlayerView, frame->Tabs().GetView(3));
    ASSERT_NE(index, nullptr);
    EXPECT_EQ(index->m_log, log);
    EXPECT_EQ(log->m_file.m_indexView, index);
    EXPECT_EQ(log->m_dspRole, rig->m_audio_dsp_role);
    EXPECT_EQ(frame->TonePanel(), nullptr);
    // The window is named after its radio and is never opened maximized; it opens wide enough to
    // show the whole panel, or as wide as the main window allows.
    EXPECT_EQ(frame->GetActiveDocument()->GetTitle(), "Receiver");
    EXPECT_FALSE(frame->GetStyle() & WS_MAXIMIZE);
    CRect client;
    CRect window;
    CRect area;
    frame->GetClientRect(&client);
    frame->GetWindowRect(&window);
    ::GetClientRect(::GetParent(frame->GetSafeHwnd()), &area);
    EXPECT_TRUE(client.Width() >= frame->FrontPanel()->GetTotalSize().cx ||
                window.Width() == area.Width());
}

TEST_F(RadioFrameLayoutTest, TheScanAndThirdViewTypesShowTheWholeScanList) {
    Radios(kReceiverOnly, {{"Receiver", 42}});
    CRig* rig = CRig::FindByName("Receiver");
    for (const std::uint8_t type : {0, 2}) {
        rig->m_view_type = type;
        CRadioFrame* frame = OpenWindow();
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->ViewType(), type);
        EXPECT_NE(DYNAMIC_DOWNCAST(CScanListRosterView, frame->m_scanListView), nullptr);
        frame->SendMessage(WM_CLOSE);
    }
    // Scan mode turned off for the machine makes the scan view type the standard one.
    NewApp();
    MachineValue("DisableScanMode", 1);
    ASSERT_EQ(Start(), std::nullopt);
    rig = CRig::FindByName("Receiver");
    rig->m_view_type = 0;
    CRadioFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->ViewType(), 1);
    EXPECT_NE(DYNAMIC_DOWNCAST(CScanListGroupView, frame->m_scanListView), nullptr);
}

TEST_F(RadioFrameLayoutTest, APairAddsTheMultiRadioTabAfterTheHistory) {
    Radios(kPair, {{"Receiver", 42}, {"Tracker", 17}});
    ChooseRow(2);
    CRadioFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(TabCaptions(*frame),
              (Captions{"Scan List", "History", "Multi-Radio", "Audio Recorder", "Audio Index"}));
    EXPECT_EQ(frame->m_multiRadioView,
              DYNAMIC_DOWNCAST(CSearchSlaveView, frame->Tabs().GetView(2)));
    // A trunk radio gets no "Scan" bar.
    EXPECT_EQ(frame->ScanToolBar(), nullptr);
    EXPECT_EQ(frame->GetCommandBars(), nullptr);
}

TEST_F(RadioFrameLayoutTest, TheCompactWindowShowsTheToolsBesideTheTabsWithThePanelFirst) {
    UserValue("Settings", "UseCompactView", 1);
    Radios(kReceiverOnly, {{"Receiver", 42}});
    UserValue("Receiver", "ActiveView", 4);
    CRadioFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(TabCaptions(*frame),
              (Captions{"Radio", "Scan List", "History", "Audio Recorder", "Audio Index"}));
    EXPECT_EQ(frame->Tabs().GetView(0), frame->FrontPanel());
    // "ActiveView" counts the panel's tab.
    EXPECT_EQ(frame->Tabs().GetActiveIndex(), 4);
    auto* splitter = DYNAMIC_DOWNCAST(CXTSplitterWnd, frame->GetDlgItem(AFX_IDW_PANE_FIRST));
    ASSERT_NE(splitter, nullptr);
    EXPECT_EQ(splitter->GetColumnCount(), 2);
    EXPECT_NE(DYNAMIC_DOWNCAST(CToolView, splitter->GetPane(0, 0)), nullptr);
    EXPECT_EQ(splitter->GetSplitterStyle(), XT_SPLIT_FLAT);
    EXPECT_EQ(frame->ScanToolBar(), nullptr);

    frame->Tabs().SetActiveIndex(2);
    frame->SendMessage(WM_CLOSE);
    EXPECT_EQ(Profile("ActiveView"), 2);
    EXPECT_EQ(Profile("MiniStatus"), 0);
}

TEST_F(RadioFrameLayoutTest, AStoredTabOutOfRangeLeavesTheFirstTab) {
    Radios(kReceiverOnly, {{"Receiver", 42}});
    UserValue("Receiver", "ActiveView", 4);
    CRadioFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->Tabs().GetActiveIndex(), 0);
    frame->Tabs().SetActiveIndex(1);
    frame->SendMessage(WM_CLOSE);

    frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->Tabs().GetActiveIndex(), 1);
}

TEST_F(RadioFrameLayoutTest, WithoutAudioLoggingThereIsNoAudioTabNorTonePanel) {
    MachineValue("DisableAudioLogging", 1);
    Radios(WithToneReader(3), {{"Receiver", 42}});
    CRadioFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(TabCaptions(*frame), (Captions{"Scan List", "History"}));
    EXPECT_EQ(frame->m_rig->GetAudioLog(), nullptr);
    EXPECT_EQ(frame->TonePanel(), nullptr);
    // Nor the audio buttons.
    for (const int id : {27036, 28442, 28730, 26010}) {
        ASSERT_NE(frame->ScanToolBar()->FindControl(id), nullptr);
        EXPECT_FALSE(frame->ScanToolBar()->FindControl(id)->IsVisible()) << id;
    }
}

TEST_F(RadioFrameLayoutTest, TheToneReaderChoosesTheTonePanel) {
    for (const int type : {3, 12, 13, 25, 39, 40}) {
        Radios(WithToneReader(type), {{"Receiver", 42}});
        CRadioFrame* frame = OpenWindow();
        ASSERT_NE(frame, nullptr) << type;
        CChannelRack* rack = frame->TonePanel();
        ASSERT_NE(rack, nullptr) << type;
        EXPECT_EQ(dynamic_cast<CToneDecoderRack*>(rack), nullptr);
        EXPECT_EQ(rack->GetDlgCtrlID(), 27386);
        EXPECT_EQ(rack->toneReader, frame->m_rig->m_decoder);
        EXPECT_EQ(frame->m_rig->GetAudioLog()->m_dspRole, frame->m_rig->m_audio_dsp_role);
        NewApp();
    }
    for (const int type : {72, 73}) {
        Radios(WithToneReader(type), {{"Receiver", 42}});
        CRadioFrame* frame = OpenWindow();
        ASSERT_NE(frame, nullptr) << type;
        auto* rack = dynamic_cast<CToneDecoderRack*>(frame->TonePanel());
        ASSERT_NE(rack, nullptr) << type;
        EXPECT_EQ(rack->GetDlgCtrlID(), 27252);
        EXPECT_EQ(rack->GetAudioLog(), frame->m_rig->GetAudioLog());
        EXPECT_EQ(frame->m_rig->GetAudioLog()->m_dspRole, 2);
        NewApp();
    }
}

TEST_F(RadioFrameLayoutTest, AToneDecoderWithoutALoggerGivesNoPanel) {
    MachineValue("DisableAudioLogging", 1);
    Radios(WithToneReader(72), {{"Receiver", 42}});
    CRadioFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->TonePanel(), nullptr);
}

TEST_F(RadioFrameLayoutTest, AMissingIndexViewFailsTheWindowAndLeavesTheRigAsItWas) {
    Radios(kReceiverOnly, {{"Receiver", 42}});
    UserValue("Receiver", "ActiveView", 1);
    UserValue("Receiver", "MiniStatus", 1);
    CRig* rig = CRig::FindByName("Receiver");
    CRuntimeClass* index = RUNTIME_CLASS(CAudioPlayerView);
    const auto create = index->m_pfnCreateObject;
    index->m_pfnCreateObject = [] { return static_cast<CObject*>(nullptr); };
    CRadioFrame* frame = OpenWindow();
    index->m_pfnCreateObject = create;

    EXPECT_EQ(frame, nullptr);
    EXPECT_EQ(rig->GetAudioLog(), nullptr);
    EXPECT_EQ(rig->m_owner, nullptr);
    EXPECT_EQ(std::count(rig->m_slots.window.begin(), rig->m_slots.window.end(), nullptr),
              static_cast<long>(CRig::kSlotCount));
    EXPECT_EQ(Profile("ActiveView"), 1);
    EXPECT_EQ(Profile("MiniStatus"), 1);
    EXPECT_EQ(EngineSim::EngineCount(), 0u);
}

} // namespace
} // namespace hb::app::test
