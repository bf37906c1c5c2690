// The command pieces of the trunk-tracking scanners of types 63 to 92: models, channel commands,
// menu positions both ways, menu keys, ID texts and the trunk-type lines of a bank.
#include "programming/TrunkCommandCodec63.h"

#include "platform/tessary/model/Bank.h"
#include "programming/RadioSettingsRecord.h"
#include "programming/TrunkCommandCodec.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace hb::app::test {
namespace {

using hb::records::Parm;
using hb::records::UserId;
namespace codec = TrunkCommandCodec;
using Lines = std::vector<std::string>;

TEST(TrunkCommandCodec63Test, AModelCodeGivesItsExitKeyAndTheTypeOfItsVariant) {
    const std::tuple<std::uint8_t, const char*, std::uint8_t, std::uint8_t> rows[] = {
        {4, "KEY13", 70, 63}, {5, "KEY07", 71, 64}, {6, "KEY13", 89, 91}, {7, "KEY13", 90, 92}};
    for (const auto& [code, exitKey, variant1, otherwise] : rows) {
        const codec::TrunkModel63* model = codec::FindTrunkModel63(code);
        ASSERT_NE(model, nullptr) << int{code};
        EXPECT_STREQ(model->exitKey, exitKey);
        EXPECT_EQ(model->Type(1), variant1);
        EXPECT_EQ(model->Type(0), otherwise);
        EXPECT_EQ(model->Type(2), otherwise);
        // Codes 5 and 6 have the menus that 4 and 7 lack.
        EXPECT_EQ(model->chainSearch, code == 5 || code == 6);
        EXPECT_EQ(model->bandPlansByCommand, code == 6 || code == 7);
        EXPECT_EQ(model->bankOptionItem, code == 5 || code == 6 ? 0u : 9u);
    }
    EXPECT_EQ(codec::FindTrunkModel63(3), nullptr);
    EXPECT_EQ(codec::FindTrunkModel63(9), nullptr);
}

TEST(TrunkCommandCodec63Test, ChannelCommandsGoOutByValueWithTheirAnyOtherRows) {
    const std::pair<std::uint32_t, const char*> steps[] = {
        {5'000, "ST 5K\r"},     {6'250, "ST 6.25K\r"}, {7'500, "ST 7.5K\r"}, {10'000, "ST 10K\r"},
        {12'500, "ST 12.5K\r"}, {25'000, "ST 25K\r"},  {50'000, "ST 50K\r"}, {100'000, "ST 100K\r"},
        {0, "ST A\r"},          {15'000, "ST A\r"}};
    for (const auto& [step, command] : steps) {
        EXPECT_EQ(codec::StepCommand63(step), command) << step;
    }
    for (const std::uint8_t mode : {1, 7, 8, 9, 12, 13, 14}) {
        EXPECT_EQ(codec::ModeCommand(mode), "RM AM\r") << int{mode};
    }
    EXPECT_EQ(codec::ModeCommand(2), "RM WFM\r");
    EXPECT_EQ(codec::ModeCommand(11), "RM NFM\r");
    for (const std::uint8_t mode : {0, 3, 4, 5, 6, 10, 15, 255}) {
        EXPECT_EQ(codec::ModeCommand(mode), "RM FM\r") << int{mode};
    }
    const std::pair<std::int16_t, const char*> delays[] = {
        {0, "DLF\r"},       {1000, "DLN +1\r"}, {4000, "DLN +4\r"}, {-1, "DLN +-\r"},
        {-2, "DLN -2\r"},   {-5, "DLN -5\r"},   {-10, "DLN -10\r"}, {2000, "DLN +2\r"},
        {3000, "DLN +2\r"}, {-3, "DLN +2\r"}};
    for (const auto& [delay, command] : delays) {
        EXPECT_EQ(codec::DelayCommand(delay, true), command) << delay;
    }
    EXPECT_EQ(codec::DelayCommand(0, false), "DLF\r");
    EXPECT_EQ(codec::DelayCommand(-10, false), "DLN\r");

    Parm record;
    record.set(Parm::Channel::kTone, 885);
    EXPECT_EQ(codec::ToneCommand(record), "CS008\r");
    record.set(Parm::Channel::kTone, 19);
    record.set(Parm::Channel::kSquelchKind, Parm::Channel::kSquelchKindDcs);
    record.set(Parm::Channel::kToneOption, Parm::Channel::kToneOptionSuffixL);
    EXPECT_EQ(codec::ToneCommand(record), "CS039L\r");
}

TEST(TrunkCommandCodec63Test, MenuPositionsGoOutAndComeBackRowByRow) {
    const std::pair<std::int16_t, char> delays[] = {{0, '1'},    {1000, '2'}, {2000, '3'},
                                                    {4000, '4'}, {-1, '5'},   {-2, '6'},
                                                    {-5, '7'},   {-10, '8'}};
    for (const auto& [delay, position] : delays) {
        EXPECT_EQ(codec::BankDelayPosition(delay, true), static_cast<unsigned>(position - '0'));
        EXPECT_EQ(codec::BankDelayOfPosition(position, true), delay) << position;
    }
    EXPECT_EQ(codec::BankDelayPosition(3000, true), 3u);
    EXPECT_EQ(codec::BankDelayOfPosition('9', true), std::nullopt);
    EXPECT_EQ(codec::BankDelayOfPosition(' ', true), std::nullopt);
    // On and off only.
    EXPECT_EQ(codec::BankDelayPosition(0, false), 1u);
    EXPECT_EQ(codec::BankDelayPosition(-5, false), 2u);
    EXPECT_EQ(codec::BankDelayOfPosition('2', false), 2000);
    EXPECT_EQ(codec::BankDelayOfPosition('1', false), 0);
    EXPECT_EQ(codec::BankDelayOfPosition('x', false), 0);

    const std::pair<std::uint8_t, char> modes[] = {{1, '1'}, {0, '2'}, {2, '3'}, {11, '4'}};
    for (const auto& [mode, position] : modes) {
        EXPECT_EQ(codec::RangeModePosition(mode), static_cast<unsigned>(position - '0'));
        EXPECT_EQ(codec::RangeModeOfPosition(position), mode);
    }
    EXPECT_EQ(codec::RangeModePosition(7), 5u);
    EXPECT_EQ(codec::RangeModeOfPosition('5'), 0);
    EXPECT_EQ(codec::RangeModeOfPosition(' '), 0);

    for (const std::uint8_t code : {5, 6}) {
        const auto steps = codec::FindTrunkModel63(code)->rangeSteps;
        for (std::size_t i = 0; i < steps.size(); ++i) {
            const auto position = static_cast<char>('1' + i);
            EXPECT_EQ(codec::RangeStepPosition(steps[i], steps), i + 1);
            EXPECT_EQ(codec::RangeStepOfPosition(position, steps), steps[i]);
        }
        const auto other = static_cast<char>('1' + steps.size());
        EXPECT_EQ(codec::RangeStepPosition(15'000, steps), static_cast<unsigned>(other - '0'));
        EXPECT_EQ(codec::RangeStepOfPosition(other, steps), 0u);
    }
    EXPECT_EQ(codec::FindTrunkModel63(5)->rangeSteps[1], 7'500u);
    EXPECT_EQ(codec::FindTrunkModel63(6)->rangeSteps[1], 6'250u);

    // Choices read as digits take "1" to "9" only.
    EXPECT_EQ(codec::MenuChoice('1'), 0);
    EXPECT_EQ(codec::MenuChoice('9'), 8);
    EXPECT_EQ(codec::MenuChoice('0'), std::nullopt);
    EXPECT_EQ(codec::MenuChoice(' '), std::nullopt);
    EXPECT_EQ(codec::DigitValue('3'), 3);
    EXPECT_EQ(codec::DigitValue('A'), std::nullopt);
    EXPECT_EQ(codec::LetterValue(codec::kIrLetters, 'Y'), 2);
    EXPECT_EQ(codec::LetterValue(codec::kLtLetters, 'F'), 2);
    EXPECT_EQ(codec::LetterValue(codec::kCtLetters, 'N'), 1);
    EXPECT_EQ(codec::LetterValue(codec::kCtLetters, 'D'), std::nullopt);
}

TEST(TrunkCommandCodec63Test, MenuKeysChooseBanksRangesAndSlotsByTheirLastDigit) {
    EXPECT_EQ(codec::BankMenuKeys(10), "KEY11\rKEY02 2\rKEY02 2\rKEY02 0\r");
    EXPECT_EQ(codec::BankMenuKeys(3, 4), "KEY11\rKEY02 2\rKEY02 2\rKEY02 3\rKEY02 4\r");
    EXPECT_EQ(codec::BandPlanMenuKeys(1, 5),
              "KEY11\rKEY02 2\rKEY02 2\rKEY02 1\rKEY02 1\rKEY02 1\rKEY02 5\r");
    EXPECT_EQ(codec::RangeItemKeys(10, codec::kRangeItemMode),
              "KEY04\rKEY02 2\rKEY02 0\rKEY02 3\r");
    // Slot 19 is the tenth of the second ten: group 2, digit 0.
    EXPECT_EQ(codec::IdOptionKeys(2, 19), "KEY11\rKEY02 2\rKEY02 2\rKEY02 2\rKEY02 3\rKEY02 2\r"
                                          "KEY03\rKEY02 0\rKEY04\rKEY02 3\r");
    EXPECT_EQ(codec::UserIdSlotAt(0).Name(), "A1");
    EXPECT_EQ(codec::UserIdSlotAt(9).Name(), "A0");
    EXPECT_EQ(codec::UserIdSlotAt(10).Name(), "B1");
}

UserId Id(std::uint32_t value, std::uint8_t kind, std::uint16_t flags = 0) {
    UserId id;
    id.set(UserId::kValue, value);
    id.set(UserId::kKind, kind);
    id.set(UserId::kFlags, flags);
    return id;
}

UserId TypeIId(std::uint8_t size, std::uint8_t block, std::uint8_t fleet, std::uint8_t subfleet) {
    UserId id = Id(1, 1);
    id.set(UserId::kSizeCode, size);
    id.set(UserId::kBlock, block);
    id.set(UserId::kFleet, fleet);
    id.set(UserId::kSubfleet, subfleet);
    return id;
}

std::string Text(UserId id, std::uint8_t trunkType) {
    Bank bank;
    bank.trunkType = trunkType;
    return codec::IdText63(id, bank);
}

TEST(TrunkCommandCodec63Test, AnIdIsWrittenByItsBanksTrunkType) {
    EXPECT_EQ(Text(Id(12345, 0), 2), "0");
    EXPECT_EQ(Text(Id(12345, 2), 2), "012345");
    // Trunk type 3: bit 13, bits 8 to 12 and bits 0 to 7.
    EXPECT_EQ(Text(Id((1u << 13) | (5u << 8) | 7u, 3), 3), "105007");
    EXPECT_EQ(Text(Id(0, 3), 3), "0");
    EXPECT_EQ(Text(TypeIId(3, 2, 6, 5), 1), "206-05");
    EXPECT_EQ(Text(TypeIId(1, 1, 130, 6), 1), "1002-2");
    // A size code of 15 has no layout, and the high bits of a size byte do not count.
    UserId wide = TypeIId(15, 1, 2, 3);
    wide.set(UserId::kValue, 8200);
    EXPECT_EQ(Text(wide, 1), "008200");
    UserId masked = TypeIId(0x13, 2, 6, 5);
    Bank typeI;
    typeI.trunkType = 1;
    EXPECT_EQ(codec::IdText63(masked, typeI), "206-05");
    EXPECT_EQ(masked.get(UserId::kSizeCode), 3);
    EXPECT_EQ(Text(Id(0, 1), 1), "0");
    EXPECT_EQ(Text(Id(123, 1, UserId::kFlagIndividual), 1), "i00123");
    EXPECT_EQ(Text(Id(45, 6, UserId::kFlagIndividual), 6), "i00045");
    EXPECT_EQ(Text(Id(45, 8), 8), "000045");
    EXPECT_EQ(Text(Id(45, 4), 4), "");

    EXPECT_TRUE(codec::IsEmptyId(Id(0, 0)));
    EXPECT_FALSE(codec::IsEmptyId(Id(0, 1, UserId::kFlagIndividual)));
    EXPECT_FALSE(codec::IsEmptyId(TypeIId(3, 0, 1, 0)));
}

TEST(TrunkCommandCodec63Test, ATrunkTypeCodeReadBackReplacesTheTypeIIVariant) {
    const std::tuple<std::uint8_t, std::uint8_t, std::uint32_t> codes[] = {
        {1, 2, 0}, {2, 1, 0}, {3, 2, 0x10}, {4, 2, 0x40}, {5, 2, 0x20}, {6, 6, 0},
        {7, 8, 0}, {8, 9, 0}, {9, 3, 0},    {0, 0, 0},    {10, 0, 0}};
    for (const auto& [code, type, variant] : codes) {
        Bank bank;
        bank.trunkType = 5;
        bank.trunkFlags = Bank::kTrunkTypeIIVariants | Bank::kTrunkEa;
        codec::StoreTrunkTypeCode(bank, code);
        EXPECT_EQ(bank.trunkType, type) << int{code};
        EXPECT_EQ(bank.trunkFlags, variant | Bank::kTrunkEa) << int{code};
    }
}

codec::TrunkTypeLines LinesOf(std::uint8_t type, std::uint32_t flags, RadioSettingsRecord& record) {
    Bank bank;
    bank.number = 1;
    bank.trunkType = type;
    bank.trunkFlags = flags;
    return codec::TrunkTypeLines63(bank, record);
}

TEST(TrunkCommandCodec63Test, ABanksTrunkTypeGoesOutAsItsCommandOrItsBandPlans) {
    BlobList records;
    RadioSettingsRecord record = RadioSettingsRecord::Fetch(records);
    const std::tuple<std::uint8_t, std::uint32_t, const char*> commands[] = {
        {1, 0, "TR A 1\r"}, {2, 0, "TR A 2\r"}, {2, 0x10, "TR A 3\r"}, {2, 0x30, "TR A 3\r"},
        {3, 0, "TR A 9\r"}, {6, 0, "TR A 6\r"}, {8, 0, "TR A 7\r"},    {9, 0, "TR A 8\r"}};
    for (const auto& [type, flags, command] : commands) {
        const codec::TrunkTypeLines lines = LinesOf(type, flags, record);
        EXPECT_EQ(lines.lines, Lines{command}) << int{type};
        EXPECT_TRUE(lines.switchOn);
    }
    const codec::TrunkTypeLines off = LinesOf(0, 0x40, record);
    EXPECT_EQ(off.lines, Lines{"TBF A\r"});
    EXPECT_FALSE(off.switchOn);
    for (const std::uint8_t type : {4, 5, 7, 10}) {
        const codec::TrunkTypeLines none = LinesOf(type, 0, record);
        EXPECT_TRUE(none.lines.empty()) << int{type};
        EXPECT_FALSE(none.switchOn);
    }

    record.SetPlanBase(1, 1, 851'012'500);
    record.SetPlanSpacing(1, 1, 12'500);
    record.SetPlanOffset(1, 1, 380);
    record.SetPlanBase(1, 3, 866'000'000);
    record.SetPlanSpacing(1, 3, 25'000);
    record.SetPlanOffset(1, 3, 400);
    const Lines uhf{"TR A 4 08510125 0125 380 1\r", "TR A 4 00000000 0500 380 2\r",
                    "TR A 4 08660000 0250 400 3\r", "TR A 4 08660000 0250 400 3\r"};
    EXPECT_EQ(LinesOf(2, 0x40, record).lines, uhf);
    // VHF comes first when both are flagged.
    EXPECT_EQ(LinesOf(2, 0x60, record).lines.front(), "TR A 5 08510125 0125 380 1\r");
}

} // namespace
} // namespace hb::app::test
