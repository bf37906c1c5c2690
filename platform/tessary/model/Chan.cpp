#include "platform/tessary/model/Chan.h"

#include "platform/tessary/model/ItemStream.h"
#include "platform/tessary/model/Radio.h"

namespace {

using hb::records::Parm;

enum ChanItem : std::uint32_t {
    kItemRecord = 20,
    kItemLockOut = 21,
    kItemValues = 22,
};

constexpr std::uint8_t kToneKindCtcss = 4;

} // namespace

Chan::Chan(Kind kind) : Object(kind) {
    m_parm.set(Parm::kObjectHandle, handle());
}

void Chan::SetParm(const Parm& record) {
    m_parm = record;
    m_parm.set(Parm::kObjectHandle, handle());
    m_lockOut = record.get(Parm::kLockOut);
    markChanged();
}

void Chan::reset(const Radio* radio) {
    m_parm = radio ? radio->DefaultRecord() : Parm{};
    m_parm.set(Parm::kObjectHandle, handle());
    m_lockOut = 0;
    m_values.fill(0);
    setFlags(0);
    setName({});
    markChanged();
}

void Chan::setLockOut(std::uint8_t value) {
    m_lockOut = value;
    m_parm.set(Parm::kLockOut, value);
}

int Chan::StoreId(const hb::records::UserId& id) {
    if (id.get(hb::records::UserId::kKind) != hb::records::kIdKindCtcss || m_parm.tone() != 0) {
        return 0;
    }
    m_parm.set(Parm::Channel::kTone,
               id.get(hb::records::UserId::kValue) & Parm::Channel::kToneMask);
    m_parm.set(Parm::Channel::kSquelchKind, kToneKindCtcss);
    markChanged();
    return 1;
}

void Chan::forEachScannable(const std::function<void(Chan&)>& visit) {
    if (frequency() != 0) {
        visit(*this);
    }
}

void Chan::writeOwnItems(hb::tessary::ItemWriter& out) const {
    // Handles live only as long as the program runs: the file keeps none.
    Parm stored = m_parm;
    stored.set(Parm::kObjectHandle, 0);
    out.bytes(kItemRecord, stored.bytes());
    out.u8(kItemLockOut, m_lockOut);
    std::array<std::uint8_t, kMemberKinds * 4> packed{};
    for (std::size_t i = 0; i < kMemberKinds; ++i) {
        for (std::size_t b = 0; b < 4; ++b) {
            packed[i * 4 + b] = static_cast<std::uint8_t>(m_values[i] >> (8 * b));
        }
    }
    out.bytes(kItemValues, packed);
    m_statistics.write(out);
}

bool Chan::readItem(std::uint32_t tag, hb::tessary::ItemReader& item) {
    switch (tag) {
    // The lock-out item is the channel's own state, the one the user set; the record's byte is
    // its copy for the radio and the engine. The item wins in either order; a file without one
    // keeps the record's byte.
    case kItemRecord:
        m_parm.loadExact(item.bytes(Parm::kSize));
        m_parm.set(Parm::kObjectHandle, handle());
        if (m_lockOutRead) {
            m_parm.set(Parm::kLockOut, m_lockOut);
        } else {
            m_lockOut = m_parm.get(Parm::kLockOut);
        }
        return true;
    case kItemLockOut:
        setLockOut(item.u8());
        m_lockOutRead = true;
        return true;
    case kItemValues: {
        const auto packed = item.bytes(kMemberKinds * 4);
        for (std::size_t i = 0; i < packed.size() / 4; ++i) {
            m_values[i] = hb::tessary::LoadLe32(packed.data() + i * 4);
        }
        return true;
    }
    default:
        return m_statistics.readItem(tag, item) || Object::readItem(tag, item);
    }
}
