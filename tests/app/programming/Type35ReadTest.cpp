// Radio to PC for the type-35 trunk scanner, and a whole group written and read back.
#include "platform/engine/sim/SimRadio35.h"
#include "tests/app/programming/TrunkFamily35Test.h"

namespace hb::app::test {
namespace {

using hb::engine::sim::SimRadio35;
using hb::records::UserId;

class Type35ReadTest : public TrunkFamily35Test {
protected:
    Type35ReadTest() { Use(35); }
    SimRadio35& Radio35() const { return RadioAs<SimRadio35>(); }
    // Lines a radio takes as the front panel's user would key them.
    void Key(std::initializer_list<const char*> lines) const {
        for (const char* line : lines) {
            Radio35().Take(line);
        }
    }
};

TEST_F(Type35ReadTest, TrunkTypesComeFromTheCodesTheBanksReport) {
    Key({"TR C 4 04060000 25000", "TR D 1", "TR E 7", "TR F 8"});
    BankAt(2).trunkFlags = Bank::kTrunkVhf | Bank::kTrunkEdacsFormat;
    BankAt(5).trunkType = 1;
    Choose({false, false, true, true, true, true, false, false, false, true}, false);
    Upload(doc);
    EXPECT_EQ(BankAt(2).trunkType, 2);
    EXPECT_EQ(BankAt(2).trunkFlags, Bank::kTrunkUhf | Bank::kTrunkEdacsFormat);
    EXPECT_EQ(BankAt(3).trunkType, 1);
    EXPECT_EQ(BankAt(4).trunkType, 8);
    // The radio's code 8 is none of those it lists.
    EXPECT_EQ(BankAt(5).trunkType, 0);
    const std::vector<std::string> bankC{"MA101", "KEY13H", "KEY02 3", "TB"};
    EXPECT_EQ(SentFrom("MA101", 4), bankC);
    const std::vector<std::string> bankJ{"MA451", "KEY13H", "KEY02 0", "TB"};
    EXPECT_EQ(SentFrom("MA451", 4), bankJ);
    const std::vector<std::string> closing{"SB ABCDEFGHIJ", "KEY01", "IDN", "QUN", "MUA"};
    EXPECT_EQ(std::vector<std::string>(Journal().end() - 5, Journal().end()), closing);
    EXPECT_EQ(Radio35().Scanning(), std::vector<bool>(10, true));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(Type35ReadTest, AnIdQuestionTheRadioRefusesIsAskedAgainAfterMd) {
    Key({"TR A 2", "TG A A1 012345"});
    AddId(BankAt(0), "");
    Radio35().RefuseIdQuestions(1);
    Choose({true}, false);
    Upload(doc);
    EXPECT_EQ(SentFrom("IC A1", 3), (std::vector<std::string>{"IC A1", "MD", "IC A1"}));
    EXPECT_EQ(BankAt(0).userIds()[0]->id().get(UserId::kValue), 12345u);
    EXPECT_EQ(boxes, std::vector<std::string>{});
}

TEST_F(Type35ReadTest, AnEmptyMemoryKeepsItsNumberAndAnEmptySlotLosesItsTag) {
    SetChannel(ChannelAt(0, 1), 155'000'000);
    ChannelAt(0, 1).setName("Old");
    UserIdEntry& entry = AddId(BankAt(0), "");
    entry.setOptionByte(UserIdEntry::kOptionRadio, 1);
    Choose({true}, false);
    Upload(doc);
    const Parm empty = ChannelAt(0, 1).record();
    EXPECT_EQ(empty.get(Parm::kFrequency), 0u);
    EXPECT_EQ(empty.get(Parm::kMemoryChannel), 2);
    EXPECT_EQ(entry.tag(), "");
    EXPECT_EQ(entry.optionByte(UserIdEntry::kOptionRadio), 0);
    EXPECT_FALSE(entry.id().inUse());
    // The range is read only with Settings.
    EXPECT_EQ(Count("LL"), 0u);
}

TEST_F(Type35ReadTest, AGroupWrittenAndReadBackIsTheSame) {
    struct BankPlan {
        std::uint8_t type;
        std::uint32_t flags;
        std::vector<const char*> ids;
    };
    const std::vector<BankPlan> plans{
        {0, 0, {}},
        {1, 0, {"i01234", "012-03", "1045-2", "000000", "200-15"}},
        {2, 0, {"012345", "000001"}},
        {2, Bank::kTrunk900, {"054321"}},
        {2, Bank::kTrunkUhf, {"000777"}},
        {2, Bank::kTrunkVhf, {}},
        {6, 0, {"002047"}},
        {8, 0, {"000100"}},
    };
    for (std::size_t b = 0; b < plans.size(); ++b) {
        Bank& bank = BankAt(b);
        bank.trunkType = plans[b].type;
        bank.trunkFlags = plans[b].flags;
        if (plans[b].type == 1) {
            bank.fleetMap = {2, 1, 4, 4, 4, 4, 4, 4};
        }
        for (const char* id : plans[b].ids) {
            AddId(bank, id);
        }
    }
    BankAt(4).base = 851'000'000;
    BankAt(4).spacing = 12'500;
    BankAt(4).offset = 410;
    SetChannel(ChannelAt(1, 0), 851'012'500, 0, true, true, true);
    SetChannel(ChannelAt(1, 1), 852'025'000, 11, false, false, false);
    SetChannel(ChannelAt(2, 3), 118'100'000, 1, false, true, false);
    Parm trunked = ChannelAt(2, 4).record();
    trunked.set(Parm::kFrequency, 856'237'500);
    trunked.set(Parm::Channel::kTrunkWord, Parm::Channel::kTrunkFrequency);
    trunked.set(Parm::Channel::kTrunkKind, 2);
    trunked.set(Parm::Channel::kFlags, Parm::Channel::kFlagBankAssign);
    ChannelAt(2, 4).SetParm(trunked);
    // The group's one search range, which the radio's organisation gave it.
    Root().insertExtra(0, SearchRange(406'000'000, 420'012'500, 12'500));
    ChooseAll();
    Download();
    ASSERT_EQ(boxes, std::vector<std::string>{});
    ASSERT_EQ(Errors(), std::vector<std::string>{});
    EXPECT_EQ(Radio35().BankNumbered(5).plans[0].base, 851'000'000u);

    // A copy of the group: the same banks, channels, ID entries and range, their values cleared.
    CGroupDoc copy;
    copy.NewGroup(35);
    Group& read = *copy.GetGroup();
    Radio::CreateRadio(35)->ConformGroup(read);
    for (std::size_t b = 0; b < plans.size(); ++b) {
        read.banks()[b]->trunkType = 9;
        read.banks()[b]->trunkFlags = Bank::kTrunkTypeIIVariants;
        read.banks()[b]->fleetMap = BankAt(b).fleetMap;
        for (std::size_t i = 0; i < plans[b].ids.size(); ++i) {
            AddId(*read.banks()[b], "");
        }
    }
    ChooseAll();
    Upload(copy);
    ASSERT_EQ(boxes, std::vector<std::string>{});
    ASSERT_EQ(Errors(), std::vector<std::string>{});

    for (std::size_t b = 0; b < plans.size(); ++b) {
        const Bank& out = BankAt(b);
        const Bank& back = *read.banks()[b];
        EXPECT_EQ(back.trunkType, out.trunkType) << "bank " << b;
        EXPECT_EQ(back.trunkFlags, out.trunkFlags) << "bank " << b;
        for (std::size_t c = 0; c < out.members().size(); ++c) {
            EXPECT_EQ(ChannelValues::Of(*back.members()[c]), ChannelValues::Of(*out.members()[c]))
                << "bank " << b << " channel " << c;
        }
        ASSERT_EQ(back.userIds().size(), out.userIds().size());
        for (std::size_t i = 0; i < out.userIds().size(); ++i) {
            EXPECT_EQ(back.userIds()[i]->id(), out.userIds()[i]->id())
                << "bank " << b << " ID " << plans[b].ids[i];
        }
    }
    const Parm range = read.extras()[0]->record();
    EXPECT_EQ(range.get(Parm::Channel::kLowerLimit), 406'000'000u);
    EXPECT_EQ(range.get(Parm::Channel::kUpperLimit), 420'012'500u);
}

} // namespace
} // namespace hb::app::test
