#include "app/rig/EngineProgressDlg.h"

#include "platform/afx/Input.h"
#include "platform/afx/ModalScript.h"
#include "platform/records/PrivateMessages.h"
#include "platform/win/controls/CommonControls.h"
#include "resources/program/ProgramResources.h"
#include "tests/app/rig/DeviceFrameFixture.h"

namespace hb::app::test {
namespace {

const std::vector<UINT> kStopped{CRig::kCommandStop};
const std::vector<UINT> kRestarted{CRig::kCommandStop, CRig::kCommandStart};

class RadioRestartTest : public DeviceFrameTest {
protected:
    RadioRestartTest() { UseProgramResources(ProgramResourceTables()); }

    static int LastModalResult() {
        const auto& log = hb::afx::ModalLog();
        EXPECT_EQ(log.size(), 1u);
        return log.empty() ? -1 : log.back().result;
    }
};

TEST_F(RadioRestartTest, TheEnginesAreDestroyedAndStartedAgainAfterTwentySeconds) {
    CTestRadioFrame* frame = Open(alpha, bravo);
    const std::uint16_t first = Start(alpha, frame);
    const std::uint16_t second = Start(bravo, frame);
    frame->m_check_time = 1234;
    CString text;
    std::uint32_t ticks = 0;
    LRESULT position = 0;
    hb::afx::SetModalScript(IDD_ENGINE_PROGRESS, [&](CDialog& dialog) {
        dialog.GetDlgItemText(IDC_RADIO_NAME, text);
        AdvanceAndPump(40 * CEngineProgressDlg::kTickMs);
        ticks = static_cast<CEngineProgressDlg&>(dialog).m_ticks;
        position = dialog.SendDlgItemMessage(IDC_ENGINE_PROGRESS, PBM_GETPOS);
    });
    const DWORD before = GetTickCount();

    EXPECT_EQ(frame->SendMessage(WM_RADIO_RESTART), 0);
    EXPECT_EQ(text, "Alpha");
    EXPECT_EQ(ticks, 40u);
    EXPECT_EQ(position, 40);
    EXPECT_EQ(LastModalResult(), CEngineProgressDlg::kDone);
    EXPECT_EQ(GetTickCount() - before, 100u * CEngineProgressDlg::kTickMs);
    EXPECT_EQ(Frames().commands, kRestarted);
    EXPECT_EQ(frame->m_check_mark, CDeviceFrame::kCheckPending);
    EXPECT_EQ(frame->m_check_time, 0u);
    const auto destroyed = EngineSim::Calls("scan_destroy_engine");
    ASSERT_EQ(destroyed.size(), 2u);
    EXPECT_EQ(destroyed[0].handle, first);
    EXPECT_EQ(destroyed[1].handle, second);
}

TEST_F(RadioRestartTest, CancellingTheWaitLeavesTheEnginesDestroyedAndTheRadioStopped) {
    CTestRadioFrame* frame = Open(alpha);
    Start(alpha, frame);
    hb::afx::SetModalScript(IDD_ENGINE_PROGRESS, [](CDialog& dialog) {
        EXPECT_TRUE(hb::afx::ClickButton(dialog.GetSafeHwnd(), IDCANCEL));
    });
    frame->SendMessage(WM_RADIO_RESTART);
    EXPECT_EQ(LastModalResult(), IDCANCEL);
    EXPECT_EQ(Frames().commands, kStopped);
    EXPECT_FALSE(alpha->IsOpen());
    EXPECT_EQ(EngineSim::EngineCount(), 0u);
}

TEST_F(RadioRestartTest, AWindowClosedDuringTheWaitIsLeftAlone) {
    CTestRadioFrame* frame = Open(alpha);
    Start(alpha, frame);
    hb::afx::SetModalScript(IDD_ENGINE_PROGRESS, [&](CDialog&) { frame->DestroyWindow(); });
    const HWND hwnd = frame->GetSafeHwnd();
    ::SendMessage(hwnd, WM_RADIO_RESTART, 0, 0);
    EXPECT_EQ(Frames().framesDeleted, 1);
    EXPECT_EQ(LastModalResult(), CEngineProgressDlg::kDone);
    EXPECT_EQ(Frames().commands, kStopped);
    EXPECT_EQ(alpha->m_owner, nullptr);
}

TEST_F(RadioRestartTest, EnterDoesNotCutTheWaitShort) {
    CTestRadioFrame* frame = Open(alpha);
    Start(alpha, frame);
    bool openAfterEnter = false;
    hb::afx::SetModalScript(IDD_ENGINE_PROGRESS, [&](CDialog& dialog) {
        AdvanceAndPump(10 * CEngineProgressDlg::kTickMs);
        hb::afx::PressKey(dialog.GetSafeHwnd(), VK_RETURN);
        dialog.SendMessage(WM_COMMAND, IDOK);
        PumpUntilIdle();
        openAfterEnter = dialog.IsWindowVisible() != FALSE;
        EXPECT_TRUE(Frames().commands == kStopped);
    });
    const DWORD before = GetTickCount();

    frame->SendMessage(WM_RADIO_RESTART);
    EXPECT_TRUE(openAfterEnter);
    EXPECT_EQ(LastModalResult(), CEngineProgressDlg::kDone);
    EXPECT_EQ(GetTickCount() - before, 100u * CEngineProgressDlg::kTickMs);
    EXPECT_EQ(Frames().commands, kRestarted);
}

TEST_F(RadioRestartTest, NoRestartWithoutARadioOrWhileTheWindowCloses) {
    CTestRadioFrame* empty = Open(nullptr);
    empty->SendMessage(WM_RADIO_RESTART);

    CTestRadioFrame* closing = Open(alpha);
    Start(alpha, closing);
    closing->Panel()->restartOnDestroy = true;
    closing->DestroyWindow();

    EXPECT_TRUE(hb::afx::ModalLog().empty());
    EXPECT_TRUE(Frames().commands.empty());
}

} // namespace
} // namespace hb::app::test
