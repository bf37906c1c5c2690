#include "platform/tessary/model/UserIdEntry.h"

#include "platform/records/TextWidths.h"
#include "platform/tessary/model/ItemStream.h"

namespace {

enum UserIdItem : std::uint32_t {
    kItemTag = 70,
    kItemId = 71,
    kItemOptions = 72,
    kItemOptionBytes = 73,
};

} // namespace

UserIdEntry::UserIdEntry() : Object(Kind::UserIdEntry) {}

void UserIdEntry::setTag(std::string_view tag) {
    m_tag = std::string(tag.substr(0, hb::records::kTagWidth));
}

void UserIdEntry::writeOwnItems(hb::tessary::ItemWriter& out) const {
    out.text(kItemTag, m_tag);
    out.bytes(kItemId, m_id.bytes());
    out.u16(kItemOptions, m_options);
    out.bytes(kItemOptionBytes, m_optionBytes);
    m_statistics.write(out);
}

bool UserIdEntry::readItem(std::uint32_t tag, hb::tessary::ItemReader& item) {
    switch (tag) {
    case kItemTag:
        setTag(item.text());
        return true;
    case kItemId:
        m_id.loadExact(item.bytes(hb::records::UserId::kSize));
        return true;
    case kItemOptions:
        m_options = item.u16();
        return true;
    case kItemOptionBytes:
        item.into(m_optionBytes);
        return true;
    default:
        return m_statistics.readItem(tag, item) || Object::readItem(tag, item);
    }
}
