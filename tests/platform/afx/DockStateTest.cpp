#include "platform/afx/CDockState.h"
#include "tests/platform/afx/AppFixture.h"

namespace hb::afx::test {
namespace {

class DockStateTest : public AppTest {
protected:
    DockStateTest() { app.SetRegistryKey("Corvanta Test"); }

    static void SaveTwoBars() {
        CDockState state;
        state.m_sizeScreen = kScreen;
        state.m_arrBarInfo = TwoBars();
        state.SaveState("GroupToolBar");
    }
    static std::vector<CDockBarInfo> TwoBars() {
        return {{59419, TRUE, FALSE, CPoint(0, 0)}, {27346, FALSE, TRUE, CPoint(-40, 700)}};
    }

    static constexpr CSize kScreen{1280, 1024};
};

TEST_F(DockStateTest, ASavedStateLoadsBackAndASmallerOneReplacesItWhole) {
    CDockState loaded;
    EXPECT_FALSE(loaded.LoadState("GroupToolBar"));

    SaveTwoBars();
    ASSERT_TRUE(loaded.LoadState("GroupToolBar"));
    EXPECT_EQ(loaded.m_sizeScreen, kScreen);
    EXPECT_EQ(loaded.m_arrBarInfo, TwoBars());

    loaded.m_arrBarInfo.pop_back();
    loaded.SaveState("GroupToolBar");
    ASSERT_TRUE(loaded.LoadState("GroupToolBar"));
    EXPECT_EQ(loaded.m_arrBarInfo, std::vector<CDockBarInfo>{TwoBars().front()});
    EXPECT_EQ(app.GetProfileString("GroupToolBar", "Bar1", "gone"), "gone");

    // The edge a bar is docked on comes back with it.
    loaded.m_arrBarInfo.front().nDockBarID = AFX_IDW_DOCKBAR_LEFT;
    loaded.SaveState("GroupToolBar");
    ASSERT_TRUE(loaded.LoadState("GroupToolBar"));
    EXPECT_EQ(loaded.m_arrBarInfo.front().nDockBarID, AFX_IDW_DOCKBAR_LEFT);

    loaded.Clear();
    EXPECT_TRUE(loaded.m_arrBarInfo.empty());
    EXPECT_EQ(loaded.m_sizeScreen, CSize());
}

TEST_F(DockStateTest, AStateThatCannotBeReadLoadsAsNothing) {
    SaveTwoBars();
    for (const char* damaged : {"27346,0,1,-40", "27346,0,1,-40,700,9", "bar", ""}) {
        app.WriteProfileString("GroupToolBar", "Bar1", damaged);
        CDockState loaded;
        loaded.m_arrBarInfo = TwoBars();
        EXPECT_FALSE(loaded.LoadState("GroupToolBar")) << damaged;
        EXPECT_TRUE(loaded.m_arrBarInfo.empty()) << damaged;
        EXPECT_EQ(loaded.m_sizeScreen, CSize()) << damaged;
    }

    // A save cut short before its count is written is not read back.
    SaveTwoBars();
    app.WriteProfileString("GroupToolBar", "Bars", nullptr);
    CDockState loaded;
    EXPECT_FALSE(loaded.LoadState("GroupToolBar"));
}

} // namespace
} // namespace hb::afx::test
