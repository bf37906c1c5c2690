#include "platform/tessary/model/Bank.h"

#include "platform/tessary/model/ItemStream.h"
#include "platform/tessary/model/Range.h"

namespace {

enum BankItem : std::uint32_t {
    kItemNumber = 50,
    kItemTrunkType,
    kItemTrunkFlags,
    kItemBase,
    kItemSpacing,
    kItemOffset,
    kItemFleetMap,
    kItemDelay,
    kItemOption,
};

bool IsMemberKind(std::uint32_t tag) {
    using hb::records::ObjectKind;
    const auto kind = static_cast<ObjectKind>(tag);
    return hb::records::IsChannelKind(kind) || kind == ObjectKind::SearchRange;
}

} // namespace

Bank::Bank() : Object(Kind::Bank) {}

void Bank::forEachScannable(const std::function<void(Chan&)>& visit) {
    for (const auto& member : m_members) {
        member->forEachScannable(visit);
    }
}

void Bank::forEachChild(const std::function<void(Object&)>& visit) {
    for (const auto& member : m_members) {
        visit(*member);
    }
    for (const auto& entry : m_userIds) {
        visit(*entry);
    }
}

void Bank::writeOwnItems(hb::tessary::ItemWriter& out) const {
    out.u16(kItemNumber, number);
    out.u8(kItemTrunkType, trunkType);
    out.u32(kItemTrunkFlags, trunkFlags);
    out.u32(kItemBase, base);
    out.u32(kItemSpacing, spacing);
    out.u16(kItemOffset, offset);
    out.bytes(kItemFleetMap, fleetMap);
    out.u16(kItemDelay, static_cast<std::uint16_t>(delay));
    out.u8(kItemOption, option);
    for (const auto& member : m_members) {
        out.object(*member);
    }
    for (const auto& entry : m_userIds) {
        out.object(*entry);
    }
}

bool Bank::readItem(std::uint32_t tag, hb::tessary::ItemReader& item) {
    switch (tag) {
    case kItemNumber:
        number = item.u16();
        return true;
    case kItemTrunkType:
        trunkType = item.u8();
        return true;
    case kItemTrunkFlags:
        trunkFlags = item.u32();
        return true;
    case kItemBase:
        base = item.u32();
        return true;
    case kItemSpacing:
        spacing = item.u32();
        return true;
    case kItemOffset:
        offset = item.u16();
        return true;
    case kItemFleetMap:
        item.into(fleetMap);
        return true;
    case kItemDelay:
        delay = static_cast<std::int16_t>(item.u16());
        return true;
    case kItemOption:
        option = item.u8();
        return true;
    case static_cast<std::uint32_t>(Kind::UserIdEntry):
        if (auto entry = item.objectAs<UserIdEntry>(tag)) {
            addUserId(std::move(entry));
        }
        return true;
    default:
        if (IsMemberKind(tag)) {
            if (auto member = item.objectAs<Chan>(tag)) {
                addMember(std::move(member));
            }
            return true;
        }
        return Object::readItem(tag, item);
    }
}
