#include "programming/Type17Codes.h"

#include "platform/records/TypeISizeTable.h"
#include "platform/tessary/model/Bank.h"

#include <algorithm>

namespace Type17Codes {

const std::array<FleetMap, kPresetCount> kFleetMapPresets{{
    {4, 4, 4, 4, 4, 4, 4, 4},
    {4, 4, 4, 4, 4, 4, 12, 15},
    {12, 15, 4, 4, 4, 4, 4, 4},
    {4, 4, 12, 15, 4, 4, 4, 4},
    {3, 10, 4, 4, 12, 15, 12, 15},
    {10, 10, 11, 4, 4, 4, 4, 4},
    {1, 1, 2, 2, 3, 3, 4, 4},
    {4, 4, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 4, 4},
    {4, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0, 4},
    {3, 3, 11, 4, 4, 0, 0, 0},
    {4, 3, 10, 4, 4, 4, 12, 15},
    {4, 4, 4, 11, 11, 0, 12, 15},
    {3, 10, 10, 11, 0, 0, 12, 15},
}};

namespace {

using hb::records::Parm;
using hb::records::UserId;

constexpr char kDash = '-';

bool IsTrunked(const Chan& member) {
    const bool memory = member.kind() == Object::Kind::Channel ||
                        member.kind() == Object::Kind::StandaloneChannel ||
                        member.kind() == Object::Kind::SearchRange;
    return memory &&
           (member.record().get(Parm::Channel::kTrunkWord) & Parm::Channel::kTrunkFrequency) != 0;
}

} // namespace

FleetMap MaskedFleetMap(const FleetMap& map) {
    FleetMap masked{};
    std::ranges::transform(map, masked.begin(), hb::records::TypeISizeCode);
    return masked;
}

std::optional<std::size_t> PresetOf(const FleetMap& map) {
    const auto found = std::ranges::find(kFleetMapPresets, MaskedFleetMap(map));
    if (found == kFleetMapPresets.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - kFleetMapPresets.begin());
}

unsigned BlocksTaken(std::uint8_t sizeCode) {
    switch (hb::records::TypeISizeCode(sizeCode)) {
    case 12:
        return 2;
    case 13:
        return 4;
    case 14:
        return 8;
    default:
        return 1;
    }
}

bool HasTrunkedChannel(const Bank& bank) {
    return std::ranges::any_of(bank.members(),
                               [](const auto& member) { return IsTrunked(*member); });
}

void FixTrunkType(Bank& bank) {
    if (bank.trunkType != kTypeI) {
        bank.trunkType = kTypeII;
    }
}

const char* SystemName(std::uint8_t trunkType) {
    return trunkType == kTypeI ? "Type I" : "Type II";
}

std::string SlotName(unsigned index) {
    return TrunkCommandCodec::UserIdSlotAt(index).letter + std::to_string(index % 10 + 1);
}

std::vector<std::string> IdKeys(std::string text, const UserId& id, const Bank& bank) {
    if (id.get(UserId::kValue) == 0) {
        return {};
    }
    if (bank.trunkType == kTypeII || id.get(UserId::kSizeCode) == 0) {
        text.erase(0, text.find_first_not_of('0'));
    }
    std::vector<std::string> keys;
    for (const char c : text) {
        keys.push_back(c == kDash ? std::string("KEY03\r") : std::string("KEY02 ") + c + '\r');
    }
    return keys;
}

} // namespace Type17Codes
