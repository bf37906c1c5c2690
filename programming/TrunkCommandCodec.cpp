#include "programming/TrunkCommandCodec.h"

#include "platform/records/ReplyText.h"
#include "platform/records/SquelchToneTable.h"
#include "platform/records/TypeISizeTable.h"
#include "platform/tessary/model/Bank.h"
#include "programming/RadioSettingsRecord.h"
#include "programming/TypeIUserId.h"

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstdio>

namespace TrunkCommandCodec {

namespace {

using hb::records::UserId;

constexpr std::uint32_t kToneBits = 0x7FFF;
constexpr std::uint8_t kTypeI = 1;
constexpr std::uint8_t kTypeII = 2;
constexpr std::uint8_t kEdacs = 6;
constexpr std::uint8_t kEdacsWide = 8;

struct Step {
    std::uint32_t hz;
    const char* command;
};
constexpr std::array<Step, 7> kSteps{{{5'000, "ST 5K\r"},
                                      {7'500, "ST 7.5K\r"},
                                      {10'000, "ST 10K\r"},
                                      {12'500, "ST 12.5K\r"},
                                      {25'000, "ST 25K\r"},
                                      {50'000, "ST 50K\r"},
                                      {100'000, "ST 100K\r"}}};

// A plain number of six digits, or "0" for none.
std::string Number(const UserId& id) {
    const unsigned long value = id.get(UserId::kValue);
    return value == 0 ? "0" : Printf("%06lu", value);
}

bool Individual(const UserId& id) {
    return (id.get(UserId::kFlags) & UserId::kFlagIndividual) != 0;
}

struct TrunkCode {
    std::uint8_t code;
    std::uint8_t command; // the n of "TR %c n"
    BankTrunkType bank;
};
constexpr std::array<TrunkCode, 9> kTrunkCodes{{
    {1, 2, {kTypeII, 0}},
    {2, 1, {kTypeI, 0}},
    {3, 3, {kTypeII, Bank::kTrunk900}},
    {4, kTrunkCommandUhf, {kTypeII, Bank::kTrunkUhf}},
    {5, kTrunkCommandVhf, {kTypeII, Bank::kTrunkVhf}},
    {6, 6, {kEdacs, 0}},
    {7, 7, {kEdacsWide, 0}},
    {8, 8, {9, 0}},
    {9, 9, {3, 0}},
}};

std::uint32_t TypeIIVariant(std::uint32_t flags, TypeIIPrecedence precedence) {
    if (flags & Bank::kTrunk900) {
        return Bank::kTrunk900;
    }
    const std::uint32_t first =
        precedence == TypeIIPrecedence::kVhfFirst ? Bank::kTrunkVhf : Bank::kTrunkUhf;
    if (flags & first) {
        return first;
    }
    return flags & (Bank::kTrunkVhf | Bank::kTrunkUhf);
}

constexpr std::uint32_t kUhfDefaultBase = 406'000'000;
constexpr std::uint32_t kVhfDefaultBase = 150'000'000;
constexpr std::uint32_t kDefaultSpacing = 25'000;
constexpr std::uint16_t kDefaultOffset = 380;

// Size codes that span more than their own block, and how many blocks they fill.
constexpr std::uint8_t kSizeTwoBlocks = 12;
constexpr std::uint8_t kSizeFourBlocks = 13;
constexpr std::uint8_t kSizeAllBlocks = 14;
constexpr std::size_t kFleetSizeAt = 7;

// Where a "BC" reply holds a band plan's base, spacing and offset.
constexpr std::size_t kPlanReplyBaseAt = 6;
constexpr std::size_t kPlanReplySpacingAt = 15;
constexpr std::size_t kPlanReplyOffsetAt = 20;

constexpr std::string_view kUnnamed = "RID";
constexpr std::size_t kUnnamedAt = 9;
constexpr std::size_t kGraphicAt = 12;
constexpr std::size_t kSecondGraphicAt = 19;
constexpr std::uint8_t kGraphic = 0x8C;
constexpr std::uint8_t kSecondGraphic = 0x8D;

unsigned BlocksFilled(std::uint8_t size) {
    switch (size) {
    case kSizeTwoBlocks:
        return 2;
    case kSizeFourBlocks:
        return 4;
    default:
        return 1;
    }
}

std::optional<unsigned> Digit(std::optional<std::uint8_t> c) {
    if (!c || *c < '0' || *c > '9') {
        return std::nullopt;
    }
    return *c - '0';
}

} // namespace

char BankLetter(unsigned bankNumber) {
    return static_cast<char>('@' + bankNumber);
}

std::string Printf(const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    std::va_list again;
    va_copy(again, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, arguments);
    std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    std::vsnprintf(text.data(), text.size() + 1, format, again);
    va_end(again);
    va_end(arguments);
    return text;
}

unsigned ToneIndex(std::uint32_t tone, std::uint8_t squelchKind) {
    const std::uint32_t wanted = tone & kToneBits;
    const std::size_t first = squelchKind == kSquelchDcs ? hb::records::kSquelchToneFirstDcs : 0;
    for (std::size_t i = first; i < hb::records::kSquelchToneCount; ++i) {
        if (hb::records::SquelchToneTable[i] == wanted) {
            return static_cast<unsigned>(i);
        }
    }
    return 0;
}

const char* StepText(std::uint32_t hz) {
    const std::uint32_t by5 = hz % 5'000;
    const std::uint32_t by75 = hz % 7'500;
    const std::uint32_t by125 = hz % 12'500;
    if (by5 <= by75 && by5 <= by125) {
        return "5K";
    }
    return by125 <= by75 ? "12.5K" : "7.5K";
}

std::string StepCommand(std::uint32_t step) {
    for (const Step& known : kSteps) {
        if (known.hz == step) {
            return known.command;
        }
    }
    return "ST AUTO\r";
}

std::string BandPlanLine(const RadioSettingsRecord& record, unsigned bank, unsigned kind,
                         unsigned plan) {
    const char letter = BankLetter(bank);
    char line[64];
    const std::uint32_t base = record.PlanBase(bank, plan);
    if (base == 0) {
        std::snprintf(line, sizeof line, "TR %c %u 00000000 0500 380 %u\r", letter, kind, plan);
    } else {
        std::snprintf(line, sizeof line, "TR %c %u %08u %04u %03u %u\r", letter, kind, base / 100,
                      record.PlanSpacing(bank, plan) / 100,
                      static_cast<unsigned>(record.PlanOffset(bank, plan)), plan);
    }
    return line;
}

std::optional<std::uint32_t> DigitsAt(std::string_view reply, std::size_t pos) {
    const std::string_view text = hb::records::ReplyFrom0(reply, pos);
    const auto end = std::ranges::find_if(text, [](char c) { return c < '0' || c > '9'; });
    if (end == text.begin()) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (auto c = text.begin(); c != end; ++c) {
        value = value * 10 + static_cast<std::uint32_t>(*c - '0');
    }
    return value;
}

void TakeBandPlanReply(std::string_view reply, RadioSettingsRecord& record, unsigned bank,
                       unsigned plan) {
    if (const auto base = DigitsAt(reply, kPlanReplyBaseAt)) {
        record.SetPlanBase(bank, plan, *base * 100);
    }
    if (const auto spacing = DigitsAt(reply, kPlanReplySpacingAt)) {
        record.SetPlanSpacing(bank, plan, *spacing * 100);
    }
    if (const auto offset = DigitsAt(reply, kPlanReplyOffsetAt)) {
        record.SetPlanOffset(bank, plan, static_cast<std::uint16_t>(*offset));
    }
}

std::string IdText(UserId& id, const Bank& bank) {
    id.set(UserId::kSizeCode, hb::records::TypeISizeCode(id.get(UserId::kSizeCode)));
    if (id.get(UserId::kKind) == hb::records::kIdKindNone) {
        return "0";
    }
    switch (bank.trunkType) {
    case kTypeII:
        return Number(id);
    case kTypeI:
        return Individual(id) ? Printf("i%05u", id.get(UserId::kValue))
                              : FormatTypeIUserId(id, bank);
    case kEdacs:
    case kEdacsWide:
        return Individual(id) ? Printf("i%05u", id.get(UserId::kValue)) : Number(id);
    default:
        return {};
    }
}

std::string UserIdSlot::Name() const {
    return letter + std::to_string(digit);
}

UserIdSlot UserIdSlotAt(unsigned index) {
    return {static_cast<char>('A' + index / 10), (index % 10 + 1) % 10};
}

std::optional<BankTrunkType> TrunkTypeOfCode(std::uint8_t code) {
    for (const TrunkCode& row : kTrunkCodes) {
        if (row.code == code) {
            return row.bank;
        }
    }
    return std::nullopt;
}

std::optional<std::uint8_t> TrunkTypeCommand(std::uint8_t trunkType, std::uint32_t trunkFlags,
                                             TypeIIPrecedence precedence) {
    if (trunkType == 0) {
        return 0;
    }
    const BankTrunkType bank{trunkType,
                             trunkType == kTypeII ? TypeIIVariant(trunkFlags, precedence) : 0};
    for (const TrunkCode& row : kTrunkCodes) {
        if (row.bank == bank) {
            return row.command;
        }
    }
    return std::nullopt;
}

void StoreTypeIIDefaults(Bank& bank, std::uint8_t command) {
    if (command != kTrunkCommandUhf && command != kTrunkCommandVhf) {
        return;
    }
    if (bank.base == 0) {
        bank.base = command == kTrunkCommandUhf ? kUhfDefaultBase : kVhfDefaultBase;
    }
    if (bank.spacing == 0) {
        bank.spacing = kDefaultSpacing;
    }
    if (bank.offset == 0) {
        bank.offset = kDefaultOffset;
    }
}

bool IsUnnamedMemoryReply(std::string_view reply) {
    return hb::records::ReplyFrom0(reply, kUnnamedAt).starts_with(kUnnamed) &&
           hb::records::ReplyAt0(reply, kGraphicAt).value_or(0) >= kGraphic &&
           hb::records::ReplyAt0(reply, kSecondGraphicAt).value_or(0) >= kSecondGraphic;
}

unsigned ReadFleetMapReply(std::string_view reply, unsigned block,
                           std::array<std::uint8_t, kFleetBlocks>& fleetMap) {
    const auto tens = Digit(hb::records::ReplyAt0(reply, kFleetSizeAt));
    const auto ones = Digit(hb::records::ReplyAt0(reply, kFleetSizeAt + 1));
    if (block >= kFleetBlocks || !tens || !ones || *tens * 10 + *ones > kSizeAllBlocks) {
        return block + 1;
    }
    const auto size = static_cast<std::uint8_t>(*tens * 10 + *ones);
    if (size == kSizeAllBlocks) {
        fleetMap.fill(size);
        return kFleetBlocks;
    }
    const unsigned end = std::min(block + BlocksFilled(size), kFleetBlocks);
    std::fill(fleetMap.begin() + block, fleetMap.begin() + end, size);
    return end;
}

} // namespace TrunkCommandCodec
