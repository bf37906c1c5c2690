#include "platform/tessary/model/RosterEntry.h"

#include "platform/tessary/model/File.h"
#include "platform/tessary/model/ItemStream.h"

namespace {

enum EntryItem : std::uint32_t {
    kItemActive = 90,
    kItemFile,
    kItemTag,
    kItemLog,
    kItemAudio,
    kItemFurther,
};

} // namespace

RosterEntry::RosterEntry() : Object(Kind::ScanListEntry) {}

bool RosterEntry::IsEmpty() const {
    return !isActive() || !m_object || !m_object->hasScannable();
}

int RosterEntry::Load(int) {
    if (fileName().empty()) {
        return 1;
    }
    File file(fileName());
    std::unique_ptr<Object> read = file.release();
    if (!read) {
        return 1;
    }
    if (!tagAssigned()) {
        tag = read->ObjectTypeTag();
    }
    m_object = std::move(read);
    return 0;
}

bool RosterEntry::SaveChanges() {
    if (!m_object || !m_object->isChanged() || m_object->fileName().empty()) {
        return true;
    }
    File file(m_object->fileName(), m_object.get());
    if (file.save()) {
        return true;
    }
    file.abandon();
    return false;
}

void RosterEntry::Reset() {
    SaveChanges();
    m_object.reset();
    active = 0;
    tag = static_cast<std::uint32_t>(Kind::ScanListEntry);
    setName("");
    setDescription("");
    setFileName("");
}

void RosterEntry::writeOwnItems(hb::tessary::ItemWriter& out) const {
    out.u8(kItemActive, active);
    out.text(kItemFile, fileName());
    out.u32(kItemTag, tag);
    out.u8(kItemLog, log);
    out.u8(kItemAudio, audio);
    out.u8(kItemFurther, further);
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
    case kItemFurther:
        further = item.u8();
        return true;
    default:
        return Object::readItem(itemTag, item);
    }
}
