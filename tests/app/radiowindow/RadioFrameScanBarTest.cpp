#include "platform/records/ToolkitMessages.h"
#include "platform/tessary/model/Radio.h"
#include "platform/toolkit/CXTPCommandBars.h"
#include "platform/toolkit/CXTPToolBar.h"
#include "tests/app/radiowindow/RadioWindowTest.h"

#include <algorithm>

namespace hb::app::test {
namespace {

using Ids = std::vector<int>;

const Ids kScanBar{27038, 27037, 27034, 27035, 27029, 27031, 27033, 27039, 27036,
                   28442, 28730, 26010, 27007, 28033, 27041, 27187, 27022, 27023,
                   27024, 27025, 27232, 27021, 27875, 27876, 27695};

class RadioFrameScanBarTest : public RadioWindowTest {
protected:
    void SetUp() override { Radios(kReceiverOnly, {{"Receiver", 42}}); }
    // The buttons whose customize hide flag is set.
    static Ids Hidden(CXTPToolBar& bar) {
        Ids ids;
        for (int i = 0; i < bar.GetControlCount(); ++i) {
            if (bar.GetControl(i)->GetHideFlags() & xtpHideCustomize) {
                ids.push_back(bar.GetControl(i)->GetID());
            }
        }
        std::sort(ids.begin(), ids.end());
        return ids;
    }
    static Ids SimpleModeIds() {
        Ids ids(std::begin(CRadioFrame::kSimpleModeButtons),
                std::end(CRadioFrame::kSimpleModeButtons));
        std::sort(ids.begin(), ids.end());
        return ids;
    }
    CRadioFrame* Reopen() {
        RadioWindow()->SendMessage(WM_CLOSE);
        return OpenWindow();
    }
};

TEST_F(RadioFrameScanBarTest, TheBarHoldsTheRadiosCommandsAndShowsThoseItCanUse) {
    CRig::FindByName("Receiver")->m_view_type = 0;
    CRadioFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    CXTPToolBar& bar = *frame->ScanToolBar();
    Ids ids;
    for (int i = 0; i < bar.GetControlCount(); ++i) {
        ids.push_back(bar.GetControl(i)->GetID());
    }
    EXPECT_EQ(ids, kScanBar);
    ASSERT_EQ(frame->m_rig->m_radio->caps3() & 0x1146, 0u);
    for (const int id : {27031, 27039, 27033, 27007}) {
        EXPECT_FALSE(bar.FindControl(id)->IsVisible()) << id;
    }
    for (const int id : {27036, 28442, 28730, 26010}) {
        EXPECT_TRUE(bar.FindControl(id)->IsVisible()) << id;
    }
    // Every button has its tooltip.
    CString text;
    for (const int id : kScanBar) {
        EXPECT_TRUE(text.LoadString(static_cast<UINT>(id))) << id;
        EXPECT_NE(text.Find('\n'), -1) << id;
    }
    EXPECT_TRUE(frame->GetCommandBars()->IsCustomizationEnabled());
}

TEST_F(RadioFrameScanBarTest, SimpleModeHidesExactlyTheAdvancedButtons) {
    CRadioFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    CXTPToolBar& bar = *frame->ScanToolBar();
    EXPECT_TRUE(Hidden(bar).empty());
    app->m_simpleMode = TRUE;
    frame->m_rig->m_wizard_requested = 1;
    EXPECT_EQ(frame->SendMessage(WM_TOOLKIT_BAR_RESET), 0);
    EXPECT_EQ(Hidden(bar), SimpleModeIds());
    EXPECT_EQ(frame->m_rig->m_wizard_requested, 0u);
    app->m_simpleMode = FALSE;
    frame->ApplySimpleMode();
    EXPECT_TRUE(Hidden(bar).empty());
}

TEST_F(RadioFrameScanBarTest, TheBarFollowsSimpleModeOnlyWhenItChangedSinceLastTime) {
    CRadioFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(app->GetProfileIntA("Receiver", "PrevSimpleMode", -1), 0);
    // The user's own choice survives while simple mode stays as it was.
    frame->ScanToolBar()->FindControl(28033)->SetHideFlag(xtpHideCustomize, TRUE);
    frame = Reopen();
    EXPECT_EQ(Hidden(*frame->ScanToolBar()), Ids{28033});

    app->m_simpleMode = TRUE;
    frame = Reopen();
    EXPECT_EQ(Hidden(*frame->ScanToolBar()), SimpleModeIds());
    EXPECT_EQ(app->GetProfileIntA("Receiver", "PrevSimpleMode", -1), 1);

    app->m_simpleMode = FALSE;
    frame = Reopen();
    EXPECT_TRUE(Hidden(*frame->ScanToolBar()).empty());
    EXPECT_EQ(app->GetProfileIntA("Receiver", "PrevSimpleMode", -1), 0);
}

TEST_F(RadioFrameScanBarTest, ALockedBarIsNotCustomizedNorSavedOnClose) {
    UserValue("Receiver", "ToolBarLock", 1);
    CRadioFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    EXPECT_FALSE(frame->GetCommandBars()->IsCustomizationEnabled());
}

TEST_F(RadioFrameScanBarTest, AWindowWithoutTheBarIgnoresABarReset) {
    UserValue("Settings", "UseCompactView", 1);
    NewApp();
    ASSERT_EQ(Start(), std::nullopt);
    CRadioFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    ASSERT_EQ(frame->ScanToolBar(), nullptr);
    frame->m_rig->m_wizard_requested = 1;
    EXPECT_EQ(frame->SendMessage(WM_TOOLKIT_BAR_RESET), 0);
    EXPECT_EQ(frame->m_rig->m_wizard_requested, 1u);
    frame->SendMessage(WM_CLOSE);
    EXPECT_EQ(RadioWindow(), nullptr);
}

} // namespace
} // namespace hb::app::test
