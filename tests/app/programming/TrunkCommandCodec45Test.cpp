// The command pieces of the trunk scanners of types 45 and 51: the grid step before a frequency,
// the delay codes both ways, the search ranges' keys, the trunk-type lines, the menu values and the
// key sequences into the radio's menus.
#include "programming/TrunkCommandCodec45.h"

#include "platform/tessary/model/Bank.h"
#include "tests/app/programming/UserIdOf.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace hb::app::test {
namespace {

namespace codec = TrunkCommandCodec;

std::unique_ptr<Bank> BankOf(std::uint8_t type, std::uint32_t flags = 0) {
    auto bank = std::make_unique<Bank>();
    bank->trunkType = type;
    bank->trunkFlags = flags;
    return bank;
}

TEST(TrunkCommandCodec45Test, AFrequencyIsTunedWithTheGridItLiesNearest) {
    const std::vector<std::pair<std::uint32_t, std::string>> cases{
        // Remainders 2500, 2500 and 0.
        {851'012'500, "ST 12.5K\r"},
        // Remainders 0, 0 and 7500: ties go to 5K.
        {146'520'000, "ST 5K\r"},
        // Remainders 2500, 0 and 7500.
        {162'007'500, "ST 7.5K\r"},
        {0, "ST 5K\r"},
    };
    for (const auto& [hz, command] : cases) {
        EXPECT_EQ(codec::GridStepCommand45(hz), command) << hz;
    }
    // The channel's own step falls back to the radio's choice.
    EXPECT_EQ(codec::StepCommand(6'250), "ST AUTO\r");
    EXPECT_EQ(codec::StepCommand(12'500), "ST 12.5K\r");
}

TEST(TrunkCommandCodec45Test, DelaysGoOutAsCommandsAndMenuValuesAndComeBack) {
    const std::vector<std::tuple<std::int16_t, std::string, unsigned>> cases{
        {0, "DLF\r", 1},       {1000, "DLN +1\r", 2}, {2000, "DLN +2\r", 3}, {4000, "DLN +4\r", 4},
        {-1, "DLN +-\r", 5},   {-2, "DLN -2\r", 6},   {-5, "DLN -5\r", 7},   {-10, "DLN -10\r", 8},
        {3000, "DLN +2\r", 3}, {-3, "DLN +2\r", 3}};
    for (const auto& [delay, command, value] : cases) {
        EXPECT_EQ(codec::DelayCommand45(delay), command) << delay;
        EXPECT_EQ(codec::DelayMenuValue45(delay), value) << delay;
    }
    const std::vector<std::pair<char, std::optional<std::int16_t>>> read{
        {'1', 0},  {'2', 1000}, {'3', 2000}, {'4', 4000},         {'5', -1},
        {'6', -2}, {'7', -5},   {'8', -10},  {'9', std::nullopt}, {' ', std::nullopt}};
    for (const auto& [value, delay] : read) {
        EXPECT_EQ(codec::DelayOfMenuValue45(value), delay) << value;
    }
}

TEST(TrunkCommandCodec45Test, ARangesModeAndStepGoOutAsKeysAndComeBack) {
    const std::vector<std::pair<std::uint8_t, unsigned>> modes{{0, 2},  {1, 1}, {2, 3},
                                                               {11, 4}, {7, 5}, {12, 5}};
    for (const auto& [mode, key] : modes) {
        EXPECT_EQ(codec::RangeModeKey45(mode), key) << int{mode};
    }
    const std::vector<std::pair<char, std::uint8_t>> modesRead{{'1', 1},  {'2', 0}, {'3', 2},
                                                               {'4', 11}, {'5', 0}, {'x', 0}};
    for (const auto& [key, mode] : modesRead) {
        EXPECT_EQ(codec::RangeModeOfKey45(key), mode) << key;
    }
    const std::vector<std::pair<std::uint32_t, unsigned>> steps{
        {5'000, 1},  {7'500, 2},   {10'000, 3}, {12'500, 4}, {25'000, 5},
        {50'000, 6}, {100'000, 7}, {6'250, 8},  {0, 8}};
    for (const auto& [step, key] : steps) {
        EXPECT_EQ(codec::RangeStepKey45(step), key) << step;
        EXPECT_EQ(codec::RangeStepOfKey45(static_cast<char>('0' + key)), key < 8 ? step : 0u);
    }
}

TEST(TrunkCommandCodec45Test, EachTrunkTypeGoesOutAsTheCodeItIsReadBackBy) {
    const std::vector<std::tuple<std::uint8_t, std::uint32_t, std::optional<std::string>>> cases{
        // Trunking off has a command of its own.
        {0, 0, "TBF C\r"},
        {1, 0, "TR C 1\r"},
        {2, 0, "TR C 2\r"},
        {2, Bank::kTrunk900 | Bank::kTrunkUhf, "TR C 3\r"},
        // Type 3 is code 9 and type 9 code 8, as the radio reads them back.
        {3, 0, "TR C 9\r"},
        {9, 0, "TR C 8\r"},
        {6, Bank::kTrunkEdacsFormat, "TR C 6\r"},
        {8, 0, "TR C 7\r"},
        {4, 0, std::nullopt},
        {5, 0, std::nullopt},
        {7, 0, std::nullopt},
        {10, 0, std::nullopt},
    };
    for (const auto& [type, flags, command] : cases) {
        EXPECT_EQ(codec::TrunkTypeCommand45(*BankOf(type, flags), 'C'), command) << int{type};
    }
}

TEST(TrunkCommandCodec45Test, AnIdIsWrittenByItsBanksTrunkType) {
    using hb::records::UserId;
    const std::vector<std::tuple<std::uint8_t, UserId, std::string>> cases{
        // Not in use, whatever it holds.
        {2, UserIdOf(4711, 0), "0"},
        {2, UserIdOf(4711, 2), "004711"},
        {2, UserIdOf(0, 2), "0"},
        {3, UserIdOf(0x2507, 3), "105007"},
        {3, UserIdOf(0, 3), "0"},
        {1, UserIdOf(1234, 1, 5, UserId::kFlagIndividual), "i01234"},
        {1, UserIdOf(77, 1, 0), "000077"},
        {1, UserIdOf(0, 1, 0), "0"},
        {1, UserIdOf(77, 1, 1), "3021-1"},
        // Size 15 has no layout: the number, its size code kept to four bits.
        {1, UserIdOf(77, 1, 0x1F), "000077"},
        {6, UserIdOf(45, 6, 0, UserId::kFlagIndividual), "i00045"},
        {6, UserIdOf(0, 6, 0, UserId::kFlagIndividual), "0"},
        {8, UserIdOf(1234, 8), "001234"},
        {0, UserIdOf(1234, 2), ""},
        {9, UserIdOf(1234, 9), ""},
    };
    for (auto [type, value, text] : cases) {
        EXPECT_EQ(codec::UserIdText45(value, *BankOf(type)), text) << int{type};
        EXPECT_LT(value.get(UserId::kSizeCode), 16);
    }
}

TEST(TrunkCommandCodec45Test, ATypeIIBankWithBandValuesTakesTheRadiosDefaultsFirst) {
    // UHF before VHF; the spacing in hertz, six digits, then the offset channel.
    const auto both = BankOf(2, Bank::kTrunkUhf | Bank::kTrunkVhf);
    EXPECT_EQ(codec::TrunkTypeCommand45(*both, 'A'), "TR A 4 04060000 025000 380\r");
    EXPECT_EQ(both->base, 406'000'000u);
    EXPECT_EQ(both->spacing, 25'000u);
    EXPECT_EQ(both->offset, 380);
    const auto vhf = BankOf(2, Bank::kTrunkVhf);
    vhf->base = 151'012'500;
    vhf->spacing = 12'500;
    vhf->offset = 7;
    EXPECT_EQ(codec::TrunkTypeCommand45(*vhf, 'E'), "TR E 5 01510125 012500 007\r");
    EXPECT_EQ(vhf->base, 151'012'500u);
}

TEST(TrunkCommandCodec45Test, ARecordValueTheMenuCannotShowIsNotSent) {
    EXPECT_EQ(codec::MenuChoice45(0), 1u);
    EXPECT_EQ(codec::MenuChoice45(8), 9u);
    EXPECT_EQ(codec::MenuChoice45(9), std::nullopt);
    EXPECT_EQ(codec::MenuChoice45(0xFF), std::nullopt);
    const std::vector<std::pair<std::uint8_t, unsigned>> ir{
        {0, 1}, {1, 2}, {2, 3}, {3, 1}, {0xFF, 1}};
    for (const auto& [value, sent] : ir) {
        EXPECT_EQ(codec::IrMenuValue45(value), sent) << int{value};
    }
}

TEST(TrunkCommandCodec45Test, MenuKeysChooseBanksRangesAndSlotsByTheirLastDigit) {
    EXPECT_EQ(codec::MenuItemKeys45(codec::kGlobalMenu45, codec::kGlobalItemCt) + "KEY02 3\r",
              "KEY01\rKEY11\rKEY02 1\rKEY02 9\rKEY02 3\r");
    EXPECT_EQ(codec::BankItemKeys45(10, codec::kBankItemIr),
              "KEY01\rKEY11\rKEY02 3\rKEY02 0\rKEY02 7\r");
    EXPECT_EQ(codec::RangeMenuKeys45(2), "KEY01\rKEY11\rKEY02 4\rKEY02 1\rKEY02 2\r");
    EXPECT_EQ(codec::RangeMenuKeys45(10), "KEY01\rKEY11\rKEY02 4\rKEY02 1\rKEY02 0\r");
    // Slot index 19 is B0: group 2, slot digit 0; index 49 is E0.
    EXPECT_EQ(codec::IdOptionKeys45(3, 19),
              "KEY01\rKEY11\rKEY02 3\rKEY02 3\rKEY02 5\rKEY02 2\rKEY03\rKEY02 0\rKEY04\rKEY02 3\r");
    EXPECT_EQ(codec::IdOptionKeys45(1, 49),
              "KEY01\rKEY11\rKEY02 3\rKEY02 1\rKEY02 5\rKEY02 5\rKEY03\rKEY02 0\rKEY04\rKEY02 3\r");
    EXPECT_EQ(codec::BandScreenKeys45(6, 4),
              "KEY01\rKEY11\rKEY02 3\rKEY02 6\rKEY02 1\rKEY02 4\rKEY12\r");
}

} // namespace
} // namespace hb::app::test
