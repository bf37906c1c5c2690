#include "platform/tessary/model/ConvertUser.h"

#include "platform/records/TypeISizeTable.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>

namespace {

using hb::records::UserId;

constexpr std::uint8_t kTypeI = 1;
constexpr std::uint8_t kTypeThree = 3;
constexpr std::uint8_t kWideFleetSize = 1;
constexpr unsigned kBlockShift = 13;
constexpr unsigned kBlockSpan = 1U << kBlockShift;

// The whole text as a decimal number: digits only, at least one.
std::optional<std::uint32_t> Decimal(std::string_view text) {
    if (text.empty() || !std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// The span of IDs one block covers at the size code.
unsigned BlockSpan(std::uint8_t size) {
    switch (size) {
    case 12:
        return kBlockSpan * 2;
    case 13:
        return kBlockSpan * 4;
    case 14:
        return kBlockSpan * 8;
    default:
        return kBlockSpan;
    }
}

bool ReadTypeI(std::string_view text, UserId& id, const std::array<std::uint8_t, 8>& fleetMap) {
    const auto dash = text.find('-');
    if (dash == 0 || dash == std::string_view::npos) {
        return false;
    }
    const auto block = Decimal(text.substr(0, 1));
    if (!block || *block >= fleetMap.size()) {
        return false;
    }
    const std::uint8_t size = hb::records::TypeISizeCode(fleetMap[*block]);
    const hb::records::TypeISize& layout = hb::records::TypeISizeTable[size];
    const std::size_t fleetDigits = size == kWideFleetSize ? 3 : 2;
    if (!layout.hasLayout() || dash != 1 + fleetDigits ||
        (size != kWideFleetSize && text.size() - dash - 1 != 2)) {
        return false;
    }
    const auto fleet = Decimal(text.substr(1, fleetDigits));
    const auto subfleet = Decimal(text.substr(dash + 1));
    if (!fleet || !subfleet || (*block & layout.blockMask) != *block ||
        *fleet >= layout.fleetModulus || *subfleet >= layout.subfleetModulus) {
        return false;
    }
    const unsigned perFleet = BlockSpan(size) / layout.fleetModulus;
    const unsigned perSubfleet = perFleet / layout.subfleetModulus;
    id.set(UserId::kValue, (*block << kBlockShift) + *fleet * perFleet + *subfleet * perSubfleet);
    id.set(UserId::kBlock, static_cast<std::uint8_t>(*block));
    id.set(UserId::kFleet, static_cast<std::uint8_t>(*fleet));
    id.set(UserId::kSubfleet, static_cast<std::uint8_t>(*subfleet));
    id.set(UserId::kSizeCode, size);
    return true;
}

// "%01u%02u%03u": bit 13, bits 8 to 12 and bits 0 to 7 of the value.
bool ReadTypeThree(std::string_view text, UserId& id) {
    if (text.size() != 6) {
        return false;
    }
    const auto high = Decimal(text.substr(0, 1));
    const auto middle = Decimal(text.substr(1, 2));
    const auto low = Decimal(text.substr(3, 3));
    if (!high || !middle || !low || *high > 1 || *middle > 31 || *low > 255) {
        return false;
    }
    id.set(UserId::kValue, (*high << kBlockShift) | (*middle << 8) | *low);
    return true;
}

bool Read(std::string_view text, UserId& id, std::uint8_t trunkType,
          const std::array<std::uint8_t, 8>& fleetMap) {
    // "0" and "000000" are how every family writes an empty ID, whatever its trunk type.
    if (Decimal(text) == 0U) {
        return true;
    }
    if (text.starts_with('i')) {
        const auto value = Decimal(text.substr(1));
        if (!value) {
            return false;
        }
        id.set(UserId::kValue, *value);
        id.set(UserId::kFlags, UserId::kFlagIndividual);
        return true;
    }
    if (trunkType == kTypeI && text.find('-') != std::string_view::npos) {
        return ReadTypeI(text, id, fleetMap);
    }
    if (trunkType == kTypeThree) {
        return ReadTypeThree(text, id);
    }
    const auto value = Decimal(text);
    if (value) {
        id.set(UserId::kValue, *value);
    }
    return value.has_value();
}

} // namespace

int convert_user(const char* text, UserId* id, std::uint8_t trunkType,
                 const std::array<std::uint8_t, 8>& fleetMap) {
    if (!id) {
        return 1;
    }
    *id = UserId{};
    const std::string_view written = text ? text : "";
    if (written.empty()) {
        return 0;
    }
    if (!Read(written, *id, trunkType, fleetMap)) {
        *id = UserId{};
        return 1;
    }
    if (id->get(UserId::kValue) == 0 && id->get(UserId::kFlags) == 0) {
        // An empty ID is not in use, or the writers would send it as a talkgroup 0.
        *id = UserId{};
        return 0;
    }
    id->set(UserId::kKind, trunkType);
    return 0;
}
