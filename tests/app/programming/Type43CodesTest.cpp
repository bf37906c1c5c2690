// The type-43 trunk scanner's codes: the search menu's digit keys both ways, the trunk systems of
// "TB" and "TR", and the talkgroup texts, which read back into the IDs they were made of.
#include "programming/Type43Codes.h"

#include "platform/tessary/model/Bank.h"
#include "platform/tessary/model/ConvertUser.h"

#include <gtest/gtest.h>

#include <optional>

namespace hb::app::test {
namespace {

using hb::records::UserId;
using TrunkCommandCodec::BankTrunkType;

TEST(Type43CodesTest, TheSearchMenuDigitsStandForModesAndSteps) {
    EXPECT_EQ(Type43Codes::ModeKey(1), '1');
    EXPECT_EQ(Type43Codes::ModeKey(0), '2');
    EXPECT_EQ(Type43Codes::ModeKey(2), '3');
    EXPECT_EQ(Type43Codes::ModeKey(11), '4');
    EXPECT_EQ(Type43Codes::ModeKey(7), '5');
    // Read back: the digit of mode 0 and any other digit give 0.
    for (const auto& [digit, mode] :
         {std::pair<char, int>{'1', 1}, {'2', 0}, {'3', 2}, {'4', 11}, {'5', 0}, {'x', 0}}) {
        EXPECT_EQ(Type43Codes::ModeOfKey(static_cast<std::uint8_t>(digit)), mode) << digit;
    }
    EXPECT_EQ(Type43Codes::ModeOfKey(std::nullopt), 0);

    const std::uint32_t steps[] = {5'000, 7'500, 10'000, 12'500, 25'000, 50'000, 100'000};
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        const char key = Type43Codes::StepKey(steps[i]);
        EXPECT_EQ(key, static_cast<char>('1' + i));
        EXPECT_EQ(Type43Codes::StepOfKey(static_cast<std::uint8_t>(key)), steps[i]);
    }
    EXPECT_EQ(Type43Codes::StepKey(6'250), '8');
    EXPECT_EQ(Type43Codes::StepOfKey(static_cast<std::uint8_t>('8')), 0u);
    EXPECT_EQ(Type43Codes::StepOfKey(std::nullopt), 0u);

    EXPECT_EQ(Type43Codes::RangeMenuKeys(10, Type43Codes::kStepItem),
              "KEY01\rKEY11\rKEY02 4\rKEY02 1\rKEY02 0\rKEY02 2\r");
}

TEST(Type43CodesTest, TheTrunkSystemIsReadFromTheSixthCharacterOfTheReply) {
    const auto read = [](const char* reply) { return Type43Codes::TrunkTypeOfReply(reply); };
    EXPECT_EQ(read("TB A EDACS"), (BankTrunkType{6, 0}));
    EXPECT_EQ(read("TB B TYPE1"), (BankTrunkType{1, 0}));
    EXPECT_EQ(read("TB C E2-800"), (BankTrunkType{2, 0}));
    EXPECT_EQ(read("TB D E2-900"), (BankTrunkType{2, Bank::kTrunk900}));
    EXPECT_EQ(read("TB E E2-UHF"), (BankTrunkType{2, Bank::kTrunkUhf}));
    EXPECT_EQ(read("TB F E2-VHI"), (BankTrunkType{2, Bank::kTrunkVhf}));
    // A text it does not list, one cut short and one at another position say nothing.
    EXPECT_EQ(read("TB G CONV"), std::nullopt);
    EXPECT_EQ(read("TB H E2-"), std::nullopt);
    EXPECT_EQ(read("TB EDACS"), std::nullopt);
    EXPECT_EQ(read(""), std::nullopt);
}

TEST(Type43CodesTest, EachTrunkSystemHasItsCommandAndVhfOrUhfGetsItsDefaults) {
    Bank bank;
    const auto line = [&bank](std::uint8_t type, std::uint32_t flags, unsigned number) {
        bank.trunkType = type;
        bank.trunkFlags = flags;
        return Type43Codes::TrunkTypeLine(bank, number);
    };
    EXPECT_EQ(line(1, 0, 1), "TR A 1\r");
    EXPECT_EQ(line(2, 0, 2), "TR B 2\r");
    EXPECT_EQ(line(2, Bank::kTrunk900 | Bank::kTrunkUhf, 3), "TR C 3\r");
    EXPECT_EQ(line(6, 0, 20), "TR T 6\r");
    for (const std::uint8_t none : {0, 3, 8, 9}) {
        EXPECT_EQ(line(none, 0, 1), std::nullopt) << int{none};
    }
    EXPECT_EQ(bank.base, 0u);

    // UHF comes first when both are flagged; a base of its own stays.
    EXPECT_EQ(line(2, Bank::kTrunkUhf | Bank::kTrunkVhf, 1), "TR A 4 04060000 2500\r");
    EXPECT_EQ(bank.base, 406'000'000u);
    EXPECT_EQ(bank.spacing, 25'000u);
    EXPECT_EQ(bank.offset, 380);
    bank.base = 0;
    bank.spacing = 12'500;
    EXPECT_EQ(line(2, Bank::kTrunkVhf, 4), "TR D 5 01500000 1250\r");
    EXPECT_EQ(bank.base, 150'000'000u);
    EXPECT_EQ(bank.spacing, 12'500u);
}

UserId Read(const std::string& text, const Bank& bank) {
    UserId id;
    EXPECT_EQ(convert_user(text.c_str(), &id, bank.trunkType, bank.fleetMap), 0) << text;
    return id;
}

TEST(Type43CodesTest, TalkgroupTextsReadBackIntoTheIdsTheyWereMadeOf) {
    Bank typeI;
    typeI.trunkType = 1;
    typeI.fleetMap = {4, 4, 12, 12, 13, 13, 13, 13};
    Bank typeII;
    typeII.trunkType = 2;
    Bank edacs;
    edacs.trunkType = 6;
    const std::pair<const Bank*, const char*> written[] = {
        {&typeI, "200-01"}, {&typeI, "100-15"}, {&typeI, "000-03"},
        {&typeI, "400-15"}, {&typeI, "i01234"}, {&typeII, "004711"},
        {&edacs, "002001"}, {&edacs, "i02001"}, {&typeII, "000000"},
    };
    for (const auto& [bank, text] : written) {
        UserId id = Read(text, *bank);
        const UserId read = id;
        EXPECT_EQ(Type43Codes::TalkgroupText(id, *bank), text);
        EXPECT_EQ(Read(text, *bank), read) << text;
        EXPECT_EQ(read.get(UserId::kKind), read.inUse() ? bank->trunkType : 0) << text;
    }
}

TEST(Type43CodesTest, AnIdOfZeroIsABareZeroAndAnEmptyEntryClearsItsSlot) {
    Bank bank;
    UserId id;
    for (const std::uint8_t type : {1, 2, 6, 8}) {
        bank.trunkType = type;
        EXPECT_EQ(Type43Codes::TalkgroupText(id, bank), "000000") << int{type};
    }
    id.set(UserId::kKind, 1);
    for (const std::uint8_t type : {1, 2, 6, 8}) {
        bank.trunkType = type;
        EXPECT_EQ(Type43Codes::TalkgroupText(id, bank), "0") << int{type};
    }
    // An individual 0 is "0" in EDACS but keeps its "i" in Type I; other systems have no text.
    id.set(UserId::kFlags, UserId::kFlagIndividual);
    bank.trunkType = 6;
    EXPECT_EQ(Type43Codes::TalkgroupText(id, bank), "0");
    bank.trunkType = 1;
    EXPECT_EQ(Type43Codes::TalkgroupText(id, bank), "i00000");
    bank.trunkType = 3;
    EXPECT_EQ(Type43Codes::TalkgroupText(id, bank), "");
    // The size code keeps its low four bits, in the ID.
    bank.trunkType = 1;
    UserId sized;
    sized.set(UserId::kKind, 1);
    sized.set(UserId::kSizeCode, 0x14);
    sized.set(UserId::kBlock, 2);
    sized.set(UserId::kSubfleet, 17);
    EXPECT_EQ(Type43Codes::TalkgroupText(sized, bank), "200-01");
    EXPECT_EQ(sized.get(UserId::kSizeCode), 4);
}

} // namespace
} // namespace hb::app::test
