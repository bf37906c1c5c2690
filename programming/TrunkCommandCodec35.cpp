#include "programming/TrunkCommandCodec35.h"

#include "platform/records/TypeISizeTable.h"
#include "platform/tessary/model/Bank.h"
#include "programming/TypeIUserId.h"

#include <cstdio>

namespace TrunkCommandCodec {

namespace {

using hb::records::UserId;

std::string SixDigits(const UserId& id) {
    char text[16];
    std::snprintf(text, sizeof text, "%06lu", static_cast<unsigned long>(id.get(UserId::kValue)));
    return text;
}

std::string TrunkCommand(char letter, unsigned command) {
    char text[16];
    std::snprintf(text, sizeof text, "TR %c %u\r", letter, command);
    return text;
}

} // namespace

std::string UserIdText35(UserId& id, const Bank& bank) {
    id.set(UserId::kSizeCode, hb::records::TypeISizeCode(id.get(UserId::kSizeCode)));
    if (!id.inUse()) {
        return "000000";
    }
    switch (bank.trunkType) {
    case kTrunkTypeII:
    case kTrunkEdacs:
    case kTrunkEdacsWide:
        return SixDigits(id);
    case kTrunkTypeI:
        if (id.get(UserId::kFlags) & UserId::kFlagIndividual) {
            char text[16];
            std::snprintf(text, sizeof text, "i%05lu",
                          static_cast<unsigned long>(id.get(UserId::kValue)));
            return text;
        }
        return FormatTypeIUserId(id, bank);
    default:
        return {};
    }
}

std::string TypeIICommand(Bank& bank, char letter, const TypeIIForm& form) {
    const std::uint8_t command =
        TrunkTypeCommand(kTrunkTypeII, bank.trunkFlags, form.precedence).value_or(kTrunkTypeII);
    if (command != kTrunkCommandUhf && command != kTrunkCommandVhf) {
        return TrunkCommand(letter, command);
    }
    StoreTypeIIDefaults(bank, command);
    char text[64];
    int length = std::snprintf(text, sizeof text, "TR %c %u %08u %0*u", letter, command,
                               bank.base / 100, static_cast<int>(form.spacingDigits), bank.spacing);
    if (form.withOffset) {
        length += std::snprintf(text + length, sizeof text - static_cast<std::size_t>(length),
                                " %03u", static_cast<unsigned>(bank.offset));
    }
    return std::string(text, static_cast<std::size_t>(length)) + '\r';
}

std::optional<std::string> TrunkTypeCommand35(Bank& bank, char letter) {
    switch (bank.trunkType) {
    case kTrunkingOff: {
        char text[16];
        std::snprintf(text, sizeof text, "TBF %c\r", letter);
        return text;
    }
    case kTrunkTypeII:
        return TypeIICommand(bank, letter, kTypeIIForm35);
    case kTrunkTypeI:
    case kTrunkEdacs:
    case kTrunkEdacsWide:
        return TrunkCommand(
            letter, *TrunkTypeCommand(bank.trunkType, bank.trunkFlags, kTypeIIForm35.precedence));
    default:
        return std::nullopt;
    }
}

} // namespace TrunkCommandCodec
