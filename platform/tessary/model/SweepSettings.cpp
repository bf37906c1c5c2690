#include "platform/tessary/model/SweepSettings.h"

#include "platform/tessary/model/ItemStream.h"

namespace {

enum : std::uint32_t {
    kItemRadioType = 120,
    kItemAlertSound = 121,
    kItemRecord = 122,
};

} // namespace

SweepSettings::SweepSettings() : Object(Kind::SweepSettings) {}

void SweepSettings::writeOwnItems(hb::tessary::ItemWriter& out) const {
    out.u8(kItemRadioType, m_radioType);
    out.u8(kItemAlertSound, m_alertSound);
    out.bytes(kItemRecord, m_parm.bytes());
}

bool SweepSettings::readItem(std::uint32_t tag, hb::tessary::ItemReader& item) {
    switch (tag) {
    case kItemRadioType:
        m_radioType = item.u8();
        return true;
    case kItemAlertSound:
        m_alertSound = item.u8();
        return true;
    case kItemRecord:
        m_parm.loadExact(item.bytes(hb::records::Parm::kSize));
        return true;
    default:
        return Object::readItem(tag, item);
    }
}
