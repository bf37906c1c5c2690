// Radio to PC for the trunk scanners of types 45 and 51: the model the radio reports, the FIPS
// slots, a memory never named, the bank's trunk type, fleet map, band values and menu items as
// the radio shows them, and what is left as it was when the radio says nothing of it.
#include "platform/engine/EngineSim.h"
#include "tests/app/programming/Type45Test.h"

namespace hb::app::test {
namespace {

using hb::engine::sim::Fault;
using BankByte = RadioSettingsRecord::BankByte;
using Setting = RadioSettingsRecord::Setting;

class Type45ReadTest : public Type45Test {
protected:
    Type45ReadTest() { Use(45); }
    void Read() { Upload(doc); }
    int Profile() { return app.GetProfileIntA("Settings", "DefaultRadioType", 0); }
};

TEST_F(Type45ReadTest, AType45RadioKeepsItsTypeAndTheRememberedTypeItsDefault) {
    Choose({}, true);
    Read();
    EXPECT_EQ(Root().radioType(), 45);
    EXPECT_EQ(Profile(), 0);
    EXPECT_EQ(Journal().front(), "IDF");
    EXPECT_EQ(Journal().back(), "MUA");
    EXPECT_EQ(boxes, std::vector<std::string>{});
}

class Type51ReadTest : public Type45Test {
protected:
    Type51ReadTest() { Use(51); }
};

TEST_F(Type51ReadTest, AType51RadioMakesTheGroupType51AndHasNoFipsCodes) {
    // A group made for type 45, read from the type-51 radio.
    CGroupDoc other;
    other.NewGroup(45);
    Radio::CreateRadio(45)->ConformGroup(*other.GetGroup());
    ChooseAll();
    EngineSim::ExpectMessage(12, 1);
    Radio().ClearJournal();
    CLoader().Upload(other.GetGroup(), rig, &other, &owner.wnd);
    EXPECT_EQ(other.GetGroup()->radioType(), 51);
    EXPECT_EQ(app.GetProfileIntA("Settings", "DefaultRadioType", 0), 51);
    EXPECT_EQ(Count("FP"), 0u);
    EXPECT_EQ(Journal().back(), "MUA");
    EXPECT_EQ(boxes, std::vector<std::string>{});
}

TEST_F(Type45ReadTest, FifteenFipsSlotsAreAlwaysAskedAndEmptyOnesAddNothing) {
    Memory().fips[0] = "012345";
    Memory().fips[2] = "654321";
    Record().SetFipsText("999999\r\n");
    Choose({}, true);
    Read();
    EXPECT_EQ(Count("FP "), 15u);
    EXPECT_TRUE(Sent("FP 15"));
    EXPECT_EQ(Record().FipsText(), "012345\r\n654321\r\n");
}

TEST_F(Type45ReadTest, AFipsSlotThatNeverAnswersEndsTheTransfer) {
    Radio().Script("FP 04", "FP 04 ERROR");
    Choose({}, true);
    Read();
    EXPECT_EQ(Count("FP 04"), 10u);
    EXPECT_FALSE(Sent("FP 05"));
    EXPECT_FALSE(Sent("MUA"));
}

TEST_F(Type45ReadTest, AMemoryNeverNamedReadsWithoutANameAndAnEmptyOneKeepsItsNumber) {
    Memory().channels[0].frequency = 1'465'200;
    Memory().channels[1].frequency = 4'532'500;
    Memory().channels[1].name = "Dispatch        ";
    ChannelAt(0, 0).setName("Old name");
    SetChannel(ChannelAt(0, 2), 851'012'500);
    Choose({true}, false);
    Read();
    EXPECT_EQ(ChannelAt(0, 0).name(), "");
    EXPECT_EQ(ChannelAt(0, 0).frequency(), 146'520'000u);
    EXPECT_EQ(ChannelAt(0, 1).name(), "Dispatch");
    EXPECT_EQ(ChannelAt(0, 2).frequency(), 0u);
    EXPECT_EQ(ChannelAt(0, 2).record().get(Parm::kMemoryChannel), 3);
    // Only a memory that holds a frequency is asked for more than its name and channel.
    EXPECT_EQ(Count("RM"), 2u);
}

TEST_F(Type45ReadTest, ABankDelayIsReadFromItsMenuValueAndAnyOtherValueLeavesIt) {
    Memory().banks[0].items[2] = 3;
    Memory().banks[1].items[2] = 9;
    BankAt(1).delay = 4000;
    Choose({true, true}, false);
    Read();
    EXPECT_EQ(BankAt(0).delay, 2000);
    EXPECT_EQ(BankAt(1).delay, 4000);
}

TEST_F(Type45ReadTest, AnUnknownTrunkTypeCodeLeavesTheTypeAndClearsOnlyTheTypeIIVariant) {
    Bank& unknown = BankAt(0);
    unknown.trunkType = 6;
    unknown.trunkFlags = Bank::kTrunk900 | Bank::kTrunkVhf | Bank::kTrunkUhf | Bank::kTrunkEa;
    // The EDACS ID format reads as off.
    Memory().banks[0].items[8] = 2;
    // A UHF Type II bank's band values come from its band screens.
    Memory().banks[1].trunkCode = 4;
    Memory().banks[1].base = 4'539'875;
    Memory().banks[1].spacing = 12'505;
    Memory().banks[1].offset = 105;
    Choose({true, true}, false);
    Read();
    EXPECT_EQ(unknown.trunkType, 6);
    EXPECT_EQ(unknown.trunkFlags, Bank::kTrunkEa);
    const Bank& uhf = BankAt(1);
    EXPECT_EQ(uhf.trunkType, 2);
    EXPECT_EQ(uhf.trunkFlags, Bank::kTrunkUhf);
    EXPECT_EQ(uhf.base, 453'987'500u);
    EXPECT_EQ(uhf.spacing, 12'505u);
    EXPECT_EQ(uhf.offset, 105);
}

TEST_F(Type45ReadTest, AFleetMapBlockTheRadioNeverAnswersKeepsItsSize) {
    Memory().banks[0].trunkCode = 2;
    Memory().banks[0].fleetMap = {1, 2, 3, 4, 5, 6, 7, 8};
    BankAt(0).fleetMap.fill(9);
    Radio().FailOn("FB A 1", Fault::Silent, 10);
    Choose({true}, false);
    Read();
    EXPECT_EQ(BankAt(0).trunkType, 1);
    EXPECT_EQ(BankAt(0).fleetMap, (std::array<std::uint8_t, 8>{1, 9, 3, 4, 5, 6, 7, 8}));
    // A beep after every failed try, besides each box's own and the transfer's end.
    EXPECT_EQ(boxes.size(), 10u);
    EXPECT_EQ(Beeps().size(), 21u);
    EXPECT_EQ(Journal().back(), "MUA");
}

TEST_F(Type45ReadTest, TheIrSettingIsSoughtUntilTheDisplayShowsIt) {
    Memory().banks[0].items[7] = 3;
    Radio().FailOn("LCD LINE1", Fault::Garbled, 2);
    Choose({true}, false);
    Read();
    EXPECT_EQ(Count("LCD LINE1"), 5u);
    EXPECT_EQ(Record().Get(BankByte::kIrSetting, 1), 2);
}

TEST_F(Type45ReadTest, AMenuLineWithoutADigitLeavesTheSettingsItCannotGive) {
    RadioSettingsRecord record = Record();
    record.Set(Setting::kLt, 2);
    record.Set(Setting::kCt, 1);
    record.Set(Setting::kLm, 0xFF);
    record.Set(Setting::kChainSearchChoice, 4);
    Radio().Script("LCD LINE1", "LINE1 [~x");
    Choose({}, true);
    Read();
    EXPECT_EQ(Record().Get(Setting::kLt), 2);
    EXPECT_EQ(Record().Get(Setting::kCt), 1);
    EXPECT_EQ(Record().Get(Setting::kChainSearchChoice), 4);
    // An option is on only for "1".
    EXPECT_EQ(Record().Get(Setting::kLm), 0);

    // A line that ends before the value leaves the options too.
    Record().Set(Setting::kLm, 0xFF);
    Radio().Script("LCD LINE1", "LINE1 [~");
    Read();
    EXPECT_EQ(Record().Get(Setting::kLm), 0xFF);
    EXPECT_EQ(Record().Get(Setting::kLt), 2);
    EXPECT_EQ(Journal().back(), "MUA");
}

} // namespace
} // namespace hb::app::test
