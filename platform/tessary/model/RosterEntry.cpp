#include "platform/tessary/model/RosterEntry.h"

#include "platform/tessary/model/ItemStream.h"

namespace {

enum EntryItem : std::uint32_t {
    kItemActive = 90,
    kItemFile,
    kItemTag,
    kItemLog,
    kItemAudio,
};

} // namespace

RosterEntry::RosterEntry() : Object(Kind::ScanListEntry) {}

bool RosterEntry::IsEmpty() const {
    return !isActive() || !m_object || !m_object->hasScannable();
}

void RosterEntry::writeOwnItems(hb::tessary::ItemWriter& out) const {
    out.u8(kItemActive, active);
    out.text(kItemFile, fileName());
    out.u32(kItemTag, tag);
    out.u8(kItemLog, log);
    out.u8(kItemAudio, audio);
}

bool RosterEntry::readItem(std::uint32_t itemTag, hb::tessary::ItemReader& item) {
    switch (itemTag) {
    case kItemActive:
        active = item.u8();
        return true;
    case kItemFile:
        setFileName(item.text());
        return true;
    case kItemTag:
        tag = item.u32();
        return true;
    case kItemLog:
        log = item.u8();
        return true;
    case kItemAudio:
        audio = item.u8();
        return true;
    default:
        return Object::readItem(itemTag, item);
    }
}
