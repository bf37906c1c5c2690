// PC to Radio for the type-35 trunk scanner: the erase and what it leaves out, the memory writes,
// each bank's trunk type, fleet map and user IDs, the search range, and how the retries end.
#include "platform/engine/EngineSim.h"
#include "platform/engine/sim/SimRadio35.h"
#include "platform/records/DeviceStatus.h"
#include "platform/win/core/MessageLoop.h"
#include "tests/app/programming/TrunkFamily35Test.h"

namespace hb::app::test {
namespace {

using hb::engine::sim::Fault;
using hb::engine::sim::SimRadio35;

class Type35WriteTest : public TrunkFamily35Test {
protected:
    Type35WriteTest() { Use(35); }
    SimRadio35& Radio35() const { return RadioAs<SimRadio35>(); }
};

TEST_F(Type35WriteTest, AWholeRadioIsErasedFirstAndEmptyChannelsKeepTheirMemories) {
    SetChannel(ChannelAt(0, 0), 851'012'500);
    SetChannel(ChannelAt(0, 2), 852'000'000, 1, true, true, true);
    ChooseAll();
    Download();
    EXPECT_EQ(boxes, std::vector<std::string>{});
    const std::vector<std::string> opening{"AC", "IDF", "QUF", "MUN", "MA001"};
    EXPECT_EQ(SentFrom("AC", 5), opening);
    // The empty second channel is passed over; the third keeps memory 3.
    EXPECT_FALSE(Sent("MA002"));
    const std::vector<std::string> third{"MA003", "MW 003 0852000000 001 00000 00000 N N N", "LON",
                                         "DLN", "ATN"};
    EXPECT_EQ(SentFrom("MA003", 5), third);
    EXPECT_EQ(ChannelAt(0, 2).record().get(Parm::kMemoryChannel), 3);
    EXPECT_EQ(Radio35().Memory(3).frequency, 852'000'000u);
    EXPECT_TRUE(Radio35().Memory(3).attenuator);
    EXPECT_EQ(Journal().back(), "MUA");
}

TEST_F(Type35WriteTest, AnyOtherChoiceWritesEveryChannelOfTheChosenBanks) {
    SetChannel(ChannelAt(1, 0), 851'012'500);
    std::vector<bool> banks(kBoxes, true);
    banks[0] = false;
    Choose(banks, true);
    Download();
    EXPECT_FALSE(Sent("AC"));
    EXPECT_FALSE(Sent("MA001"));
    EXPECT_EQ(SentFrom("MA051", 5),
              (std::vector<std::string>{"MA051", "MW 051 0851012500 000 00000 00000 F F F", "LOF",
                                        "DLF", "ATF"}));
    // A channel without a frequency: its memory and the memory write only.
    EXPECT_EQ(
        SentFrom("MA052", 3),
        (std::vector<std::string>{"MA052", "MW 052 0000000000 000 00000 00000 F F F", "MA053"}));
    EXPECT_EQ(Count("MW "), 450u);
}

TEST_F(Type35WriteTest, AnEraseTheRadioRefusedLeavesNothingOut) {
    Refuse(hb::engine::RequestKind::RawCommand, 1, 0x8123);
    ChooseAll();
    Download();
    ASSERT_FALSE(Journal().empty());
    EXPECT_EQ(Journal().front(), "IDF");
    EXPECT_TRUE(Sent("MA002"));
    EXPECT_EQ(Count("MW "), 500u);
}

TEST_F(Type35WriteTest, AnEraseTheRadioDidNotAnswerLeavesNothingOut) {
    Radio().FailOn("AC", Fault::Silent);
    ChooseAll();
    Download();
    EXPECT_EQ(Journal().front(), "AC");
    EXPECT_EQ(Count("MW "), 500u);
}

TEST_F(Type35WriteTest, EachBankGetsItsTrunkTypeFleetMapAndUserIds) {
    Bank& uhf = BankAt(0);
    uhf.trunkType = 2;
    uhf.trunkFlags = Bank::kTrunkUhf;
    Bank& conventional = BankAt(1);
    conventional.trunkType = 0;
    for (int i = 0; i < 10; ++i) {
        AddId(conventional, "");
    }
    Bank& typeI = BankAt(2);
    typeI.trunkType = 1;
    typeI.fleetMap = {4, 4, 12, 12, 0, 0, 0, 14};
    for (int i = 0; i < 51; ++i) {
        AddId(typeI, "i01234");
    }
    BankAt(3).trunkType = 8;
    BankAt(4).trunkType = 3;
    ChooseAll();
    Download();

    const auto from = std::ranges::find(Journal(), "TR A 4 04060000 25000");
    ASSERT_NE(from, Journal().end());
    // The trunk pass follows the channels and the search range of every bank.
    EXPECT_EQ(std::count(from, Journal().end(), "MA500"), 0);
    EXPECT_EQ(uhf.base, 406'000'000u);
    EXPECT_EQ(uhf.spacing, 25'000u);
    EXPECT_EQ(uhf.offset, 380);
    EXPECT_TRUE(Sent("TBF B"));
    EXPECT_TRUE(Sent("TG B A0 000000"));
    const std::vector<std::string> fleetMap{"FB C 0 04", "FB C 1 04", "FB C 2 12", "FB C 3 12",
                                            "FB C 4 00", "FB C 5 00", "FB C 6 00", "FB C 7 14"};
    EXPECT_EQ(SentFrom("FB C 0", 8), fleetMap);
    EXPECT_EQ(Count("TG C "), 50u);
    EXPECT_TRUE(Sent("TG C E0 i01234"));
    EXPECT_TRUE(Sent("TR D 7"));
    // A trunk type the radio has no command for sends none.
    EXPECT_FALSE(Sent("TBF E"));
    EXPECT_EQ(Count("TR E"), 0u);
    EXPECT_EQ(Radio35().BankNumbered(1).trunkCode, 4);
    EXPECT_EQ(Radio35().BankNumbered(1).plans[0].base, 406'000'000u);
    EXPECT_EQ(Radio35().BankNumbered(3).trunkCode, 2);
    EXPECT_EQ(Radio35().BankNumbered(3).fleetMap[7], 14);
}

TEST_F(Type35WriteTest, SlotsCountOneToNineThenZeroUnderALetterForEachTen) {
    Bank& bank = BankAt(1);
    bank.trunkType = 2;
    for (int value = 1; value <= 20; ++value) {
        AddId(bank, std::to_string(100000 + value).c_str());
    }
    Choose({false, true}, false);
    Download();
    EXPECT_TRUE(Sent("TG B A1 100001"));
    EXPECT_TRUE(Sent("TG B A9 100009"));
    // Slot index 9 of bank B, then 10 and 19.
    EXPECT_TRUE(Sent("TG B A0 100010"));
    EXPECT_TRUE(Sent("TG B B1 100011"));
    EXPECT_TRUE(Sent("TG B B0 100020"));
    EXPECT_EQ(RadioAs<SimRadio35>().BankNumbered(2).ids[19], "100020");
}

TEST_F(Type35WriteTest, OnlyTheRadiosOneSearchRangeIsWrittenInOrder) {
    Root().insertExtra(0, SearchRange(162'550'000, 118'000'000, 12'500));
    Root().insertExtra(1, SearchRange(450'000'000, 470'000'000, 12'500));
    Choose({}, true);
    Download();
    EXPECT_EQ(SentFrom("LL", 2), (std::vector<std::string>{"LL01180000", "LU01625500"}));
    EXPECT_EQ(Count("LL"), 1u);
    const Parm swapped = Root().extras()[0]->record();
    EXPECT_EQ(swapped.get(Parm::Channel::kLowerLimit), 118'000'000u);
    EXPECT_EQ(swapped.get(Parm::Channel::kUpperLimit), 162'550'000u);
    EXPECT_EQ(swapped.get(Parm::kMemoryChannel), 1);
    EXPECT_EQ(Radio35().UpperLimit(), 162'550'000u);
}

TEST_F(Type35WriteTest, ARangeWhoseLowerLimitIsNotSetSendsNothingAndStaysAsItIs) {
    Root().insertExtra(0, SearchRange(0, 118'000'000, 12'500));
    Choose({}, true);
    Download();
    EXPECT_EQ(Count("LL"), 0u);
    EXPECT_EQ(Count("LU"), 0u);
    EXPECT_EQ(Root().extras()[0]->record().get(Parm::Channel::kUpperLimit), 118'000'000u);
    EXPECT_EQ(Journal().back(), "MUA");
}

// One channel written by hand, on memory 5.
class Type35ChannelTest : public TrunkFamily35Test {
protected:
    void Prepare(const std::string& section = "") {
        Use(35, section);
        Connect();
        SetChannel(ChannelAt(0, 4), 851'012'500, 0, true);
        Parm record = ChannelAt(0, 4).record();
        record.set(Parm::kMemoryChannel, 5);
        ChannelAt(0, 4).SetParm(record);
    }
    int Write() { return loader.WriteChannel35(ChannelAt(0, 4), &loader.m_progress); }
};

TEST_F(Type35ChannelTest, AMemoryWriteWhoseWaitRunsOutIsTriedAgain) {
    // The radio may take longer than the write's wait.
    Prepare("ReplyTimeout=12000\n");
    Radio().FailOn("MW", Fault::Silent);
    EXPECT_EQ(Write(), 0);
    EXPECT_EQ(Count("MA005"), 2u);
    EXPECT_EQ(Count("MW 005"), 2u);
    EXPECT_EQ(Errors(), std::vector<std::string>{"Write Channel 38912"});
    EXPECT_EQ(RadioAs<SimRadio35>().Memory(5).frequency, 851'012'500u);
    EXPECT_TRUE(RadioAs<SimRadio35>().Memory(5).lockOut);
}

TEST_F(Type35ChannelTest, ARefusedLockOutCountsAsDoneOnlyWhereTheDeviceSaysSo) {
    Prepare();
    Radio().FailOn("LON", Fault::Silent, 10);
    EngineSim::PatchStatus(rig->m_device, hb::records::DeviceStatus::kLinkControl1.kOffset,
                           hb::records::DeviceStatus::kLinkRefusedLockOutDone);
    EXPECT_EQ(Write(), 0);
    EXPECT_EQ(Count("LON"), 1u);
    EXPECT_EQ(Journal().back(), "ATF");
}

TEST_F(Type35ChannelTest, ALockOutRefusedTenTimesEndsTheTransfer) {
    Prepare();
    Radio().FailOn("LON", Fault::Silent, 10);
    EXPECT_EQ(Write(), 1);
    EXPECT_EQ(Count("LON"), 10u);
    EXPECT_FALSE(Sent("DLF"));
    // A beep after each failed try but the first, besides each box's own.
    EXPECT_EQ(boxes.size(), 10u);
    EXPECT_EQ(Beeps().size(), 19u);
}

TEST_F(Type35ChannelTest, StopDuringAPacedRetryEndsItWithoutAnotherBeep) {
    Prepare();
    Bank& bank = BankAt(0);
    bank.trunkType = 2;
    UserIdEntry& entry = AddId(bank, "012345");
    Radio().FailOn("TG", Fault::Silent, 10);
    // Stop is pressed while the first failure is shown.
    hb::win::SetMessageBoxHandler([this](const hb::win::BoxRequest& box) {
        boxes.push_back(box.caption);
        ::PostMessage(loader.m_progress.m_hWnd, WM_COMMAND, IDCANCEL, 0);
        return IDOK;
    });
    EXPECT_EQ(loader.WriteUserId35(entry, bank, &loader.m_progress, 0), 0);
    EXPECT_EQ(Count("TG A A1 012345"), 2u);
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_EQ(Beeps().size(), 1u);
    EXPECT_TRUE(loader.Stopped());
}

} // namespace
} // namespace hb::app::test
