#include "radioview/HistView.h"
#include "tests/app/radiowindow/RadioWindowTest.h"

namespace hb::app::test {
namespace {

class HistoryTabTest : public RadioWindowTest {};

TEST_F(HistoryTabTest, TheReceiversHistoryKeepsItsColumnWidthsAcrossClosingTheWindow) {
    Radios(kReceiverOnly, {{"Receiver", 42}});
    CRadioFrame* frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    CHistView* history = frame->m_historyView;
    ASSERT_NE(history, nullptr);
    // The program's own resources hold the tab's icon.
    const auto icon = hb::win::GetImageInfo(history->GetIcon(TRUE));
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->resourceId, IDI_HISTORY);
    EXPECT_EQ(history->SendMessage(LVM_GETCOLUMNWIDTH, 3), 100);
    history->SendMessage(LVM_SETCOLUMNWIDTH, 3, MAKELPARAM(180, 0));
    history->SendMessage(LVM_SETCOLUMNWIDTH, 6, MAKELPARAM(40, 0));
    frame->SendMessage(WM_CLOSE);

    frame = OpenWindow();
    ASSERT_NE(frame, nullptr);
    history = frame->m_historyView;
    ASSERT_NE(history, nullptr);
    EXPECT_EQ(history->SendMessage(LVM_GETCOLUMNWIDTH, 3), 180);
    EXPECT_EQ(history->SendMessage(LVM_GETCOLUMNWIDTH, 6), 40);
    EXPECT_EQ(history->SendMessage(LVM_GETCOLUMNWIDTH, 0), 100);
    EXPECT_EQ(history->SendMessage(LVM_GETCOLUMNWIDTH, 8), 9999);
}

} // namespace
} // namespace hb::app::test
