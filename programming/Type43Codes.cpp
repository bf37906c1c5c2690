#include "programming/Type43Codes.h"

#include "platform/records/ReplyText.h"
#include "platform/records/TypeISizeTable.h"
#include "platform/tessary/model/Bank.h"

#include <array>

namespace Type43Codes {

namespace {

using hb::records::UserId;
using TrunkCommandCodec::BankTrunkType;

constexpr std::uint8_t kTypeI = 1;
constexpr std::uint8_t kTypeII = 2;
constexpr std::uint8_t kEdacs = 6;
constexpr std::uint8_t kEdacsWide = 8;
// The trunk-type commands this radio knows: Type I to EDACS.
constexpr std::uint8_t kLastTrunkCommand = 6;
constexpr std::size_t kTrunkTextAt = 6;

struct ModeKeyRow {
    std::uint8_t mode;
    char key;
};
constexpr std::array<ModeKeyRow, 4> kModeKeys{{{1, '1'}, {0, '2'}, {2, '3'}, {11, '4'}}};
constexpr char kOtherModeKey = '5';

constexpr std::array<std::uint32_t, 7> kStepKeys{5'000,  7'500,  10'000, 12'500,
                                                 25'000, 50'000, 100'000};
constexpr char kOtherStepKey = '8';

struct TrunkText {
    std::string_view text;
    BankTrunkType type;
};
constexpr std::array<TrunkText, 6> kTrunkTexts{{{"EDACS", {kEdacs, 0}},
                                                {"TYPE1", {kTypeI, 0}},
                                                {"E2-800", {kTypeII, 0}},
                                                {"E2-900", {kTypeII, Bank::kTrunk900}},
                                                {"E2-UHF", {kTypeII, Bank::kTrunkUhf}},
                                                {"E2-VHI", {kTypeII, Bank::kTrunkVhf}}}};

} // namespace

char ModeKey(std::uint8_t mode) {
    for (const ModeKeyRow& row : kModeKeys) {
        if (row.mode == mode) {
            return row.key;
        }
    }
    return kOtherModeKey;
}

char StepKey(std::uint32_t step) {
    for (std::size_t i = 0; i < kStepKeys.size(); ++i) {
        if (kStepKeys[i] == step) {
            return static_cast<char>('1' + i);
        }
    }
    return kOtherStepKey;
}

std::uint8_t ModeOfKey(std::optional<std::uint8_t> digit) {
    // The second row, mode 0, is also what any other digit reads as.
    for (const ModeKeyRow& row : kModeKeys) {
        if (digit == static_cast<std::uint8_t>(row.key)) {
            return row.mode;
        }
    }
    return 0;
}

std::uint32_t StepOfKey(std::optional<std::uint8_t> digit) {
    if (!digit || *digit < '1' || *digit >= '1' + kStepKeys.size()) {
        return 0;
    }
    return kStepKeys[*digit - '1'];
}

std::string RangeMenuKeys(unsigned number, char item) {
    return TrunkCommandCodec::Printf("KEY01\rKEY11\rKEY02 4\rKEY02 1\rKEY02 %u\rKEY02 %c\r",
                                     number % 10, item);
}

std::optional<BankTrunkType> TrunkTypeOfReply(std::string_view reply) {
    const std::string_view text = hb::records::ReplyFrom1(reply, kTrunkTextAt);
    for (const TrunkText& row : kTrunkTexts) {
        if (text.starts_with(row.text)) {
            return row.type;
        }
    }
    return std::nullopt;
}

std::optional<std::string> TrunkTypeLine(Bank& bank, unsigned number) {
    const auto command = TrunkCommandCodec::TrunkTypeCommand(
        bank.trunkType, bank.trunkFlags, TrunkCommandCodec::TypeIIPrecedence::kUhfFirst);
    if (!command || *command == 0 || *command > kLastTrunkCommand) {
        return std::nullopt;
    }
    const char letter = TrunkCommandCodec::BankLetter(number);
    if (*command != TrunkCommandCodec::kTrunkCommandUhf &&
        *command != TrunkCommandCodec::kTrunkCommandVhf) {
        return TrunkCommandCodec::Printf("TR %c %u\r", letter, unsigned{*command});
    }
    TrunkCommandCodec::StoreTypeIIDefaults(bank, *command);
    return TrunkCommandCodec::Printf("TR %c %u %08u %04u\r", letter, unsigned{*command},
                                     bank.base / 100, bank.spacing / 10);
}

std::string TalkgroupText(UserId& id, const Bank& bank) {
    if (!id.inUse()) {
        return "000000";
    }
    id.set(UserId::kSizeCode, hb::records::TypeISizeCode(id.get(UserId::kSizeCode)));
    // An ID of 0 goes as a bare "0" wherever it would be a plain number.
    const bool individual = (id.get(UserId::kFlags) & UserId::kFlagIndividual) != 0;
    const bool plainTypeI = bank.trunkType == kTypeI && !individual &&
                            !hb::records::TypeISizeTable[id.get(UserId::kSizeCode)].hasLayout();
    const bool edacs = bank.trunkType == kEdacs || bank.trunkType == kEdacsWide;
    if (id.get(UserId::kValue) == 0 && (plainTypeI || edacs)) {
        return "0";
    }
    return TrunkCommandCodec::IdText(id, bank);
}

} // namespace Type43Codes
