// PC to Radio for the trunk-tracking scanners of types 63 to 92, as the simulated scanner receives
// it: the erase, a bank's trunk type and band plans, channels, IDs, search ranges and the global
// settings, and the marks the transfer clears.
#include "platform/engine/sim/SimRadio.h"
#include "platform/tessary/model/Radio.h"
#include "tests/app/programming/TrunkScanner63Test.h"

namespace hb::app::test {
namespace {

using Setting = RadioSettingsRecord::Setting;
using BankByte = RadioSettingsRecord::BankByte;

// An ID-list tag never given, as "%-16.16s" sends it after its blank.
const std::string kBlankTag(17, ' ');

class TrunkScanner63WriteTest : public TrunkScanner63Test {
protected:
    // Type 63 with other counts of search ranges and channels.
    static void Reshape(std::uint16_t ranges, std::uint16_t channels) {
        hb::tessary::SetRadioFactory([ranges, channels](std::uint8_t type) {
            std::unique_ptr<::Radio> radio;
            if (type == 63) {
                hb::records::RadioModel model = *hb::records::FindRadioModel(63);
                model.organisation.ranges = ranges;
                model.organisation.channels = channels;
                model.organisation.channelsPerBank = static_cast<std::uint16_t>(channels / 10);
                radio = std::make_unique<::Radio>(model);
            }
            return radio;
        });
    }
    // The number of times the chain-search menu was opened.
    static std::size_t ChainSearches() {
        std::size_t count = 0;
        for (std::size_t n = 1; n < Sent().size(); ++n) {
            count += Sent()[n - 1] == "KEY11" && Sent()[n] == "KEY02 1" ? 1 : 0;
        }
        return count;
    }
};

TEST_F(TrunkScanner63WriteTest, EverythingToTheRadioErasesItFirstAndLeavesOutWhatIsEmpty) {
    Use(63);
    AddChannel(BankAt(0), 155'010'000, "Fire");
    AddChannel(BankAt(0), 0);
    Bank& police = BankAt(1);
    police.trunkType = 2;
    AddId(police, "012345", "Patrol");
    police.addUserId(std::make_unique<UserIdEntry>());
    ChooseAll();
    Download();
    ASSERT_FALSE(Sent().empty());
    EXPECT_EQ(Sent().front(), "AC");
    EXPECT_EQ(Sent()[1], "KEY01");
    // Switches that are off and tones that are none are as the erase left them.
    EXPECT_TRUE(SentInOrder(
        {"PM001 01550100", "ST 12.5K", "DLF", "RM FM", "TA C 001 Fire            ", "MA001"}));
    EXPECT_EQ(CountStarting("PM"), 1u);
    EXPECT_TRUE(
        SentInOrder({"TG B A1 012345", "TA I B A1 Patrol          ", "TA L B A" + kBlankTag}));
    EXPECT_EQ(CountStarting("TG B A2"), 0u);
    EXPECT_TRUE(boxes.empty());
    EXPECT_FALSE(Root().isChanged());
    EXPECT_FALSE(BankAt(0).isChanged());
}

TEST_F(TrunkScanner63WriteTest, AnEraseTheRadioLeavesUnansweredIsWaitedForAndNothingIsLeftOut) {
    Use(63, 1);
    AddChannel(BankAt(0), 0);
    Radio().FailOn("AC", hb::engine::sim::Fault::Silent);
    ChooseAll();
    Download();
    ASSERT_GE(Radio().times.size(), 2u);
    EXPECT_EQ(Sent()[0], "AC");
    EXPECT_GE(Radio().times[1] - Radio().times[0], 25'000);
    EXPECT_EQ(Count("PM001 00000000"), 1u);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(TrunkScanner63WriteTest, ABanksTrunkTypeGoesOutAsItsCommandOrItsBandPlans) {
    Use(63, 3);
    BankAt(0).trunkType = 2;
    BankAt(0).trunkFlags = Bank::kTrunkUhf;
    RadioSettingsRecord record = Record();
    record.SetPlanBase(1, 1, 851'012'500);
    record.SetPlanSpacing(1, 1, 12'500);
    record.SetPlanOffset(1, 1, 380);
    record.SetPlanBase(1, 3, 866'000'000);
    record.SetPlanSpacing(1, 3, 25'000);
    record.SetPlanOffset(1, 3, 400);
    BankAt(1).trunkType = 0;
    BankAt(2).trunkType = 4;
    Choose({0, 1, 2}, false);
    Download();
    EXPECT_TRUE(SentInOrder({"MA001", "TR A 4 08510125 0125 380 1", "TR A 4 00000000 0500 380 2",
                             "TR A 4 08660000 0250 400 3", "TR A 4 08660000 0250 400 3", "TBN A",
                             "IRF A", "TCF A"}));
    EXPECT_TRUE(SentInOrder({"MA021", "TBF B", "IRF B"}));
    EXPECT_EQ(CountStarting("TBN B"), 0u);
    // A trunk type that has no command gets none, and trunking is not switched on.
    EXPECT_TRUE(SentInOrder({"MA041", "IRF C"}));
    EXPECT_EQ(CountStarting("TR C"), 0u);
    EXPECT_EQ(CountStarting("TBN C"), 0u);
    // The radio now holds them.
    EXPECT_EQ(Memory().banks[0].trunkCode, 4u);
    EXPECT_EQ(Memory().banks[0].plans[2].base, 8'660'000u);
    EXPECT_TRUE(Memory().banks[0].trunking);
}

TEST_F(TrunkScanner63WriteTest,
       AChannelGoesOutWithItsSwitchesAndOneTheRadioCannotHoldKeepsItsMark) {
    Use(64, 1);
    Bank& bank = BankAt(0);
    Chan& simplex = AddChannel(bank, 146'520'000, "Simplex", 11);
    Parm record = simplex.record();
    record.set(Parm::Channel::kTone, 885);
    record.set(Parm::Channel::kSquelchKind, 4);
    record.set(Parm::Channel::kToneOption, Parm::Channel::kToneOptionSuffixL);
    record.set(Parm::kLockOut, 0xFF);
    record.set(Parm::Channel::kDelay, -5);
    record.set(Parm::Channel::kMarker, 0xFF);
    record.set(Parm::Channel::kFlags, Parm::Channel::kFlagBankAssign);
    simplex.SetParm(record);
    Chan& outside = AddChannel(bank, 60'000'000, "Gap");
    AddChannel(bank, 0);
    AddChannel(bank, 0);
    Chan& control = AddChannel(bank, 851'012'500, "Control");
    Parm trunked = control.record();
    trunked.set(Parm::Channel::kTrunkWord, Parm::Channel::kTrunkFrequency);
    control.SetParm(trunked);
    for (const auto& channel : bank.members()) {
        channel->markChanged();
    }
    Choose({0}, false);
    Download();
    EXPECT_TRUE(SentInOrder({"PM001 01465200", "ST 12.5K", "LON", "DLN -5", "ATF", "ARN", "RM NFM",
                             "CS008L", "TA C 001 Simplex         ", "BAN C 001"}));
    EXPECT_EQ(CountStarting("PM002"), 0u);
    // An empty memory is written empty; its other commands are not sent.
    EXPECT_TRUE(SentInOrder({"PM003 00000000", "PM004 00000000", "PM005T08510125"}));
    EXPECT_FALSE(simplex.isChanged());
    EXPECT_TRUE(outside.isChanged());
    EXPECT_FALSE(control.isChanged());
    EXPECT_FALSE(Root().isChanged());
    EXPECT_EQ(control.record().get(Parm::kMemoryChannel), 5);
}

TEST_F(TrunkScanner63WriteTest, IdsGoOutByTheirBanksTrunkTypeAndAnEmptySlotAsZero) {
    Use(63, 2);
    Bank& typeI = BankAt(0);
    typeI.trunkType = 1;
    typeI.fleetMap = {0, 1, 3, 0, 0, 0, 0, 0};
    AddId(typeI, "206-05", "Ops");
    AddId(typeI, "1002-2", "Tac");
    Bank& typeII = BankAt(1);
    typeII.trunkType = 2;
    for (int slot = 0; slot < 10; ++slot) {
        typeII.addUserId(std::make_unique<UserIdEntry>());
    }
    Choose({0, 1}, false);
    Download();
    EXPECT_TRUE(SentInOrder({"FB A 0 00", "FB A 1 01", "FB A 2 03", "FB A 3 00"}));
    EXPECT_TRUE(SentInOrder(
        {"TG A A1 206-05", "TA I A A1 Ops             ", "BAF I A A1", "TG A A2 1002-2"}));
    // The tenth slot of bank B is A0; not in use, it is sent as 0 and nothing more.
    EXPECT_TRUE(SentInOrder({"TG B A0 0", "TA L B A" + kBlankTag}));
    EXPECT_EQ(CountStarting("TA I B"), 0u);
}

TEST_F(TrunkScanner63WriteTest, SearchRangesPastTheRadiosCountOrLettersAreNotSent) {
    Reshape(12, 200);
    Use(63, 1);
    for (int range = 0; range < 12; ++range) {
        AddRange(150'000'000, 174'000'000, "Range " + std::to_string(range + 1));
    }
    // Reversed limits are put in order; a range without both limits is sent by name alone.
    Range& reversed = static_cast<Range&>(*Root().extras()[0]);
    reversed.setLimits(174'000'000, 150'000'000, 12'500);
    Range& half = static_cast<Range&>(*Root().extras()[1]);
    half.setLimits(150'000'000, 0, 12'500);
    Choose({0}, true);
    Download();
    EXPECT_TRUE(SentInOrder({"TA S A Range 1         ", "LL01500000 A", "LU01740000 A"}));
    EXPECT_EQ(reversed.lower(), 150'000'000u);
    EXPECT_EQ(reversed.upper(), 174'000'000u);
    EXPECT_EQ(Count("TA S B Range 2         "), 1u);
    EXPECT_EQ(CountStarting("LL") + CountStarting("LU"), 2u * 9u);
    EXPECT_EQ(half.lower(), 150'000'000u);
    EXPECT_EQ(half.upper(), 0u);
    EXPECT_EQ(Count("TA S J Range 10        "), 1u);
    EXPECT_EQ(CountStarting("TA S K"), 0u);
    EXPECT_EQ(CountStarting("TA S"), 10u);

    // Four ranges allowed: a group of six sends four.
    Reshape(4, 200);
    NewGroup(63, 1);
    for (int range = 0; range < 6; ++range) {
        AddRange(150'000'000, 174'000'000, "R");
    }
    Radio().ClearJournal();
    Download();
    EXPECT_EQ(CountStarting("TA S"), 4u);
}

TEST_F(TrunkScanner63WriteTest, OnlyModelCodesFiveAndSixSendTheChainSearchAndTheRangeMenus) {
    for (const std::uint8_t type : {63, 92, 64, 91}) {
        CRig::DeleteAll();
        Use(type, 1);
        AddRange(150'000'000, 174'000'000, "VHF");
        Choose({0}, true);
        Download();
        const bool menus = type == 64 || type == 91;
        // Three chain-search settings and the range's mode and step.
        EXPECT_EQ(ChainSearches(), menus ? 5u : 0u) << int{type};
        EXPECT_EQ(Count("KEY02 3"), menus ? 2u : 0u) << int{type};
        Radio().ClearJournal();
    }
}

TEST_F(TrunkScanner63WriteTest, ARecordNeverFilledSendsTheRadiosDefaults) {
    Use(63, 3);
    BankAt(0).trunkType = 2;
    BankAt(0).trunkFlags = Bank::kTrunkVhf;
    BankAt(1).trunkType = 1;
    Choose({0, 1, 2}, true);
    Download();
    EXPECT_TRUE(SentInOrder({"TR A 5 00000000 0500 380 1", "TR A 5 00000000 0500 380 2",
                             "TR A 5 00000000 0500 380 3", "TR A 5 00000000 0500 380 3"}));
    EXPECT_TRUE(SentInOrder({"LTN", "LMF", "BPF", "ELF", "DSF", "CTF", "IDN"}));
    EXPECT_EQ(CountStarting("FP"), 0u);
    EXPECT_EQ(CountStarting("PC"), 0u);
    // The end code and the bank option of the Type I bank go out as their first and off
    // positions.
    EXPECT_TRUE(SentInOrder({"KEY02 0", "KEY04", "KEY02 1", "KEY13"}));
    EXPECT_TRUE(SentInOrder({"KEY02 9", "KEY02 2", "KEY13"}));
}

TEST_F(TrunkScanner63WriteTest, RecordValuesOutsideTheirMenusAreHeldOrLeftOut) {
    Reshape(10, 500);
    Use(63, 3);
    RadioSettingsRecord record = Record();
    record.Set(Setting::kCt, 4);
    record.SetPriorityChannel(3, 7);
    record.SetPriorityChannel(2, 60);
    record.Set(BankByte::kIrSetting, 1, 3);
    record.SetFipsText("012345\r\n12345\r\n");
    Choose({0, 1, 2}, true);
    Download();
    EXPECT_EQ(Count("CTN"), 1u);
    // 50 channels a bank: bank C holds 101 to 150.
    EXPECT_EQ(Count("PC C101"), 1u);
    EXPECT_EQ(Record().PriorityChannel(3), 101);
    EXPECT_EQ(Count("PC B060"), 1u);
    EXPECT_EQ(CountStarting("IR") - CountStarting("IRF"), 0u);
    EXPECT_EQ(CountStarting("IRF A"), 0u);
    EXPECT_EQ(CountStarting("FP"), 1u);
    EXPECT_EQ(Count("FP 01 012345"), 1u);

    // A chain-search choice the menu cannot show leaves that one excursion out.
    CRig::DeleteAll();
    Use(64, 0);
    Record().Set(Setting::kChainSearchChoice, 9);
    Choose({}, true);
    Download();
    EXPECT_EQ(ChainSearches(), 2u);
    EXPECT_EQ(Memory().chainChoice, 1u);
}

} // namespace
} // namespace hb::app::test
