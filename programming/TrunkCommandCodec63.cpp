#include "programming/TrunkCommandCodec63.h"

#include "platform/records/TrunkChannelWords.h"
#include "platform/records/TypeISizeTable.h"
#include "platform/tessary/model/Bank.h"
#include "programming/RadioSettingsRecord.h"
#include "programming/TrunkCommandCodec.h"

#include <algorithm>
#include <array>

namespace TrunkCommandCodec {

namespace {

using hb::records::Parm;
using hb::records::UserId;

constexpr std::array<std::uint32_t, 7> kCode5Steps{5'000,  7'500,  10'000, 12'500,
                                                   25'000, 50'000, 100'000};
constexpr std::array<std::uint32_t, 8> kCode6Steps{5'000,  6'250,  7'500,  10'000,
                                                   12'500, 25'000, 50'000, 100'000};

constexpr std::array<TrunkModel63, 4> kModels{{
    {4, "KEY13", 70, 63, false, false, {}, false, 9, false, false},
    {5, "KEY07", 71, 64, false, true, kCode5Steps, true, 0, true, true},
    {6, "KEY13", 89, 91, true, true, kCode6Steps, true, 0, true, true},
    {7, "KEY13", 90, 92, true, false, {}, false, 9, false, false},
}};

constexpr std::array<std::uint8_t, 7> kAmModes{1, 7, 8, 9, 12, 13, 14};
constexpr std::uint8_t kModeWide = 2;
constexpr std::uint8_t kModeNarrow = 11;

// The bank delay's positions by the full table; any other delay goes out as 2 s.
struct DelayPosition {
    std::int16_t ms;
    unsigned position;
};
constexpr std::array<DelayPosition, 8> kDelayPositions{
    {{0, 1}, {1000, 2}, {2000, 3}, {4000, 4}, {-1, 5}, {-2, 6}, {-5, 7}, {-10, 8}}};
constexpr unsigned kDelayOtherPosition = 3;

struct ModePosition {
    std::uint8_t mode;
    unsigned position;
};
constexpr std::array<ModePosition, 4> kModePositions{{{1, 1}, {0, 2}, {2, 3}, {11, 4}}};
constexpr unsigned kModeOtherPosition = 5;

constexpr std::uint8_t kTypeI = 1;
constexpr std::uint8_t kTypeThree = 3;
constexpr unsigned kTypeThreeHighBit = 13;

unsigned MenuDigit(unsigned number) {
    return number % 10;
}

std::optional<unsigned> PositionDigit(char position) {
    if (position < '1' || position > '9') {
        return std::nullopt;
    }
    return static_cast<unsigned>(position - '0');
}

} // namespace

const TrunkModel63* FindTrunkModel63(std::uint8_t code) {
    const auto found = std::ranges::find(kModels, code, &TrunkModel63::code);
    return found == kModels.end() ? nullptr : &*found;
}

std::string StepCommand63(std::uint32_t step) {
    const auto known =
        std::ranges::find(hb::records::kTrunkStepWords, step, &hb::records::TrunkStepWord::hz);
    const std::string_view word =
        known == hb::records::kTrunkStepWords.end() ? hb::records::kTrunkStepAuto : known->word;
    return "ST " + std::string(word) + "\r";
}

std::string ModeCommand(std::uint8_t mode) {
    std::uint8_t sent = 0;
    if (std::ranges::find(kAmModes, mode) != kAmModes.end()) {
        sent = kAmModes.front();
    } else if (mode == kModeWide || mode == kModeNarrow) {
        sent = mode;
    }
    const auto word =
        std::ranges::find(hb::records::kTrunkModeWords, sent, &hb::records::TrunkModeWord::mode);
    return "RM " + std::string(word->word) + "\r";
}

std::string DelayCommand(std::int16_t delay, bool fullDelay) {
    if (delay == 0) {
        return "DLF\r";
    }
    if (!fullDelay) {
        return "DLN\r";
    }
    const auto& words = hb::records::kTrunkDelayWords;
    auto known = std::ranges::find(words, delay, &hb::records::TrunkDelayWord::ms);
    if (known == words.end()) {
        known =
            std::ranges::find(words, hb::records::kTrunkDelayOn, &hb::records::TrunkDelayWord::ms);
    }
    return "DLN " + std::string(known->word) + "\r";
}

std::string ToneCommand(const Parm& record) {
    const unsigned position =
        ToneIndex(record.get(Parm::Channel::kTone), record.get(Parm::Channel::kSquelchKind));
    const bool suffix =
        (record.get(Parm::Channel::kToneOption) & Parm::Channel::kToneOptionSuffixL) != 0;
    return Printf(suffix ? "CS%03uL\r" : "CS%03u\r", position);
}

unsigned BankDelayPosition(std::int16_t delay, bool fullDelay) {
    if (!fullDelay) {
        return delay == 0 ? kOn : kOff;
    }
    const auto found = std::ranges::find(kDelayPositions, delay, &DelayPosition::ms);
    return found == kDelayPositions.end() ? kDelayOtherPosition : found->position;
}

std::optional<std::int16_t> BankDelayOfPosition(char position, bool fullDelay) {
    if (!fullDelay) {
        return static_cast<std::int16_t>(position == '2' ? hb::records::kTrunkDelayOn : 0);
    }
    const auto digit = PositionDigit(position);
    const auto found = std::ranges::find_if(
        kDelayPositions, [&](const DelayPosition& row) { return digit && row.position == *digit; });
    if (found == kDelayPositions.end()) {
        return std::nullopt;
    }
    return found->ms;
}

unsigned RangeModePosition(std::uint8_t mode) {
    const auto found = std::ranges::find(kModePositions, mode, &ModePosition::mode);
    return found == kModePositions.end() ? kModeOtherPosition : found->position;
}

std::uint8_t RangeModeOfPosition(char position) {
    const auto digit = PositionDigit(position);
    const auto found = std::ranges::find_if(
        kModePositions, [&](const ModePosition& row) { return digit && row.position == *digit; });
    return found == kModePositions.end() ? 0 : found->mode;
}

unsigned RangeStepPosition(std::uint32_t step, std::span<const std::uint32_t> steps) {
    const auto found = std::ranges::find(steps, step);
    return static_cast<unsigned>(found - steps.begin()) + 1;
}

std::uint32_t RangeStepOfPosition(char position, std::span<const std::uint32_t> steps) {
    const auto digit = PositionDigit(position);
    return digit && *digit <= steps.size() ? steps[*digit - 1] : 0;
}

std::optional<std::uint8_t> MenuChoice(char position) {
    const auto digit = PositionDigit(position);
    if (!digit) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(*digit - 1);
}

std::optional<std::uint8_t> DigitValue(char digit) {
    const auto value = PositionDigit(digit);
    if (!value) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(*value);
}

std::optional<std::uint8_t> LetterValue(const std::array<char, 3>& letters, char letter) {
    const auto found = std::ranges::find(letters, letter);
    if (found == letters.end()) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(found - letters.begin());
}

std::string BankMenuKeys(unsigned bank, std::optional<unsigned> item) {
    std::string keys = Printf("KEY11\rKEY02 2\rKEY02 2\rKEY02 %u\r", MenuDigit(bank));
    if (item) {
        keys += ChoiceKeys(*item);
    }
    return keys;
}

std::string BandPlanMenuKeys(unsigned bank, std::uint8_t trunkCode) {
    constexpr unsigned kTrunkItem = 1;
    constexpr unsigned kTypeItem = 1;
    return BankMenuKeys(bank, kTrunkItem) + ChoiceKeys(kTypeItem) + ChoiceKeys(trunkCode);
}

std::string ChainSearchItemKeys(unsigned item) {
    return "KEY04\r" + ChoiceKeys(item);
}

std::string RangeItemKeys(unsigned range, unsigned item) {
    constexpr unsigned kRangesItem = 2;
    return ChainSearchItemKeys(kRangesItem) + ChoiceKeys(MenuDigit(range)) + ChoiceKeys(item);
}

std::string IdOptionKeys(unsigned bank, unsigned slotIndex) {
    constexpr unsigned kIdListItem = 3;
    constexpr unsigned kIdOptionItem = 3;
    const UserIdSlot slot = UserIdSlotAt(slotIndex);
    return BankMenuKeys(bank, kIdListItem) +
           Printf("KEY02 %u\rKEY03\rKEY02 %u\rKEY04\r", MenuDigit(slotIndex / 10 + 1), slot.digit) +
           ChoiceKeys(kIdOptionItem);
}

std::string ChoiceKeys(unsigned position) {
    return Printf("KEY02 %u\r", position);
}

std::string IdText63(UserId& id, const Bank& bank) {
    const std::uint32_t value = id.get(UserId::kValue);
    if (id.inUse() && bank.trunkType == kTypeThree) {
        if (value == 0) {
            return "0";
        }
        return Printf("%01u%02u%03u", (value >> kTypeThreeHighBit) & 1, (value >> 8) & 0x1F,
                      value & 0xFF);
    }
    const bool individual = (id.get(UserId::kFlags) & UserId::kFlagIndividual) != 0;
    if (bank.trunkType == kTypeI && !individual && value == 0 &&
        hb::records::TypeISizeCode(id.get(UserId::kSizeCode)) == 0) {
        id.set(UserId::kSizeCode, 0);
        return "0";
    }
    return IdText(id, bank);
}

bool IsEmptyId(const UserId& id) {
    return id.get(UserId::kValue) == 0 && (id.get(UserId::kFlags) & UserId::kFlagIndividual) == 0 &&
           id.get(UserId::kBlock) == 0 && id.get(UserId::kFleet) == 0;
}

void StoreTrunkTypeCode(Bank& bank, std::uint8_t code) {
    bank.trunkFlags &= ~Bank::kTrunkTypeIIVariants;
    const auto trunkType = TrunkTypeOfCode(code);
    bank.trunkType = trunkType ? trunkType->type : 0;
    bank.trunkFlags |= trunkType ? trunkType->variant : 0;
}

TrunkTypeLines TrunkTypeLines63(const Bank& bank, const RadioSettingsRecord& record) {
    const auto letter = BankLetter(bank.number);
    const auto command =
        TrunkTypeCommand(bank.trunkType, bank.trunkFlags, TypeIIPrecedence::kVhfFirst);
    if (!command) {
        return {};
    }
    if (*command == 0) {
        return {{Printf("TBF %c\r", letter)}, false};
    }
    if (*command != kTrunkCommandUhf && *command != kTrunkCommandVhf) {
        return {{Printf("TR %c %u\r", letter, *command)}, true};
    }
    TrunkTypeLines typeII{{}, true};
    if (RadioSettingsRecord::HasBank(bank.number)) {
        for (unsigned plan = 1; plan <= RadioSettingsRecord::kPlans; ++plan) {
            typeII.lines.push_back(BandPlanLine(record, bank.number, *command, plan));
        }
        // The third plan's line is the bank's trunk-type command as well.
        typeII.lines.push_back(typeII.lines.back());
    }
    return typeII;
}

} // namespace TrunkCommandCodec
