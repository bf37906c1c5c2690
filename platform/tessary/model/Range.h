#pragma once
// A search range (kind 53530008): a channel whose record gives the lower and upper limit (12, 16),
// the step (4) and the range number (68). It keeps its typed records (the lock-out map of its
// steps) and the channels that searching stored.

#include "platform/tessary/model/Blob.h"
#include "platform/tessary/model/Chan.h"

#include <memory>
#include <vector>

class Range : public Chan {
public:
    // Option word bits.
    static constexpr std::uint32_t kOptionStoreHits = 0x01;   // hits become stored channels
    static constexpr std::uint32_t kOptionLockOutHits = 0x02; // stored hits are locked out

    Range();

    const char* descr() const override { return "Search Range"; }

    std::uint32_t lower() const { return record().get(hb::records::Parm::kStart); }
    std::uint32_t upper() const { return record().get(hb::records::Parm::kEnd); }
    std::uint32_t step() const { return record().get(hb::records::Parm::kStep); }
    std::uint16_t number() const { return record().get(hb::records::Parm::kMemoryChannel); }
    void setLimits(std::uint32_t lower, std::uint32_t upper, std::uint32_t step);

    // The radio type the range was made for; 0 for none.
    std::uint8_t radioType() const { return m_radioType; }
    void setRadioType(std::uint8_t type) { m_radioType = type; }

    std::uint32_t options() const { return m_options; }
    void setOptions(std::uint32_t options) { m_options = options; }

    BlobList& records() { return m_records; }
    const BlobList& records() const { return m_records; }

    // Channels stored from hits of this range (kind 53530006), in the order found.
    const std::vector<std::unique_ptr<Chan>>& found() const { return m_found; }
    Chan& addFound(std::unique_ptr<Chan> channel) { return own(m_found, std::move(channel)); }

    // A range is scanned when its step is set and its limits are in order.
    void forEachScannable(const std::function<void(Chan&)>& visit) override;
    bool readItem(std::uint32_t tag, hb::tessary::ItemReader& item) override;

protected:
    void writeOwnItems(hb::tessary::ItemWriter& out) const override;
    void forEachChild(const std::function<void(Object&)>& visit) override;

private:
    std::uint32_t m_options = 0;
    std::uint8_t m_radioType = 0;
    BlobList m_records;
    std::vector<std::unique_ptr<Chan>> m_found;
};
