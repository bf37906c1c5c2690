#include "programming/TrunkCommandCodec45.h"

#include "platform/records/TypeISizeTable.h"
#include "platform/tessary/model/Bank.h"
#include "programming/TrunkCommandCodec.h"
#include "programming/TrunkCommandCodec63.h"

#include <array>

namespace TrunkCommandCodec {

namespace {

// These radios know every delay code.
constexpr bool kFullDelay = true;
constexpr std::array<std::uint32_t, 7> kRangeSteps{5'000,  7'500,  10'000, 12'500,
                                                   25'000, 50'000, 100'000};
// The highest value a menu choice is sent as: one digit.
constexpr std::uint8_t kLastMenuValue = 8;
constexpr unsigned kIrValues = 3;

} // namespace

std::string GridStepCommand45(std::uint32_t hz) {
    return Printf("ST %s\r", StepText(hz));
}

std::string DelayCommand45(std::int16_t delay) {
    return DelayCommand(delay, kFullDelay);
}

unsigned DelayMenuValue45(std::int16_t delay) {
    return BankDelayPosition(delay, kFullDelay);
}

std::optional<std::int16_t> DelayOfMenuValue45(char value) {
    return BankDelayOfPosition(value, kFullDelay);
}

unsigned RangeModeKey45(std::uint8_t mode) {
    return RangeModePosition(mode);
}

std::uint8_t RangeModeOfKey45(char key) {
    return RangeModeOfPosition(key);
}

unsigned RangeStepKey45(std::uint32_t step) {
    return RangeStepPosition(step, kRangeSteps);
}

std::uint32_t RangeStepOfKey45(char key) {
    return RangeStepOfPosition(key, kRangeSteps);
}

std::string UserIdText45(hb::records::UserId& id, const Bank& bank) {
    using hb::records::UserId;
    id.set(UserId::kSizeCode, hb::records::TypeISizeCode(id.get(UserId::kSizeCode)));
    if (IsEdacs(bank.trunkType) && id.inUse() && id.get(UserId::kValue) == 0) {
        return "0";
    }
    return IdText63(id, bank);
}

std::optional<std::string> TrunkTypeCommand45(Bank& bank, char letter) {
    switch (bank.trunkType) {
    case kTrunkingOff:
        return Printf("TBF %c\r", letter);
    case kTrunkTypeII:
        return TypeIICommand(bank, letter, kTypeIIForm45);
    default:
        break;
    }
    const auto command =
        TrunkTypeCommand(bank.trunkType, bank.trunkFlags, kTypeIIForm45.precedence);
    if (!command) {
        return std::nullopt;
    }
    return Printf("TR %c %u\r", letter, static_cast<unsigned>(*command));
}

std::string MenuItemKeys45(unsigned menu, unsigned item) {
    return std::string(kLeaveMenus45) + "KEY11\r" + ChoiceKeys(menu) + ChoiceKeys(item);
}

std::string BankItemKeys45(unsigned bank, unsigned item) {
    return MenuItemKeys45(kBankMenu45, bank % 10) + ChoiceKeys(item);
}

std::string RangeMenuKeys45(unsigned range) {
    return MenuItemKeys45(kSearchMenu45, kSearchItemRanges) + ChoiceKeys(range % 10);
}

std::string IdOptionKeys45(unsigned bank, unsigned slotIndex) {
    constexpr unsigned kIdListItem = 5;
    constexpr unsigned kIdOptionItem = 3;
    return BankItemKeys45(bank, kIdListItem) + ChoiceKeys((slotIndex / 10 + 1) % 10) + "KEY03\r" +
           ChoiceKeys(UserIdSlotAt(slotIndex).digit) + kNextScreen + ChoiceKeys(kIdOptionItem);
}

std::string BandScreenKeys45(unsigned bank, std::uint8_t trunkCode) {
    return BankItemKeys45(bank, kBankItemTrunkType) + ChoiceKeys(trunkCode) + "KEY12\r";
}

std::optional<unsigned> MenuChoice45(std::uint8_t value) {
    if (value > kLastMenuValue) {
        return std::nullopt;
    }
    return value + 1U;
}

unsigned IrMenuValue45(std::uint8_t ir) {
    return ir % kIrValues + 1;
}

} // namespace TrunkCommandCodec
