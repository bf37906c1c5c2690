#include "platform/tessary/audio/AudioPlayerView.h"

#include "platform/tessary/audio/AudioFile.h"
#include "platform/testkit/PlatformTest.h"
#include "platform/testkit/TempFolder.h"
#include "platform/testkit/TestWindow.h"
#include "tests/platform/tessary/audio/RecordingFileReader.h"

#include <string>
#include <vector>

namespace hb::tessary::test {
namespace {

class AudioPlayerViewTest : public hb::testkit::PlatformTest {
protected:
    AudioPlayerViewTest() {
        parent.Create({.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE, .rect = {0, 0, 700, 160}});
        view = new CAudioPlayerView;
        view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 700, 160),
                     CWnd::FromHandle(parent.hwnd()), 1, nullptr);
    }

    void Append(dal record, std::uint32_t audioBytes) {
        record.set(dal::kTime, 1'800'000'000u);
        file.AppendSegment(record, 0);
        const std::vector<std::uint8_t> audio(audioBytes, 0x11);
        file.AppendAudio(audio.data(), audioBytes);
    }
    std::vector<std::string> Row(long row) {
        std::vector<std::string> texts;
        for (int col = CAudioPlayerView::kNumberColumn; col <= CAudioPlayerView::kLengthColumn;
             ++col) {
            texts.push_back(view->GetGrid().QuickGetText(col, row).str());
        }
        return texts;
    }

    hb::testkit::TestWindow parent;
    hb::testkit::TempFolder folder;
    CAudioFile file;
    CAudioPlayerView* view = nullptr;
};

TEST_F(AudioPlayerViewTest, EachSegmentIsARowThatCannotBeEdited) {
    ASSERT_TRUE(file.Open(folder.File("rx1.swq")));
    dal joined = ChannelRecord("County Fire", 460'125'000);
    joined.setText(dal::kName2, "Dispatch");
    joined.setText(dal::kName3, "North");
    Append(joined, 16'001);
    dal alone = joined;
    alone.set(dal::kFlags, dal::kFlagSubjectAlone);
    Append(alone, 60 * 16'000);
    view->BindDocument(&file);
    ASSERT_EQ(view->GetGrid().GetNumberRows(), 2);
    EXPECT_EQ(Row(0), (std::vector<std::string>{"1", "2027/01/15 08:00:00", " 460.1250",
                                                "County Fire, Dispatch, North", "0:02"}));
    EXPECT_EQ(Row(1)[CAudioPlayerView::kNamesColumn], "County Fire") << "the subject alone";
    EXPECT_EQ(Row(1)[CAudioPlayerView::kLengthColumn], "1:00");
    EXPECT_EQ(view->GetGrid().QuickGetText(CAudioPlayerView::kNamesColumn, -1), "Names");
    view->GetGrid().GotoCell(CAudioPlayerView::kNamesColumn, 0);
    EXPECT_FALSE(view->GetGrid().StartEdit());

    file.Close();
    view->Reload();
    EXPECT_EQ(view->GetGrid().GetNumberRows(), 0) << "a closed file lists nothing";
}

TEST_F(AudioPlayerViewTest, GoingToARowSelectsItAndScrollsItIntoView) {
    ASSERT_TRUE(file.Open(folder.File("rx1.swq")));
    for (int n = 0; n < 40; ++n) {
        Append(ChannelRecord("Take", 155'000'000u + 12'500u * static_cast<std::uint32_t>(n)), 10);
    }
    view->BindDocument(&file);
    CUGCtrl& grid = view->GetGrid();
    EXPECT_EQ(grid.GetTopRow(), 0);
    grid.GotoRow(35);
    EXPECT_EQ(grid.GetCurrentRow(), 35);
    EXPECT_TRUE(grid.IsSelected(grid.GetCurrentCol(), 35));
    EXPECT_GT(grid.GetTopRow(), 0);
    EXPECT_FALSE(grid.CellRect(grid.GetCurrentCol(), 35).IsRectEmpty()) << "in view";

    Append(ChannelRecord("Late", 162'550'000), 10);
    view->Reload();
    EXPECT_EQ(grid.GetNumberRows(), 41);
}

} // namespace
} // namespace hb::tessary::test
