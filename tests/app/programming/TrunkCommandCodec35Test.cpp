// The type-35 family's forms of the trunk commands: the ID text of a user-ID slot and the
// commands that set a bank's trunk type.
#include "programming/TrunkCommandCodec35.h"

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

using hb::records::UserId;
namespace codec = TrunkCommandCodec;

std::unique_ptr<Bank> BankOf(std::uint8_t type) {
    auto bank = std::make_unique<Bank>();
    bank->trunkType = type;
    return bank;
}

TEST(TrunkCommandCodec35Test, AnIdIsWrittenByItsBanksTrunkType) {
    const std::vector<std::tuple<std::uint8_t, UserId, std::string>> cases{
        // Not in use, whatever it holds.
        {2, UserIdOf(4711, 0), "000000"},
        {2, UserIdOf(4711, 2), "004711"},
        {2, UserIdOf(0, 2), "000000"},
        {6, UserIdOf(2047, 6, 0, UserId::kFlagIndividual), "002047"},
        {8, UserIdOf(100, 8), "000100"},
        {1, UserIdOf(1234, 1, 5, UserId::kFlagIndividual), "i01234"},
        {1, UserIdOf(77, 1, 0), "000077"},
        {1, UserIdOf(77, 1, 1), "3021-1"},
        {1, UserIdOf(77, 1, 2), "305-05"},
        // Size 15 has no layout: the number, not a division by zero.
        {1, UserIdOf(77, 1, 15), "000077"},
        // Only the low four bits of the size count.
        {1, UserIdOf(77, 1, 0x12), "305-05"},
        {3, UserIdOf(77, 3), ""},
        {9, UserIdOf(77, 9), ""},
    };
    for (auto [type, id, text] : cases) {
        EXPECT_EQ(codec::UserIdText35(id, *BankOf(type)), text) << int{type};
        EXPECT_LT(id.get(UserId::kSizeCode), 16);
    }
}

TEST(TrunkCommandCodec35Test, ATypeIIBankIsSentByItsFirstVariantInTheOrder900UhfVhf) {
    const auto typeII = BankOf(2);
    Bank& bank = *typeII;
    bank.trunkFlags = Bank::kTrunk900 | Bank::kTrunkUhf;
    EXPECT_EQ(codec::TrunkTypeCommand35(bank, 'A'), "TR A 3\r");
    bank.trunkFlags = 0;
    EXPECT_EQ(codec::TrunkTypeCommand35(bank, 'A'), "TR A 2\r");
    EXPECT_EQ(bank.base, 0u);

    bank.trunkFlags = Bank::kTrunkUhf | Bank::kTrunkVhf | Bank::kTrunkEdacsFormat;
    EXPECT_EQ(codec::TrunkTypeCommand35(bank, 'A'), "TR A 4 04060000 25000\r");
    EXPECT_EQ(bank.base, 406'000'000u);
    EXPECT_EQ(bank.spacing, 25'000u);
    EXPECT_EQ(bank.offset, 380);

    // Values of its own are kept; the spacing goes undivided, at least four digits.
    const auto owned = BankOf(2);
    Bank& vhf = *owned;
    vhf.trunkFlags = Bank::kTrunkVhf;
    vhf.spacing = 5'000;
    vhf.offset = 12;
    EXPECT_EQ(codec::TrunkTypeCommand35(vhf, 'C'), "TR C 5 01500000 5000\r");
    EXPECT_EQ(vhf.base, 150'000'000u);
    EXPECT_EQ(vhf.offset, 12);

    // The form with the offset channel.
    constexpr codec::TypeIIForm withOffset{codec::TypeIIPrecedence::kUhfFirst, 6, true};
    EXPECT_EQ(codec::TypeIICommand(vhf, 'C', withOffset), "TR C 5 01500000 005000 012\r");
}

TEST(TrunkCommandCodec35Test, TrunkingIsSwitchedOffAndOtherTypesSetByTheirCommands) {
    const std::vector<std::pair<std::uint8_t, std::optional<std::string>>> cases{
        {0, "TBF B\r"},    {1, "TR B 1\r"},   {6, "TR B 6\r"},  {8, "TR B 7\r"},
        {3, std::nullopt}, {4, std::nullopt}, {9, std::nullopt}};
    for (const auto& [type, command] : cases) {
        EXPECT_EQ(codec::TrunkTypeCommand35(*BankOf(type), 'B'), command) << int{type};
    }
}

} // namespace
} // namespace hb::app::test
