// One command to the radio and back: what reaches the radio, how a silent or refusing radio is
// reported, how long a wait lasts on the clock (also across the tick counter's wrap), and how Stop
// and a quitting program end it.
#include "platform/engine/EngineSim.h"
#include "platform/records/DeviceStatus.h"
#include "platform/tessary/app/AppHooks.h"
#include "platform/win/core/MessageLoop.h"
#include "tests/app/programming/TransferTest.h"

namespace hb::app::test {
namespace {

using hb::records::DeviceStatus;

class TransactTest : public TransferTest {
protected:
    // Holds the device busy although nothing is outstanding, so the engine posts nothing.
    void HoldBusy() { EngineSim::PatchStatus(rig->m_device, DeviceStatus::kBusy.kOffset, 1); }
};

TEST_F(TransactTest, ALongCommandIsCutAndTheReplyStaysForTheCaller) {
    Connect();
    Radio().Script("XX", "XX OK");
    loader.AppendCommand(std::string(600, 'X').c_str());

    EXPECT_EQ(loader.Transact(4711, &loader.m_progress), 0);
    EXPECT_EQ(Radio().Journal(), std::vector<std::string>{std::string(511, 'X')});
    EXPECT_EQ(loader.m_command, "");
    EXPECT_EQ(loader.m_last_command, std::string(511, 'X'));
    EXPECT_EQ(loader.Reply(), "XX OK");
    EXPECT_TRUE(boxes.empty());

    // A command is built from pieces, and SendCommand adds the last one.
    loader.AppendCommand("XX");
    EXPECT_EQ(loader.SendCommand("1\r", 4711, &loader.m_progress), 0);
    EXPECT_EQ(Radio().Journal().back(), "XX1");
    EXPECT_EQ(loader.m_command, "");
}

TEST_F(TransactTest, ASilentRadioGivesOneTransferErrorThenAPause) {
    Connect();
    EngineSim::ClearJournal();

    EXPECT_EQ(loader.SendCommand("ZZ01\r", 4711, &loader.m_progress), -1);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Data Transfer Error");
    EXPECT_EQ(boxes[0].text, "Data could not be exchanged with the radio.\n\n\tRef:\t4711\n\tFile:"
                             "\tLoad\n\tTX Data:\tZZ01\r\n\tRX Data:\t");
    EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_OK | MB_ICONHAND));
    EXPECT_EQ(boxes[0].owner, owner.wnd.m_hWnd);
    EXPECT_EQ(Beeps(), std::vector<UINT>{MB_ICONASTERISK});
    const auto delays = EngineSim::Calls("scan_delay");
    ASSERT_EQ(delays.size(), 1u);
    EXPECT_EQ(delays[0].value, 300u);
    EXPECT_EQ(loader.m_command, "");
}

TEST_F(TransactTest, StopOrAnAbortedTransferSendsNothing) {
    Connect();
    loader.m_progress.Abort();
    EXPECT_EQ(loader.SendCommand("IDF\r", 1, &loader.m_progress), 1);
    EXPECT_TRUE(Radio().Journal().empty());
    EXPECT_EQ(loader.m_command, "");

    CLoader aborted;
    aborted.m_rig = rig;
    aborted.m_aborted = true;
    EXPECT_TRUE(aborted.Stopped());
    EXPECT_EQ(aborted.SendCommand("IDF\r", 1, nullptr), 1);
    EXPECT_TRUE(Radio().Journal().empty());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(TransactTest, ACommandTheEngineRefusesIsReportedWithTheRigAndTheCommand) {
    Connect();
    EngineSim::FailNextRequest(0x8123);

    EXPECT_EQ(loader.SendCommand("IDF\r", 17, &loader.m_progress), -1);
    const auto& errors = hb::tessary::ErrorMessages();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].who, "Trunk");
    EXPECT_EQ(errors[0].title, "IDF\r");
    EXPECT_EQ(errors[0].source, CLoader::kSourcePath);
    EXPECT_EQ(errors[0].ref, 17);
    EXPECT_EQ(errors[0].status, 0x8123);
    EXPECT_EQ(errors[0].type, 0x10u);
    EXPECT_TRUE(Radio().Journal().empty());

    // A status read failing while the reply is awaited ends the wait as a transfer error.
    EngineSim::FailNext("scan_device_status", 0x8456);
    EXPECT_EQ(loader.SendCommand("IDF\r", 18, &loader.m_progress), -1);
    EXPECT_EQ(errors.size(), 1u);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].caption, "Data Transfer Error");
    EXPECT_NE(boxes[1].text.find("\tRef:\t18\n"), std::string::npos);
}

TEST_F(TransactTest, TheWaitEndsWhenTheDeviceIsIdleOrAtTheLimit) {
    Connect();
    Radio().Script("LCD", "LINE1 OK");
    ASSERT_EQ(rig->RawCommand("LCD\r"), 0);
    EXPECT_EQ(loader.WaitReply(5000, &loader.m_progress), 0);

    HoldBusy();
    const std::int64_t start = hb::win::NowMs();
    EXPECT_EQ(loader.WaitReply(5000, &loader.m_progress), CLoader::kStatusTimeout);
    EXPECT_EQ(hb::win::NowMs() - start, 5000);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(TransactTest, TheTickCounterWrappingDoesNotEndTheWaitEarly) {
    Connect();
    HoldBusy();
    hb::win::SetTickCount(0xFFFFF000);
    const std::int64_t start = hb::win::NowMs();
    EXPECT_EQ(loader.WaitReply(5000, &loader.m_progress), CLoader::kStatusTimeout);
    const std::int64_t wrapAt = 0x1000;
    const std::int64_t elapsed = hb::win::NowMs() - start;
    EXPECT_GE(elapsed, wrapAt + 5000);
    EXPECT_LE(elapsed, wrapAt + 5000 + 100);
}

TEST_F(TransactTest, StopDuringTheWaitWinsOverTheLimit) {
    Connect();
    HoldBusy();
    ::PostMessage(loader.m_progress.m_hWnd, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(loader.WaitReply(5000, &loader.m_progress), CLoader::kStatusStopped);
    EXPECT_TRUE(loader.m_progress.Aborted());
    EXPECT_TRUE(loader.Stopped());

    // The limit already passed: Stop still decides.
    CLoadProgressDlg second;
    ASSERT_TRUE(second.Create(&owner.wnd));
    ::PostMessage(second.m_hWnd, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(loader.WaitReply(0, &second), CLoader::kStatusStopped);
    second.DestroyWindow();
}

TEST_F(TransactTest, AQuitDuringTheWaitStopsTheTransferQuietlyAndStaysForTheOuterLoop) {
    Connect();
    Radio().Script("IDF", "OK");
    ::PostQuitMessage(3);

    EXPECT_EQ(loader.SendCommand("IDF\r", 5, &loader.m_progress), 1);
    EXPECT_TRUE(loader.m_progress.Aborted());
    EXPECT_TRUE(boxes.empty());
    MSG msg;
    ASSERT_TRUE(::PeekMessage(&msg, HWND{}, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
    // Nothing more goes to the radio.
    EXPECT_EQ(loader.SendCommand("IDF\r", 5, &loader.m_progress), 1);
    EXPECT_EQ(Radio().Journal().size(), 1u);
}

} // namespace
} // namespace hb::app::test
