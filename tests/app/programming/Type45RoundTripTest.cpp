// A group with every kind of bank, channel, ID, search range and setting goes to the simulated
// scanner of type 45 and of type 51 and comes back into a copy whose values were cleared: the copy
// equals the group, options compared as on or off and a step the radio lacks read as 0.
#include "platform/tessary/model/Range.h"
#include "programming/RadioSettingsRecord.h"
#include "tests/app/programming/RoundTripChecks.h"
#include "tests/app/programming/TrunkFamily35Test.h"

#include <tuple>

namespace hb::app::test {
namespace {

using Setting = RadioSettingsRecord::Setting;
using BankByte = RadioSettingsRecord::BankByte;

constexpr std::size_t kBanks = 10;
// Banks A to J: no trunking, Type I, plain Type II, 900 MHz, VHF, UHF, type 3, EDACS, EDACS wide
// and type 9.
constexpr std::array<std::uint8_t, kBanks> kTrunkTypes{0, 1, 2, 2, 2, 2, 3, 6, 8, 9};
constexpr std::array<std::uint32_t, kBanks> kTrunkFlags{
    0, 0, 0, Bank::kTrunk900, Bank::kTrunkVhf, Bank::kTrunkUhf, 0, 0, 0, 0};
constexpr std::array<std::int16_t, 8> kDelays{0, 1000, 2000, 4000, -1, -2, -5, -10};
// The group and individual IDs of a bank by trunk type.
constexpr std::array<std::tuple<std::uint8_t, const char*, const char*>, 5> kIdTexts{{
    {1, "206-05", "i01002"},
    {2, "012345", "054321"},
    {3, "105007", "000255"},
    {6, "000045", "i00123"},
    {8, "001234", "i00077"},
}};

class Type45RoundTripTest : public TrunkFamily35Test,
                            public ::testing::WithParamInterface<std::uint8_t> {
protected:
    bool Fips() const { return GetParam() == 45; }
    RadioSettingsRecord Record(Group& group) const {
        return RadioSettingsRecord::Fetch(group.records());
    }
    static void Set(Chan& channel, const std::function<void(Parm&)>& change) {
        Parm record = channel.record();
        change(record);
        channel.SetParm(record);
    }

    void Build() {
        RadioSettingsRecord record = Record(Root());
        for (std::size_t b = 0; b < kBanks; ++b) {
            const auto number = static_cast<unsigned>(b + 1);
            const std::uint8_t type = kTrunkTypes[b];
            Bank& bank = BankAt(b);
            bank.setName("Bank " + std::string(1, static_cast<char>('A' + b)));
            bank.trunkType = type;
            bank.trunkFlags = kTrunkFlags[b];
            // The EDACS ID format on for one EDACS bank and off for the other, the other way on 51.
            if ((type == 6 && Fips()) || (type == 8 && !Fips())) {
                bank.trunkFlags |= Bank::kTrunkEdacsFormat;
            }
            bank.delay = kDelays[b % kDelays.size()];
            bank.option = b % 2 ? 0xFF : 0;
            if (type == 1) {
                bank.fleetMap = {1, 1, 3, 12, 12, 4, 0, 0};
            }
            if (bank.trunkFlags & (Bank::kTrunkVhf | Bank::kTrunkUhf)) {
                bank.base = (bank.trunkFlags & Bank::kTrunkVhf) ? 151'012'500 : 453'987'500;
                bank.spacing = 12'500 + static_cast<std::uint32_t>(b);
                bank.offset = static_cast<std::uint16_t>(100 + b);
            }
            BuildChannels(b);
            BuildIds(bank, b);
            if (type != 3) {
                record.Set(BankByte::kIrSetting, number, static_cast<std::uint8_t>(b % 3));
            }
            if (type == 1 || type == 2) {
                record.Set(BankByte::kBankOption, number, static_cast<std::uint8_t>(b % 4));
                record.Set(BankByte::kEndCode, number, static_cast<std::uint8_t>(b % 2));
            }
            if (type == 1 ||
                (type == 2 && !(bank.trunkFlags & (Bank::kTrunkVhf | Bank::kTrunkUhf)))) {
                record.Set(BankByte::kTcSetting, number, static_cast<std::uint8_t>(b % 2));
            }
            if (b % 3 == 0) {
                record.SetPriorityChannel(number, static_cast<std::uint16_t>(b * 100 + 2));
            }
            record.SetIdTag(number, b % 9, "List " + std::to_string(b));
            record.SetIdTag(number, 9, "Exactly sixteen!");
        }
        for (const auto& [lower, upper, name, mode, step] :
             {std::tuple{118'000'000u, 137'000'000u, "Air", 1, 25'000u},
              std::tuple{150'800'000u, 174'000'000u, "VHF", 0, 5'000u},
              std::tuple{406'000'000u, 420'000'000u, "UHF", 11, 12'500u},
              std::tuple{806'000'000u, 824'000'000u, "", 2, 6'250u}}) {
            auto range = std::make_unique<Range>();
            range->setLimits(lower, upper, step);
            range->setName(name);
            Set(*range,
                [mode](Parm& kept) { kept.set(Parm::kMode, static_cast<std::uint8_t>(mode)); });
            Root().addExtra(std::move(range));
        }
        record.Set(Setting::kLt, 1);
        record.Set(Setting::kLm, 0xFF);
        record.Set(Setting::kEl, 0xFF);
        record.Set(Setting::kDs, 0xFF);
        record.Set(Setting::kCt, 2);
        record.Set(Setting::kChainSearchChoice, 3);
        record.Set(Setting::kChainSearchItem4, 0xFF);
        if (Fips()) {
            record.SetFipsText("012345\r\n067890\r\n");
        }
    }
    void BuildChannels(std::size_t b) {
        const auto tone = [](Chan& channel, std::uint32_t value, std::uint8_t kind,
                             std::uint8_t option) {
            Set(channel, [&](Parm& kept) {
                kept.set(Parm::Channel::kTone, value);
                kept.set(Parm::Channel::kSquelchKind, kind);
                kept.set(Parm::Channel::kToneOption, option);
            });
        };
        Chan& simplex = ChannelAt(b, 0);
        SetChannel(simplex, 146'520'000 + static_cast<std::uint32_t>(b) * 100'000, 0, true, false,
                   true);
        simplex.setName("Ch " + std::to_string(b));
        tone(simplex, 885, 4, Parm::Channel::kToneOptionSuffixL);
        Set(simplex, [&](Parm& kept) {
            kept.set(Parm::kStep, 12'500);
            kept.set(Parm::Channel::kMarker, 0xFF);
            kept.set(Parm::Channel::kFlags, Parm::Channel::kFlagBankAssign);
            kept.set(Parm::Channel::kDelay, kDelays[(b + 1) % kDelays.size()]);
        });
        Chan& dcs = ChannelAt(b, 1);
        SetChannel(dcs, 453'250'000, 11);
        dcs.setName("Exactly sixteen!");
        tone(dcs, 19, Parm::Channel::kSquelchKindDcs, 0);
        Set(dcs, [&](Parm& kept) {
            kept.set(Parm::kStep, 6'250);
            kept.set(Parm::Channel::kDelay, kDelays[(b + 2) % kDelays.size()]);
        });
        Chan& air = ChannelAt(b, 2);
        SetChannel(air, 121'500'000, 1);
        Set(air, [](Parm& kept) { kept.set(Parm::kStep, 25'000); });
        Chan& control = ChannelAt(b, 3);
        SetChannel(control, 851'012'500);
        control.setName("Control");
        Set(control, [&](Parm& kept) {
            kept.set(Parm::Channel::kTrunkWord, Parm::Channel::kTrunkFrequency);
            kept.set(Parm::Channel::kTrunkKind, kTrunkTypes[b]);
        });
    }
    void BuildIds(Bank& bank, std::size_t b) {
        const auto texts = std::ranges::find_if(
            kIdTexts, [&](const auto& row) { return std::get<0>(row) == bank.trunkType; });
        if (texts == kIdTexts.end()) {
            return;
        }
        UserIdEntry& group = AddId(bank, std::get<1>(*texts));
        group.setTag("Tag " + std::to_string(b));
        group.setOptions(UserIdEntry::kOptionBa);
        group.setOptionByte(UserIdEntry::kOptionRadio, 0xFF);
        AddId(bank, std::get<2>(*texts));
        bank.addUserId(std::make_unique<UserIdEntry>());
    }

    // The same banks, channels, IDs and ranges, every value cleared.
    void BuildCopy() {
        copy.NewGroup(GetParam());
        ConformWithoutRanges(GetParam(), *copy.GetGroup());
        for (std::size_t b = 0; b < kBanks; ++b) {
            for (std::size_t n = 0; n < BankAt(b).userIds().size(); ++n) {
                copy.GetGroup()->banks()[b]->addUserId(std::make_unique<UserIdEntry>());
            }
        }
        for (std::size_t n = 0; n < Root().extras().size(); ++n) {
            copy.GetGroup()->addExtra(std::make_unique<Range>());
        }
    }

    static void ExpectSameBank(const Bank& read, const Bank& written) {
        SCOPED_TRACE(written.name());
        EXPECT_EQ(read.name(), written.name());
        EXPECT_EQ(read.trunkType, written.trunkType);
        EXPECT_EQ(read.trunkFlags, written.trunkFlags);
        EXPECT_EQ(read.fleetMap, written.fleetMap);
        EXPECT_EQ(read.delay, written.delay);
        EXPECT_EQ(read.option != 0, written.option != 0);
        EXPECT_EQ(read.base, written.base);
        EXPECT_EQ(read.spacing, written.spacing);
        EXPECT_EQ(read.offset, written.offset);
        for (std::size_t n = 0; n < written.members().size(); ++n) {
            ExpectSameChannel(*read.members()[n], *written.members()[n]);
        }
        ExpectSameUserIds(read, written);
    }
    static void ExpectSameChannel(const Chan& read, const Chan& written) {
        const Parm back = read.record();
        const Parm out = written.record();
        SCOPED_TRACE(out.get(Parm::kMemoryChannel));
        EXPECT_EQ(back.get(Parm::kMemoryChannel), out.get(Parm::kMemoryChannel));
        EXPECT_EQ(back.get(Parm::kFrequency), out.get(Parm::kFrequency));
        if (out.get(Parm::kFrequency) == 0) {
            return;
        }
        EXPECT_EQ(read.name(), written.name());
        // 6.25 kHz is not one of the radio's steps.
        EXPECT_EQ(back.get(Parm::kStep), out.get(Parm::kStep) == 6'250 ? 0 : out.get(Parm::kStep));
        EXPECT_EQ(back.get(Parm::kMode), out.get(Parm::kMode));
        EXPECT_EQ(back.get(Parm::Channel::kFlags), out.get(Parm::Channel::kFlags));
        EXPECT_EQ(back.get(Parm::Channel::kTrunkWord), out.get(Parm::Channel::kTrunkWord));
        for (std::size_t word = 0; word < Parm::kModelWords.kCount; ++word) {
            EXPECT_EQ(back.get(Parm::kModelWords, word), out.get(Parm::kModelWords, word));
        }
        EXPECT_EQ(back.get(Parm::kLockOut) != 0, out.get(Parm::kLockOut) != 0);
        EXPECT_EQ(back.get(Parm::Channel::kAttenuator) != 0,
                  out.get(Parm::Channel::kAttenuator) != 0);
        EXPECT_EQ(back.get(Parm::Channel::kMarker) != 0, out.get(Parm::Channel::kMarker) != 0);
        EXPECT_EQ(back.get(Parm::Channel::kDelay), out.get(Parm::Channel::kDelay));
    }
    CGroupDoc copy;
};

TEST_P(Type45RoundTripTest, AGroupWrittenAndReadBackIsTheSame) {
    Use(GetParam());
    Build();
    ChooseAll();
    Download();
    EXPECT_EQ(boxes, std::vector<std::string>{});
    EXPECT_EQ(Journal().back(), "MUA");
    BuildCopy();
    Upload(copy);
    EXPECT_EQ(boxes, std::vector<std::string>{});
    EXPECT_EQ(Journal().back(), "MUA");
    Group& read = *copy.GetGroup();
    EXPECT_EQ(read.radioType(), GetParam());
    for (std::size_t b = 0; b < kBanks; ++b) {
        ExpectSameBank(*read.banks()[b], BankAt(b));
    }
    ASSERT_EQ(read.extras().size(), Root().extras().size());
    for (std::size_t n = 0; n < Root().extras().size(); ++n) {
        const auto& out = static_cast<const Range&>(*Root().extras()[n]);
        ExpectSameRange(static_cast<const Range&>(*read.extras()[n]), out,
                        out.record().get(Parm::kMode), out.step() == 6'250 ? 0u : out.step());
    }
    ExpectSameSettingsRecord(read, Root());
}

INSTANTIATE_TEST_SUITE_P(BothModels, Type45RoundTripTest, ::testing::Values(45, 51),
                         [](const ::testing::TestParamInfo<std::uint8_t>& info) {
                             return "Type" + std::to_string(info.param);
                         });

} // namespace
} // namespace hb::app::test
