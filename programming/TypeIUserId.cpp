#include "programming/TypeIUserId.h"

#include "platform/records/TypeISizeTable.h"
#include "platform/tessary/model/Bank.h"

#include <cstdio>

namespace {

constexpr std::uint8_t kTrunkTypeII = 2;
// The one size code whose fleet needs three digits.
constexpr std::uint8_t kWideFleetSize = 1;

} // namespace

std::string FormatTypeIUserId(hb::records::UserId& id, const Bank& bank) {
    using hb::records::UserId;
    const std::uint8_t size = hb::records::TypeISizeCode(id.get(UserId::kSizeCode));
    id.set(UserId::kSizeCode, size);
    const hb::records::TypeISize& layout = hb::records::TypeISizeTable[size];
    char text[32];
    if (bank.trunkType == kTrunkTypeII || !layout.hasLayout()) {
        std::snprintf(text, sizeof text, "%06lu",
                      static_cast<unsigned long>(id.get(UserId::kValue)));
        return text;
    }
    const unsigned block = id.get(UserId::kBlock) & layout.blockMask;
    const unsigned fleet = id.get(UserId::kFleet) % layout.fleetModulus;
    const unsigned subfleet = id.get(UserId::kSubfleet) % layout.subfleetModulus;
    std::snprintf(text, sizeof text, size == kWideFleetSize ? "%u%03u-%u" : "%u%02u-%02u", block,
                  fleet, subfleet);
    return text;
}
