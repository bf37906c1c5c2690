#include "tests/app/rig/RigTest.h"

#include <array>
#include <memory>

namespace hb::app::test {
namespace {

constexpr UINT kAnalyzer = 27299;
constexpr UINT kBandScope = 27301;
const std::vector<UINT> kStopped{CRig::kCommandStop};
const std::vector<UINT> kRestarted{CRig::kCommandStop, CRig::kCommandStart};

class RigOwnersTest : public RigTest {
protected:
    RigOwnersTest() {
        Settings("[Scanner]\nType=1\nPort=SIM\n");
        rig = AddRig("Scanner", kScanner);
    }

    CRig* rig = nullptr;
};

TEST_F(RigOwnersTest, AClaimStopsTheOwnerAtOnceAndTheReleaseRestartsItFromTheQueue) {
    OwnerWindow radio, analyzer;
    ASSERT_EQ(rig->AttachView(kRadioWindow, &radio.wnd), 0);
    ASSERT_EQ(rig->AttachView(kAnalyzer, &analyzer.wnd), 0);
    EXPECT_EQ(radio.Commands(), kStopped);
    EXPECT_EQ(CRig::FindByOwner(&analyzer.wnd), rig);
    EXPECT_EQ(rig->AttachView(kAnalyzer, &analyzer.wnd), 0); // the same slot again
    EXPECT_EQ(radio.Commands(), kStopped);

    EngineSim::ClearJournal();
    EXPECT_EQ(rig->DetachView(&analyzer.wnd), 0);
    EXPECT_EQ(rig->m_owner, &radio.wnd);
    EXPECT_EQ(rig->m_owner_command, kRadioWindow);
    ASSERT_EQ(CallCount("scan_device_hwnd"), 1u);
    EXPECT_EQ(EngineSim::Calls("scan_device_hwnd")[0].window, radio.window.hwnd());
    EXPECT_EQ(radio.Commands(), kStopped);
    PumpUntilIdle();
    EXPECT_EQ(radio.Commands(), kRestarted);
}

TEST_F(RigOwnersTest, ASecondWindowUnderOneCommandAndAnEleventhWindowAreRefused) {
    std::array<OwnerWindow, CRig::kSlotCount + 1> windows;
    ASSERT_EQ(rig->AttachView(kRadioWindow, &windows[0].wnd), 0);
    EXPECT_EQ(rig->AttachView(kRadioWindow, &windows[1].wnd), 1);
    EXPECT_TRUE(windows[0].Commands().empty());
    for (UINT i = 1; i < CRig::kSlotCount; ++i) {
        EXPECT_EQ(rig->AttachView(kAnalyzer + i, &windows[i].wnd), 0);
    }
    EXPECT_EQ(rig->AttachView(kBandScope + 100, &windows.back().wnd), 1);
    EXPECT_EQ(rig->m_owner, &windows[CRig::kSlotCount - 1].wnd);
}

TEST_F(RigOwnersTest, TheLastWindowToLeaveDestroysTheEngineOrElseClosesTheDevice) {
    OwnerWindow radio, scope;
    rig->AttachView(kRadioWindow, &radio.wnd);
    rig->AttachView(kBandScope, &scope.wnd);
    ASSERT_FALSE(IsFailureStatus(StartEngine(*rig, &radio.wnd)));
    rig->DetachView(&radio.wnd);
    EXPECT_TRUE(rig->IsEngineOpenFor(&scope.wnd));
    rig->DetachView(&scope.wnd);
    EXPECT_EQ(CallCount("scan_destroy_engine"), 1u);
    EXPECT_FALSE(rig->IsOpen());
    EXPECT_EQ(rig->m_owner, nullptr);

    rig->AttachView(kBandScope, &scope.wnd);
    ASSERT_FALSE(IsFailureStatus(rig->OpenDevice(&scope.wnd)));
    rig->DetachView(&scope.wnd);
    EXPECT_EQ(CallCount("scan_close_device"), 1u);
    EXPECT_EQ(CallCount("scan_destroy_engine"), 1u);
    EXPECT_EQ(EngineSim::DeviceCount(), 0u);
}

TEST_F(RigOwnersTest, AWindowThatDoesNotOwnTheRigLeavesWithoutTouchingTheOwner) {
    // The analyzer opened from a radio window owns the rig when the radio window closes.
    OwnerWindow analyzer, stranger;
    auto radio = std::make_unique<OwnerWindow>();
    rig->AttachView(kRadioWindow, &radio->wnd);
    ASSERT_FALSE(IsFailureStatus(StartEngine(*rig, &radio->wnd)));
    rig->AttachView(kAnalyzer, &analyzer.wnd);
    EngineSim::ClearJournal();
    rig->DetachView(&radio->wnd);
    radio.reset();
    rig->DetachView(&stranger.wnd);
    EXPECT_EQ(rig->m_owner, &analyzer.wnd);
    EXPECT_EQ(rig->m_owner_command, kAnalyzer);
    EXPECT_TRUE(rig->IsOpenFor(&analyzer.wnd));
    EXPECT_TRUE(EngineSim::Journal().empty());
    EXPECT_EQ(app.GetProfileIntA("Scanner", "ModemRedialArmed", 1), 0);

    // Leaving last, it hands the rig to nobody: nothing reaches the window that is gone.
    rig->DetachView(&analyzer.wnd);
    EXPECT_EQ(rig->m_owner, nullptr);
    EXPECT_EQ(CallCount("scan_destroy_engine"), 1u);
    PumpUntilIdle();

    // The middle one of three leaves: the last gives the rig back to the first.
    OwnerWindow first, middle, last;
    rig->AttachView(kRadioWindow, &first.wnd);
    rig->AttachView(kAnalyzer, &middle.wnd);
    rig->AttachView(kBandScope, &last.wnd);
    rig->DetachView(&middle.wnd);
    rig->DetachView(&last.wnd);
    EXPECT_EQ(rig->m_owner, &first.wnd);
    PumpUntilIdle();
    EXPECT_EQ(first.Commands(), kRestarted);
    EXPECT_EQ(middle.Commands(), kStopped);
}

TEST_F(RigOwnersTest, DestroyingTheRigClosesItsWindowsAndItsEngine) {
    OwnerWindow radio;
    rig->AttachView(kRadioWindow, &radio.wnd);
    ASSERT_FALSE(IsFailureStatus(StartEngine(*rig, &radio.wnd)));
    CRig::s_selection[0] = rig;
    CRig::DeleteAll();
    EXPECT_TRUE(CRigList::Get().IsEmpty());
    EXPECT_EQ(CRig::s_selection[0], nullptr);
    EXPECT_EQ(radio.window.Count(WM_CLOSE), 1u);
    EXPECT_EQ(EngineSim::EngineCount(), 0u);
}

} // namespace
} // namespace hb::app::test
