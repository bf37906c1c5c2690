// The type-99 trunk scanner both ways: each bank's trunk type with its band plans, its TC setting,
// priority channel and AF option, its fleet map read back, the erase the hidden bank boxes decide,
// and a whole group written and read back.
#include "platform/engine/sim/SimRadio99.h"
#include "platform/tessary/app/ScanApp.h"
#include "programming/RadioSettingsRecord.h"
#include "tests/app/programming/TrunkFamily35Test.h"

namespace hb::app::test {
namespace {

namespace tr = hb::resources::transfer;
using hb::engine::sim::SimRadio99;
using Plan = hb::engine::sim::SimTrunkRadio35::BandPlan;

class Type99TransferTest : public TrunkFamily35Test {
protected:
    Type99TransferTest() { Use(99); }
    SimRadio99& Radio99() const { return RadioAs<SimRadio99>(); }
    RadioSettingsRecord Record() const { return RadioSettingsRecord::Fetch(Root().records()); }
    void SetPlan(unsigned bank, unsigned plan, std::uint32_t base, std::uint32_t spacing,
                 std::uint16_t offset) const {
        RadioSettingsRecord record = Record();
        record.SetPlanBase(bank, plan, base);
        record.SetPlanSpacing(bank, plan, spacing);
        record.SetPlanOffset(bank, plan, offset);
    }
};

TEST_F(Type99TransferTest, AVhfTypeIIBankSendsItsBandPlansAroundItsTrunkCommand) {
    BankAt(1).trunkType = 2;
    BankAt(1).trunkFlags = Bank::kTrunkVhf | Bank::kTrunkUhf;
    SetPlan(2, 1, 150'012'500, 12'500, 100);
    SetPlan(2, 3, 160'000'000, 25'000, 200);
    Choose({false, true}, false);
    Download();
    const std::vector<std::string> bank{"IDF",
                                        "QUF",
                                        "MUN",
                                        "HAF",
                                        "HPF",
                                        "MA051",
                                        "TR B 5 01500125 0125 100 1",
                                        "TR B 5 00000000 0500 380 2",
                                        "TR B 5 01600000 0250 200 3",
                                        "TBN B",
                                        "TCF B",
                                        "MA051",
                                        "PM051 00000000"};
    EXPECT_EQ(SentFrom("IDF", bank.size()), bank);
    EXPECT_EQ(Radio99().BankNumbered(2).trunkCode, 5);
    EXPECT_EQ(Radio99().BankNumbered(2).plans[1], (Plan{0, 50'000, 380}));
    EXPECT_TRUE(Radio99().Settings(2).trunking);
    const std::vector<std::string> closing{"KEY01", "IDN", "QUN", "MUA", "HAN", "HPN"};
    EXPECT_EQ(std::vector<std::string>(Journal().end() - 6, Journal().end()), closing);
}

TEST_F(Type99TransferTest, EachBankGetsItsTcSettingPriorityChannelAndAfOption) {
    BankAt(0).trunkType = 0;
    BankAt(2).trunkType = 1;
    BankAt(3).trunkType = 8;
    BankAt(4).trunkType = 6;
    BankAt(4).trunkFlags = Bank::kTrunkEdacsFormat;
    BankAt(1).trunkType = 4;
    RadioSettingsRecord record = Record();
    record.Set(RadioSettingsRecord::BankByte::kTcSetting, 1, 2);
    record.Set(RadioSettingsRecord::BankByte::kTcSetting, 3, 3);
    record.SetPriorityChannel(1, 7);
    record.SetPriorityChannel(3, 7);
    Choose(std::vector<bool>(5, true), false);
    Download();

    EXPECT_EQ(SentFrom("MA001", 3), (std::vector<std::string>{"MA001", "TBF A", "PC A007"}));
    EXPECT_EQ(Count("TBN A") + Count("TCN A") + Count("TCF A"), 0u);
    // A trunk type the radio has no command for sends nothing of its trunking.
    EXPECT_EQ(SentFrom("MA051", 2), (std::vector<std::string>{"MA051", "MA051"}));
    // A priority channel of another bank becomes the bank's first, in the group as well.
    EXPECT_EQ(SentFrom("MA101", 13),
              (std::vector<std::string>{"MA101", "TR C 1", "TBN C", "FB C 0 00", "FB C 1 00",
                                        "FB C 2 00", "FB C 3 00", "FB C 4 00", "FB C 5 00",
                                        "FB C 6 00", "FB C 7 00", "TCN C P3", "PC C101"}));
    EXPECT_EQ(Record().PriorityChannel(3), 101);
    EXPECT_EQ(SentFrom("MA151", 4), (std::vector<std::string>{"MA151", "TR D 7", "TBN D", "AFF"}));
    EXPECT_EQ(Count("PC D"), 0u);
    EXPECT_EQ(SentFrom("MA201", 4), (std::vector<std::string>{"MA201", "TR E 6", "TBN E", "AFN"}));
    EXPECT_EQ(Radio99().Settings(3).priority, 101);
    EXPECT_EQ(Radio99().Settings(3).tc, 3);
    EXPECT_TRUE(Radio99().Settings(5).af);
    EXPECT_FALSE(Radio99().Settings(4).af);
}

TEST_F(Type99TransferTest, AFleetMapOfSize14AtBlock0IsReadWithOneQuestion) {
    for (const char* line : {"TR A 1", "FB A 0 14"}) {
        Radio99().Take(line);
    }
    Choose({true}, false);
    Upload(doc);
    EXPECT_EQ(BankAt(0).trunkType, 1);
    EXPECT_EQ(Count("FB A "), 1u);
    EXPECT_EQ(BankAt(0).fleetMap, (std::array<std::uint8_t, 8>{14, 14, 14, 14, 14, 14, 14, 14}));
}

TEST_F(Type99TransferTest, TheBandPlansOfAUhfOrVhfBankAreReadIntoTheRecordAndTheBank) {
    for (const char* line : {"TR C 4 08510125 0125 380 1", "TR C 4 08520000 0250 400 2"}) {
        Radio99().Take(line);
    }
    Choose({false, false, true}, false);
    Upload(doc);
    EXPECT_EQ(BankAt(2).trunkType, 2);
    EXPECT_EQ(BankAt(2).trunkFlags, Bank::kTrunkUhf);
    EXPECT_EQ(SentFrom("BC", 3), (std::vector<std::string>{"BC C1", "BC C2", "BC C3"}));
    EXPECT_EQ(Record().PlanBase(3, 2), 852'000'000u);
    EXPECT_EQ(Record().PlanSpacing(3, 2), 25'000u);
    EXPECT_EQ(Record().PlanOffset(3, 2), 400);
    EXPECT_EQ(Record().PlanBase(3, 3), 0u);
    EXPECT_EQ(BankAt(2).base, 851'012'500u);
    EXPECT_EQ(BankAt(2).spacing, 12'500u);
    EXPECT_EQ(BankAt(2).offset, 380);
}

TEST_F(Type99TransferTest, FiveBoxesShowAndTheHiddenOnesKeepTheirStoredStates) {
    CScanApp::GetScanApp()->WriteProfileInt("Transfer", "LoadBankF", 0);
    const auto checkShown = [](CDialog& dialog) {
        for (UINT n = 0; n < tr::kBankCount; ++n) {
            const CWnd* box = dialog.GetDlgItem(static_cast<int>(tr::kBankA + n));
            EXPECT_EQ(::IsWindowVisible(box->m_hWnd) != FALSE, n < 5) << "box " << n;
            if (n < 5) {
                dialog.CheckDlgButton(static_cast<int>(tr::kBankA + n), 1);
            }
        }
        dialog.CheckDlgButton(tr::kSettings, 1);
        hb::afx::ClickButton(dialog.m_hWnd, IDOK);
    };
    hb::afx::SetModalScript(tr::kBankDialog, checkShown);
    Download();
    EXPECT_FALSE(Sent("AC"));
    EXPECT_TRUE(Sent("PM002 00000000"));

    CScanApp::GetScanApp()->WriteProfileInt("Transfer", "LoadBankF", 1);
    hb::afx::SetModalScript(tr::kBankDialog, checkShown);
    Download();
    EXPECT_EQ(Journal().front(), "AC");
    EXPECT_FALSE(Sent("PM002 00000000"));
}

TEST_F(Type99TransferTest, TrunkTypesWrittenAreReadBack) {
    const std::vector<std::pair<std::uint8_t, std::uint32_t>> types{
        {3, 0}, {9, 0}, {2, Bank::kTrunk900}, {2, 0}, {6, 0}};
    for (std::size_t b = 0; b < types.size(); ++b) {
        BankAt(b).trunkType = types[b].first;
        BankAt(b).trunkFlags = types[b].second;
    }
    Choose(std::vector<bool>(5, true), false);
    Download();
    for (std::size_t b = 0; b < types.size(); ++b) {
        BankAt(b).trunkType = 0;
        BankAt(b).trunkFlags = Bank::kTrunkTypeIIVariants;
    }
    Upload(doc);
    for (std::size_t b = 0; b < types.size(); ++b) {
        EXPECT_EQ(BankAt(b).trunkType, types[b].first) << "bank " << b;
        EXPECT_EQ(BankAt(b).trunkFlags, types[b].second) << "bank " << b;
    }
}

TEST_F(Type99TransferTest, AGroupWrittenAndReadBackIsTheSame) {
    Bank& typeI = BankAt(0);
    typeI.trunkType = 1;
    typeI.fleetMap = {3, 3, 13, 13, 13, 13, 0, 0};
    for (const char* id : {"i00077", "005-07", "400-02", ""}) {
        AddId(typeI, id);
    }
    Bank& vhf = BankAt(1);
    vhf.trunkType = 2;
    vhf.trunkFlags = Bank::kTrunkVhf;
    AddId(vhf, "004711");
    Bank& uhf = BankAt(2);
    uhf.trunkType = 2;
    uhf.trunkFlags = Bank::kTrunkUhf;
    BankAt(3).trunkType = 8;
    BankAt(3).trunkFlags = Bank::kTrunkEdacsFormat;
    AddId(BankAt(3), "000123");
    // A plan without a base goes out as the radio's default plan: every plan here has one.
    for (unsigned plan = 1; plan <= RadioSettingsRecord::kPlans; ++plan) {
        SetPlan(2, plan, 150'012'500 + plan * 1'000'000, 12'500 * plan, 100 + plan);
        SetPlan(3, plan, 851'012'500 + plan * 1'000'000, 25'000, 380);
    }
    RadioSettingsRecord record = Record();
    record.Set(RadioSettingsRecord::BankByte::kTcSetting, 2, 4);
    record.SetPriorityChannel(2, 60);
    SetChannel(ChannelAt(0, 0), 851'012'500, 0, true, true);
    SetChannel(ChannelAt(1, 9), 118'100'000, 1, false, true);
    Parm trunked = ChannelAt(2, 0).record();
    trunked.set(Parm::kFrequency, 856'237'500);
    trunked.set(Parm::Channel::kTrunkWord, Parm::Channel::kTrunkFrequency);
    trunked.set(Parm::Channel::kTrunkKind, 2);
    ChannelAt(2, 0).SetParm(trunked);
    ChooseAll();
    Download();
    ASSERT_EQ(boxes, std::vector<std::string>{});
    ASSERT_EQ(Errors(), std::vector<std::string>{});
    EXPECT_EQ(Radio99().Settings(2).tc, 4);
    EXPECT_EQ(Radio99().Settings(2).priority, 60);
    EXPECT_TRUE(Radio99().Settings(4).af);

    CGroupDoc copy;
    copy.NewGroup(99);
    Group& read = *copy.GetGroup();
    Radio::CreateRadio(99)->ConformGroup(read);
    for (std::size_t b = 0; b < 5; ++b) {
        Bank& bank = *read.banks()[b];
        bank.trunkType = 9;
        bank.trunkFlags = Bank::kTrunkTypeIIVariants;
        for (std::size_t i = 0; i < BankAt(b).userIds().size(); ++i) {
            AddId(bank, "");
        }
    }
    ChooseAll();
    Upload(copy);
    ASSERT_EQ(boxes, std::vector<std::string>{});
    ASSERT_EQ(Errors(), std::vector<std::string>{});

    const RadioSettingsRecord back = RadioSettingsRecord::Fetch(read.records());
    for (unsigned bank = 2; bank <= 3; ++bank) {
        for (unsigned plan = 1; plan <= RadioSettingsRecord::kPlans; ++plan) {
            EXPECT_EQ(back.PlanBase(bank, plan), Record().PlanBase(bank, plan));
            EXPECT_EQ(back.PlanSpacing(bank, plan), Record().PlanSpacing(bank, plan));
            EXPECT_EQ(back.PlanOffset(bank, plan), Record().PlanOffset(bank, plan));
        }
    }
    for (std::size_t b = 0; b < 5; ++b) {
        const Bank& out = BankAt(b);
        const Bank& in = *read.banks()[b];
        EXPECT_EQ(in.trunkType, out.trunkType) << "bank " << b;
        EXPECT_EQ(in.trunkFlags, out.trunkFlags & Bank::kTrunkTypeIIVariants) << "bank " << b;
        EXPECT_EQ(in.fleetMap, out.fleetMap) << "bank " << b;
        for (std::size_t c = 0; c < out.members().size(); ++c) {
            const ChannelValues sent = ChannelValues::Of(*out.members()[c]);
            const ChannelValues got = ChannelValues::Of(*in.members()[c]);
            EXPECT_EQ(got.frequency, sent.frequency) << "bank " << b << " channel " << c;
            EXPECT_EQ(got.trunkWord, sent.trunkWord) << "bank " << b << " channel " << c;
            EXPECT_EQ(got.trunkKind, sent.trunkKind) << "bank " << b << " channel " << c;
            EXPECT_EQ(got.lockOut, sent.lockOut) << "bank " << b << " channel " << c;
            EXPECT_EQ(got.delay, sent.delay) << "bank " << b << " channel " << c;
        }
        ASSERT_EQ(in.userIds().size(), out.userIds().size());
        for (std::size_t i = 0; i < out.userIds().size(); ++i) {
            EXPECT_EQ(in.userIds()[i]->id(), out.userIds()[i]->id()) << "bank " << b << " ID " << i;
        }
    }
    EXPECT_EQ(read.banks()[1]->base, 151'012'500u);
    EXPECT_EQ(read.banks()[1]->members()[9]->record().get(Parm::kMode), 1);
}

} // namespace
} // namespace hb::app::test
