#include "platform/tessary/model/Range.h"

#include "platform/tessary/model/ItemStream.h"

namespace {

using hb::records::Parm;

enum RangeItem : std::uint32_t {
    kItemOptions = 40,
    kItemRadioType = 41,
};

} // namespace

Range::Range() : Chan(Kind::SearchRange) {}

void Range::setLimits(std::uint32_t lower, std::uint32_t upper, std::uint32_t step) {
    Parm changed = record();
    changed.set(Parm::kStart, lower);
    changed.set(Parm::kEnd, upper);
    changed.set(Parm::kStep, step);
    if (changed.get(Parm::kFrequency) < lower || changed.get(Parm::kFrequency) > upper) {
        changed.set(Parm::kFrequency, lower);
    }
    SetParm(changed);
}

void Range::forEachScannable(const std::function<void(Chan&)>& visit) {
    if (step() != 0 && lower() != 0 && lower() <= upper()) {
        visit(*this);
    }
}

void Range::forEachChild(const std::function<void(Object&)>& visit) {
    for (const auto& channel : m_found) {
        visit(*channel);
    }
}

void Range::writeOwnItems(hb::tessary::ItemWriter& out) const {
    Chan::writeOwnItems(out);
    out.u32(kItemOptions, m_options);
    // A range of no radio type is stored as before.
    if (m_radioType != 0) {
        out.u8(kItemRadioType, m_radioType);
    }
    hb::tessary::WriteBlobs(out, m_records);
    for (const auto& channel : m_found) {
        out.object(*channel);
    }
}

bool Range::readItem(std::uint32_t tag, hb::tessary::ItemReader& item) {
    switch (tag) {
    case kItemOptions:
        m_options = item.u32();
        return true;
    case kItemRadioType:
        m_radioType = item.u8();
        return true;
    case hb::tessary::kItemBlob:
        hb::tessary::ReadBlob(item, m_records);
        return true;
    case static_cast<std::uint32_t>(Kind::StandaloneChannel):
        if (auto channel = item.objectAs<Chan>(tag)) {
            addFound(std::move(channel));
        }
        return true;
    default:
        return Chan::readItem(tag, item);
    }
}
