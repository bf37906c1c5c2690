// The progress window of a trunk-tracking scanner's transfer on a real X server (Xvfb), while the
// radio takes a bank's IDs: the section, the count's label, the slot and the tag whole.
#include "platform/engine/EngineSim.h"
#include "platform/testkit/xdriver/Artefacts.h"
#include "platform/testkit/xdriver/ScreenSession.h"
#include "platform/testkit/xdriver/XDriver.h"
#include "tests/app/programming/TrunkScanner63Test.h"

#include <thread>

namespace hb::app::test {
namespace {

namespace tr = hb::resources::transfer;
using hb::testkit::XDriver;
using namespace std::chrono_literals;

class TrunkScanner63OnScreenTest : public TrunkScanner63Test {
protected:
    void SetUp() override { screen.Start(); }
    void TearDown() override {
        if (user.joinable()) {
            user.join();
        }
        screen.Stop();
        TrunkScanner63Test::TearDown();
    }

    hb::testkit::ScreenSession screen;
    std::thread user;
    std::string failure;
    std::string item;
};

TEST_F(TrunkScanner63OnScreenTest, TheProgressWindowWhileTheRadioTakesABanksIds) {
    Use(64, 2);
    Bank& police = BankAt(1);
    police.setName("County Police");
    police.trunkType = 2;
    AddId(police, "012345", "Patrol North");
    ::SetWindowPos(owner.wnd.m_hWnd, HWND{}, 40, 40, 640, 480, SWP_NOZORDER | SWP_SHOWWINDOW);
    // Once the bank's first ID is shown, the radio stops answering: at its tag. The window shows
    // the ID until Stop.
    Radio().onLine = [this](std::string_view line) {
        if (!line.starts_with("TA I B A1") || user.joinable()) {
            return;
        }
        running->m_reply_timeout = 120'000;
        hb::engine::EngineSim::PatchStatus(rig->m_device, hb::records::DeviceStatus::kBusy.kOffset,
                                           1);
        const HWND progress = running->m_progress.m_hWnd;
        char shown[64] = {};
        ::GetWindowText(::GetDlgItem(progress, tr::kItem), shown, sizeof shown);
        item = shown;
        ::RedrawWindow(progress, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        user = std::thread([this, progress] {
            auto driver = XDriver::Connect(screen.name());
            const auto window = driver ? driver->FindWindow("Data Transfer", 30s) : std::nullopt;
            if (!window || !driver->WaitUntilPainted(*window, 30s)) {
                failure = "the progress window never showed";
            } else {
                driver->Screenshot(*window, hb::testkit::ArtefactPath("transfer-trunk-ids.png"));
            }
            ::PostMessage(progress, WM_COMMAND, IDCANCEL, 0);
        });
    };
    Choose({1}, false);
    Download();
    user.join();
    EXPECT_EQ(failure, "");
    EXPECT_EQ(item, "ID List");
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(Count("IDN"), 0u);
}

} // namespace
} // namespace hb::app::test
