#include "app/rig/EngineProgressDlg.h"
#include "platform/afx/ModalScript.h"
#include "platform/records/PrivateMessages.h"
#include "platform/win/controls/CommonControls.h"
#include "tests/app/radiowindow/RadioWindowTest.h"
#include "tests/app/radiowindow/RecordingPanel.h"

namespace hb::app::test {
namespace {

class RadioRestartTest : public RadioWindowTest {
protected:
    static int LastProgressResult() {
        const auto& log = hb::afx::ModalLog();
        EXPECT_FALSE(log.empty());
        return log.empty() ? -1 : log.back().result;
    }
    static std::size_t Creates() { return EngineSim::Calls("scan_create_single_engine").size(); }
};

// Sends the radio window what the engine or the front panel may send while the window goes, and
// keeps what came of it.
class CClosingProbe : public CWnd {
public:
    explicit CClosingProbe(CRadioFrame& frame) : m_frame(frame) {}

    std::vector<std::string> panelCalls;
    bool parmCopied = false;
    bool restarted = false;

protected:
    void OnDestroy() {
        CRecordingPanel& panel = PanelRecording::Of(m_frame);
        panel.calls.clear();
        const std::size_t boxes = hb::afx::ModalLog().size();
        m_frame.SendMessage(WM_RADIO_RESTART);
        restarted = hb::afx::ModalLog().size() != boxes;
        m_frame.SendMessage(WM_RADIO_TUNE, 155'010'000);
        m_frame.SendMessage(WM_RADIO_ENTRY_KEY, 155'010'000, 1);
        parm record;
        record.set(hb::records::Parm::kFrequency, 1);
        m_frame.SendMessage(WM_RADIO_GET_PARM, 0, reinterpret_cast<LPARAM>(&record));
        parmCopied = record == m_frame.m_rig->m_parm;
        m_frame.SendMessage(WM_RADIO_DEVICE_OPEN, 7, 8);
        for (const CRecordingPanel::Call& call : panel.calls) {
            panelCalls.push_back(call.name);
        }
        CWnd::OnDestroy();
    }
    DECLARE_MESSAGE_MAP()

private:
    CRadioFrame& m_frame;
};

BEGIN_MESSAGE_MAP(CClosingProbe, CWnd)
ON_WM_DESTROY()
END_MESSAGE_MAP()

TEST_F(RadioRestartTest, TheEnginesAreDestroyedAndStartedAgainAfterTwentySeconds) {
    Radios(std::string(kTwoRadios) + "[MultiRadio]\nB=1\nB1=Tracker\nB2=Receiver\n",
           {{"Receiver", 42}, {"Tracker", 17}});
    ChooseRow(2);
    CRadioFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    const std::uint16_t first = frame->m_rig->m_engine;
    const std::uint16_t second = frame->m_rig2->m_engine;
    ASSERT_NE(first, 0u);
    ASSERT_NE(second, 0u);
    frame->m_check_time = 1234;
    CString text;
    std::uint32_t ticks = 0;
    LRESULT position = 0;
    hb::afx::SetModalScript(IDD_ENGINE_PROGRESS, [&](CDialog& dialog) {
        dialog.GetDlgItemText(IDC_RADIO_NAME, text);
        AdvanceAndPump(40 * CEngineProgressDlg::kTickMs);
        ticks = static_cast<CEngineProgressDlg&>(dialog).m_ticks;
        position = dialog.SendDlgItemMessage(IDC_ENGINE_PROGRESS, PBM_GETPOS);
        // Both engines are gone while the dialog waits.
        EXPECT_EQ(EngineSim::EngineCount(), 0u);
    });
    const std::size_t created = Creates();
    const DWORD before = GetTickCount();

    EXPECT_EQ(frame->SendMessage(WM_RADIO_RESTART), 0);
    EXPECT_EQ(text, "Tracker");
    EXPECT_EQ(ticks, 40u);
    EXPECT_EQ(position, 40);
    EXPECT_EQ(LastProgressResult(), CEngineProgressDlg::kDone);
    EXPECT_EQ(GetTickCount() - before, 100u * CEngineProgressDlg::kTickMs);
    const auto destroyed = EngineSim::Calls("scan_destroy_engine");
    ASSERT_EQ(destroyed.size(), 2u);
    EXPECT_EQ(destroyed[0].handle, first);
    EXPECT_EQ(destroyed[1].handle, second);
    // Started afresh: both engines made again, and the check the restart armed is spent.
    EXPECT_EQ(Creates(), created + 2);
    EXPECT_EQ(EngineSim::EngineCount(), 2u);
    EXPECT_EQ(frame->m_check_mark, 0u);
    EXPECT_EQ(frame->m_check_time, 0u);
}

TEST_F(RadioRestartTest, CancellingTheWaitLeavesTheEnginesDestroyedAndTheRadioStopped) {
    Radios(kReceiverOnly, {{"Receiver", 42}});
    CRadioFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    hb::afx::SetModalScript(IDD_ENGINE_PROGRESS, [](CDialog& dialog) {
        EXPECT_TRUE(hb::afx::ClickButton(dialog.GetSafeHwnd(), IDCANCEL));
    });
    const std::size_t created = Creates();
    frame->SendMessage(WM_RADIO_RESTART);
    EXPECT_EQ(LastProgressResult(), IDCANCEL);
    EXPECT_EQ(Creates(), created);
    EXPECT_FALSE(frame->m_rig->IsOpen());
    EXPECT_EQ(EngineSim::EngineCount(), 0u);
}

TEST_F(RadioRestartTest, AWindowClosedDuringTheWaitIsLeftAlone) {
    Radios(kReceiverOnly, {{"Receiver", 42}});
    CRadioFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    CRig* rig = frame->m_rig;
    hb::afx::SetModalScript(IDD_ENGINE_PROGRESS, [&](CDialog&) { frame->DestroyWindow(); });
    const std::size_t created = Creates();
    ::SendMessage(frame->GetSafeHwnd(), WM_RADIO_RESTART, 0, 0);
    EXPECT_EQ(LastProgressResult(), CEngineProgressDlg::kDone);
    EXPECT_EQ(Creates(), created);
    EXPECT_EQ(rig->m_owner, nullptr);
    EXPECT_EQ(Main().GetActiveFrame(), &Main());
}

TEST_F(RadioRestartTest, EnterDoesNotCutTheWaitShort) {
    Radios(kReceiverOnly, {{"Receiver", 42}});
    CRadioFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    const std::size_t created = Creates();
    bool openAfterEnter = false;
    hb::afx::SetModalScript(IDD_ENGINE_PROGRESS, [&](CDialog& dialog) {
        AdvanceAndPump(10 * CEngineProgressDlg::kTickMs);
        hb::afx::PressKey(dialog.GetSafeHwnd(), VK_RETURN);
        dialog.SendMessage(WM_COMMAND, IDOK);
        PumpUntilIdle();
        openAfterEnter = dialog.IsWindowVisible() != FALSE;
        EXPECT_EQ(Creates(), created);
    });
    const DWORD before = GetTickCount();

    frame->SendMessage(WM_RADIO_RESTART);
    EXPECT_TRUE(openAfterEnter);
    EXPECT_EQ(LastProgressResult(), CEngineProgressDlg::kDone);
    EXPECT_EQ(GetTickCount() - before, 100u * CEngineProgressDlg::kTickMs);
    EXPECT_EQ(Creates(), created + 1);
}

TEST_F(RadioRestartTest, WhileTheWindowGoesOnlyTheChannelAndDeviceMessagesAreAnswered) {
    const PanelRecording recording;
    Radios(kReceiverOnly, {{"Receiver", 42}});
    CRadioFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    CClosingProbe probe(*frame);
    ASSERT_TRUE(probe.Create(nullptr, nullptr, WS_CHILD, CRect(), &frame->Tabs(), 2));
    frame->Tabs().AddControl(&probe, "Probe");

    frame->SendMessage(WM_CLOSE);
    EXPECT_FALSE(probe.restarted);
    EXPECT_TRUE(probe.parmCopied);
    EXPECT_EQ(probe.panelCalls, std::vector<std::string>{"RefreshFromDevice"});
}

} // namespace
} // namespace hb::app::test
