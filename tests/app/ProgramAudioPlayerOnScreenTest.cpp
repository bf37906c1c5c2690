// The audio player on a display of the test's own, as a person uses it: Tools > Audio Player over
// a documents folder holding recordings, the catalog below the player, and a click in a row's
// "Play" cell, after which the player shows that segment and its position counts.
#include "ProgramOnScreen.h"
#include "platform/records/Dal.h"
#include "platform/records/UserId.h"
#include "platform/tessary/audio/AudioFile.h"
#include "platform/testkit/xdriver/Artefacts.h"

#include <stdlib.h>

#include <ctime>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

using hb::testkit::ArtefactPath;

namespace {

// The menu bar's "Tools"; "Audio Player" is its fourth item.
constexpr int kToolsX = 73;
constexpr int kAudioPlayerItem = 4;
// The "Play" cell of the catalog's first record row, and the player's position counter, in the
// main window once the player's window is maximised.
constexpr unsigned kMainWidth = 1120;
constexpr unsigned kMainHeight = 820;
constexpr int kPlayCellX = 30;
constexpr int kPlayCellY = 420;
// The displays that show the played segment, and the position counter.
struct Area {
    const char* what;
    int x;
    int y;
    unsigned width;
    unsigned height;
};
constexpr Area kFrequency{"frequency", 22, 175, 66, 14};
constexpr Area kId{"ID", 212, 176, 110, 20};
constexpr Area kName{"name", 22, 114, 200, 12};
constexpr Area kClock{"time", 412, 100, 110, 24};
constexpr Area kDate{"date", 412, 134, 110, 18};
constexpr Area kSegmentShown[] = {kFrequency, kId, kName, kClock, kDate};
constexpr int kPositionX = 460;
constexpr int kPositionY = 183;
constexpr unsigned kPositionWidth = 66;
constexpr unsigned kPositionHeight = 14;
// The "Current Index" tab.
constexpr int kIndexTabX = 176;
constexpr int kIndexTabY = 362;
// The "From:" date picker, whose month calendar drops below it.
constexpr int kFromX = 800;
constexpr int kFromY = 145;

class ProgramAudioPlayerOnScreenTest : public hb::apptest::ProgramOnScreen {
protected:
    void SetUp() override {
        ProgramOnScreen::SetUp();
        setenv("HB_AUDIO", "sim", 1);
    }
    void TearDown() override { unsetenv("HB_AUDIO"); }

    // Takes of a few seconds each, recorded an hour ago with the recorder's own writer.
    void Record(const std::string& name, const std::vector<std::uint32_t>& frequencies) {
        const std::string path = program.Home() + "/Documents/" + name;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        CAudioFile file;
        ASSERT_TRUE(file.Open(path));
        const auto stamp = static_cast<std::uint32_t>(std::time(nullptr) - 3600);
        for (std::size_t i = 0; i < frequencies.size(); ++i) {
            dal record;
            record.set(dal::kKind, 2);
            record.set(dal::kState, 2);
            record.set(dal::kFrequency, frequencies[i]);
            record.set(dal::kTime, stamp + static_cast<std::uint32_t>(i) * 60);
            record.setText(dal::kName1, "County Fire");
            record.setText(dal::kName2, "Dispatch");
            record.setText(dal::kRadioName, "Scanner 1");
            hb::records::UserId id;
            id.set(hb::records::UserId::kValue, 4711);
            record.set(dal::kUserId, id);
            record.set(dal::kIdKind, 2);
            file.AppendSegment(record, 0);
            const std::vector<std::uint8_t> audio(5 * CAudioFile::kBytesPerSecond, 0x40);
            file.AppendAudio(audio.data(), static_cast<std::uint32_t>(audio.size()));
        }
        file.Close();
    }
};

TEST_F(ProgramAudioPlayerOnScreenTest, APlayClickInTheCatalogPlaysThatSegment) {
    Record("rx1_audio.swq", {460'125'000, 155'010'000});
    Record("Police/rx2.swq", {154'000'000});
    const auto main = StartToMainWindow();
    ASSERT_TRUE(main);
    driver->Resize(*main, kMainWidth, kMainHeight);
    driver->Click(*main, kToolsX, kMenuBarY);
    const auto menu = driver->FindPopup(kWait);
    ASSERT_TRUE(menu) << "the Tools menu did not drop down";
    ASSERT_TRUE(driver->WaitUntilPainted(*menu, kWait));
    const std::vector<unsigned long> workspace =
        driver->Pixels(*main, kPlayCellX, kPlayCellY, kPositionWidth, kPositionHeight);
    for (int item = 0; item < kAudioPlayerItem; ++item) {
        driver->Press("Down");
    }
    driver->Press("Return");
    ASSERT_TRUE(driver->WaitUntilGone(*menu, kWait));
    ASSERT_TRUE(driver->WaitUntilChanged(*main, kPlayCellX, kPlayCellY, kPositionWidth,
                                         kPositionHeight, workspace, kWait))
        << "the player's window did not open";
    EXPECT_TRUE(driver->Screenshot(*main, ArtefactPath("program-audio-player-opened.png")));

    std::vector<std::vector<unsigned long>> before;
    for (const Area& area : kSegmentShown) {
        before.push_back(driver->Pixels(*main, area.x, area.y, area.width, area.height));
    }
    driver->Click(*main, kPlayCellX, kPlayCellY);
    for (std::size_t i = 0; i < std::size(kSegmentShown); ++i) {
        const Area& area = kSegmentShown[i];
        EXPECT_TRUE(driver->WaitUntilChanged(*main, area.x, area.y, area.width, area.height,
                                             before[i], kWait))
            << "the segment's " << area.what << " does not show";
    }
    const std::vector<unsigned long> started =
        driver->Pixels(*main, kPositionX, kPositionY, kPositionWidth, kPositionHeight);
    EXPECT_TRUE(driver->WaitUntilChanged(*main, kPositionX, kPositionY, kPositionWidth,
                                         kPositionHeight, started, kWait))
        << "the position does not count";
    EXPECT_TRUE(driver->Screenshot(*main, ArtefactPath("program-audio-player.png")));

    // The index lists the open file's segments, the one played selected.
    const std::vector<unsigned long> catalogShown =
        driver->Pixels(*main, kPlayCellX, kPlayCellY, kPositionWidth, kPositionHeight);
    driver->Click(*main, kIndexTabX, kIndexTabY);
    EXPECT_TRUE(driver->WaitUntilChanged(*main, kPlayCellX, kPlayCellY, kPositionWidth,
                                         kPositionHeight, catalogShown, kWait))
        << "the index does not show";
    EXPECT_TRUE(driver->Screenshot(*main, ArtefactPath("program-audio-player-index.png")));

    // The date range's first day is chosen on a calendar that drops below its field.
    const std::vector<unsigned long> closed =
        driver->Pixels(*main, kFromX - 20, kFromY + 20, kPositionWidth, kPositionHeight);
    driver->Click(*main, kFromX, kFromY);
    EXPECT_TRUE(driver->WaitUntilChanged(*main, kFromX - 20, kFromY + 20, kPositionWidth,
                                         kPositionHeight, closed, kWait))
        << "the month calendar does not drop down";
    EXPECT_TRUE(driver->Screenshot(*main, ArtefactPath("program-audio-player-calendar.png")));
    driver->Press("Escape");

    driver->Close(*main);
    EXPECT_EQ(program.Finish(), 0) << program.Output();
}

} // namespace
