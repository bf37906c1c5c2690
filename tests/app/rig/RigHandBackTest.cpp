#include "platform/records/PrivateMessages.h"
#include "tests/app/rig/RigTest.h"

#include <memory>

namespace hb::app::test {
namespace {

constexpr UINT kAnalyzer = 27299;
constexpr UINT kCorrelator = CRig::kCommandCorrelatorFiles;
// A message the engine posts to the window it notifies.
constexpr UINT kEngineNews = WM_APP + 7;

class RigHandBackTest : public RigTest {
protected:
    RigHandBackTest() {
        Settings("[Receiver]\nType=42\nPort=SIM\n");
        rig = AddRig("Receiver", kReceiver);
    }

    // The windows the engine was last pointed at, oldest first.
    static std::vector<HWND> Retargets() {
        std::vector<HWND> windows;
        for (const auto& call : EngineSim::Calls("scan_device_hwnd")) {
            windows.push_back(call.window);
        }
        return windows;
    }
    // A radio window that owns the rig with a running engine pointed at its front panel.
    void RadioWithPanel(OwnerWindow& radio, OwnerWindow& panel) {
        ASSERT_EQ(rig->AttachView(kRadioWindow, &radio.wnd), 0);
        ASSERT_FALSE(IsFailureStatus(StartEngine(*rig, &radio.wnd)));
        rig->DeviceHwnd(&panel.wnd);
        EngineSim::ClearJournal();
    }

    CRig* rig = nullptr;
};

TEST_F(RigHandBackTest, TheDisplacedOwnerGetsTheRadioBackWithItsPanelNotified) {
    OwnerWindow radio, panel, analyzer;
    RadioWithPanel(radio, panel);

    ASSERT_EQ(rig->AttachView(kAnalyzer, &analyzer.wnd), 0);
    rig->DeviceHwnd();
    EXPECT_EQ(Retargets(), std::vector<HWND>{analyzer.window.hwnd()});
    EngineSim::PostMessage(rig->m_engine, kEngineNews);
    PumpUntilIdle();
    EXPECT_EQ(analyzer.window.Count(kEngineNews), 1u);

    EngineSim::ClearJournal();
    rig->DetachView(&analyzer.wnd);
    EXPECT_EQ(Retargets(), std::vector<HWND>{panel.window.hwnd()});
    EXPECT_EQ(rig->m_owner, &radio.wnd);
    EXPECT_EQ(rig->m_owner_command, kRadioWindow);
    EngineSim::PostMessage(rig->m_engine, kEngineNews);
    PumpUntilIdle();
    EXPECT_EQ(panel.window.Count(kEngineNews), 1u);
    EXPECT_EQ(radio.window.Count(kEngineNews), 0u);
    EXPECT_EQ(radio.Commands(), (std::vector<UINT>{CRig::kCommandStop, CRig::kCommandStart}));
}

TEST_F(RigHandBackTest, RetargetingReachesOnlyTheOwnersSlot) {
    OwnerWindow radio, analyzer, panel;
    rig->AttachView(kRadioWindow, &radio.wnd);
    rig->AttachView(kAnalyzer, &analyzer.wnd);
    ASSERT_FALSE(IsFailureStatus(rig->OpenDevice(&analyzer.wnd)));
    EngineSim::ClearJournal();
    // The radio window is displaced: pointing the engine elsewhere is the analyzer's business.
    rig->DeviceHwnd(&panel.wnd);
    EXPECT_EQ(Retargets(), std::vector<HWND>{panel.window.hwnd()});
    rig->DetachView(&analyzer.wnd);
    EXPECT_EQ(Retargets(), (std::vector<HWND>{panel.window.hwnd(), radio.window.hwnd()}));

    // No owner, no window: the engine notifies none.
    rig->DetachView(&radio.wnd);
    ASSERT_FALSE(IsFailureStatus(rig->OpenDevice(nullptr)));
    EngineSim::ClearJournal();
    rig->DeviceHwnd();
    EXPECT_EQ(Retargets(), std::vector<HWND>{HWND{}});
}

TEST_F(RigHandBackTest, AFrontPanelDestroyedWhileItsRadioHoldsTheRigIsNeverReached) {
    OwnerWindow radio, analyzer;
    auto panel = std::make_unique<OwnerWindow>();
    RadioWithPanel(radio, *panel);
    panel.reset();

    rig->AttachView(kAnalyzer, &analyzer.wnd);
    rig->DeviceHwnd();
    EngineSim::ClearJournal();
    rig->DetachView(&analyzer.wnd);
    // The engine is pointed at no window rather than at one that is gone.
    EXPECT_EQ(Retargets(), std::vector<HWND>{HWND{}});
    EXPECT_EQ(rig->m_owner, &radio.wnd);
    PumpUntilIdle();
    EXPECT_EQ(radio.Commands(), (std::vector<UINT>{CRig::kCommandStop, CRig::kCommandStart}));

    // A new engine tells no one that the device opened: the window to tell is gone.
    rig->DestroyEngine();
    ASSERT_FALSE(IsFailureStatus(StartEngine(*rig, nullptr)));
    EXPECT_EQ(radio.window.Count(WM_RADIO_DEVICE_OPEN), 1u); // from the first start only
    // Once the radio window takes the notices itself, it hears of the next one.
    rig->DeviceHwnd();
    rig->DestroyEngine();
    ASSERT_FALSE(IsFailureStatus(StartEngine(*rig, nullptr)));
    EXPECT_EQ(radio.window.Count(WM_RADIO_DEVICE_OPEN), 2u);
}

TEST_F(RigHandBackTest, ARadioWindowDestroyedWithoutLeavingIsNeitherNotifiedNorRestarted) {
    OwnerWindow analyzer;
    auto radio = std::make_unique<OwnerWindow>();
    ASSERT_EQ(rig->AttachView(kRadioWindow, &radio->wnd), 0);
    ASSERT_FALSE(IsFailureStatus(StartEngine(*rig, &radio->wnd)));
    rig->AttachView(kAnalyzer, &analyzer.wnd);
    radio.reset();

    EngineSim::ClearJournal();
    rig->DetachView(&analyzer.wnd);
    EXPECT_EQ(Retargets(), std::vector<HWND>{HWND{}});
    PumpUntilIdle();
    EXPECT_TRUE(rig->IsEngineOpen());
}

TEST_F(RigHandBackTest, APermanentRigKeepsItsEngineToItselfAndDropsItLast) {
    rig->m_permanent = 1;
    OwnerWindow radio, analyzer, correlator;
    EXPECT_EQ(rig->AttachView(kCorrelator, &correlator.wnd), 1);
    EXPECT_EQ(rig->m_owner, nullptr);
    ASSERT_EQ(rig->AttachView(kRadioWindow, &radio.wnd), 0);
    ASSERT_FALSE(IsFailureStatus(StartEngine(*rig, &radio.wnd)));
    // No device notice and no status read on its behalf.
    EXPECT_EQ(radio.window.Count(WM_RADIO_DEVICE_OPEN), 0u);
    EXPECT_EQ(rig->OnDeviceOpened(), 0);

    rig->AttachView(kAnalyzer, &analyzer.wnd);
    EngineSim::ClearJournal();
    rig->DetachView(&analyzer.wnd);
    EXPECT_TRUE(Retargets().empty());
    EXPECT_EQ(rig->m_owner_command, kRadioWindow);
    PumpUntilIdle();
    EXPECT_EQ(radio.Commands(), (std::vector<UINT>{CRig::kCommandStop, CRig::kCommandStart}));

    rig->DetachView(&radio.wnd);
    EXPECT_FALSE(rig->IsOpen());
    EXPECT_EQ(rig->m_owner, nullptr);
    EXPECT_TRUE(EngineSim::Journal().empty());
    EXPECT_EQ(EngineSim::EngineCount(), 1u);
}

} // namespace
} // namespace hb::app::test
