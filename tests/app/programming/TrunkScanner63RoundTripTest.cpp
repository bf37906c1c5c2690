// A group with every kind of bank, channel, ID, search range and setting the trunk-tracking
// scanners move goes to the simulated scanner of each model and comes back into a copy whose
// values were cleared: the copy equals the group, but for what the model does not move.
#include "platform/tessary/model/Range.h"
#include "programming/TrunkCommandCodec63.h"
#include "tests/app/programming/RoundTripChecks.h"
#include "tests/app/programming/TrunkScanner63Test.h"

namespace hb::app::test {
namespace {

using Setting = RadioSettingsRecord::Setting;
using BankByte = RadioSettingsRecord::BankByte;

constexpr std::size_t kBanks = 10;
// Banks A to J: no trunking, Type I, plain Type II, 900 MHz, VHF, UHF, type 3, EDACS, EDACS wide
// and type 9.
constexpr std::array<std::uint8_t, kBanks> kTrunkTypes{0, 1, 2, 2, 2, 2, 3, 6, 8, 9};
constexpr std::array<std::uint32_t, kBanks> kTrunkFlags{0,
                                                        0,
                                                        0,
                                                        Bank::kTrunk900,
                                                        Bank::kTrunkVhf,
                                                        Bank::kTrunkUhf,
                                                        0,
                                                        Bank::kTrunkEdacsFormat | Bank::kTrunkEa,
                                                        Bank::kTrunkEa,
                                                        0};
constexpr std::array<std::int16_t, kBanks> kDelays{0, 1000, 4000, -1, 2000, -10, 0, 1000, -2, 2000};
// The group and individual IDs of a bank by trunk type; none for a type without ID texts.
struct IdTexts {
    std::uint8_t trunkType;
    const char* group;
    const char* individual;
};
constexpr std::array<IdTexts, 5> kIdTexts{{{1, "206-05", "1002-2"},
                                           {2, "012345", "054321"},
                                           {3, "105007", "000255"},
                                           {6, "000045", "i00123"},
                                           {8, "001234", "i00077"}}};

class TrunkScanner63RoundTripTest : public TrunkScanner63Test,
                                    public ::testing::WithParamInterface<std::uint8_t> {
protected:
    // Model codes 5 and 6 have the menus that 4 and 7 lack; variant 0 has the FIPS codes.
    bool Menus() const { return GetParam() == 64 || GetParam() == 91 || GetParam() == 89; }
    bool Fips() const { return GetParam() != 89; }

    static Chan& AddTone(Bank& bank, std::uint32_t hz, std::uint8_t mode, std::uint32_t tone,
                         std::uint8_t kind, std::uint8_t option) {
        Chan& channel = AddChannel(bank, hz, "", mode);
        Parm record = channel.record();
        record.set(Parm::Channel::kTone, tone);
        record.set(Parm::Channel::kSquelchKind, kind);
        record.set(Parm::Channel::kToneOption, option);
        channel.SetParm(record);
        return channel;
    }
    static void Set(Chan& channel, const std::function<void(Parm&)>& change) {
        Parm record = channel.record();
        change(record);
        channel.SetParm(record);
    }

    void Build() {
        RadioSettingsRecord record = Record();
        const std::uint16_t perBank =
            hb::records::FindRadioModel(GetParam())->organisation.channelsPerBank;
        for (std::size_t b = 0; b < kBanks; ++b) {
            const auto number = static_cast<unsigned>(b + 1);
            const std::uint8_t type = kTrunkTypes[b];
            Bank& bank = BankAt(b);
            bank.setName("Bank " + std::string(1, static_cast<char>('A' + b)));
            bank.trunkType = type;
            bank.trunkFlags = kTrunkFlags[b];
            bank.delay = kDelays[b];
            bank.option = Menus() && b % 2 ? 0xFF : 0;
            if (type == 1) {
                bank.fleetMap = {1, 1, 3, 12, 12, 4, 0, 0};
            }
            BuildChannels(bank, b);
            BuildIds(bank, b);
            if (bank.trunkFlags & (Bank::kTrunkVhf | Bank::kTrunkUhf)) {
                for (unsigned plan = 1; plan <= RadioSettingsRecord::kPlans; ++plan) {
                    record.SetPlanBase(number, plan, 851'012'500 + plan * 1'000'000);
                    record.SetPlanSpacing(number, plan, 12'500 * plan);
                    record.SetPlanOffset(number, plan, static_cast<std::uint16_t>(380 + plan));
                }
            }
            if (TrunkCommandCodec::HasIrSetting(type)) {
                record.Set(BankByte::kIrSetting, number, static_cast<std::uint8_t>(b % 3));
            }
            if (TrunkCommandCodec::IsMotorola(type)) {
                record.Set(BankByte::kTcSetting, number, static_cast<std::uint8_t>(b % 2 ? 3 : 0));
                record.Set(BankByte::kEndCode, number, static_cast<std::uint8_t>(b % 2));
                record.Set(BankByte::kBankOption, number, b % 2 ? 0 : 0xFF);
            }
            if (b % 3 == 0) {
                record.SetPriorityChannel(number, static_cast<std::uint16_t>(b * perBank + 2));
            }
            record.SetIdTag(number, b % 10, "List " + std::to_string(b));
            record.SetIdTag(number, 9, "Exactly sixteen!");
        }
        for (const auto& [lower, upper, name, mode, step] :
             {std::tuple{118'000'000u, 137'000'000u, "Air", 1, 25'000u},
              std::tuple{150'800'000u, 174'000'000u, "VHF", 0, 5'000u},
              std::tuple{406'000'000u, 420'000'000u, "UHF", 11, 12'500u}}) {
            Range& range = AddRange(lower, upper, name);
            range.setLimits(lower, upper, step);
            Set(range,
                [mode](Parm& kept) { kept.set(Parm::kMode, static_cast<std::uint8_t>(mode)); });
        }
        record.Set(Setting::kLt, 1);
        record.Set(Setting::kLm, 0xFF);
        record.Set(Setting::kEl, 0xFF);
        record.Set(Setting::kDs, 0xFF);
        record.Set(Setting::kCt, 2);
        if (Menus()) {
            record.Set(Setting::kChainSearchChoice, 3);
            record.Set(Setting::kChainSearchItem4, 0xFF);
        }
        if (Fips()) {
            record.SetFipsText("012345\r\n067890\r\n");
        }
    }
    void BuildChannels(Bank& bank, std::size_t b) {
        Chan& simplex = AddTone(bank, 146'520'000 + static_cast<std::uint32_t>(b) * 100'000, 0, 885,
                                4, Parm::Channel::kToneOptionSuffixL);
        simplex.setName("Ch " + std::to_string(b));
        Set(simplex, [&](Parm& kept) {
            kept.set(Parm::kLockOut, 0xFF);
            kept.set(Parm::Channel::kAttenuator, 1);
            kept.set(Parm::Channel::kMarker, Menus() ? 0xFF : 0);
            kept.set(Parm::Channel::kFlags, Parm::Channel::kFlagBankAssign);
            kept.set(Parm::Channel::kDelay, 1000);
        });
        Chan& dcs = AddTone(bank, 453'250'000, 11, 19, Parm::Channel::kSquelchKindDcs, 0);
        dcs.setName("Exactly sixteen!");
        Set(dcs, [](Parm& kept) {
            kept.set(Parm::kStep, 6'250);
            kept.set(Parm::Channel::kDelay, -10);
        });
        Chan& air = AddChannel(bank, 121'500'000, "", 1);
        Set(air, [](Parm& kept) { kept.set(Parm::kStep, 25'000); });
        Chan& control = AddChannel(bank, 851'012'500, "Control", 0);
        Set(control, [&](Parm& kept) {
            kept.set(Parm::Channel::kTrunkWord, Parm::Channel::kTrunkFrequency);
            kept.set(Parm::Channel::kTrunkKind, kTrunkTypes[b]);
        });
        AddChannel(bank, 0);
    }
    void BuildIds(Bank& bank, std::size_t b) {
        const auto texts = std::ranges::find(kIdTexts, bank.trunkType, &IdTexts::trunkType);
        if (texts == kIdTexts.end()) {
            return;
        }
        UserIdEntry& group = AddId(bank, texts->group, "Tag " + std::to_string(b));
        group.setOptions(UserIdEntry::kOptionBa);
        group.setOptionByte(UserIdEntry::kOptionRadio, Menus() ? 0xFF : 0);
        AddId(bank, texts->individual);
        bank.addUserId(std::make_unique<UserIdEntry>());
    }

    // The same banks, channels, IDs and ranges, every value cleared.
    void BuildCopy() {
        copy.NewGroup(GetParam());
        for (const auto& bank : Root().banks()) {
            Bank& cleared = copy.GetGroup()->addBank(std::make_unique<Bank>());
            for (std::size_t n = 0; n < bank->members().size(); ++n) {
                cleared.addMember(std::make_unique<Chan>());
            }
            for (std::size_t n = 0; n < bank->userIds().size(); ++n) {
                cleared.addUserId(std::make_unique<UserIdEntry>());
            }
        }
        for (std::size_t n = 0; n < Root().extras().size(); ++n) {
            copy.GetGroup()->addExtra(std::make_unique<Range>());
        }
    }

    void ExpectSameBank(const Bank& read, const Bank& written, const RadioSettingsRecord& record) {
        SCOPED_TRACE(written.name());
        EXPECT_EQ(read.name(), written.name());
        EXPECT_EQ(read.trunkType, written.trunkType);
        EXPECT_EQ(read.trunkFlags, written.trunkFlags);
        EXPECT_EQ(read.fleetMap, written.fleetMap);
        EXPECT_EQ(read.delay != 0, written.delay != 0);
        if (Menus()) {
            EXPECT_EQ(read.delay, written.delay);
            EXPECT_EQ(read.option, written.option);
        }
        // A VHF or UHF bank's own plan is its plan 1.
        const bool planned = written.trunkFlags & (Bank::kTrunkVhf | Bank::kTrunkUhf);
        EXPECT_EQ(read.base, planned ? record.PlanBase(written.number, 1) : written.base);
        EXPECT_EQ(read.spacing, planned ? record.PlanSpacing(written.number, 1) : written.spacing);
        EXPECT_EQ(read.offset, planned ? record.PlanOffset(written.number, 1) : written.offset);
        ASSERT_EQ(read.members().size(), written.members().size());
        for (std::size_t n = 0; n < written.members().size(); ++n) {
            ExpectSameChannel(*read.members()[n], *written.members()[n]);
        }
        ExpectSameUserIds(read, written);
    }
    void ExpectSameChannel(const Chan& read, const Chan& written) {
        const Parm back = read.record();
        const Parm out = written.record();
        SCOPED_TRACE(out.get(Parm::kMemoryChannel));
        EXPECT_EQ(back.get(Parm::kMemoryChannel), out.get(Parm::kMemoryChannel));
        EXPECT_EQ(back.get(Parm::kFrequency), out.get(Parm::kFrequency));
        if (out.get(Parm::kFrequency) == 0) {
            return;
        }
        EXPECT_EQ(read.name(), written.name());
        EXPECT_EQ(back.get(Parm::kStep), out.get(Parm::kStep));
        EXPECT_EQ(back.get(Parm::kMode), out.get(Parm::kMode));
        EXPECT_EQ(back.get(Parm::Channel::kFlags), out.get(Parm::Channel::kFlags));
        EXPECT_EQ(back.get(Parm::Channel::kTrunkWord), out.get(Parm::Channel::kTrunkWord));
        for (std::size_t word = 0; word < Parm::kModelWords.kCount; ++word) {
            EXPECT_EQ(back.get(Parm::kModelWords, word), out.get(Parm::kModelWords, word));
        }
        EXPECT_EQ(back.get(Parm::kLockOut), out.get(Parm::kLockOut));
        EXPECT_EQ(back.get(Parm::Channel::kAttenuator), out.get(Parm::Channel::kAttenuator));
        EXPECT_EQ(back.get(Parm::Channel::kMarker), out.get(Parm::Channel::kMarker));
        EXPECT_EQ(back.get(Parm::Channel::kDelay) != 0, out.get(Parm::Channel::kDelay) != 0);
        if (Menus()) {
            EXPECT_EQ(back.get(Parm::Channel::kDelay), out.get(Parm::Channel::kDelay));
        }
    }
    CGroupDoc copy;
};

TEST_P(TrunkScanner63RoundTripTest, AGroupWrittenAndReadBackIsTheSame) {
    Use(GetParam());
    Build();
    ChooseAll();
    Download();
    EXPECT_TRUE(boxes.empty());
    BuildCopy();
    Radio().ClearJournal();
    Transfer(true, nullptr, &copy);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(Sent().back(), "MUA");
    Group& read = *copy.GetGroup();
    EXPECT_EQ(read.radioType(), GetParam());
    for (std::size_t b = 0; b < kBanks; ++b) {
        ExpectSameBank(*read.banks()[b], BankAt(b), Record());
    }
    ASSERT_EQ(read.extras().size(), Root().extras().size());
    for (std::size_t n = 0; n < Root().extras().size(); ++n) {
        const auto& out = static_cast<const Range&>(*Root().extras()[n]);
        ExpectSameRange(static_cast<const Range&>(*read.extras()[n]), out,
                        Menus() ? out.record().get(Parm::kMode) : 0, Menus() ? out.step() : 0u);
    }
    // The settings records, byte by byte: what a model does not move stays 0 in both.
    ExpectSameSettingsRecord(read, Root());
}

INSTANTIATE_TEST_SUITE_P(EveryModelCode, TrunkScanner63RoundTripTest,
                         ::testing::Values(63, 64, 91, 92, 89),
                         [](const ::testing::TestParamInfo<std::uint8_t>& info) {
                             return "Type" + std::to_string(info.param);
                         });

} // namespace
} // namespace hb::app::test
