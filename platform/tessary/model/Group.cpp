#include "platform/tessary/model/Group.h"

#include "platform/tessary/model/ItemStream.h"
#include "platform/tessary/model/Range.h"

namespace {

enum GroupItem : std::uint32_t {
    kItemRadioType = 30,
};

bool IsExtraKind(std::uint32_t tag) {
    using hb::records::ObjectKind;
    const auto kind = static_cast<ObjectKind>(tag);
    return kind == ObjectKind::StandaloneChannel || kind == ObjectKind::SearchRange;
}

} // namespace

Group::Group() : Group(Kind::Group) {}

Group::Group(Kind kind) : Object(kind) {}

std::unique_ptr<Bank> Group::removeLastBank() {
    if (m_banks.empty()) {
        return nullptr;
    }
    std::unique_ptr<Bank> last = std::move(m_banks.back());
    m_banks.pop_back();
    markChanged();
    return last;
}

void Group::forEachScannable(const std::function<void(Chan&)>& visit) {
    for (const auto& bank : m_banks) {
        bank->forEachScannable(visit);
    }
    for (const auto& extra : m_extras) {
        extra->forEachScannable(visit);
    }
}

void Group::forEachChild(const std::function<void(Object&)>& visit) {
    for (const auto& bank : m_banks) {
        visit(*bank);
    }
    for (const auto& extra : m_extras) {
        visit(*extra);
    }
}

void Group::writeOwnItems(hb::tessary::ItemWriter& out) const {
    out.u8(kItemRadioType, m_radioType);
    for (const auto& bank : m_banks) {
        out.object(*bank);
    }
    for (const auto& extra : m_extras) {
        out.object(*extra);
    }
    hb::tessary::WriteBlobs(out, m_records);
}

bool Group::readItem(std::uint32_t tag, hb::tessary::ItemReader& item) {
    switch (tag) {
    case kItemRadioType:
        m_radioType = item.u8();
        return true;
    case hb::tessary::kItemBlob:
        hb::tessary::ReadBlob(item, m_records);
        return true;
    case static_cast<std::uint32_t>(Kind::Bank):
        if (auto bank = item.objectAs<Bank>(tag)) {
            addBank(std::move(bank));
        }
        return true;
    default:
        if (IsExtraKind(tag)) {
            if (auto extra = item.objectAs<Chan>(tag)) {
                addExtra(std::move(extra));
            }
            return true;
        }
        return Object::readItem(tag, item);
    }
}
