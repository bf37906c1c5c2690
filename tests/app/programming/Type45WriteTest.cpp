// PC to Radio for the trunk scanners of types 45 and 51: the erase, the FIPS codes of type 45
// alone, each memory tuned to its grid before its frequency, the squelch tone's position, the
// trunk-type commands and bank menus by trunk type, the search ranges the radio has, the menu
// values it cannot show, and the commands given up quietly.
#include "platform/engine/EngineSim.h"
#include "tests/app/programming/Type45Test.h"

namespace hb::app::test {
namespace {

using hb::engine::sim::Fault;
using BankByte = RadioSettingsRecord::BankByte;
using Setting = RadioSettingsRecord::Setting;
using Lines = std::vector<std::string>;

class Type45WriteTest : public Type45Test {
protected:
    Type45WriteTest() { Use(45); }
    static void SetTone(Chan& channel, std::uint8_t mode, std::uint32_t tone, std::uint8_t kind,
                        std::uint8_t option = 0) {
        SetChannel(channel, 154'800'000, mode);
        Parm record = channel.record();
        record.set(Parm::Channel::kTone, tone);
        record.set(Parm::Channel::kSquelchKind, kind);
        record.set(Parm::Channel::kToneOption, option);
        channel.SetParm(record);
    }
    // A name command: the name padded to sixteen characters.
    static std::string Named(const std::string& command, const std::string& name) {
        return command + " " + name + std::string(16 - name.size(), ' ');
    }
    // The bank menu's list for the item, as far as its value.
    static Lines BankItem(char bank, unsigned item) {
        return {"KEY11", "KEY02 3", std::string("KEY02 ") + bank, "KEY02 " + std::to_string(item)};
    }
};

TEST_F(Type45WriteTest, TheRadioIsErasedWhateverTheNoEraseFlagAndTheBanksFollowTheirOpening) {
    SetChannel(ChannelAt(0, 2), 851'012'500);
    ChooseAll();
    EngineSim::ExpectMessage(33, 1);
    Radio().ClearJournal();
    CLoader loader;
    loader.m_no_erase = true;
    loader.Download(&Root(), nullptr, &doc, &owner.wnd);
    EXPECT_EQ(boxes, Lines{});
    EXPECT_EQ(SentFrom("AC", 7), (Lines{"AC", "IDF", "QUF", "CDF", "MUN", "MA001", "MA003"}));
    // The empty channels before it are passed over; it keeps memory 3.
    EXPECT_EQ(ChannelAt(0, 2).record().get(Parm::kMemoryChannel), 3);
    EXPECT_EQ(Memory().channels[2].frequency, 8'510'125u);
    EXPECT_EQ(Lines(Journal().end() - 5, Journal().end()),
              (Lines{"KEY01", "IDN", "QUN", "CDN", "MUA"}));
}

TEST_F(Type45WriteTest, AnEraseTheRadioDidNotAnswerLeavesNothingOut) {
    Radio().FailOn("AC", Fault::Silent);
    ChooseAll();
    Download();
    EXPECT_EQ(Journal().front(), "AC");
    // Every channel goes out, empty ones by their memory and frequency alone.
    EXPECT_EQ(SentFrom("MA002", 4), (Lines{"MA002", "ST 5K", "PM002 00000000", "MA003"}));
    EXPECT_EQ(Count("PM"), 1000u);
}

TEST_F(Type45WriteTest, AChannelIsTunedToTheGridItsFrequencyLiesOnBeforeTheFrequency) {
    SetChannel(ChannelAt(0, 0), 851'012'500);
    SetChannel(ChannelAt(0, 1), 146'520'000);
    Choose({true}, false);
    Download();
    EXPECT_TRUE(SentInOrder({"MA001", "ST 12.5K", "PM001 08510125"}));
    EXPECT_TRUE(SentInOrder({"MA002", "ST 5K", "PM002 01465200"}));
    // A failure in the chain starts it again from the memory.
    SetChannel(ChannelAt(0, 1), 162'007'500);
    Radio().FailOn("PM002", Fault::Silent);
    Download();
    EXPECT_TRUE(SentInOrder(
        {"MA002", "ST 7.5K", "PM002 01620075", "MA002", "ST 7.5K", "PM002 01620075", "LOF"}));
}

TEST_F(Type45WriteTest, OnlyFmChannelsCarryTheirTonesPositionInTheTable) {
    SetTone(ChannelAt(0, 0), 0, 1000, 0);
    SetTone(ChannelAt(0, 1), 11, 19, Parm::Channel::kSquelchKindDcs);
    SetTone(ChannelAt(0, 2), 0, 1234, 0);
    SetTone(ChannelAt(0, 3), 0, 1000, 0, Parm::Channel::kToneOptionSuffixL);
    SetTone(ChannelAt(0, 4), 1, 1000, 0);
    Choose({true}, false);
    Download();
    EXPECT_TRUE(SentInOrder({"RM FM", "CS012", Named("TA C 001", "")}));
    EXPECT_TRUE(SentInOrder({"RM NFM", "CS039", Named("TA C 002", "")}));
    EXPECT_TRUE(SentInOrder({"RM FM", "CS000", Named("TA C 003", "")}));
    EXPECT_TRUE(SentInOrder({"RM FM", "CS012L", Named("TA C 004", "")}));
    EXPECT_TRUE(SentInOrder({"RM AM", Named("TA C 005", "")}));
    EXPECT_EQ(Memory().channels[1].tone, 39u);
}

TEST_F(Type45WriteTest, EachBankGetsItsTrunkTypeAndTheMenusOfItsType) {
    BankAt(0).trunkType = 0;
    BankAt(2).trunkType = 3;
    BankAt(3).trunkType = 9;
    Bank& typeII = BankAt(4);
    typeII.trunkType = 2;
    typeII.trunkFlags = Bank::kTrunk900;
    Bank& edacs = BankAt(5);
    edacs.trunkType = 6;
    edacs.trunkFlags = Bank::kTrunkEdacsFormat;
    RadioSettingsRecord record = Record();
    record.Set(BankByte::kIrSetting, 1, 2);
    record.Set(BankByte::kTcSetting, 5, 4);
    Choose({true, false, true, true, true, true}, false);
    Download();
    EXPECT_EQ(boxes, Lines{});
    EXPECT_TRUE(SentInOrder({"TBF A", "TB A"}));
    EXPECT_TRUE(SentInOrder({"TR C 9", "TB C"}));
    EXPECT_TRUE(SentInOrder({"TR D 8", "TB D"}));
    EXPECT_TRUE(SentInOrder({"TR E 3", "TB E"}));
    EXPECT_TRUE(SentInOrder({"TR F 6", "TB F"}));
    EXPECT_EQ(Memory().banks[2].trunkCode, 9u);
    EXPECT_EQ(Memory().banks[0].trunkCode, 0u);
    // IR goes out as its value + 1, except on a bank of trunk type 3.
    Lines ir = BankItem('1', 7);
    ir.insert(ir.end(), {"KEY02 3", "KEY01"});
    EXPECT_TRUE(SentInOrder(ir));
    EXPECT_FALSE(SentInOrder(BankItem('3', 7)));
    EXPECT_TRUE(SentInOrder(BankItem('4', 7)));
    // A 900 MHz bank keeps its TC value to 0 or 1, in the record too.
    Lines tc = BankItem('5', 0);
    tc.push_back("KEY02 2");
    EXPECT_TRUE(SentInOrder(tc));
    EXPECT_EQ(Record().Get(BankByte::kTcSetting, 5), 1);
    // An EDACS bank's item 8 is its ID format.
    Lines format = BankItem('6', 8);
    format.push_back("KEY02 1");
    EXPECT_TRUE(SentInOrder(format));
    EXPECT_FALSE(SentInOrder(BankItem('6', 9)));
    EXPECT_EQ(Memory().banks[5].items[8], 1u);
}

TEST_F(Type45WriteTest, AMenuValueTheRadioCannotShowLeavesThatItemAndTheTransferGoesOn) {
    BankAt(0).trunkType = 1;
    RadioSettingsRecord record = Record();
    record.Set(BankByte::kEndCode, 1, 0xFF);
    record.Set(BankByte::kBankOption, 1, 8);
    record.Set(Setting::kCt, 9);
    record.Set(Setting::kChainSearchChoice, 0xFF);
    Choose({true}, true);
    Download();
    Lines option = BankItem('1', 8);
    option.push_back("KEY02 9");
    EXPECT_TRUE(SentInOrder(option));
    EXPECT_FALSE(SentInOrder(BankItem('1', 9)));
    EXPECT_TRUE(SentInOrder(BankItem('1', 0)));
    EXPECT_FALSE(SentInOrder({"KEY11", "KEY02 1", "KEY02 9"}));
    EXPECT_FALSE(SentInOrder({"KEY11", "KEY02 4", "KEY02 2"}));
    EXPECT_EQ(Memory().banks[0].items[9], 1u);
    EXPECT_EQ(Journal().back(), "MUA");
}

TEST_F(Type45WriteTest, APriorityTheRadioNeverTakesIsGivenUpSilently) {
    RadioSettingsRecord record = Record();
    record.SetPriorityChannel(1, 7);
    // Bank B's points into bank A: it is held inside bank B, in the record too.
    record.SetPriorityChannel(2, 7);
    Radio().FailOn("PC A", Fault::Silent, 10);
    Choose({true, true}, false);
    Download();
    EXPECT_EQ(Count("PC A007"), 10u);
    // One box for each failed try, and no beep of the retry's own: the last is the transfer's end.
    EXPECT_EQ(boxes.size(), 10u);
    EXPECT_EQ(Beeps().size(), 11u);
    EXPECT_TRUE(Sent("PC B101"));
    EXPECT_EQ(Record().PriorityChannel(2), 101);
    EXPECT_EQ(Memory().banks[1].priority, 101u);
    EXPECT_EQ(Journal().back(), "MUA");
}

TEST_F(Type45WriteTest, AFleetMapBlockTheRadioNeverTakesIsGivenUpAndTheBankGoesOn) {
    Bank& bank = BankAt(1);
    bank.trunkType = 1;
    bank.fleetMap = {4, 4, 12, 12, 0, 0, 0, 14};
    Radio().FailOn("FB B 2", Fault::Silent, 10);
    Choose({false, true}, false);
    Download();
    EXPECT_EQ(Count("FB B 2 12"), 10u);
    EXPECT_TRUE(SentInOrder({"FB B 2 12", "FB B 3 12"}));
    EXPECT_TRUE(SentInOrder({"FB B 7 14", "TB B"}));
    // A beep after every failed try, besides each box's own and the transfer's end.
    EXPECT_EQ(Beeps().size(), 21u);
    EXPECT_EQ(Memory().banks[1].fleetMap[7], 14u);
    EXPECT_EQ(Journal().back(), "MUA");
}

TEST_F(Type45WriteTest, AnIdsOptionMenuIsSoughtUntilTheDisplayShowsTheOption) {
    Bank& bank = BankAt(0);
    bank.trunkType = 2;
    UserIdEntry& id = AddId(bank, "012345");
    id.setOptions(UserIdEntry::kOptionBa);
    id.setOptionByte(UserIdEntry::kOptionRadio, 0x01);
    AddId(bank, "");
    Radio().FailOn("LCD LINE1", Fault::Garbled, 2);
    Choose({true}, false);
    Download();
    EXPECT_TRUE(SentInOrder({"TG A A1 012345", Named("TA I A A1", "ID 012345"), "BAN I A A1"}));
    EXPECT_EQ(Count("LCD LINE1"), 3u);
    EXPECT_TRUE(SentInOrder({"LCD LINE1", "KEY02 1", "KEY04", "KEY01"}));
    EXPECT_EQ(Memory().banks[0].ids[0].option, 1u);
    EXPECT_TRUE(Memory().banks[0].ids[0].bankAssign);
    // The empty entry goes out as "0" and no more.
    EXPECT_TRUE(SentInOrder({"TG A A2 0", "KEY01"}));
    EXPECT_FALSE(Sent(Named("TA I A A2", "")));
}

TEST_F(Type45WriteTest, SearchRangesAreNamedByLetterUpToTheRadiosTen) {
    for (std::uint32_t n = 0; n < 11; ++n) {
        auto range = std::make_unique<Range>();
        range->setLimits(150'000'000 + n * 1'000'000, 151'000'000 + n * 1'000'000, 7'500);
        range->setName("Range " + std::to_string(n + 1));
        Root().addExtra(std::move(range));
    }
    Choose({}, true);
    Download();
    EXPECT_EQ(Count("TA S "), 10u);
    EXPECT_TRUE(Sent(Named("TA S J", "Range 10")));
    EXPECT_FALSE(Sent(Named("TA S K", "Range 11")));
    // Range 2 is letter B and key 2; mode FM is key 2, 7.5 kHz key 2.
    EXPECT_TRUE(
        SentInOrder({Named("TA S B", "Range 2"), "LL01510000 B", "LU01520000 B", "KEY01", "KEY11",
                     "KEY02 4", "KEY02 1", "KEY02 2", "KEY02 3", "KEY02 2", "KEY01", "KEY11",
                     "KEY02 4", "KEY02 1", "KEY02 2", "KEY02 2", "KEY02 2", "KEY01"}));
    EXPECT_EQ(Memory().ranges[1].lower, 1'510'000u);
    EXPECT_TRUE(SentInOrder({Named("TA S J", "Range 10"), "LL01590000 J", "LU01600000 J", "KEY01",
                             "KEY11", "KEY02 4", "KEY02 1", "KEY02 0"}));
}

TEST_F(Type45WriteTest, ARangeIsPutInOrderAndOneWithoutBothLimitsSendsItsNameAlone) {
    for (const auto& [lower, upper] : {std::pair{162'550'000u, 118'000'000u}, {0u, 137'000'000u}}) {
        auto range = std::make_unique<Range>();
        range->setLimits(lower, upper, 12'500);
        Root().addExtra(std::move(range));
    }
    Choose({}, true);
    Download();
    EXPECT_TRUE(SentInOrder({"LL01180000 A", "LU01625500 A"}));
    EXPECT_EQ(static_cast<const Range&>(*Root().extras()[0]).lower(), 118'000'000u);
    // The incomplete range: its name, and nothing more for it.
    EXPECT_TRUE(SentInOrder({Named("TA S B", ""), "LTN"}));
    const auto& incomplete = static_cast<const Range&>(*Root().extras()[1]);
    EXPECT_EQ(incomplete.lower(), 0u);
    EXPECT_EQ(incomplete.upper(), 137'000'000u);
    EXPECT_EQ(Journal().back(), "MUA");
}

TEST_F(Type45WriteTest, TheFipsCodesGoToAType45RadioAlone) {
    Record().SetFipsText("012345\r\n67890");
    Choose({}, true);
    Download();
    EXPECT_EQ(Count("FP "), 1u);
    EXPECT_TRUE(SentInOrder({"FP 01 012345", "LTN"}));
    EXPECT_EQ(Memory().fips[0], "012345");
}

class Type51WriteTest : public Type45Test {
protected:
    Type51WriteTest() { Use(51); }
};

TEST_F(Type51WriteTest, AType51RadioGetsNoFipsCodesEvenWithSettings) {
    Record().SetFipsText("012345\r\n654321\r\n");
    Record().Set(Setting::kLt, 2);
    Record().Set(Setting::kLm, 1);
    Choose({}, true);
    Download();
    EXPECT_EQ(Count("FP"), 0u);
    EXPECT_EQ(SentFrom("LTF", 6),
              (Lines{"LTF", "KEY01", "KEY11", "KEY02 1", "KEY02 2", "KEY02 1"}));
    EXPECT_EQ(Memory().globalItems[1], 3u);
    EXPECT_EQ(Journal().back(), "MUA");
}

} // namespace
} // namespace hb::app::test
