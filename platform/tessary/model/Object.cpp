#include "platform/tessary/model/Object.h"

#include "platform/tessary/model/HandleTable.h"
#include "platform/tessary/model/ItemStream.h"
#include "platform/tessary/model/Statistics.h"

namespace {

enum ObjectItem : std::uint32_t {
    kItemName = 1,
    kItemDescription = 2,
    kItemFlags = 3,
    kItemColor = 4,
};

} // namespace

Object::Object(Kind kind) : m_kind(kind), m_handle(hb::tessary::IssueHandle(this)) {}

Object::~Object() {
    hb::tessary::ReleaseHandle(m_handle);
}

Object* Object::Find(std::uint32_t handle) {
    return handle == 0 ? nullptr : hb::tessary::LookUpHandle(handle);
}

void Object::setName(std::string name) {
    m_name = std::move(name);
}

void Object::setDescription(std::string description) {
    m_description = std::move(description);
}

void Object::setFileName(std::string path) {
    if (path != m_fileName) {
        m_fileName = std::move(path);
        markChanged();
    }
}

void Object::markChanged() {
    for (Object* o = this; o; o = o->m_parent) {
        o->m_changed = true;
    }
}

void Object::clearChanged() {
    m_changed = false;
    forEachChild([](Object& child) { child.clearChanged(); });
}

void Object::ResetStatistics(bool onlyOneSheet, int sheet) {
    forEachChild([&](Object& child) { child.ResetStatistics(onlyOneSheet, sheet); });
    Statistics* own = hitStatistics();
    if (!own) {
        return;
    }
    const int shownOn = m_kind == Kind::UserIdEntry   ? kUserIdsSheet
                        : m_kind == Kind::SearchRange ? kRangesSheet
                                                      : kChannelsSheet;
    if (!onlyOneSheet || shownOn == sheet) {
        own->reset();
        markChanged();
    }
}

Object* Object::root() {
    Object* o = this;
    while (o->m_parent) {
        o = o->m_parent;
    }
    return o;
}

void Object::forEachScannable(const std::function<void(Chan&)>&) {}

bool Object::hasScannable() {
    bool found = false;
    forEachScannable([&](Chan&) { found = true; });
    return found;
}

void Object::forEachChild(const std::function<void(Object&)>&) {}

void Object::writeItems(hb::tessary::ItemWriter& out) const {
    out.text(kItemName, m_name);
    out.text(kItemDescription, m_description);
    out.u32(kItemFlags, m_flags);
    // Files of objects in the default colour stay as they were.
    if (m_color != 0) {
        out.u8(kItemColor, m_color);
    }
    writeOwnItems(out);
}

bool Object::readItem(std::uint32_t tag, hb::tessary::ItemReader& item) {
    switch (tag) {
    case kItemName:
        m_name = item.text();
        return true;
    case kItemDescription:
        m_description = item.text();
        return true;
    case kItemFlags:
        m_flags = item.u32();
        return true;
    case kItemColor:
        m_color = item.u8();
        return true;
    default:
        return false;
    }
}
