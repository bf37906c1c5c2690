#include "platform/toolkit/CXTPCommandBars.h"
#include "tests/app/rig/DeviceFrameFixture.h"

namespace hb::app::test {
namespace {

TEST_F(DeviceFrameTest, TheWindowsCommandBarsAreKeptUnderANameWithTheirShortcuts) {
    CTestRadioFrame* frame = Open(alpha);
    EXPECT_FALSE(frame->InitCommandBars(RUNTIME_CLASS(CWnd)));
    EXPECT_EQ(frame->GetCommandBars(), nullptr);

    ASSERT_TRUE(frame->InitCommandBars(RUNTIME_CLASS(CXTPCommandBars)));
    EXPECT_EQ(frame->GetCommandBars()->GetSite(), frame);
    CXTPToolBar* bar = frame->GetCommandBars()->Add("Scan", xtpBarTop);
    ASSERT_NE(bar, nullptr);
    bar->SetVisible(FALSE);
    ACCEL shortcut{};
    shortcut.fVirt = FVIRTKEY | FCONTROL;
    shortcut.key = VK_F5;
    shortcut.cmd = CRig::kCommandStart;
    frame->GetCommandBars()->GetShortcutManager()->SetShortcuts({shortcut});
    frame->SaveCommandBars("Alpha");

    // New bars take the state saved under the name.
    ASSERT_TRUE(frame->InitCommandBars(RUNTIME_CLASS(CXTPCommandBars)));
    bar = frame->GetCommandBars()->Add("Scan", xtpBarTop);
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->IsVisible());
    frame->LoadCommandBars("Alpha");
    EXPECT_FALSE(bar->IsVisible());
    const auto& loaded = frame->GetCommandBars()->GetShortcutManager()->GetShortcuts();
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0].key, VK_F5);
    EXPECT_EQ(loaded[0].cmd, CRig::kCommandStart);
}

} // namespace
} // namespace hb::app::test
