// The trunk-tracking scanners of types 63 to 92, what both directions share: the model the radio
// reports, the commands that open and close a transfer, the display search and the display read.
#include "platform/engine/EngineSim.h"
#include "tests/app/programming/TransferRefusal.h"
#include "tests/app/programming/TrunkScanner63Test.h"

namespace hb::app::test {
namespace {

using hb::records::DeviceStatus;

const std::vector<std::string> kOpening{"KEY01", "KEY07", "MA001", "DMF",
                                        "IDF",   "QUF",   "CDF",   "MUN"};

class TrunkScanner63FramingTest : public TrunkScanner63Test {
protected:
    // The loader on its own, as a transfer has it when its family starts.
    void Connect() {
        ASSERT_FALSE(IsFailureStatus(rig->OpenDevice(&owner.wnd)));
        loader.m_rig = rig;
        loader.m_owner = &owner.wnd;
        ASSERT_TRUE(loader.m_progress.Create(&owner.wnd));
        Radio().ClearJournal();
        Radio().times.clear();
    }
    void TearDown() override {
        loader.m_progress.DestroyWindow();
        TrunkScanner63Test::TearDown();
    }
    int Profile() { return app.GetProfileIntA("Settings", "DefaultRadioType", 0); }

    CLoader loader;
};

TEST_F(TrunkScanner63FramingTest, AReportedModelGivesTheGroupItsTypeAndTheMenusItsExitKey) {
    // A radio of model code 5, variant 1, for a group made for type 63.
    Use(71, 2, 63);
    Choose({0, 1}, false);
    Download(rig);
    EXPECT_EQ(Root().radioType(), 71);
    EXPECT_EQ(Profile(), 71);
    // Its banks are those of type 71, a hundred memories each.
    EXPECT_EQ(Count("MA101"), 2u);
    EXPECT_EQ(BankAt(1).number, 2);
    const Journal sent = Sent();
    ASSERT_GE(sent.size(), kOpening.size() + 5);
    EXPECT_EQ(Journal(sent.begin(), sent.begin() + 8), kOpening);
    // The bank's delay excursion ends with code 5's exit key.
    EXPECT_TRUE(
        SentInOrder({"KEY11", "KEY02 2", "KEY02 2", "KEY02 1", "KEY02 4", "KEY02 1", "KEY07"}));
    EXPECT_EQ(Journal(sent.end() - 5, sent.end()), (Journal{"IDN", "QUN", "CDN", "MUA", "KEY01"}));
    EXPECT_TRUE(boxes.empty());

    // Reading closes the other way round; the same model keeps the profile as it is.
    Radio().ClearJournal();
    Upload(rig);
    const Journal read = Sent();
    EXPECT_EQ(Journal(read.begin(), read.begin() + 8), kOpening);
    EXPECT_EQ(Journal(read.end() - 5, read.end()), (Journal{"KEY01", "IDN", "QUN", "CDN", "MUA"}));
    EXPECT_EQ(Profile(), 71);
}

TEST_F(TrunkScanner63FramingTest, AModelCodeOutsideFourToSevenSendsNothingAndChangesNothing) {
    Use(63, 1);
    ASSERT_FALSE(IsFailureStatus(rig->OpenDevice(&owner.wnd)));
    hb::engine::EngineSim::PatchStatus(rig->m_device, DeviceStatus::kTrunkModel.kOffset, 9);
    ChooseAll();
    Download();
    EXPECT_EQ(TransferRefusals(), 1u);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("cannot be read or written"), std::string::npos);
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(Root().radioType(), 63);
    EXPECT_EQ(Profile(), 0);
    // The driver's closing steps have released the radio and closed the progress window.
    EXPECT_EQ(CRig::FindByOwner(&owner.wnd), nullptr);
    EXPECT_TRUE(::IsWindowEnabled(owner.wnd.m_hWnd));
}

TEST_F(TrunkScanner63FramingTest, ATextThatNeverShowsCostsFiftyTwoPressesAndOneReport) {
    Use(63, 0);
    Connect();
    // Line 1 shows the text highlighted, which the search never looks at.
    Radio().Script("LCD1", "LCD1  :CHAIN SEARCH  *");
    EXPECT_EQ(loader.WaitForDisplayText(" :CHAIN SEARCH", 7, &loader.m_progress), 1);
    Journal expected;
    for (int pass = 1; pass < 52; ++pass) {
        expected.insert(expected.end(), {"KEY07", "LCD4", "LCD2", "LCD3"});
    }
    expected.push_back("KEY07");
    EXPECT_EQ(Sent(), expected);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].text.starts_with("Data Transfer Error: ")) << boxes[0].text;
    EXPECT_NE(boxes[0].text.find("Ref:\t7"), std::string::npos);
    // From pass 27 on, 50 ms pass between the key and the first look; the last pass pauses too.
    const auto& at = Radio().times;
    const auto look = [&](std::size_t pass) { return at[(pass - 1) * 4 + 1] - at[(pass - 1) * 4]; };
    EXPECT_EQ(look(26), look(1));
    EXPECT_EQ(look(27), look(26) + 50);
    EXPECT_EQ(look(51), look(27));
    EXPECT_GE(boxes[0].atMs - at.back(), 50);

    // The display read finds it.
    EXPECT_EQ(loader.ReadDisplay("", 7, &loader.m_progress), 0);
}

TEST_F(TrunkScanner63FramingTest, TheSearchStopsAtTheFirstHighlightedLineOfFourTwoAndThree) {
    Use(64, 0);
    Connect();
    ASSERT_EQ(loader.SendCommandsChecked(1, "KEY11\rKEY02 1\r", &loader.m_progress), 0);
    Radio().ClearJournal();
    EXPECT_EQ(loader.WaitForDisplayText(" :CHAIN SEARCH", 2, &loader.m_progress), 0);
    // The highlight goes to line 3, then 4, then 2 of the next three items.
    EXPECT_EQ(Sent(),
              (Journal{"KEY07", "LCD4", "LCD2", "LCD3", "KEY07", "LCD4", "KEY07", "LCD4", "LCD2"}));
    EXPECT_EQ(loader.ReadDisplay("", 2, &loader.m_progress), 32);
    EXPECT_EQ(loader.DisplayLine(2), " :CHAIN SEARCH  *");
    // Outside the menus no line is highlighted.
    EXPECT_EQ(loader.ReadDisplay("KEY01\r", 2, &loader.m_progress), CLoader::kNoHighlight);
    EXPECT_TRUE(boxes.empty());

    // Stop ends the search before its first press.
    loader.m_progress.Abort();
    Radio().ClearJournal();
    EXPECT_EQ(loader.WaitForDisplayText(" :END CODE", 3, &loader.m_progress), 1);
    EXPECT_EQ(loader.ReadDisplay("KEY04\r", 3, &loader.m_progress), -1);
    EXPECT_TRUE(Sent().empty());
}

} // namespace
} // namespace hb::app::test
