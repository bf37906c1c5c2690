#include "app/radiowindow/ToolView.h"

#include "platform/afx/CCreateContext.h"
#include "platform/afx/CMDIChildWnd.h"
#include "tests/app/radiowindow/RadioWindowTest.h"

namespace hb::app::test {
namespace {

class ToolViewTest : public RadioWindowTest {};

TEST_F(ToolViewTest, TheButtonsRunTheirRadioWindowsCommands) {
    UserValue("Settings", "UseCompactView", 1);
    Radios(kReceiverOnly, {{"Receiver", 42}});
    CRadioFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    auto* splitter = DYNAMIC_DOWNCAST(CXTSplitterWnd, frame->GetDlgItem(AFX_IDW_PANE_FIRST));
    ASSERT_NE(splitter, nullptr);
    auto* tools = DYNAMIC_DOWNCAST(CToolView, splitter->GetPane(0, 0));
    ASSERT_NE(tools, nullptr);
    for (CXTPButton* button :
         {&tools->m_start, &tools->m_reset, &tools->m_stop, &tools->m_lockOut}) {
        EXPECT_EQ(button->GetIconSize(), CSize(32, 32));
        EXPECT_TRUE(button->GetButtonIcon());
    }
    AdvanceAndPump(1000);
    EngineSim::ClearJournal();

    ASSERT_TRUE(hb::afx::ClickButton(tools->GetSafeHwnd(), ID_RADIO_START));
    EXPECT_EQ(EngineCodes(), (std::vector<std::uint8_t>{19, 9}));
    AdvanceAndPump(1000);
    EngineSim::ClearJournal();
    ASSERT_TRUE(hb::afx::ClickButton(tools->GetSafeHwnd(), ID_RADIO_STOP));
    EXPECT_EQ(EngineCodes(), (std::vector<std::uint8_t>{8}));
    // Reset locks out the sample's empty channel and starts (the standard view pauses again);
    // lock out in a paused radio sends nothing.
    const std::size_t beeps = Beeps().size();
    ASSERT_TRUE(hb::afx::ClickButton(tools->GetSafeHwnd(), IDC_KEY_RESET));
    ASSERT_TRUE(hb::afx::ClickButton(tools->GetSafeHwnd(), ID_RADIO_LOCK_OUT));
    EXPECT_EQ(Beeps().size(), beeps);
    EXPECT_EQ(EngineCodes(), (std::vector<std::uint8_t>{8, 1, 19, 9, 8}));
}

TEST_F(ToolViewTest, InAnyOtherFrameTheButtonsDoNothing) {
    Radios(kReceiverOnly, {{"Receiver", 42}});
    auto* frame = new CMDIChildWnd;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CToolView);
    ASSERT_TRUE(frame->Create(nullptr, "Tools", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                              CFrameWnd::rectDefault, nullptr, &context));
    frame->InitialUpdateFrame(nullptr, TRUE);
    auto* tools = DYNAMIC_DOWNCAST(CToolView, frame->GetActiveView());
    ASSERT_NE(tools, nullptr);
    const std::size_t beeps = Beeps().size();
    EngineSim::ClearJournal();
    for (const int id : {ID_RADIO_START, IDC_KEY_RESET, ID_RADIO_STOP, ID_RADIO_LOCK_OUT}) {
        EXPECT_TRUE(hb::afx::ClickButton(tools->GetSafeHwnd(), id));
    }
    EXPECT_EQ(Beeps().size(), beeps);
    EXPECT_TRUE(EngineSim::Journal().empty());
    frame->DestroyWindow();
}

} // namespace
} // namespace hb::app::test
